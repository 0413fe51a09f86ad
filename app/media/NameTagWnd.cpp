#include "NameTagWnd.h"

#include "HintWnd.h"
#include "MainManager.h"
#include "UploadFlow.h"
#include "ui_NameTagWnd.h"

#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QSignalBlocker>

namespace {

const QSize kTagSize(250, 122);
const QString kDeviceName = QStringLiteral("pic.ink");
const QString kDefaultFamily = QStringLiteral("宋体");
constexpr int kDefaultPointSize = 10;
const QPointF kLinePositions[NameTagWnd::kLineCount] = {{10, 2}, {10, 32}, {10, 62}, {10, 92}};

QColor textColour(int idx)
{
    switch (idx) {
    case 1:
        return Qt::white;
    case 2:
        return Qt::red;
    default:
        return Qt::black;
    }
}

QColor backgroundColour(int idx)
{
    return idx == 0 ? Qt::white : Qt::black;
}

} // namespace

struct NameTagWnd::LineControls
{
    QLineEdit *text;
    QFontComboBox *font;
    QComboBox *colour;
    QSpinBox *size;
    QCheckBox *bold;
};

NameTagWnd::NameTagWnd(QWidget *parent)
    : QWidget(parent)
    , m_overlay(new HintWnd(parent ? parent : this))
    , m_manager(MainManager::GetInstance())
    , m_ui(new Ui::NameTagWnd)
    , m_upload(new UploadFlow(this, m_overlay, tr("发送上传文件命令失败")))
{
    m_ui->setupUi(this);
    m_overlay->resize(1044, 696);
    m_overlay->raise();
    m_overlay->hide();
    m_overlay->showOkBtn(true);

    m_scene = new QGraphicsScene(QRectF(QPointF(0, 0), QSizeF(kTagSize)), this);
    m_scene->setBackgroundBrush(Qt::white);
    const QFont font(kDefaultFamily, kDefaultPointSize, QFont::Normal);
    for (int line = 1; line <= kLineCount; ++line) {
        const LineControls widgets = controls(line);
        auto *item = m_scene->addText(widgets.text->text(), font);
        item->setDefaultTextColor(Qt::black);
        item->setPos(kLinePositions[line - 1]);
        item->setFlag(QGraphicsItem::ItemIsMovable);
        m_items[line - 1] = item;
        // The box shows the family the item asks for (or the one standing in
        // for it); the item keeps its font until the operator changes one.
        const QSignalBlocker blocker(widgets.font);
        widgets.font->setCurrentFont(font);
    }
    m_ui->graphicsView->setScene(m_scene);
    m_ui->graphicsView->setSceneRect(m_scene->sceneRect());

    m_upload->setReceivers(this, &NameTagWnd::onReqSetDevUpfileParam, &NameTagWnd::onSignalUpRet);
    m_upload->addSendButton(m_ui->send_btn);
    connect(m_manager, &MainManager::reqSetDevReflashScreen, this, &NameTagWnd::onReqSetDevReflashScreen);
}

NameTagWnd::~NameTagWnd()
{
    disconnect(m_manager, nullptr, this, nullptr);
}

NameTagWnd::LineControls NameTagWnd::controls(int line) const
{
    switch (line) {
    case 1:
        return {m_ui->lineEdit_text1, m_ui->fontComboBox_font1, m_ui->comboBox_fontcol1,
                m_ui->spinBox_fontsz1, m_ui->checkBox1};
    case 2:
        return {m_ui->lineEdit_text2, m_ui->fontComboBox_font2, m_ui->comboBox_fontcol2,
                m_ui->spinBox_fontsz2, m_ui->checkBox2};
    case 3:
        return {m_ui->lineEdit_text3, m_ui->fontComboBox_font3, m_ui->comboBox_fontcol3,
                m_ui->spinBox_fontsz3, m_ui->checkBox3};
    default:
        return {m_ui->lineEdit_text4, m_ui->fontComboBox_font4, m_ui->comboBox_fontcol4,
                m_ui->spinBox_fontsz4, m_ui->checkBox4};
    }
}

void NameTagWnd::applyFont(int line, const QFont &family, int pointSize, int checkState)
{
    QGraphicsTextItem *item = m_items[line - 1];
    if (!item)
        return;
    QFont font = family;
    font.setPointSize(pointSize);
    font.setWeight(checkState == Qt::Checked ? QFont::Bold : QFont::Normal);
    item->setFont(font);
}

void NameTagWnd::setTextColour(int line, int idx)
{
    if (QGraphicsTextItem *item = m_items[line - 1])
        item->setDefaultTextColor(textColour(idx));
}

// ---- the canvas -----------------------------------------------------------------

void NameTagWnd::on_comboBox_backcolor_currentIndexChanged(int idx)
{
    if (!m_scene)
        return;
    m_scene->setBackgroundBrush(backgroundColour(idx));
    m_scene->update();
}

void NameTagWnd::on_bush_btn_clicked()
{
    const QImage image = choosePicture();
    if (image.isNull())
        return;
    m_scene->setBackgroundBrush(QBrush(image));
    m_scene->update();
}

QImage NameTagWnd::choosePicture(QString *fileName)
{
    return m_upload->choosePicture(kTagSize, tr("请选择分辨率为250*122的24位深bmp文件"), fileName);
}

void NameTagWnd::on_reset_btn_clicked()
{
    for (int line = 0; line < kLineCount; ++line)
        m_items[line]->setPos(kLinePositions[line]);
}

void NameTagWnd::on_gen_btn_clicked()
{
    QImage image(kTagSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    m_scene->render(&painter, QRectF(image.rect()), m_scene->sceneRect(), Qt::KeepAspectRatio);
    painter.end();
    m_ui->label->setPixmap(QPixmap::fromImage(image));
}

void NameTagWnd::on_file_btn_clicked()
{
    QString fileName;
    const QImage image = choosePicture(&fileName);
    if (image.isNull())
        return;
    m_ui->lineEdit_file->setText(fileName);
    m_ui->label->setPixmap(QPixmap::fromImage(image));
}

// ---- the upload -----------------------------------------------------------------

void NameTagWnd::on_send_btn_clicked()
{
    m_upload->sendPicture(m_ui->label->pixmap(Qt::ReturnByValue), kDeviceName);
}

void NameTagWnd::onReqSetDevUpfileParam(int result)
{
    m_upload->startAnswered(result);
}

void NameTagWnd::onSignalUpRet(int ret)
{
    if (m_upload->finished(ret) && !m_manager->ReqReflashScreen())
        m_upload->showText(tr("刷新设备屏幕失败"));
}

void NameTagWnd::onReqSetDevReflashScreen(int result)
{
    m_upload->showText(result != 0 ? tr("刷新设备屏幕失败") : tr("屏幕刷新中...请稍后！"));
}

// ---- the twenty per-line slots ----------------------------------------------------

#define NAME_TAG_LINE_SLOTS(n)                                                                               \
    void NameTagWnd::on_lineEdit_text##n##_textChanged(const QString &text)                                  \
    {                                                                                                        \
        if (m_items[n - 1])                                                                                  \
            m_items[n - 1]->setPlainText(text);                                                              \
    }                                                                                                        \
    void NameTagWnd::on_comboBox_fontcol##n##_currentIndexChanged(int idx)                                   \
    {                                                                                                        \
        setTextColour(n, idx);                                                                               \
    }                                                                                                        \
    void NameTagWnd::on_fontComboBox_font##n##_currentFontChanged(const QFont &font)                         \
    {                                                                                                        \
        applyFont(n, font, m_ui->spinBox_fontsz##n->value(), m_ui->checkBox##n->checkState());               \
    }                                                                                                        \
    void NameTagWnd::on_spinBox_fontsz##n##_valueChanged(int value)                                          \
    {                                                                                                        \
        applyFont(n, m_ui->fontComboBox_font##n->currentFont(), value, m_ui->checkBox##n->checkState());     \
    }                                                                                                        \
    void NameTagWnd::on_checkBox##n##_stateChanged(int state)                                                \
    {                                                                                                        \
        applyFont(n, m_ui->fontComboBox_font##n->currentFont(), m_ui->spinBox_fontsz##n->value(), state);    \
    }

NAME_TAG_LINE_SLOTS(1)
NAME_TAG_LINE_SLOTS(2)
NAME_TAG_LINE_SLOTS(3)
NAME_TAG_LINE_SLOTS(4)

#undef NAME_TAG_LINE_SLOTS
