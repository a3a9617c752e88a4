#include "ui/input_gate.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace {

bool isPlayerInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

InputGate::InputGate(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputGate::~InputGate()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void InputGate::run(std::function<void()> operation)
{
    if (isBusy()) {
        m_waiting.push_back([this, operation = std::move(operation)] { run(operation); });
        return;
    }
    ++m_busyDepth;
    operation();
    --m_busyDepth;
    drain();
}

void InputGate::runClick(QAbstractButton *button, std::function<void()> operation)
{
    if (!isBusy()) {
        run(std::move(operation));
        return;
    }
    m_waiting.push_back([target = QPointer<QAbstractButton>(button)] {
        if (target)
            target->click();
    });
}

void InputGate::whenIdle(std::function<void()> command)
{
    if (isBusy())
        m_waiting.push_back(std::move(command));
    else
        command();
}

void InputGate::drain()
{
    while (!isBusy() && !m_waiting.empty()) {
        auto next = std::move(m_waiting.front());
        m_waiting.pop_front();
        next();
    }
}

bool InputGate::eventFilter(QObject *watched, QEvent *event)
{
    // The window system delivers keys to the window, and held input is replayed to it.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (window && m_repeats.isRepeat(*static_cast<QKeyEvent *>(event), *window))
            return true;
    }
    if (!isBusy())
        return false;
    // An access key or menu shortcut reaches its receiver (a button, a shortcut, an action) as
    // a shortcut event instead of the key press.
    if (event->type() != QEvent::Shortcut) {
        if (!isPlayerInput(event->type()))
            return false;
        if (!qobject_cast<QWidget *>(watched) && !qobject_cast<QWindow *>(watched))
            return false;
    }
    std::shared_ptr<QEvent> held(event->clone());
    QPointer<QObject> target(watched);
    m_waiting.push_back([target, held] {
        if (target)
            QCoreApplication::sendEvent(target, held.get());
    });
    return true;
}
