#pragma once

#include <QLabel>

// A sunken three-dimensional panel with a light grey face, showing one line of text centred.
class Panel : public QLabel {
    Q_OBJECT
public:
    Panel(const QString &text, QWidget *parent);
};
