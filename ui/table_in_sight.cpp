#include "ui/table_in_sight.h"

#include "ui/controls.h"

#include <QMenuBar>
#include <QTabBar>
#include <QWidget>

namespace {

// The screen rectangle holding all the named controls of the tab.
QRect onScreen(const QWidget &gameTab, const QStringList &names)
{
    QRect united;
    for (const QString &name : names) {
        if (const auto *control = gameTab.findChild<QWidget *>(name))
            united |= QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
    }
    return united;
}

QStringList members(const char *array, int first, int last)
{
    QStringList names;
    for (int index = first; index <= last; ++index)
        names.append(member(array, index));
    return names;
}

} // namespace

TableInSight tableInSight(const QWidget &gameTab)
{
    QStringList stakes = members("SSOption2", 1, 6);
    for (int caption = 11; caption <= 16; ++caption)
        stakes.append(QStringLiteral("Label%1").arg(caption));
    TableInSight table;
    // Each card with its cover, which is a little wider than the face.
    table.keepClear = {onScreen(gameTab, members("Image1", 0, 4) + members("Image2", 0, 4)),
                       onScreen(gameTab, {QStringLiteral("SSCommand1")}),
                       onScreen(gameTab, {QStringLiteral("SSCommand2")}), onScreen(gameTab, stakes)};
    table.ratherClear = {onScreen(gameTab, {QStringLiteral("Frame1")}),
                         onScreen(gameTab, {QStringLiteral("Label1"), QStringLiteral("Label7")})};
    // The menu and the row of tabs, which the player needs as much as the window's title.
    QRect menuAndTabs;
    const auto *menu = gameTab.window()->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    const auto *tabs = gameTab.parentWidget() ? gameTab.parentWidget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly)
                                              : nullptr;
    for (const QWidget *bar : {static_cast<const QWidget *>(menu), static_cast<const QWidget *>(tabs)}) {
        if (bar)
            menuAndTabs |= QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    }
    table.ratherClear.append(menuAndTabs);
    table.keepClear.removeAll(QRect());
    table.ratherClear.removeAll(QRect());
    return table;
}
