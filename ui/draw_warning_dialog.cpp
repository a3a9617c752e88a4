#include "ui/draw_warning_dialog.h"

#include "ui/dialog_look.h"

#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>

namespace {

// A message box that goes where it is told once it knows its size, instead of over the middle
// of its parent: the cards it talks about lie there.
class PlacedMessageBox : public QMessageBox {
public:
    PlacedMessageBox(const QString &title, const QString &text, QWidget *parent, WarningPlace place)
        : QMessageBox(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent), m_place(std::move(place))
    {
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        if (!event->spontaneous())
            move(m_place(size()).topLeft());
    }

private:
    WarningPlace m_place;
};

} // namespace

bool askDrawAnyway(QWidget *parent, const QString &warning, const WarningPlace &place)
{
    PlacedMessageBox box(QStringLiteral("Coach: before the draw"), warning, parent, place);
    box.setObjectName(QStringLiteral("CoachWarning"));
    box.setTextFormat(Qt::PlainText);
    // Wide and short: the room left between the rows of the table is.
    if (auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        const int roomy = text->fontMetrics().averageCharWidth() * 72;
        const QScreen *screen = parent ? parent->screen() : box.screen();
        text->setMinimumWidth(qMin(roomy, screen->availableGeometry().width() * 3 / 4));
    }
    QPushButton *change = box.addButton(QStringLiteral("&Change my hold"), QMessageBox::RejectRole);
    change->setObjectName(QStringLiteral("CoachChangeHold"));
    QPushButton *draw = box.addButton(QStringLiteral("Draw &anyway"), QMessageBox::AcceptRole);
    draw->setObjectName(QStringLiteral("CoachDrawAnyway"));
    box.setDefaultButton(change);
    box.setEscapeButton(change);
    giveGameLook(box);
    box.exec();
    return box.clickedButton() == draw;
}
