#pragma once

// What every configuration page test starts from: one simulated camera of a
// named profile, logged in as the log-in window does, and the page or
// container under test shown against it.
//
//     m_fixture.reset(new PageFixture);
//     m_fixture->loginTo(PageFixture::profile("G3-12"));
//     auto *page = m_fixture->show<OSDSConfigWnd>();   // after its first reply
//     ... click save ...
//     QTRY_COMPARE(m_fixture->toasts(page), QStringList{"保存成功"});
//     QCOMPARE(m_fixture->sent(401), expectedRecord);
//
// Tests wait with QTRY_* or waitForReplies(), never emit MainManager's
// signals themselves and load no translator, so texts compare as the pages
// write them.

#include "CameraRig.h"
#include "NamedProfiles.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <atomic>
#include <map>
#include <memory>

Q_DECLARE_METATYPE(sim::camera::CameraProfile)

class PageFixture : public QObject
{
    Q_OBJECT

public:
    PageFixture();
    ~PageFixture() override;

    static sim::camera::CameraProfile profile(const char *name) { return NamedProfiles::profile(name); }

    // Plugs one camera of the profile and logs in to it; a second call
    // replaces camera and pages, as a change of device does.
    void loginTo(const sim::camera::CameraProfile &profile);
    sim::FullCamera &camera() const;
    MainManager *manager() const;

    // A record the camera holds, by its simulator name ("EXTRA_OSD").
    QByteArray record(const char *name) const;
    void setRecord(const char *name, const QByteArray &bytes);

    // A JSON group the camera holds (GBK bytes), by its request code (70, 72,
    // 74, 76, 80); putJsonGroup stores any bytes there unchecked.
    QByteArray jsonGroup(quint32 getCommand) const;
    void putJsonGroup(quint32 getCommand, const QByteArray &bytes);

    // The payload of the last request with that command code (empty when none).
    QByteArray sent(quint32 command) const;
    int requestCount(quint32 command) const;
    void clearRequests();

    // The camera answers the command with this result from now on (0: normally).
    void setResult(quint32 command, int result);
    // The camera never answers the command.
    void silence(quint32 command);
    // The next write to the camera fails: a setter called now returns false.
    void failNextWrite();

    // Clicks the page's "save_btn".
    static void clickSave(QWidget *page);
    // Every toast the page showed, in order.
    QStringList toasts(QWidget *page) const;
    // The rows of a data function over the camera's verdict on a save: columns
    // "result" (int) and "toast" (the one toast it ends with).
    static void addVerdictRows();
    // The message of the page's overlay (empty without one).
    static QString overlayText(QWidget *page);

    // Record signals that reached the pages (counted after their slots ran).
    int replies() const { return m_replies; }
    // The same for one signal, by name ("devAPNParamChanged"), where other
    // pages may be answered at the same time.
    int replies(const char *signal) const;
    // Waits for n more replies than there were at `since` (default: now).
    bool waitForReplies(int n, int since = -1);

    // Builds the page or container with no parent, shows it and, unless told
    // otherwise, waits until its first reply has filled it. The fixture owns it.
    template<typename Widget>
    Widget *show(bool waitForReply = true)
    {
        auto *widget = new Widget;
        m_widgets.append(widget);
        // The counter moves behind the page before its first reply may be
        // counted: a counter still ahead of the page would count the reply
        // before the page has copied it.
        watchPage(widget);
        const int before = m_replies;
        widget->show();
        if (waitForReply && !waitForReplies(1, before))
            qWarning("PageFixture: %s got no reply", widget->metaObject()->className());
        return widget;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void countReply();

private:
    void dropWidgets();
    void moveCounterLast();
    void watchPage(QObject *page);

    std::unique_ptr<CameraRig> m_rig;
    QVector<QPointer<QWidget>> m_widgets;
    QHash<QObject *, QStringList> m_toasts;
    std::atomic<int> m_replies {0};
    std::map<QByteArray, std::unique_ptr<QObject>> m_signalCounters;
};
