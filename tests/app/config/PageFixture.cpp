#include "PageFixture.h"

#include "ParamPage.h"
#include "UsbBus.h"

#include <QApplication>
#include <QChildEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr quint32 kCommandPacket = 1;
constexpr int kCommandHeadSize = 20;

struct Request
{
    quint32 command = 0;
    QByteArray payload;
};

bool parseRequest(const std::vector<std::uint8_t> &packet, Request &request)
{
    if (packet.size() < std::size_t(kCommandHeadSize)
        || qFromLittleEndian<quint32>(packet.data() + 8) != kCommandPacket)
        return false;
    request.command = qFromLittleEndian<quint32>(packet.data() + 12);
    request.payload = QByteArray(reinterpret_cast<const char *>(packet.data()) + kCommandHeadSize,
                                 int(packet.size()) - kCommandHeadSize);
    return true;
}

} // namespace

// Counts one record signal; called on the reader thread.
class SignalCounter : public QObject
{
    Q_OBJECT

public:
    std::atomic<int> count {0};

public slots:
    void countReply() { ++count; }
};

PageFixture::PageFixture()
{
    qRegisterMetaType<sim::camera::CameraProfile>();
    qApp->installEventFilter(this);
}

PageFixture::~PageFixture()
{
    qApp->removeEventFilter(this);
    dropWidgets();
    m_rig.reset();
}

void PageFixture::dropWidgets()
{
    for (const QPointer<QWidget> &widget : qAsConst(m_widgets))
        delete widget.data();
    m_widgets.clear();
    m_toasts.clear();
}

void PageFixture::loginTo(const sim::camera::CameraProfile &profile)
{
    dropWidgets();
    m_rig.reset();
    m_rig.reset(new CameraRig(std::vector<sim::camera::CameraProfile> {profile}));
    QVERIFY2(m_rig->discover(), "the camera was not found");
    QVERIFY2(m_rig->loginAs(0, QString::fromStdString(profile.factoryPassword)), "the log-in failed");
    moveCounterLast();
    clearRequests();
}

sim::FullCamera &PageFixture::camera() const
{
    return m_rig->camera(0);
}

MainManager *PageFixture::manager() const
{
    return m_rig->manager();
}

QByteArray PageFixture::record(const char *name) const
{
    QByteArray bytes;
    camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
        const auto held = behaviour.parameters().record(name);
        bytes = QByteArray(reinterpret_cast<const char *>(held.data()), int(held.size()));
    });
    return bytes;
}

void PageFixture::setRecord(const char *name, const QByteArray &bytes)
{
    camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.parameters().setRecord(name, sim::camera::le::Bytes(bytes.begin(), bytes.end()));
    });
}

QByteArray PageFixture::jsonGroup(quint32 getCommand) const
{
    sim::camera::JsonTexts::Group group;
    if (!sim::camera::JsonTexts::groupForGetCode(getCommand, group))
        return QByteArray();
    QByteArray bytes;
    camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
        bytes = QByteArray::fromStdString(behaviour.json().group(group));
    });
    return bytes;
}

void PageFixture::putJsonGroup(quint32 getCommand, const QByteArray &bytes)
{
    sim::camera::JsonTexts::Group group;
    QVERIFY2(sim::camera::JsonTexts::groupForGetCode(getCommand, group), "no JSON group has that code");
    camera().edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.json().putGroup(group, bytes.toStdString());
    });
}

QByteArray PageFixture::sent(quint32 command) const
{
    QByteArray last;
    Request request;
    for (const auto &packet : camera().receivedPackets())
        if (parseRequest(packet, request) && request.command == command)
            last = request.payload;
    return last;
}

int PageFixture::requestCount(quint32 command) const
{
    int count = 0;
    Request request;
    for (const auto &packet : camera().receivedPackets())
        if (parseRequest(packet, request) && request.command == command)
            ++count;
    return count;
}

void PageFixture::clearRequests()
{
    camera().clearReceived();
}

void PageFixture::setResult(quint32 command, int result)
{
    camera().setFault(command,
                      result == 0 ? sim::CommandFault() : sim::CommandFault::fail(std::uint8_t(result)));
}

void PageFixture::silence(quint32 command)
{
    camera().setFault(command, sim::CommandFault::noAnswer());
}

void PageFixture::failNextWrite()
{
    sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, 1);
}

QStringList PageFixture::toasts(QWidget *page) const
{
    return m_toasts.value(page);
}

void PageFixture::clickSave(QWidget *page)
{
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("save_btn")), Qt::LeftButton);
}

void PageFixture::addVerdictRows()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("toast");

    QTest::newRow("accepted") << 0 << "保存成功";
    QTest::newRow("refused") << 1 << "保存失败";
}

QString PageFixture::overlayText(QWidget *page)
{
    for (QWidget *child : page->findChildren<QWidget *>()) {
        if (child->inherits("HintWnd")) {
            if (auto *label = child->findChild<QLabel *>("Hint_Text"))
                return label->text();
        }
    }
    return QString();
}

bool PageFixture::waitForReplies(int n, int since)
{
    const int target = (since < 0 ? int(m_replies) : since) + n;
    return QTest::qWaitFor([&] { return m_replies >= target; }, CameraRig::kWaitMs);
}

int PageFixture::replies(const char *signal) const
{
    const auto found = m_signalCounters.find(QByteArray(signal));
    return found == m_signalCounters.end() ? 0 : static_cast<SignalCounter *>(found->second.get())->count.load();
}

void PageFixture::countReply()
{
    ++m_replies;
}

// The counter hears MainManager's record signals after every page connected
// to them, so a reply counts once the pages' slots have copied it. Pages
// connect when they are built, so the counter moves behind them each time a
// page joins a window or first shows.
void PageFixture::moveCounterLast()
{
    MainManager *manager = m_rig ? m_rig->manager() : nullptr;
    if (!manager)
        return;
    disconnect(manager, nullptr, this, nullptr);
    const QMetaObject *meta = manager->metaObject();
    const QMetaMethod counter = metaObject()->method(metaObject()->indexOfSlot("countReply()"));
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name().startsWith("dev")) {
            connect(manager, method, this, counter, Qt::DirectConnection);
            std::unique_ptr<QObject> &each = m_signalCounters[method.name()];
            if (!each)
                each.reset(new SignalCounter);
            disconnect(manager, nullptr, each.get(), nullptr);
            const QMetaMethod slot = each->metaObject()->method(each->metaObject()->indexOfSlot("countReply()"));
            connect(manager, method, each.get(), slot, Qt::DirectConnection);
        }
    }
}

void PageFixture::watchPage(QObject *page)
{
    auto *paramPage = qobject_cast<ParamPage *>(page);
    if (!paramPage || m_toasts.contains(page))
        return;
    m_toasts.insert(page, QStringList());
    connect(paramPage, &ParamPage::toastShown, this,
            [this, page](const QString &text) { m_toasts[page].append(text); });
    connect(paramPage, &QObject::destroyed, this, [this, page] { m_toasts.remove(page); });
    moveCounterLast();
}

bool PageFixture::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish)
        watchPage(watched);
    else if (event->type() == QEvent::ChildAdded)
        watchPage(static_cast<QChildEvent *>(event)->child());
    return QObject::eventFilter(watched, event);
}

#include "PageFixture.moc"
