#include "ui/spin_button.h"

#include "ui/accessible_roles.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>

namespace {

// Lies above the two arrows and draws the focus mark over them while the spin button has the
// focus, as the push buttons show theirs; clicks go through it to the arrows.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!parentWidget()->hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect mark;
        mark.initFrom(this);
        mark.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        mark.rect = rect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
    }
};

} // namespace

SpinButton::SpinButton(QWidget *parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)),
      m_focusMark(new FocusMark(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAccessibleName(tr("Start sum up"));
    m_down->setAccessibleName(tr("Start sum down"));
    for (QToolButton *button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    setFocusPolicy(Qt::TabFocus);
    installAccessibleRoles();
    connect(m_up, &QToolButton::clicked, this, &SpinButton::up);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::down);
}

void SpinButton::resizeEvent(QResizeEvent *event)
{
    const int half = event->size().height() / 2;
    m_up->setGeometry(0, 0, event->size().width(), half);
    m_down->setGeometry(0, half, event->size().width(), event->size().height() - half);
    m_focusMark->setGeometry(rect());
}

void SpinButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_focusMark->update();
}

void SpinButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_focusMark->update();
}

void SpinButton::setShownValue(qint64 value)
{
    if (value == m_value)
        return;
    m_value = value;
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

void SpinButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up && event->modifiers() == Qt::NoModifier)
        emit up();
    else if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier)
        emit down();
    else
        QWidget::keyPressEvent(event);
}
