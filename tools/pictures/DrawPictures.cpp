// Draws every compiled-in picture of the program into Resources/.
//
// The pictures are committed; the build does not run this program, since
// drawn text depends on the fonts of the machine that draws it. Redraw with
// scripts/draw-pictures.sh after changing a picture here.

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor kBlue(63, 133, 228);
const QColor kButtonBlue(71, 146, 217);
const QColor kSlate(102, 122, 147);
const QColor kWhite(255, 255, 255);
const QColor kRed(226, 68, 56);

QString g_folder;
int g_written = 0;

using Painter = std::function<void(QPainter &, const QSize &)>;

QImage draw(const QSize &size, const Painter &paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, size);
    painter.end();
    return image;
}

void save(const QString &name, const QSize &size, const Painter &paint)
{
    const QString path = g_folder + QStringLiteral("/image/") + name + QStringLiteral(".png");
    if (!draw(size, paint).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    ++g_written;
}

QFont uiFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The program's emblem: a camera body with its lens on a blue tile.
void emblem(QPainter &p, const QSize &s)
{
    const qreal w = s.width();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(0, 0, w, w), w * 0.18, w * 0.18);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(w * 0.22, w * 0.16, w * 0.56, w * 0.70), w * 0.08, w * 0.08);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(w * 0.5, w * 0.46), w * 0.17, w * 0.17);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(w * 0.5, w * 0.46), w * 0.07, w * 0.07);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(w * 0.33, w * 0.75), w * 0.045, w * 0.045);
}

// Qt's ICO writer stores one image per file; the icon carries every size, so
// the single-image files are joined under one directory.
void saveIcon(const QString &name)
{
    const QList<int> sizes{16, 24, 32, 48, 64, 128, 256};
    QList<QByteArray> entries;
    QList<QByteArray> bodies;
    for (int size : sizes) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "ico");
        if (!writer.write(draw(QSize(size, size), emblem))) {
            std::fprintf(stderr, "ICO writer: %s\n", qPrintable(writer.errorString()));
            std::exit(1);
        }
        const QByteArray single = buffer.data();
        entries << single.mid(6, 16);
        const quint32 offset = qFromLittleEndian<quint32>(single.constData() + 18);
        bodies << single.mid(int(offset));
    }
    QByteArray ico(6, '\0');
    qToLittleEndian<quint16>(1, ico.data() + 2);
    qToLittleEndian<quint16>(quint16(sizes.size()), ico.data() + 4);
    quint32 offset = quint32(6 + 16 * sizes.size());
    for (int i = 0; i < entries.size(); ++i) {
        QByteArray entry = entries.at(i);
        qToLittleEndian<quint32>(quint32(bodies.at(i).size()), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        ico += entry;
        offset += quint32(bodies.at(i).size());
    }
    for (const QByteArray &body : bodies)
        ico += body;
    QFile file(g_folder + QLatin1Char('/') + name + QStringLiteral(".ico"));
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    ++g_written;
}

void user(QPainter &p, bool down)
{
    if (down) {
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawEllipse(QRectF(1, 1, 22, 22));
    } else {
        p.setPen(QPen(kWhite, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    }
    const QColor figure = down ? kBlue : kWhite;
    p.setPen(Qt::NoPen);
    p.setBrush(figure);
    p.drawEllipse(QPointF(12, 9), 3.6, 3.6);
    QPainterPath shoulders;
    shoulders.moveTo(5.5, 19);
    shoulders.cubicTo(6.5, 13.5, 17.5, 13.5, 18.5, 19);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

// Navigation and save buttons; the style sheet stretches them over the button.
void button(QPainter &p, const QSize &s, const QColor &fill, bool marker)
{
    const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
    p.setPen(QPen(fill.darker(112), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 3, 3);
    if (marker) {
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawRect(QRectF(12, s.height() - 4, s.width() - 24, 3));
    }
}

void stripButton(QPainter &p, const QSize &s, const QString &text, bool pressed, bool logOut)
{
    p.fillRect(QRect(QPoint(0, 0), s), pressed ? QColor(226, 237, 251) : kWhite);
    const QColor ink = pressed ? kBlue : kSlate;
    p.setPen(roundPen(ink, 1.6));
    p.setBrush(Qt::NoBrush);
    if (logOut) {
        p.drawArc(QRectF(13, 8, 14, 14), 120 * 16, 300 * 16);
        p.drawLine(QPointF(20, 6), QPointF(20, 14));
    } else {
        p.drawLine(QPointF(12, 11), QPointF(27, 11));
        p.drawLine(QPointF(23, 7), QPointF(27, 11));
        p.drawLine(QPointF(13, 19), QPointF(28, 19));
        p.drawLine(QPointF(17, 23), QPointF(13, 19));
    }
    p.setPen(ink);
    p.setFont(uiFont(13));
    p.drawText(QRect(36, 0, s.width() - 40, s.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void spinner(QPainter &p, const QSize &s, int frame)
{
    p.translate(s.width() / 2.0, s.height() / 2.0);
    for (int spoke = 0; spoke < 12; ++spoke) {
        // The spoke of this frame is darkest; the ones behind it fade out.
        const int age = (frame - spoke + 12) % 12;
        QColor color = kBlue;
        color.setAlphaF(1.0 - age * 0.075);
        p.save();
        p.rotate(spoke * 30.0);
        p.setPen(roundPen(color, 3));
        p.drawLine(QPointF(0, -8), QPointF(0, -14));
        p.restore();
    }
}

void hover(QPainter &p, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(0, 0, 24, 24), 3, 3);
}

enum class State { Normal, Hover, Pressed, Disabled };

QColor glyphOnBand(State state)
{
    return state == State::Disabled ? QColor(255, 255, 255, 110) : kWhite;
}

void bandBackground(QPainter &p, State state, bool close = false)
{
    if (state == State::Hover)
        hover(p, close ? kRed : QColor(255, 255, 255, 50));
    else if (state == State::Pressed)
        hover(p, close ? kRed.darker(120) : QColor(0, 0, 0, 45));
}

void minimise(QPainter &p, State state)
{
    bandBackground(p, state);
    p.setPen(roundPen(glyphOnBand(state), 1.6));
    p.drawLine(QPointF(7, 12.5), QPointF(17, 12.5));
}

void maximise(QPainter &p, State state)
{
    bandBackground(p, state);
    p.setPen(roundPen(glyphOnBand(state), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7, 7, 10, 10));
}

void closeGlyph(QPainter &p, State state)
{
    bandBackground(p, state, true);
    p.setPen(roundPen(kWhite, 1.7));
    p.drawLine(QPointF(7.5, 7.5), QPointF(16.5, 16.5));
    p.drawLine(QPointF(16.5, 7.5), QPointF(7.5, 16.5));
}

void gear(QPainter &p, State state)
{
    bandBackground(p, state);
    p.translate(12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (int tooth = 0; tooth < 8; ++tooth) {
        p.save();
        p.rotate(tooth * 45.0);
        p.drawRoundedRect(QRectF(-1.8, -8.5, 3.6, 4), 0.8, 0.8);
        p.restore();
    }
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 6, 6);
    ring.addEllipse(QPointF(0, 0), 2.6, 2.6);
    p.drawPath(ring);
}

// The download arrow into a tray, centred on c; the title band's picture and
// the media page's button share it.
void downloadArrow(QPainter &p, const QPointF &c, const QColor &ink)
{
    p.setPen(roundPen(ink, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(c + QPointF(0, -8), c + QPointF(0, 2));
    p.drawLine(c + QPointF(-4, -1.5), c + QPointF(0, 2.5));
    p.drawLine(c + QPointF(4, -1.5), c + QPointF(0, 2.5));
    p.drawPolyline(QPolygonF({c + QPointF(-7, 2), c + QPointF(-7, 7), c + QPointF(7, 7), c + QPointF(7, 2)}));
}

void download(QPainter &p, State state)
{
    bandBackground(p, state);
    downloadArrow(p, QPointF(12, 12), kWhite);
}

// The media page's download button sits on the white tool row: a filled
// button that carries its own contrast.
void mediaDownload(QPainter &p, const QSize &s, State state)
{
    const QColor fill = state == State::Hover ? QColor(96, 162, 228)
            : state == State::Pressed       ? QColor(52, 118, 186)
                                            : kButtonBlue;
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, s.width(), s.height()), 3, 3);
    downloadArrow(p, QPointF(s.width() / 2.0, s.height() / 2.0), kWhite);
}

// Buttons on white panels: a slate glyph, a light tile under the mouse and a
// blue one while pressed.
QColor glyphOnWhite(State state)
{
    return state == State::Pressed ? kWhite : state == State::Hover ? kBlue : kSlate;
}

void whiteTile(QPainter &p, const QSize &s, State state, bool framed)
{
    const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
    if (state == State::Pressed) {
        p.setPen(QPen(kBlue, 1));
        p.setBrush(kBlue);
    } else if (state == State::Hover) {
        p.setPen(QPen(kBlue, 1));
        p.setBrush(QColor(232, 241, 253));
    } else if (framed) {
        p.setPen(QPen(QColor(204, 204, 204), 1));
        p.setBrush(kWhite);
    } else {
        return;
    }
    p.drawRoundedRect(r, 2, 2);
}

// The download panel's hide button: a chevron that points the way the panel
// goes.
void panelHide(QPainter &p, const QSize &s, State state)
{
    whiteTile(p, s, state, false);
    p.setPen(roundPen(glyphOnWhite(state), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(7, 9.5), QPointF(12, 14.5), QPointF(17, 9.5)}));
}

enum class Pager { First, Previous, Next, Last };

// The log page's pager: chevrons, with a bar for the first and last page.
void pager(QPainter &p, const QSize &s, Pager kind, State state)
{
    whiteTile(p, s, state, true);
    p.setPen(roundPen(glyphOnWhite(state), 1.8));
    p.setBrush(Qt::NoBrush);
    const qreal mid = s.height() / 2.0;
    const bool back = kind == Pager::First || kind == Pager::Previous;
    const bool bar = kind == Pager::First || kind == Pager::Last;
    const qreal shift = bar ? (back ? 1.5 : -1.5) : 0;
    const qreal tip = s.width() / 2.0 + (back ? -2.5 : 2.5) + shift;
    const qreal tail = tip + (back ? 5 : -5);
    p.drawPolyline(QPolygonF({QPointF(tail, mid - 5), QPointF(tip, mid), QPointF(tail, mid + 5)}));
    if (bar) {
        const qreal x = tip + (back ? -2.5 : 2.5);
        p.drawLine(QPointF(x, mid - 5.5), QPointF(x, mid + 5.5));
    }
}

void folder(QPainter &p, const QColor &color, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top() + r.height() * 0.12);
    path.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.12);
    path.lineTo(r.left() + r.width() * 0.48, r.top() + r.height() * 0.28);
    path.lineTo(r.right(), r.top() + r.height() * 0.28);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(roundPen(color.darker(115), 1));
    p.setBrush(color);
    p.drawPath(path);
    p.setPen(roundPen(kWhite, 1));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + r.height() * 0.42),
               QPointF(r.right() - 1.5, r.top() + r.height() * 0.42));
}

void eye(QPainter &p, bool open)
{
    const QColor ink = kSlate;
    QPainterPath lids;
    lids.moveTo(2, 10);
    lids.quadTo(10, 1, 18, 10);
    lids.quadTo(10, 19, 2, 10);
    p.setPen(roundPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lids);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(10, 10), 2.8, 2.8);
    if (!open) {
        p.setPen(roundPen(kWhite, 3.5));
        p.drawLine(QPointF(4, 16), QPointF(16, 4));
        p.setPen(roundPen(ink, 1.5));
        p.drawLine(QPointF(4, 16), QPointF(16, 4));
    }
}

void crossInCircle(QPainter &p, const QColor &circle, const QColor &cross)
{
    p.setPen(Qt::NoPen);
    p.setBrush(circle);
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.setPen(roundPen(cross, 1.6));
    p.drawLine(QPointF(9, 9), QPointF(15, 15));
    p.drawLine(QPointF(15, 9), QPointF(9, 15));
}

void separator(QPainter &p, const QColor &color, qreal top, qreal bottom)
{
    p.setPen(QPen(color, 1));
    p.drawLine(QPointF(12.5, top), QPointF(12.5, bottom));
}

void drawAll()
{
    saveIcon(QStringLiteral("WINDOW_TITLE"));

    const QSize icon(24, 24);
    save(QStringLiteral("USER_NORMAL"), icon, [](QPainter &p, const QSize &) { user(p, false); });
    save(QStringLiteral("USER_DOWN"), icon, [](QPainter &p, const QSize &) { user(p, true); });
    save(QStringLiteral("MENU_LINE"), icon,
         [](QPainter &p, const QSize &) { separator(p, QColor(255, 255, 255, 120), 5, 19); });
    save(QStringLiteral("HINT_BUBBLE"), icon, [](QPainter &p, const QSize &) {
        p.setPen(QPen(kWhite, 1.2));
        p.setBrush(kRed);
        p.drawEllipse(QRectF(3, 3, 18, 18));
    });

    const QSize buttonSize(130, 40);
    save(QStringLiteral("BUTTON_NORMAL"), buttonSize,
         [](QPainter &p, const QSize &s) { button(p, s, kBlue, false); });
    save(QStringLiteral("BUTTON_HOVER"), buttonSize,
         [](QPainter &p, const QSize &s) { button(p, s, QColor(96, 158, 238), false); });
    save(QStringLiteral("BUTTON_PRESSED"), buttonSize,
         [](QPainter &p, const QSize &s) { button(p, s, QColor(36, 96, 182), true); });
    save(QStringLiteral("BUTTON_DISABLE"), buttonSize,
         [](QPainter &p, const QSize &s) { button(p, s, QColor(168, 184, 204), false); });

    save(QStringLiteral("DEVICE_CHANGE_BG"), QSize(150, 152), [](QPainter &p, const QSize &s) {
        p.setPen(QPen(QColor(196, 206, 220), 1));
        p.setBrush(kWhite);
        p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
        p.fillRect(QRectF(1, 1, s.width() - 2, 57), QColor(243, 247, 253));
        p.setPen(QPen(QColor(220, 226, 235), 1));
        for (qreal y : {58.5, 88.5, 117.5})
            p.drawLine(QPointF(1, y), QPointF(s.width() - 1, y));
    });
    const QSize strip(146, 30);
    save(QStringLiteral("LOGIN_OUT_NORMAL"), strip,
         [](QPainter &p, const QSize &s) { stripButton(p, s, QStringLiteral("Log out"), false, true); });
    save(QStringLiteral("LOGIN_OUT_PRESSED"), strip,
         [](QPainter &p, const QSize &s) { stripButton(p, s, QStringLiteral("Log out"), true, true); });
    save(QStringLiteral("CHANGE_DEVICE_NORMAL"), strip, [](QPainter &p, const QSize &s) {
        stripButton(p, s, QStringLiteral("Change device"), false, false);
    });
    save(QStringLiteral("CHANGE_DEVICE_PRESSED"), strip, [](QPainter &p, const QSize &s) {
        stripButton(p, s, QStringLiteral("Change device"), true, false);
    });

    save(QStringLiteral("USB_ICON"), QSize(96, 96), [](QPainter &p, const QSize &) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(232, 241, 253));
        p.drawEllipse(QRectF(2, 2, 92, 92));
        p.setPen(roundPen(kBlue, 5));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(48, 20), QPointF(48, 72));
        p.drawPolyline(QPolygonF({QPointF(48, 62), QPointF(30, 50), QPointF(30, 40)}));
        p.drawPolyline(QPolygonF({QPointF(48, 56), QPointF(66, 44), QPointF(66, 36)}));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawPolygon(QPolygonF({QPointF(48, 13), QPointF(41, 24), QPointF(55, 24)}));
        p.drawEllipse(QPointF(30, 37), 5, 5);
        p.drawRect(QRectF(61, 27, 10, 10));
        p.drawEllipse(QPointF(48, 75), 6.5, 6.5);
    });
    save(QStringLiteral("ERROR_ICON"), QSize(16, 16), [](QPainter &p, const QSize &) {
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setPen(roundPen(kWhite, 2));
        p.drawLine(QPointF(8, 4), QPointF(8, 9));
        p.drawPoint(QPointF(8, 12));
    });
    for (int frame = 1; frame <= 12; ++frame)
        save(QStringLiteral("Loading_%1").arg(frame), QSize(32, 32),
             [frame](QPainter &p, const QSize &s) { spinner(p, s, frame - 1); });

    save(QStringLiteral("DELETE_DOWNITEM_NORMAL"), icon,
         [](QPainter &p, const QSize &) { crossInCircle(p, QColor(226, 230, 236), kSlate); });
    save(QStringLiteral("DELETE_DOWNITEM_HOVER"), icon,
         [](QPainter &p, const QSize &) { crossInCircle(p, QColor(250, 214, 210), kRed); });
    save(QStringLiteral("DELETE_DOWNITEM_PRESSED"), icon,
         [](QPainter &p, const QSize &) { crossInCircle(p, kRed, kWhite); });
    save(QStringLiteral("OPEN_EXPLORER_FOLDER_NORMAL"), icon,
         [](QPainter &p, const QSize &) { folder(p, QColor(240, 190, 70), QRectF(3, 5, 18, 14)); });
    save(QStringLiteral("OPEN_EXPLORER_FOLDER_PRESSED"), icon,
         [](QPainter &p, const QSize &) { folder(p, QColor(214, 156, 30), QRectF(3, 5, 18, 14)); });
    save(QStringLiteral("Media_Split"), icon,
         [](QPainter &p, const QSize &) { separator(p, QColor(255, 255, 255, 150), 6, 18); });
    save(QStringLiteral("MEDIA_MSG_LINE"), icon,
         [](QPainter &p, const QSize &) { separator(p, QColor(196, 204, 216), 5, 19); });
    save(QStringLiteral("Media_Pictrue"), icon, [](QPainter &p, const QSize &) {
        p.setPen(roundPen(QColor(46, 160, 110), 1.4));
        p.setBrush(QColor(222, 245, 233));
        p.drawRoundedRect(QRectF(3, 4.5, 18, 15), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(46, 160, 110));
        p.drawPolygon(QPolygonF(
                {QPointF(5, 18), QPointF(10, 11), QPointF(14, 16), QPointF(16, 13), QPointF(19, 18)}));
        p.drawEllipse(QPointF(16, 8.5), 1.6, 1.6);
    });
    save(QStringLiteral("Media_Radio"), icon, [](QPainter &p, const QSize &) {
        p.setPen(roundPen(QColor(230, 126, 34), 1.8));
        p.drawLine(QPointF(9.5, 17), QPointF(9.5, 5));
        p.drawLine(QPointF(9.5, 5), QPointF(18, 3.5));
        p.drawLine(QPointF(18, 3.5), QPointF(18, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 126, 34));
        p.drawEllipse(QPointF(7, 17.5), 3, 2.5);
        p.drawEllipse(QPointF(15.5, 15.5), 3, 2.5);
    });
    save(QStringLiteral("Meida_Video"), icon, [](QPainter &p, const QSize &) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(2, 6, 14, 12), 2, 2);
        p.drawPolygon(QPolygonF({QPointF(17, 10), QPointF(22, 7), QPointF(22, 17), QPointF(17, 14)}));
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({QPointF(7, 9), QPointF(12, 12), QPointF(7, 15)}));
    });

    const QList<QPair<QString, State>> states{{QStringLiteral("NORMAL"), State::Normal},
                                              {QStringLiteral("HOVER"), State::Hover},
                                              {QStringLiteral("PRESSED"), State::Pressed}};
    for (const auto &state : states) {
        const State s = state.second;
        save(QStringLiteral("LABEL_LOAD_") + state.first, icon,
             [s](QPainter &p, const QSize &) { download(p, s); });
        save(QStringLiteral("SETTING_") + state.first, icon, [s](QPainter &p, const QSize &) { gear(p, s); });
        save(QStringLiteral("MIN_") + state.first, icon, [s](QPainter &p, const QSize &) { minimise(p, s); });
        save(QStringLiteral("MAX_") + state.first, icon, [s](QPainter &p, const QSize &) { maximise(p, s); });
        save(QStringLiteral("CLOSE_") + state.first, icon,
             [s](QPainter &p, const QSize &) { closeGlyph(p, s); });
        save(QStringLiteral("FOLDER_PICK_") + state.first, icon, [s](QPainter &p, const QSize &) {
            const QColor color = s == State::Normal ? QColor(240, 190, 70)
                    : s == State::Hover             ? QColor(246, 204, 100)
                                                    : QColor(214, 156, 30);
            folder(p, color, QRectF(3, 5, 18, 14));
            p.setPen(Qt::NoPen);
            p.setBrush(kSlate);
            for (int dot = 0; dot < 3; ++dot)
                p.drawEllipse(QPointF(9 + dot * 3.5, 15), 1.1, 1.1);
        });
    }
    for (const auto &state : states) {
        const State s = state.second;
        save(QStringLiteral("MEDIA_DOWNLOAD_") + state.first, QSize(90, 30),
             [s](QPainter &p, const QSize &size) { mediaDownload(p, size, s); });
        save(QStringLiteral("PANEL_HIDE_") + state.first, icon,
             [s](QPainter &p, const QSize &size) { panelHide(p, size, s); });
        const QList<QPair<QString, Pager>> pagers{{QStringLiteral("FIRST"), Pager::First},
                                                  {QStringLiteral("PREVIOUS"), Pager::Previous},
                                                  {QStringLiteral("NEXT"), Pager::Next},
                                                  {QStringLiteral("LAST"), Pager::Last}};
        for (const auto &page : pagers) {
            const Pager kind = page.second;
            save(QStringLiteral("PAGE_%1_%2").arg(page.first, state.first), QSize(26, 26),
                 [kind, s](QPainter &p, const QSize &size) { pager(p, size, kind, s); });
        }
    }
    save(QStringLiteral("MIN_DISABLE"), icon,
         [](QPainter &p, const QSize &) { minimise(p, State::Disabled); });
    save(QStringLiteral("MAX_DISABLE"), icon,
         [](QPainter &p, const QSize &) { maximise(p, State::Disabled); });

    save(QStringLiteral("EYE_OPEN"), QSize(20, 20), [](QPainter &p, const QSize &) { eye(p, true); });
    save(QStringLiteral("EYE_CLOSED"), QSize(20, 20), [](QPainter &p, const QSize &) { eye(p, false); });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: %s <Resources folder>\n", argv[0]);
        return 2;
    }
    g_folder = app.arguments().at(1);
    QDir().mkpath(g_folder + QStringLiteral("/image"));
    drawAll();
    std::printf("%d pictures written to %s\n", g_written, qPrintable(g_folder));
    return 0;
}
