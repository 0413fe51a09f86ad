#include "TabContainer.h"

#include <QGridLayout>
#include <QTabWidget>

TabContainer::TabContainer(QWidget *parent)
    : QWidget(parent)
{
}

TabContainer::~TabContainer()
{
    if (m_tabs)
        disconnect(m_tabs, &QTabWidget::currentChanged, this, &TabContainer::onSignalPageChanged);
}

std::function<void(QWidget *)> TabContainer::showPage()
{
    return [](QWidget *page) { page->show(); };
}

void TabContainer::initTabs(QTabWidget *tabs, const QVector<TabEntry> &entries, DisabledTabs disabledTabs)
{
    m_tabs = tabs;
    m_entries = entries;
    m_disabledTabs = disabledTabs;
    m_pages.fill(nullptr, tabs->count());

    // Qt moves the current tab off a tab that gets disabled; with no tab
    // enabled the form's own current tab is the one to keep.
    const int formCurrent = tabs->currentIndex();
    int current = -1;
    bool preferred = false;
    for (int index = tabs->count() - 1; index >= 0; --index) {
        const TabEntry *entry = entryFor(index);
        const bool enabled = entry && entry->enabled && entry->enabled();
        tabs->setTabEnabled(index, enabled);
        if (enabled && !preferred) {
            current = index;
            preferred = entry->preferred;
        }
    }
    tabs->setCurrentIndex(current >= 0 ? current : formCurrent);

    connect(m_tabs, &QTabWidget::currentChanged, this, &TabContainer::onSignalPageChanged);
}

QWidget *TabContainer::pageAt(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : nullptr;
}

const TabContainer::TabEntry *TabContainer::entryFor(int index) const
{
    for (const TabEntry &entry : m_entries)
        if (entry.index == index)
            return &entry;
    return nullptr;
}

void TabContainer::onSignalPageChanged(int index)
{
    const TabEntry *entry = entryFor(index);
    if (!entry || !entry->create)
        return;
    if (m_disabledTabs == DisabledTabs::SkipPage && !m_tabs->isTabEnabled(index))
        return;
    QWidget *&page = m_pages[index];
    if (!page) {
        page = entry->create();
        entry->pageLayout->addWidget(page);
    }
    if (entry->refresh)
        entry->refresh(page);
}

void TabContainer::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_tabs)
        onSignalPageChanged(m_tabs->currentIndex());
}
