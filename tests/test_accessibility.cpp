#include "support/test_game.h"
#include "ui/controls.h"
#include "ui/startup_window.h"
#include "ui/tab_control.h"

#include <QTabBar>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

QString said(QWidget *control, QAccessible::Text what)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(what) : QStringLiteral("<none>");
}

} // namespace

// A screen reader can follow a round: every card, cover, panel and picture says what it shows.
class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void cardsSayWhatTheyShowAndWhetherTheyGo()
    {
        TestGame t;
        QWidget *face2 = t.find(QStringLiteral("Image1(1)"));
        QCOMPARE(said(face2, QAccessible::Name), QStringLiteral("card back"));
        QCOMPARE(said(face2, QAccessible::Description), QStringLiteral("no card dealt"));

        t.betWith("2D QH 9C JS KD");
        QCOMPARE(said(face2, QAccessible::Name), QStringLiteral("Queen of hearts"));
        QCOMPARE(said(face2, QAccessible::Description), QStringLiteral("face up"));
        t.clickFace(2);
        QCOMPARE(said(face2, QAccessible::Description), QStringLiteral("face down, will be exchanged"));
        QCOMPARE(said(t.find(QStringLiteral("Image2(1)")), QAccessible::Name), QStringLiteral("card back"));
    }

    // A screen reader voices news only on the focused control, and its "where am I" reads the
    // focused control's description: the round's button describes the whole table, and the focus
    // goes from one button straight to the other.
    void roundNewsOnTheFocusedButton_data()
    {
        QTest::addColumn<QString>("dealt");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("replacements");
        QTest::addColumn<QString>("saidAfterBet");
        QTest::addColumn<QString>("saidAfterLastClick");
        QTest::addColumn<QString>("saidAfterDraw");
        QTest::newRow("pair dealt, two exchanged")
            << "JH JS 2C 7D 9S" << QList<int>{3, 4} << "8C 3D"
            << "Jack of hearts, Jack of spades, 2 of clubs, 7 of diamonds, 9 of spades. One Pair. Bet 10. Balance 90."
            << "Jack of hearts, Jack of spades, 2 of clubs, to be exchanged, 7 of diamonds, to be exchanged, 9 of spades. One Pair. Bet 10. Balance 90."
            << "Jack of hearts, Jack of spades, 8 of clubs, 3 of diamonds, 9 of spades. One Pair. Bet 10. Won 10, balance 100.";
        QTest::newRow("a card marked and kept again")
            << "2D QH 9C JS KD" << QList<int>{1, 1} << ""
            << "2 of diamonds, Queen of hearts, 9 of clubs, Jack of spades, King of diamonds. Bet 10. Balance 90."
            << "2 of diamonds, Queen of hearts, 9 of clubs, Jack of spades, King of diamonds. Bet 10. Balance 90."
            << "2 of diamonds, Queen of hearts, 9 of clubs, Jack of spades, King of diamonds. This hand pays nothing. Bet 10. Won 0, balance 90.";
    }

    void roundNewsOnTheFocusedButton()
    {
        QFETCH(QString, dealt);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, replacements);
        QFETCH(QString, saidAfterBet);
        QFETCH(QString, saidAfterLastClick);
        QFETCH(QString, saidAfterDraw);
        TestGame t;
        t.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.window()));
        QSignalSpy focusMoves(qApp, &QApplication::focusChanged);

        t.betWith(qPrintable(dealt));
        QCOMPARE(t.window().focusWidget(), t.deal());
        QCOMPARE(said(t.deal(), QAccessible::Description), saidAfterBet);
        for (int position : clicks)
            t.clickFace(position);
        QCOMPARE(said(t.deal(), QAccessible::Description), saidAfterLastClick);
        t.drawWith({}, qPrintable(replacements));
        QCOMPARE(said(t.bet(), QAccessible::Description), saidAfterDraw);

        QList<QObject *> focused;
        for (const QList<QVariant> &move : focusMoves)
            focused << move.at(1).value<QWidget *>();
        QCOMPARE(focused, (QList<QObject *>{t.deal(), t.bet()}));
    }

    // The focus never rests on a hidden tab's control, comes back to the round's button when
    // "Game" is shown again, and shows its mark there.
    void focusFollowsTheGameTab_data()
    {
        QTest::addColumn<bool>("betFirst");
        QTest::addColumn<bool>("newGameElsewhere");
        QTest::addColumn<QString>("focusedOnReturn");
        QTest::addColumn<QString>("saidOnReturn");
        QTest::newRow("before a bet") << false << false << "SSCommand1" << "New game. Balance 100, stake 10.";
        QTest::newRow("after a bet") << true << false << "SSCommand2"
                                     << "2 of diamonds, Queen of hearts, 9 of clubs, Jack of spades, King of diamonds. Bet 10. Balance 90.";
        // A round given up for a new game has no result to tell.
        QTest::newRow("new game on another tab") << true << true << "SSCommand1" << "New game. Balance 100, stake 10.";
    }

    void focusFollowsTheGameTab()
    {
        QFETCH(bool, betFirst);
        QFETCH(bool, newGameElsewhere);
        QFETCH(QString, focusedOnReturn);
        QFETCH(QString, saidOnReturn);
        TestGame t;
        t.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.window()));
        t.find(QStringLiteral("SSOption2(1)"))->setFocus();
        const QImage unmarked = t.bet()->grab().toImage();
        t.bet()->setFocus(Qt::OtherFocusReason);
        QVERIFY2(t.bet()->grab().toImage() != unmarked, "the focused button shows no focus mark");
        if (betFirst)
            t.betWith("2D QH 9C JS KD");
        TabControl *tabs = t.game.mainWindow().tabs();
        tabs->setCurrentIndex(3);
        if (newGameElsewhere) {
            emit t.game.mainWindow().newChosen();
            QWidget *focus = t.window().focusWidget();
            QVERIFY(!focus || focus->isVisible());
        }
        tabs->setCurrentIndex(0);
        QCOMPARE(t.window().focusWidget(), t.find(focusedOnReturn));
        QCOMPARE(said(t.window().focusWidget(), QAccessible::Description), saidOnReturn);
    }

    // Tab from the round's button reaches the stake chosen, also after a new game chose the
    // first stake again while the focus had been on another.
    void tabReachesTheChosenStake_data()
    {
        QTest::addColumn<int>("chosenBefore");   // SSOption2 index clicked, 0 for none
        QTest::addColumn<bool>("newGame");
        QTest::addColumn<QString>("reached");
        QTest::newRow("first stake") << 0 << false << "SSOption2(1)";
        QTest::newRow("stake 30 chosen") << 3 << false << "SSOption2(3)";
        QTest::newRow("stake 30, then F2") << 3 << true << "SSOption2(1)";
    }

    void tabReachesTheChosenStake()
    {
        QFETCH(int, chosenBefore);
        QFETCH(bool, newGame);
        QFETCH(QString, reached);
        TestGame t;
        t.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.window()));
        if (chosenBefore > 0)
            QTest::mouseClick(t.find(member("SSOption2", chosenBefore)), Qt::LeftButton);
        if (newGame)
            QTest::keyClick(&t.window(), Qt::Key_F2);
        t.bet()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(t.bet(), Qt::Key_Tab);
        QCOMPARE(t.window().focusWidget(), t.find(reached));
        QVERIFY(t.find<QRadioButton>(reached)->isChecked());
    }

    // The start-sum arrows take the focus and answer Up and Down, as a spin button with a value.
    void startSumSpinButton_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<qint64>("startSum");
        QTest::newRow("Up") << QList<int>{Qt::Key_Up} << qint64(110);
        QTest::newRow("Up, Up, Down") << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Down} << qint64(110);
        QTest::newRow("Down") << QList<int>{Qt::Key_Down} << qint64(90);
        QTest::newRow("Left does nothing") << QList<int>{Qt::Key_Left} << qint64(100);
    }

    void startSumSpinButton()
    {
        QFETCH(QList<int>, keys);
        QFETCH(qint64, startSum);
        TestGame t;
        QWidget *spin = t.find(QStringLiteral("SpinButton1"));
        QVERIFY(spin->focusPolicy() & Qt::TabFocus);
        for (int key : keys)
            QTest::keyClick(spin, Qt::Key(key));
        QCOMPARE(t.game.settings().startSum(), startSum);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(spin);
        QCOMPARE(accessible->role(), QAccessible::SpinBox);
        QCOMPARE(accessible->valueInterface()->currentValue().toLongLong(), startSum);
    }

    // Every value a sighted player reads on the other tabs is reached by Tab and says what it
    // is, and so is each card of a Help example. After a full house drawn and an example.
    void valuesReachableWithWhatTheyAre_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("tabStop");
        QTest::addColumn<QString>("name");          // a pattern
        QTest::addColumn<QString>("description");   // a pattern
        QTest::addColumn<QString>("toggled");       // a choice a screen reader toggles first
        // The meaning is in the name, which every screen reader speaks, and not repeated.
        QTest::newRow("current game count") << "SSPanel4(5)" << true << "Full house, current game: 1" << "" << "";
        QTest::newRow("total count") << "SSPanel6(0)" << true << "One Pair, total: 0" << "" << "";
        QTest::newRow("average") << "SSPanel12" << true << "Average win per turn: 350" << "" << "";
        QTest::newRow("payoff amount") << "Label8(7)" << true << "Royal flush pays 10000 for a stake of 10" << "" << "";
        QTest::newRow("payoff amount at another stake")
            << "Label8(7)" << true << "Royal flush pays 20000 for a stake of 20" << "" << "SSOption1(2)";
        QTest::newRow("example card") << "Image2(5)" << false << "(\\w+) of diamonds" << "example card 1" << "";
        QTest::newRow("example card back") << "Image2(9)" << false << "card back" << "example card 5" << "";
    }

    void valuesReachableWithWhatTheyAre()
    {
        QFETCH(QString, control);
        QFETCH(bool, tabStop);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, toggled);
        TestGame t;
        t.betWith("JD JS 5H 5C 5S");
        t.drawWith({});
        QTest::mouseClick(t.find<QPushButton>(QStringLiteral("Command8")), Qt::LeftButton);
        if (!toggled.isEmpty())
            QAccessible::queryAccessibleInterface(t.find(toggled))->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());

        QWidget *widget = t.find(control);
        QCOMPARE(bool(widget->focusPolicy() & Qt::TabFocus), tabStop);
        const auto whole = [](const QString &pattern) {
            return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
        };
        QVERIFY2(whole(name).match(said(widget, QAccessible::Name)).hasMatch(), qPrintable(said(widget, QAccessible::Name)));
        QVERIFY2(whole(description).match(said(widget, QAccessible::Description)).hasMatch(),
                 qPrintable(said(widget, QAccessible::Description)));
    }

    // A text field reports its text as one run without attributes, whatever the offset asked, and
    // its selection whole: from an empty run at the offset a screen reader took the text one
    // letter short ("Ev selected" for "Eva").
    void textFieldReportsItsTextWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::newRow("at the start") << "Eva" << 0;
        QTest::newRow("inside") << "Eva" << 1;
        QTest::newRow("at the end") << "Eva" << 3;
        QTest::newRow("empty") << "" << 0;
    }

    void textFieldReportsItsTextWhole()
    {
        QFETCH(QString, text);
        QFETCH(int, offset);
        TestGame t;
        auto *field = t.find<QLineEdit>(QStringLiteral("Text1"));
        field->setText(text);
        field->selectAll();
        QAccessibleTextInterface *read = QAccessible::queryAccessibleInterface(field)->textInterface();
        QVERIFY(read);
        int start = -1;
        int end = -1;
        QCOMPARE(read->attributes(offset, &start, &end), QString());
        QCOMPARE((QList<int>{start, end}), (QList<int>{0, int(text.size())}));
        QCOMPARE(read->text(0, read->characterCount()), text);
        read->selection(0, &start, &end);
        QCOMPARE(read->text(start, end), text);
    }

    // What a screen reader's review and focus read is read once: a cover over a card place that
    // shows the back and the title's second part only repeat another picture and are not
    // showing, a cover over a dealt card is; a stake choice has no caption that would say its
    // amount before its name; the start-up window tells its lines of text.
    void eachThingReadOnce_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("cardMarked");   // after a bet, card 1 marked
        QTest::addColumn<bool>("showing");
        QTest::addColumn<QString>("description");
        QTest::newRow("card place") << "Image1(0)" << false << true << "no card dealt";
        QTest::newRow("cover over the back") << "Image2(0)" << false << false << "card 1, face down";
        QTest::newRow("cover over a marked card") << "Image2(0)" << true << true << "card 1, face down";
        QTest::newRow("title") << "Image8" << false << true << "";
        QTest::newRow("title's second part") << "Image7" << false << false << "";
        QTest::newRow("stake choice") << "SSOption2(1)" << false << true << "";
        QTest::newRow("start-up window") << "Form3" << false << true
                                         << "Five-card draw poker. Quintdraw, 2026. Free to copy and share.";
    }

    void eachThingReadOnce()
    {
        QFETCH(QString, control);
        QFETCH(bool, cardMarked);
        QFETCH(bool, showing);
        QFETCH(QString, description);
        TestGame t;
        StartupWindow startup;
        startup.show();
        if (cardMarked) {
            t.betWith("2D QH 9C JS KD");
            t.clickFace(1);
        }
        QWidget *widget = control == QLatin1String("Form3") ? &startup : t.find(control);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(!accessible->state().invisible, showing);
        QCOMPARE(said(widget, QAccessible::Description), description);
        const auto labels = accessible->relations(QAccessible::Label);
        QVERIFY2(labels.isEmpty(), qPrintable(labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name)));
    }

    // A help topic's picture reads as text, one sentence a line, for a reader going line by line.
    void helpTopicReadLineByLine_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("read");
        QTest::newRow("first sentence") << "Command11" << 0 << "First you place a bet, you can bet 10, 20, 30, 40, 100 and 200.";
        QTest::newRow("second sentence") << "Command11" << 1 << "Click on the circle in front of the wanted bet.";
        QTest::newRow("two columns") << "Command10" << 4 << "CTRL+F4, terminates the program.";
    }

    void helpTopicReadLineByLine()
    {
        QFETCH(QString, topic);
        QFETCH(int, line);
        QFETCH(QString, read);
        TestGame t;
        QTest::mouseClick(t.find<QPushButton>(topic), Qt::LeftButton);
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(t.find(QStringLiteral("Image4")))->textInterface();
        QVERIFY(text);
        const QStringList lines = text->text(0, text->characterCount()).split(u'\n');
        QVERIFY(line < lines.size());
        const int offset = int(lines.mid(0, line).join(u'\n').size()) + (line > 0 ? 1 : 0);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end).trimmed(), read);
        text->attributes(offset, &start, &end);
        QCOMPARE((QList<int>{start, end}), (QList<int>{0, text->characterCount()}));
    }

    // A menu command tells its access key and its shortcut, in the form screen readers parse.
    void menuCommandsTellTheirShortcuts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        QTest::newRow("New") << "n" << "New" << "N;;F2";
        QTest::newRow("Exit") << "ex" << "Exit" << "E;;Ctrl+F4";
    }

    void menuCommandsTellTheirShortcuts()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QString, keys);
        TestGame t;
        QAccessibleInterface *item = QAccessible::queryAccessibleInterface(t.window().findChild<QAction *>(action));
        QVERIFY(item);
        QCOMPARE(item->role(), QAccessible::MenuItem);
        QCOMPARE(item->text(QAccessible::Name), name);
        QCOMPARE(item->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{keys});
    }

    // The tab row holds exactly the six tabs, each a page tab that shows its page when pressed.
    void tabRowHoldsItsSixTabs()
    {
        TestGame t;
        QAccessibleInterface *row = QAccessible::queryAccessibleInterface(t.game.mainWindow().tabs()->tabBar());
        QCOMPARE(row->role(), QAccessible::PageTabList);
        QStringList tabs;
        for (int i = 0; i < row->childCount(); ++i) {
            QCOMPARE(row->child(i)->role(), QAccessible::PageTab);
            QCOMPARE(row->indexOfChild(row->child(i)), i);
            tabs << row->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(tabs, (QStringList{"Game", "Stats", "Hi-score", "Settings", "Payoff", "Help"}));
        row->child(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(t.game.mainWindow().tabs()->currentIndex(), 4);
        QVERIFY(row->child(4)->state().selected && !row->child(0)->state().selected);
    }

    void everyPictureAndPanelHasAName()
    {
        TestGame t;
        const QStringList names = {"Image8", "Image7", "Image6", "Image1(5)", "SSPanel4(0)", "SSPanel6(8)",
                                   "SSPanel12", "SSPanel1", "Image4", "Image2(7)", "Label7", "List1", "Text1"};
        for (const QString &name : names)
            QVERIFY2(!said(t.find(name), QAccessible::Name).isEmpty(), qPrintable(name));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
