#include "support/test_game.h"
#include "ui/key_preview.h"
#include "ui/tab_control.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

namespace {

// X11 key codes of the keys used below.
constexpr quint32 kKey1 = 10, kKey2 = 11, kKey3 = 12, kKey5 = 14, kKeyQ = 24, kKeypad2 = 88,
                  kKeypad6 = 85, kReturn = 36, kSpace = 65, kKeypadEnter = 104;

QKeyEvent keyPress(Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 scanCode, const QString &text)
{
    return QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
}

// Presses a key as the window system delivers it: to the main window first.
void press(TestGame &t, Qt::Key key, quint32 scanCode, const QString &text,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event = keyPress(key, modifiers, scanCode, text);
    QCoreApplication::sendEvent(t.window().windowHandle(), &event);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:

    void cardKeysByPosition_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("US 1") << int(Qt::Key_1) << 0 << uint(kKey1) << "1" << 1;
        QTest::newRow("US Shift+3 types #") << int(Qt::Key_NumberSign) << int(Qt::ShiftModifier) << uint(kKey3) << "#" << 3;
        QTest::newRow("French 3 types a quote") << int(Qt::Key_QuoteDbl) << 0 << uint(kKey3) << "\"" << 3;
        QTest::newRow("French Shift+5 types 5") << int(Qt::Key_5) << int(Qt::ShiftModifier) << uint(kKey5) << "5" << 5;
        QTest::newRow("Ctrl+Alt+2") << int(Qt::Key_2) << int(Qt::ControlModifier | Qt::AltModifier) << uint(kKey2) << "" << 2;
        QTest::newRow("keypad 2") << int(Qt::Key_2) << int(Qt::KeypadModifier) << uint(kKeypad2) << "2" << 2;
        QTest::newRow("keypad 6") << int(Qt::Key_6) << int(Qt::KeypadModifier) << uint(kKeypad6) << "6" << 0;
        QTest::newRow("keypad 2 without Num Lock") << int(Qt::Key_Down) << int(Qt::KeypadModifier) << uint(kKeypad2) << "" << 0;
        QTest::newRow("letter Q") << int(Qt::Key_Q) << 0 << uint(kKeyQ) << "q" << 0;
        QTest::newRow("no scan code, digit 4") << int(Qt::Key_4) << 0 << 0u << "4" << 4;
        QTest::newRow("no scan code, keypad 4") << int(Qt::Key_4) << int(Qt::KeypadModifier) << 0u << "4" << 4;
    }

    void cardKeysByPosition()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(uint, scanCode);
        QFETCH(QString, text);
        const QKeyEvent event = keyPress(Qt::Key(key), Qt::KeyboardModifiers(modifiers), scanCode, text);
        QTEST(cardKeyPosition(event), "position");
    }

    void digitsToggleMarksOnlyWhileADrawIsPending()
    {
        TestGame t;
        press(t, Qt::Key_1, kKey1, QStringLiteral("1"));
        QVERIFY(!t.game.table().KeepCard(1));   // new deck: nothing to mark, flags stay 0
        t.betWith("2D 5H 9C JS KD");
        press(t, Qt::Key_NumberSign, kKey3, QStringLiteral("#"), Qt::ShiftModifier);
        QVERIFY(!t.game.table().KeepCard(3));
        press(t, Qt::Key_3, kKey3, QStringLiteral("3"));
        QVERIFY(t.game.table().KeepCard(3));
        press(t, Qt::Key_3, kKey3, QStringLiteral("3"));
        t.random.scriptCard(card(u"AS"));
        QTest::keyClick(t.deal(), Qt::Key_Space);
        QCOMPARE(handText(t.cards()), QStringLiteral("2D 5H AS JS KD"));
        press(t, Qt::Key_2, kKey2, QStringLiteral("2"));
        QVERIFY(t.game.table().KeepCard(2));
    }

    // In a text field the digits are text; elsewhere on the tab they mark cards.
    void digitsWorkFromAnyTabButAreTextInATextField()
    {
        TestGame t;
        t.betWith("2D 5H 9C JS KD");
        t.game.mainWindow().tabs()->setCurrentIndex(3);   // Settings
        auto *name = t.find<QLineEdit>(QStringLiteral("Text1"));
        name->setFocus();
        name->end(false);
        press(t, Qt::Key_2, kKey2, QStringLiteral("2"));
        QVERIFY(t.game.table().KeepCard(2));
        QCOMPARE(name->text(), QStringLiteral("Eva2"));
        t.find(QStringLiteral("SpinButton1"))->setFocus();
        press(t, Qt::Key_2, kKey2, QStringLiteral("2"));
        QVERIFY(!t.game.table().KeepCard(2));
    }

    // A script of key events at their times in ms: P press, R release; lower case: flagged as
    // repeated. Held keys act once, whether the window system flags their repeats or not.
    void heldKeysActOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("actions");
        const int digit3 = Qt::Key_3, space = Qt::Key_Space, enter = Qt::Key_Return, keypadEnter = Qt::Key_Enter;
        QTest::newRow("3 held, repeats flagged") << digit3 << "P100 p760 p800 p840 R900" << 1;
        QTest::newRow("3 held, repeats unflagged") << digit3 << "P100 R760 P760 R800 P800 R900" << 1;
        QTest::newRow("3 pressed twice quickly") << digit3 << "P100 R180 P260 R340" << 2;
        QTest::newRow("Space held, repeats flagged") << space << "P100 r760 p760 r800 p800 R2100" << 1;
        QTest::newRow("Space held, repeats unflagged") << space << "P100 R760 P760 R800 P800 R2100" << 1;
        QTest::newRow("Space pressed twice quickly") << space << "P100 R180 P260 R340" << 2;
        QTest::newRow("Return held") << enter << "P100 p760 p800 R900" << 1;
        QTest::newRow("Return pressed twice quickly") << enter << "P100 R180 P260 R340" << 2;
        QTest::newRow("keypad Enter") << keypadEnter << "P100 R180" << 1;
    }

    void heldKeysActOnce()
    {
        QFETCH(int, key);
        QFETCH(QString, script);
        QFETCH(int, actions);
        TestGame t;
        const bool digit = key == Qt::Key_3;
        if (digit)
            t.betWith("2D 5H 9C JS KD");
        else
            t.random.scriptHand(hand("2D 5H 9C JS KD"));
        const quint32 scanCode = digit ? kKey3 : key == Qt::Key_Space ? kSpace : key == Qt::Key_Return ? kReturn : kKeypadEnter;
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        const QString text = digit ? QStringLiteral("3") : key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
        for (const QString &step : script.split(u' ')) {
            const QEvent::Type type = step[0].toUpper() == u'P' ? QEvent::KeyPress : QEvent::KeyRelease;
            QKeyEvent event(type, key, modifiers, scanCode, 0, 0, text, step[0].isLower());
            event.setTimestamp(step.mid(1).toULongLong());
            QCoreApplication::sendEvent(t.window().windowHandle(), &event);
        }
        if (digit)
            QCOMPARE(t.game.table().KeepCard(3), actions % 2 == 0);
        else
            QCOMPARE(t.game.table().DealPhase(), actions == 1 ? Table::DrawPending : Table::RoundComplete);
    }

    void ctrlKeysGoRoundTheTabs_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const int ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << 0 << 1;
        QTest::newRow("Ctrl+Tab on the last tab") << int(Qt::Key_Tab) << ctrl << 5 << 0;
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << ctrlShift << 0 << 5;
        QTest::newRow("Ctrl+Page Down") << int(Qt::Key_PageDown) << ctrl << 3 << 4;
        QTest::newRow("Ctrl+Page Up") << int(Qt::Key_PageUp) << ctrl << 1 << 0;
        QTest::newRow("Tab alone") << int(Qt::Key_Tab) << 0 << 2 << 2;
    }

    void ctrlKeysGoRoundTheTabs()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, from);
        QFETCH(int, to);
        TestGame t;
        TabControl *tabs = t.game.mainWindow().tabs();
        tabs->setCurrentIndex(from);
        tabs->tabBar()->setFocus();
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QCoreApplication::sendEvent(t.window().windowHandle(), &event);
        QCOMPARE(tabs->currentIndex(), to);
    }

    void spaceBetsAndDraws()
    {
        TestGame t;
        t.random.scriptHand(hand("2D 5H 9C JS KD"));
        QTest::keyClick(t.bet(), Qt::Key_Space);
        QCOMPARE(t.game.table().DealPhase(), 1);
        QVERIFY(t.window().focusWidget() == t.deal());
        QTest::keyClick(t.deal(), Qt::Key_Space);
        QCOMPARE(t.game.table().DealPhase(), 0);
        QVERIFY(t.window().focusWidget() == t.bet());
    }

    void keysDuringADealAreActedUponAfterIt()
    {
        TestGame t;
        bool pressed = false;
        t.clock.duringWait = [&] {
            if (!pressed) {
                pressed = true;
                press(t, Qt::Key_5, kKey5, QStringLiteral("5"));
            }
        };
        t.betWith("2D 5H 9C JS KD");
        QVERIFY(!t.game.table().KeepCard(5));
        QVERIFY(t.find(QStringLiteral("Image2(4)"))->isVisibleTo(&t.window()));
    }

    void accessKeysFromEveryTabWhileTheirButtonIsEnabled()
    {
        TestGame t;
        QApplication::setActiveWindow(&t.window());
        QVERIFY(QTest::qWaitForWindowActive(&t.window()));
        for (int tab = 0; tab < 6; ++tab) {
            t.game.mainWindow().tabs()->setCurrentIndex(tab);
            t.random.scriptHand(hand("2D 5H 9C JS KD"));
            QTest::keyClick(&t.window(), Qt::Key_D, Qt::AltModifier);
            QTest::keyClick(&t.window(), Qt::Key_B, Qt::AltModifier);
            QTRY_COMPARE(t.game.table().DealPhase(), 1);
            QTest::keyClick(&t.window(), Qt::Key_B, Qt::AltModifier);
            QTest::keyClick(&t.window(), Qt::Key_D, Qt::AltModifier);
            QTRY_COMPARE(t.game.table().DealPhase(), 0);
        }
        QCOMPARE(t.game.statistics().turnCount(), 6);
        QCOMPARE(t.text("Label7"), QStringLiteral("40"));
    }

    void menuShortcutsFromAnyTab()
    {
        TestGame t;
        QApplication::setActiveWindow(&t.window());
        QVERIFY(QTest::qWaitForWindowActive(&t.window()));
        t.betWith("2D 5H 9C JS KD");
        t.game.mainWindow().tabs()->setCurrentIndex(1);
        QTest::keyClick(&t.window(), Qt::Key_F2);
        QCOMPARE(t.game.table().DealPhase(), 2);
        QCOMPARE(t.text("Label7"), QStringLiteral("100"));
        QVERIFY(t.bet()->isEnabled());

        QSignalSpy finished(&t.game, &Game::finished);
        t.game.mainWindow().tabs()->setCurrentIndex(5);
        QTest::keyClick(&t.window(), Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(finished.count(), 1);
        QVERIFY(QFileInfo::exists(t.game.hiScoreFile()));
        QVERIFY(QFileInfo::exists(t.game.settingsFile()));
    }

    void theModalAboutWindowBlocksTheMainWindowsKeys()
    {
        TestGame t;
        QApplication::setActiveWindow(&t.window());
        t.betWith("2D 5H 9C JS KD");
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(about);
            QCOMPARE(about->objectName(), QStringLiteral("Form2"));
            QTest::keyClick(t.window().windowHandle(), Qt::Key_1);
            checked = true;
            about->accept();
        });
        t.game.aboutCommand();
        QVERIFY(checked);
        QVERIFY(t.game.table().KeepCard(1));
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
