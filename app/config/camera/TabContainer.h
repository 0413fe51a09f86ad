#pragma once

#include <QVector>
#include <QWidget>

#include <functional>

class QGridLayout;
class QTabWidget;

// The shared part of the configuration containers: a tab widget whose tabs
// are enabled by what the camera can do (a disabled tab is drawn without
// width, so it does not show), one page per tab built on the tab's first
// selection with no parent into the tab's page layout and kept, and the
// page's refresh on every selection of its tab and every show of the
// container.
//
// Each container describes its tabs in one table of TabEntry rows and hands
// it to initTabs() after setupUi.
class TabContainer : public QWidget
{
    Q_OBJECT

public:
    struct TabEntry
    {
        int index = -1;
        QGridLayout *pageLayout = nullptr;
        // Decided once, at construction; empty: the tab is always disabled.
        std::function<bool()> enabled;
        // Builds the tab's page; empty: the tab has no page (yet).
        std::function<QWidget *()> create;
        // Makes the page ask the camera again; runs on every selection.
        std::function<void(QWidget *)> refresh;
        // When enabled, the tab becomes current whatever else is enabled.
        bool preferred = false;
    };

    enum class DisabledTabs {
        BuildPage, // a disabled tab left current still gets its page
        SkipPage,
    };

    ~TabContainer() override;

    // The page of a tab, or null before its first selection.
    QWidget *pageAt(int index) const;

    // Refresh actions for the table.
    template<typename Page>
    static std::function<void(QWidget *)> callOnPage(void (Page::*operation)())
    {
        return [operation](QWidget *page) { (static_cast<Page *>(page)->*operation)(); };
    }
    // For pages that ask the camera from their own show event.
    static std::function<void(QWidget *)> showPage();

public slots:
    void onSignalPageChanged(int index);

protected:
    explicit TabContainer(QWidget *parent = nullptr);

    // Enables the tabs by their rows, makes the preferred enabled tab or else
    // the lowest enabled tab current (none enabled: the current tab stays) and only then follows the
    // operator's selection, so that construction builds no page.
    void initTabs(QTabWidget *tabs, const QVector<TabEntry> &entries,
                  DisabledTabs disabledTabs = DisabledTabs::BuildPage);

    void showEvent(QShowEvent *event) override;

private:
    const TabEntry *entryFor(int index) const;

    QTabWidget *m_tabs = nullptr;
    QVector<TabEntry> m_entries;
    QVector<QWidget *> m_pages;
    DisabledTabs m_disabledTabs = DisabledTabs::BuildPage;
};
