#include "ui/accessible_roles.h"

#include "ui/accessible_line_edit.h"
#include "ui/accessible_menu_item.h"
#include "ui/accessible_picture.h"
#include "ui/accessible_tab_row.h"
#include "ui/picture_box.h"
#include "ui/spin_button.h"
#include "ui/tab_control.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QLineEdit>
#include <QTabBar>

namespace {

class SpinButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinButtonAccessible(SpinButton *spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return static_cast<SpinButton *>(widget())->shownValue(); }
    // The value changes only a step at a time, through the arrows or the keys.
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }
};

// The start-up window is the program's only window while it shows, so it counts as the active
// one, although the window system never activates a window without a title bar.
class StartupWindowAccessible : public QAccessibleWidget {
public:
    explicit StartupWindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.active = widget()->isVisible();
        return state;
    }
};

QAccessibleInterface *roleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("SpinButton"))
        return new SpinButtonAccessible(static_cast<SpinButton *>(object));
    if (className == QLatin1String("QTabBar") && qobject_cast<TabControl *>(object->parent()))
        return accessibleTabRow(static_cast<QTabBar *>(object));
    if (className == QLatin1String("QAction"))
        return accessibleMenuCommand(static_cast<QAction *>(object));
    if (className == QLatin1String("PictureBox"))
        return accessiblePicture(static_cast<PictureBox *>(object));
    if (className == QLatin1String("QLineEdit"))
        return accessibleLineEdit(static_cast<QLineEdit *>(object));
    if (className == QLatin1String("StartupWindow"))
        return new StartupWindowAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFor);
        return true;
    }();
    Q_UNUSED(installed);
}
