#include "ui/accessible_menu_item.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {

class MenuCommandAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuCommandAccessible(QMenu *menu, QAction *action) : m_menu(menu), m_action(action) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return m_menu && m_action; }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return m_menu ? m_menu->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text what) const override
    {
        if (!isValid())
            return {};
        if (what == QAccessible::Name)
            return QString(m_action->text()).remove(QLatin1Char('&'));
        if (what == QAccessible::Accelerator)
            return m_action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid() || !m_menu->isVisible())
            return {};
        const QRect item = m_menu->actionGeometry(m_action);
        return {m_menu->mapToGlobal(item.topLeft()), item.size()};
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.invisible = !m_action->isVisible() || !m_menu->isVisible();
        state.disabled = !m_action->isEnabled();
        state.focusable = true;
        state.focused = m_menu->activeAction() == m_action;
        state.selectable = true;
        state.selected = state.focused;
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (isValid() && name == pressAction())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (!isValid() || name != pressAction())
            return {};
        const QKeySequence accessKey = QKeySequence::mnemonic(m_action->text());
        return {QStringLiteral("%1;;%2").arg(accessKey.toString(QKeySequence::NativeText).remove(QStringLiteral("Alt+")),
                                             m_action->shortcut().toString(QKeySequence::NativeText))};
    }

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};

} // namespace

QAccessibleInterface *accessibleMenuCommand(QAction *action)
{
    auto *menu = qobject_cast<QMenu *>(action->parent());
    if (!menu || action->shortcut().isEmpty() || action->menu())
        return nullptr;
    return new MenuCommandAccessible(menu, action);
}
