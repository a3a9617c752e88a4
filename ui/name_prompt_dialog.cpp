#include "ui/name_prompt_dialog.h"

#include "ui/controls.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QScreen>

NamePromptDialog::NamePromptDialog(QWidget *parent) : m_parent(parent)
{
}

QString NamePromptDialog::askName(const QString &offered)
{
    QInputDialog box(m_parent);
    box.setObjectName(QStringLiteral("HiScorePrompt"));
    box.setWindowTitle(QStringLiteral("You got a hi-score"));
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(QStringLiteral("Enter a name"));
    box.setTextValue(offered);
    // The field is named by the visible prompt, which a screen reader then speaks with it.
    if (auto *edit = box.findChild<QLineEdit *>())
        named(edit, QStringLiteral("HiScoreName"))->setAccessibleName(box.labelText());

    // Wide enough for the whole title in the window's caption.
    box.setMinimumWidth(QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) * 2);

    // A moved dialog is not centred over its parent again when shown.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen ? screen->availableGeometry().topLeft() : QPoint();
    box.move(corner + QPoint(px(100), px(100)));

    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}
