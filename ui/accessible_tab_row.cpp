#include "ui/accessible_tab_row.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>

namespace {

// One caption: a page tab that shows its page when pressed.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar *row, int index) : m_row(row), m_index(index) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return m_row && m_index < m_row->count(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_row); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QString text(QAccessible::Text what) const override
    {
        return what == QAccessible::Name && isValid() ? m_row->tabText(m_index).remove(QLatin1Char('&')) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_row->tabRect(m_index);
        return {m_row->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.selected = m_row->currentIndex() == m_index;
        state.focusable = m_row->focusPolicy() != Qt::NoFocus;
        state.focused = state.selected && m_row->hasFocus();
        state.disabled = !m_row->isTabEnabled(m_index);
        state.invisible = !m_row->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (isValid() && name == pressAction())
            m_row->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QTabBar> m_row;
    int m_index;
};

class TabRowAccessible : public QAccessibleWidget {
public:
    explicit TabRowAccessible(QTabBar *row) : QAccessibleWidget(row, QAccessible::PageTabList) {}
    ~TabRowAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return row()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= row()->count())
            return nullptr;
        auto known = m_tabs.constFind(index);
        if (known != m_tabs.constEnd())
            return QAccessible::accessibleInterface(*known);
        auto *tab = new TabAccessible(row(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto tab = m_tabs.constBegin(); tab != m_tabs.constEnd(); ++tab) {
            if (QAccessible::accessibleInterface(tab.value()) == child)
                return tab.key();
        }
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const int index = row()->tabAt(row()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }
    // The row is named by the tab shown.
    QString text(QAccessible::Text what) const override
    {
        if (what == QAccessible::Name && row()->currentIndex() >= 0)
            return row()->tabText(row()->currentIndex()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(what);
    }

private:
    QTabBar *row() const { return static_cast<QTabBar *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

} // namespace

QAccessibleInterface *accessibleTabRow(QTabBar *row)
{
    return new TabRowAccessible(row);
}
