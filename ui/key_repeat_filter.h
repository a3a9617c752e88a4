#pragma once

#include "ui/key_repeats.h"

#include <QObject>

// Drops, for the whole application and at any time, the repeats of a held key that presses a
// button or marks a card: one physical press, one action. In a control that takes text, keys are
// text and repeat.
class KeyRepeatFilter : public QObject {
    Q_OBJECT
public:
    explicit KeyRepeatFilter(QObject *parent = nullptr);
    ~KeyRepeatFilter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyRepeats m_repeats;
};
