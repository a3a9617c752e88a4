#include "ui/main_window.h"

#include "ui/bus_events.h"
#include "ui/controls.h"
#include "ui/fixed_size_hints.h"
#include "ui/game_tab.h"
#include "ui/help_tab.h"
#include "ui/hiscore_tab.h"
#include "ui/image_list.h"
#include "ui/key_preview.h"
#include "ui/payoff_tab.h"
#include "ui/picture_box.h"
#include "ui/settings_tab.h"
#include "ui/stats_tab.h"
#include "ui/tab_control.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QLayout>
#include <QTabBar>
#include <QMenuBar>

namespace {

constexpr int kHelpTab = 5;   // the last of the six

} // namespace

MainWindow::MainWindow(const Models &models)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                               | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quintdraw"));
    setWindowIcon(Picture::windowIcon());
    buildMenu();

    auto *client = new QWidget(this);
    client->setFixedSize(px(7455), px(6120));
    setCentralWidget(client);

    m_tabs = named(new TabControl(px(529), client), QStringLiteral("SSTab1"));
    placeTwips(m_tabs, 0, 0, 7455, 6135);
    m_tabs->tabBar()->setFont(arial(12));
    // Picture stores beyond the right edge of the client area, never seen.
    auto *back = named(new PictureBox(client), QStringLiteral("Image99"));
    placeTwips(back, 7560, 0, 1395, 810);
    back->setPicture(Picture::of(Picture::Kind::CardBack));
    back->hide();
    GameTab::CardPictures cards{{}, back};
    for (int suit = 0; suit < 4; ++suit)
        cards.lists[suit] = new ImageList(suit, this);

    m_game = new GameTab(cards, m_tabs);
    m_tabs->addPage(m_game, QStringLiteral("Game"));
    m_tabs->addPage(new StatsTab(models.statistics, m_tabs), QStringLiteral("Stats"));
    m_hiScores = new HiScoreTab(m_tabs);
    m_tabs->addPage(m_hiScores, QStringLiteral("Hi-score"));
    m_tabs->addPage(new SettingsTab(models.settings, m_tabs), QStringLiteral("Settings"));
    m_tabs->addPage(new PayoffTab(models.payoff, m_tabs), QStringLiteral("Payoff"));
    m_tabs->addPage(new HelpTab(models.random, m_tabs), QStringLiteral("Help"));
    m_tabs->finishPages();

    // The window cannot be resized or maximised.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(px(60), px(660) - menuBar()->sizeHint().height());

    // The access keys of the round's buttons work from every tab, as the digit keys do; a
    // button's own access key would work only while its tab is shown.
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(m_game->betButton()),
                                    static_cast<QAbstractButton *>(m_game->dealButton())}) {
        auto *key = new QShortcut(QKeySequence::mnemonic(button->text()), this);
        key->setAutoRepeat(false);   // one press, one action
        button->setShortcut(QKeySequence());
        connect(key, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->animateClick();
        });
    }

    winId();   // the native window must exist for the key preview to watch it
    auto *keys = new KeyPreview(windowHandle());
    connect(keys, &KeyPreview::digitPressed, this, &MainWindow::digitPressed);
}

void MainWindow::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    QAction *newGame = named(file->addAction(QStringLiteral("&New")), QStringLiteral("n"));
    newGame->setShortcut(Qt::Key_F2);
    file->addSeparator();
    QAction *exit = named(file->addAction(QStringLiteral("&Exit")), QStringLiteral("ex"));
    exit->setShortcut(Qt::CTRL | Qt::Key_F4);
    QMenu *about = menuBar()->addMenu(QStringLiteral("About"));
    QAction *aboutItem = named(about->addAction(QStringLiteral("&About")), QStringLiteral("about"));
    for (QAction *action : {newGame, exit})
        action->setShortcutContext(Qt::WindowShortcut);
    connect(newGame, &QAction::triggered, this, &MainWindow::newChosen);
    connect(exit, &QAction::triggered, this, &MainWindow::exitChosen);
    connect(aboutItem, &QAction::triggered, this, &MainWindow::aboutChosen);
    addDesktopKeys(exit);
}

// The keys desktop players reach for, beside the menu's own: F10 opens the menu bar (the arrows
// then move in it), F1 shows the Help tab and Ctrl+Q is a second key for "&Exit". The menu
// names only its own shortcuts.
void MainWindow::addDesktopKeys(QAction *exit)
{
    const auto windowKey = [this](const QKeySequence &sequence, auto &&action) {
        auto *key = new QShortcut(sequence, this);
        key->setAutoRepeat(false);   // one press, one action
        connect(key, &QShortcut::activated, this, action);
    };
    windowKey(Qt::Key_F10, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    windowKey(Qt::Key_F1, [this] { m_tabs->setCurrentIndex(kHelpTab); });
    windowKey(Qt::CTRL | Qt::Key_Q, [exit] { exit->trigger(); });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    offerNoResizing(*this);
    // Once the window is shown through; the window was hidden when a screen reader first met it.
    QMetaObject::invokeMethod(this, [this] { sendShown(this); }, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByWindowSystem();
}
