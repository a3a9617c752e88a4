#pragma once

#include "records/name_prompt.h"

#include <QPointer>
#include <QWidget>

// Asks for the name with a modal input box near the top-left corner of the screen.
class NamePromptDialog : public NamePrompt {
public:
    // The box is modal over parent's window; parent may be null.
    explicit NamePromptDialog(QWidget *parent = nullptr);

    QString askName(const QString &offered) override;

private:
    QPointer<QWidget> m_parent;
};
