#include "records/settings.h"
#include "ui/about_window.h"
#include "ui/controls.h"
#include "ui/draw_warning_dialog.h"
#include "ui/game_fonts.h"
#include "ui/name_prompt_dialog.h"
#include "ui/picture.h"
#include "ui/picture_box.h"
#include "ui/settings_tab.h"
#include "ui/save_failure_dialog.h"
#include "ui/startup_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

namespace {

// Deletes whatever deleteLater() queued, so a test sees whether a window survived being hidden.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PictureBox *portrait(const AboutWindow &about)
{
    return about.findChild<PictureBox *>(QStringLiteral("Image1"));
}

QPushButton *okButton(const AboutWindow &about)
{
    return about.findChild<QPushButton *>(QStringLiteral("Command1"));
}

void openAndWait(AboutWindow &about)
{
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
}

// What the player did in the name prompt, and what the prompt looked like meanwhile.
struct PromptSeen {
    QString title;
    QString label;
    QString offered;
    QPoint topLeft;
    int width = 0;
};

// Answers the next modal input box as soon as it is shown: types `typed` over the offered text
// (unless null) and presses `key` there.
PromptSeen *answerPrompt(const QString &typed, Qt::Key key)
{
    auto *seen = new PromptSeen;
    QTimer::singleShot(0, [seen, typed, key] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        auto *edit = box->findChild<QLineEdit *>(QStringLiteral("HiScoreName"));
        *seen = {box->windowTitle(), box->labelText(), edit ? edit->text() : QString(), box->pos(), box->width()};
        if (!edit) {
            box->reject();
            return;
        }
        if (!typed.isNull()) {
            edit->clear();
            QTest::keyClicks(edit, typed);
        }
        QTest::keyClick(edit, key);
    });
    return seen;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    // Each window's client area opens at its place on the screen, the start-up window over the
    // place where the main window appears.
    void windowsOpenAtTheirPlaces()
    {
        StartupWindow startup;
        QCOMPARE(startup.geometry().center(), twipsRect(690, 1710, 6315, 2820).center());
        AboutWindow about;
        about.show();
        QCOMPARE(about.geometry(), twipsRect(1545, 1920, 4680, 4020));
        about.hide();
    }

    void startupHandsOverOnceAtItsFirstTick();
    void aboutIsModalAndHidesWithoutBeingDestroyed_data();
    void aboutIsModalAndHidesWithoutBeingDestroyed();
    void portraitClicksSurviveReopening_data();
    void portraitClicksSurviveReopening();
    void namePrompt_data();
    void namePrompt();
    void saveFailureSaysWhatLeavingKeeps_data();
    void saveFailureSaysWhatLeavingKeeps();
    void dialogsLookLikeTheGameAndEscapeCancels_data();
    void dialogsLookLikeTheGameAndEscapeCancels();

    // "Show cards" asks for a font that has no counterpart here; it is lettered in the family
    // of every other text of the windows.
    void dialogFontIsTheWindowsFamily()
    {
        useGameFonts();
        Settings settings;
        SettingsTab tab(settings, nullptr);
        auto *frame = tab.findChild<QWidget *>(QStringLiteral("Frame2"));
        QCOMPARE(QFontInfo(frame->font()).family(), QFontInfo(arial(9.75)).family());
        QCOMPARE(QFontInfo(arial(9.75)).family(), QStringLiteral("Liberation Sans"));
    }
};

void TestWindows::startupHandsOverOnceAtItsFirstTick()
{
    QPointer<StartupWindow> startup = new StartupWindow;
    QCOMPARE(startup->objectName(), QStringLiteral("Form3"));
    auto *timer = startup->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);

    startup->show();
    QSignalSpy handOver(startup.data(), &StartupWindow::handOver);
    // The timer's own tick, delivered now instead of five seconds later.
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);

    QVERIFY(!startup->isVisible());
    QVERIFY(!timer->isActive());
    QCOMPARE(handOver.count(), 1);
    flushDeletes();
    QVERIFY(startup);
    delete startup;
}

void TestWindows::aboutIsModalAndHidesWithoutBeingDestroyed_data()
{
    QTest::addColumn<int>("key");   // 0: click "Ok" with the mouse
    QTest::newRow("Ok clicked") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestWindows::aboutIsModalAndHidesWithoutBeingDestroyed()
{
    QFETCH(int, key);
    QPointer<AboutWindow> about = new AboutWindow;
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    openAndWait(*about);
    QCOMPARE(QApplication::activeModalWidget(), about.data());
    QVERIFY(okButton(*about)->hasFocus());
    if (key == 0)
        QTest::mouseClick(okButton(*about), Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!about->isVisible());
    flushDeletes();
    QVERIFY(about);
    delete about;
}

void TestWindows::portraitClicksSurviveReopening_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("kind");   // Picture::Kind
    QTest::addColumn<QSize>("size");
    QTest::newRow("no click") << 0 << int(Picture::Kind::Portrait) << QSize(79, 118);
    QTest::newRow("one click") << 1 << int(Picture::Kind::ClubEmblem) << QSize(150, 87);
    QTest::newRow("two clicks") << 2 << int(Picture::Kind::Portrait) << QSize(79, 118);
}

void TestWindows::portraitClicksSurviveReopening()
{
    QFETCH(int, clicks);
    QFETCH(int, kind);
    QFETCH(QSize, size);
    AboutWindow about;
    openAndWait(about);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(portrait(about), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(okButton(about), Qt::LeftButton);

    for (int opening = 1; opening <= 2; ++opening) {
        openAndWait(about);
        const PictureBox *image = portrait(about);
        QCOMPARE(int(image->picture().kind()), kind);
        QCOMPARE(image->geometry(), QRect(QPoint(8, 8), size));
        QCOMPARE(image->accessibleName(), image->picture().accessibleName());
        QTest::mouseClick(okButton(about), Qt::LeftButton);
    }
}

void TestWindows::namePrompt_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("typed");   // null: leave the offered text as it is
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("answer");
    QTest::newRow("typed name") << "ABC" << "Alice" << int(Qt::Key_Return) << "Alice";
    QTest::newRow("offered name kept") << "Bobby" << QString() << int(Qt::Key_Return) << "Bobby";
    QTest::newRow("cancelled") << "Bobby" << "Carol" << int(Qt::Key_Escape) << "";
    QTest::newRow("long name cut") << "Bobby" << "Alexandra" << int(Qt::Key_Return) << "Alexa";
}

void TestWindows::namePrompt()
{
    QFETCH(QString, offered);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, answer);
    NamePromptDialog prompt;
    std::unique_ptr<PromptSeen> seen(answerPrompt(typed, Qt::Key(key)));
    QCOMPARE(prompt.askName(offered), answer);
    QCOMPARE(seen->title, QStringLiteral("You got a hi-score"));
    QCOMPARE(seen->label, QStringLiteral("Enter a name"));
    QCOMPARE(seen->offered, offered);
    QCOMPARE(seen->topLeft, QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(7, 7));
    // The title, in a window manager's bold caption font, with room for the caption's buttons.
    QFont caption = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    caption.setBold(true);
    QVERIFY(seen->width >= QFontMetrics(caption).horizontalAdvance(seen->title) + 100);
}

void TestWindows::saveFailureSaysWhatLeavingKeeps_data()
{
    QTest::addColumn<bool>("waiting");   // for another game's save rather than after a failure
    QTest::addColumn<QStringList>("unsaved");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("leaving");
    QTest::newRow("hi.dat failed") << false << QStringList{"/r/hi.dat", "/r/cfg.dat"} << "Leave without saving"
                                   << "\"Leave without saving\" writes neither hi.dat nor cfg.dat.";
    QTest::newRow("cfg.dat failed") << false << QStringList{"/r/cfg.dat"} << "Try again"
                                    << "\"Leave without saving\" does not write cfg.dat.";
    QTest::newRow("another saving, both left") << true << QStringList{"/r/hi.dat", "/r/cfg.dat"} << "Leave without saving"
                                               << "\"Leave without saving\" leaves hi.dat and cfg.dat as they are.";
    QTest::newRow("another saving, cfg.dat left") << true << QStringList{"/r/cfg.dat"} << "Try again"
                                                  << "\"Leave without saving\" leaves cfg.dat as it is.";
}

void TestWindows::saveFailureSaysWhatLeavingKeeps()
{
    QFETCH(bool, waiting);
    QFETCH(QStringList, unsaved);
    QFETCH(QString, button);
    QFETCH(QString, leaving);
    QString text;
    QString informative;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        informative = box->informativeText();
        for (QAbstractButton *each : box->buttons()) {
            if (each->text() == button)
                each->click();
        }
    });
    SaveFailureDialog dialog;
    const auto choice = waiting ? dialog.askWhileAnotherSaves(QStringLiteral("/r"), unsaved)
                                : dialog.askAfterFailure(unsaved.first(), QStringLiteral("Disk full."), unsaved);
    QCOMPARE(choice == SaveFailurePrompt::Choice::TryAgain, button == QStringLiteral("Try again"));
    QCOMPARE(text, waiting ? QStringLiteral("Another Quintdraw is saving into /r.")
                           : QStringLiteral("%1 could not be saved.").arg(unsaved.first()));
    QCOMPARE(informative, (waiting ? QStringLiteral("\"Try again\" waits for it. ") : QStringLiteral("Disk full.\n\n")) + leaving);
}

namespace {

enum class Dialog { NamePrompt, SaveFailure, CoachWarning };

// Opens the dialog modally; true when it was answered with its cancel.
bool openAndCancelled(Dialog dialog)
{
    switch (dialog) {
    case Dialog::NamePrompt:
        return NamePromptDialog().askName(QStringLiteral("Bobby")).isEmpty();
    case Dialog::SaveFailure:
        return SaveFailureDialog().askAfterFailure(QStringLiteral("/r/cfg.dat"), QString(), {QStringLiteral("/r/cfg.dat")})
            == SaveFailurePrompt::Choice::LeaveWithoutSaving;
    case Dialog::CoachWarning:
        return !askDrawAnyway(nullptr, QStringLiteral("Best: keep 5C 5D"),
                              [](const QSize &size) { return QRect(QPoint(0, 0), size); });
    }
    return false;
}

} // namespace

void TestWindows::dialogsLookLikeTheGameAndEscapeCancels_data()
{
    QTest::addColumn<Dialog>("dialog");
    QTest::newRow("name prompt") << Dialog::NamePrompt;
    QTest::newRow("save failure: leave without saving") << Dialog::SaveFailure;
    QTest::newRow("coach's warning: change my hold") << Dialog::CoachWarning;
}

// Each dialog carries the game's window icon and plain bold buttons, and Escape is its cancel.
void TestWindows::dialogsLookLikeTheGameAndEscapeCancels()
{
    QFETCH(Dialog, dialog);
    const QImage gameIcon = Picture::windowIcon().pixmap(32).toImage();
    QImage icon;
    QString family;
    QList<bool> plainBold;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        icon = box->windowIcon().pixmap(32).toImage();
        family = QFontInfo(box->font()).family();
        for (QAbstractButton *button : box->findChildren<QAbstractButton *>())
            plainBold.append(button->icon().isNull() && button->font().bold()
                             && QFontInfo(button->font()).family() == QFontInfo(box->font()).family());
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QVERIFY(openAndCancelled(dialog));
    QCOMPARE(icon, gameIcon);
    QCOMPARE(family, QFontInfo(arial(9.75)).family());
    QVERIFY(!plainBold.isEmpty());
    QVERIFY(!plainBold.contains(false));
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
