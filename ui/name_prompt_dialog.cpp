#include "ui/name_prompt_dialog.h"

#include "records/hiscores.h"
#include "ui/controls.h"
#include "ui/dialog_look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QScreen>

namespace {

constexpr int kCaptionButtons = 4;   // the icon, minimise, maximise and close

} // namespace

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
    // The field is named by the visible prompt, which a screen reader then speaks with it. It
    // takes no more than the five characters that are kept.
    if (auto *edit = box.findChild<QLineEdit *>()) {
        named(edit, QStringLiteral("HiScoreName"))->setAccessibleName(box.labelText());
        edit->setMaxLength(HiScores::kNameLength);
    }
    giveGameLook(box);

    // Wide enough for the whole title in the window's caption, which window managers draw in a
    // bold font beside the window's icon and its buttons.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const int width = title.horizontalAdvance(box.windowTitle()) + kCaptionButtons * 2 * title.height();
    box.resize(qMax(width, box.sizeHint().width()), box.sizeHint().height());

    // A moved dialog is not centred over its parent again when shown.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen ? screen->availableGeometry().topLeft() : QPoint();
    box.move(corner + QPoint(px(100), px(100)));

    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}
