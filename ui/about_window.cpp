#include "ui/about_window.h"

#include "ui/controls.h"
#include "ui/drawing.h"
#include "ui/fixed_size_hints.h"
#include "ui/picture_box.h"
#include "ui/spoken_texts.h"

#include <QPushButton>

namespace {

PictureBox *pictureAt(QWidget *parent, const char *name, Picture::Kind kind, int left, int top)
{
    auto *box = named(new PictureBox(parent), QString::fromLatin1(name));
    box->move(px(left), px(top));
    box->setPicture(Picture::of(kind));
    return box;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    // The client area at a fixed place on the screen, not centred over the main window.
    setGeometry(twipsRect(1545, 1920, 4680, 4020));
    setFixedSize(size());
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    // Created bottom-most first: the text picture lies below everything else.
    const QString aboutText = spoken::pictureText(drawing::aboutTextLines());
    pictureAt(this, "Image2", Picture::Kind::AboutText, 0, 0)->setAccessibleDescription(aboutText);
    pictureAt(this, "Image5", Picture::Kind::Flag, 3840, 2880);
    m_shown = pictureAt(this, "Image1", Picture::Kind::Portrait, 120, 120);
    m_shown->setCursor(Qt::PointingHandCursor);
    m_shown->setAccessibleDescription(tr("click to change the picture"));
    connect(m_shown, &PictureBox::clicked, this, &AboutWindow::swapPortrait);

    // Picture stores, off the client area and hidden from screen readers as well.
    m_store = pictureAt(this, "Image3", Picture::Kind::ClubEmblem, 5400, 2640);
    m_otherStore = pictureAt(this, "Image4", Picture::Kind::Portrait, 5040, 360);
    m_store->hide();
    m_otherStore->hide();

    m_ok = named(new QPushButton(QStringLiteral("Ok"), this), QStringLiteral("Command1"));
    placeTwips(m_ok, 120, 3480, 1215, 495);
    m_ok->setFont(arial(12));
    m_ok->setDefault(true);
    m_ok->setAccessibleDescription(aboutText);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    offerNoResizing(*this);
    m_ok->setFocus(Qt::ActiveWindowFocusReason);
}

// Three copies through the stores, in this order, so each click turns the portrait into the
// emblem or back.
void AboutWindow::swapPortrait()
{
    m_shown->setPicture(m_store->picture());
    m_store->setPicture(m_otherStore->picture());
    m_otherStore->setPicture(m_shown->picture());
}
