#include "ConfigWalk.h"

#include "Operator.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace Operator;

namespace ConfigWalk {

namespace {

const QString kSaved = QStringLiteral("保存成功");
// A toast shows for two seconds; a second one meanwhile would not show.
constexpr int kToastMs = 2500;

// Tab widgets inside root that no other tab widget inside root holds.
QList<QTabWidget *> outermostTabs(QWidget *root)
{
    QList<QTabWidget *> found;
    for (QTabWidget *tabs : root->findChildren<QTabWidget *>()) {
        bool nested = false;
        for (QWidget *up = tabs->parentWidget(); up && up != root; up = up->parentWidget())
            nested = nested || qobject_cast<QTabWidget *>(up);
        if (!nested && onScreen(tabs))
            found << tabs;
    }
    return found;
}

void selectTab(QWidget *mainWindow, QTabWidget *tabs, int index, const QString &name)
{
    QTabBar *bar = tabs->tabBar();
    if (onScreen(bar) && bar->tabRect(index).isValid() && bar->tabRect(index).width() > 0)
        clickAt(bar, bar->tabRect(index).center());
    else
        tabs->setCurrentIndex(index);
    waitFor([&] { return tabs->currentIndex() == index; }, QStringLiteral("the tab ") + name);
    settle(50);
    waitUntilIdle(mainWindow, QStringLiteral("the tab ") + name);
}

void walkTabs(QWidget *mainWindow, QWidget *root, const QString &path)
{
    for (QTabWidget *tabs : outermostTabs(root)) {
        for (int index = 0; index < tabs->count(); ++index) {
            if (!tabs->isTabEnabled(index))
                continue;
            const QString name = path + QStringLiteral(" / ") + tabs->tabText(index);
            step(QStringLiteral("open ") + name);
            selectTab(mainWindow, tabs, index, name);
            walkTabs(mainWindow, tabs->widget(index), name);
        }
    }
}

QList<QPushButton *> saveButtons(QWidget *page)
{
    QList<QPushButton *> found;
    for (QPushButton *button : page->findChildren<QPushButton *>()) {
        if (onScreen(button) && button->isEnabled()
            && button->objectName().contains(QLatin1String("save"), Qt::CaseInsensitive))
            found << button;
    }
    return found;
}

// A setting the walk can change without knowing what it means: a choice
// moved to its neighbour, or a check box flipped.
QString valueOf(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return box->isChecked() ? QStringLiteral("ticked") : QStringLiteral("clear");
    return QString();
}

void change(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        combo->setFocus();
        QTest::keyClick(combo, combo->currentIndex() + 1 < combo->count() ? Qt::Key_Down : Qt::Key_Up);
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        click(box);
    }
}

QList<QWidget *> settings(QWidget *page)
{
    QList<QWidget *> combos;
    QList<QWidget *> boxes;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (!onScreen(widget) || !widget->isEnabled() || widget->objectName().isEmpty()
            || !outermostTabs(widget).isEmpty())
            continue;
        if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->count() > 1)
            combos << combo;
        else if (qobject_cast<QCheckBox *>(widget))
            boxes << widget;
    }
    return combos + boxes;
}

void waitForToastToGo(QWidget *mainWindow)
{
    waitUntil([mainWindow] { return toastText(mainWindow).isEmpty(); }, kToastMs * 2);
}

// Changes one choice of the tab's page, saves, opens another tab and comes
// back, and checks that the page shows the saved choice.
bool saveOnTab(QWidget *mainWindow, QTabWidget *tabs, int index, int otherIndex, QStringList &refusals)
{
    QWidget *page = tabs->widget(index);
    const QList<QPushButton *> buttons = saveButtons(page);
    if (buttons.size() != 1)
        return false;
    for (QWidget *setting : settings(page)) {
        const QString name = setting->objectName();
        const QString before = valueOf(setting);
        change(setting);
        const QString chosen = valueOf(setting);
        if (chosen == before)
            continue;
        step(QStringLiteral("save %1 = %2 on %3").arg(name, chosen, tabs->tabText(index)));
        waitForToastToGo(mainWindow);
        click(buttons.first());
        QString verdict;
        if (!waitUntil([&] { return !(verdict = toastText(mainWindow)).isEmpty(); }))
            fail(QStringLiteral("saving showed no result"));
        if (verdict != kSaved) {
            refusals << QStringLiteral("%1 = %2: %3").arg(name, chosen, verdict);
            waitForToastToGo(mainWindow);
            continue;
        }
        waitUntilIdle(mainWindow, QStringLiteral("the page after saving"));
        step(QStringLiteral("read back %1 on %2").arg(name, tabs->tabText(index)));
        if (otherIndex >= 0)
            selectTab(mainWindow, tabs, otherIndex, tabs->tabText(otherIndex));
        selectTab(mainWindow, tabs, index, tabs->tabText(index));
        settle(200);
        waitUntilIdle(mainWindow, QStringLiteral("the page read again"));
        auto *again = page->findChild<QWidget *>(name);
        require(again, QStringLiteral("the setting %1 is gone after reading the page again").arg(name));
        require(valueOf(again) == chosen,
                QStringLiteral("%1 reads back as \"%2\", saved \"%3\"").arg(name, valueOf(again), chosen));
        return true;
    }
    return false;
}

void saveOneSetting(QWidget *mainWindow, QWidget *container, const QString &path)
{
    QStringList refusals;
    for (QTabWidget *tabs : outermostTabs(container)) {
        QList<int> enabled;
        for (int index = 0; index < tabs->count(); ++index) {
            if (tabs->isTabEnabled(index))
                enabled << index;
        }
        for (int index : qAsConst(enabled)) {
            const int other = enabled.size() > 1 ? enabled.at(enabled.first() == index ? 1 : 0) : -1;
            selectTab(mainWindow, tabs, index, tabs->tabText(index));
            if (saveOnTab(mainWindow, tabs, index, other, refusals))
                return;
        }
    }
    // A container whose pages offer nothing the walk knows how to change is
    // named; one that refused every change fails.
    if (refusals.isEmpty())
        step(QStringLiteral("note: no page of %1 offers a choice or check box to save").arg(path));
    else
        fail(QStringLiteral("no setting of %1 could be saved (%2)").arg(path, refusals.join(QStringLiteral("; "))));
}

QWidget *shownPage(QWidget *configure)
{
    QWidget *host = child<QWidget>(configure, QStringLiteral("configWidget"));
    for (QWidget *page : host->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (onScreen(page))
            return page;
    }
    return nullptr;
}

} // namespace

void walkConfiguration(QWidget *mainWindow, bool saving)
{
    step(QStringLiteral("open the configuration"));
    auto *configButton = child<QPushButton>(mainWindow, QStringLiteral("deviceConfig_btn"));
    if (configButton->isEnabled())
        click(configButton);
    QWidget *configure = child<QWidget>(mainWindow, QStringLiteral("m_deviceConfig_widget"));
    waitFor([&] { return onScreen(configure); }, QStringLiteral("the configuration page"));
    // The first reading of every record shows an overlay with an OK button.
    for (QWidget *overlay : configure->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (overlay->inherits("HintWnd"))
            waitFor([overlay] { return !overlay->isVisible(); }, QStringLiteral("the records' first reading"));
    }
    waitUntilIdle(mainWindow, QStringLiteral("the configuration page"));

    auto *rows = child<QListWidget>(configure, QStringLiteral("listWidget"));
    int opened = 0;
    for (int row = 0; row < rows->count(); ++row) {
        QListWidgetItem *item = rows->item(row);
        if (item->isHidden())
            continue;
        const QString name = item->text();
        step(QStringLiteral("open ") + name);
        clickAt(rows->viewport(), rows->visualItemRect(item).center());
        QWidget *page = nullptr;
        waitFor([&] { return (page = shownPage(configure)) != nullptr; }, QStringLiteral("the page of ") + name);
        settle(50);
        waitUntilIdle(mainWindow, name);
        walkTabs(mainWindow, page, name);
        if (saving && page->inherits("TabContainer"))
            saveOneSetting(mainWindow, page, name);
        ++opened;
    }
    require(opened > 0, QStringLiteral("the navigator offers no row"));
}

} // namespace ConfigWalk
