#include "support/test_game.h"
#include "ui/image_list.h"
#include "ui/picture_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>

namespace {

QString captionOf(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return {};
}

enum State { Shown = 1, Hidden = 2, Disabled = 4 };

// The window row of the label's first line of drawn text.
int textTop(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const QColor ground = label->palette().color(QPalette::Window);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - ground.red()) + qAbs(pixel.green() - ground.green())
                    + qAbs(pixel.blue() - ground.blue()) > 150)
                return label->mapTo(label->window(), QPoint(0, y)).y();
        }
    }
    return -1;
}

} // namespace

// Every control of the main window in its design state: place, size, caption, font, colour.
class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");      // within its container
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qreal>("points");     // 0: no text
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");    // invalid: the default
        QTest::addColumn<int>("state");

        const QColor none, red(255, 0, 0), blue(0, 0, 255);
        auto row = [](const char *name, QRect twips, const char *caption, qreal points, bool bold,
                      QColor colour, int state = Shown) {
            QTest::newRow(name) << QString::fromLatin1(name) << twips << QString::fromLatin1(caption)
                                << points << bold << colour << state;
        };
        // Game
        row("Image8", {1200, 480, 1305, 375}, "", 0, false, none);
        row("Image7", {2400, 480, 2670, 540}, "", 0, false, none);
        for (int i = 0; i < 5; ++i) {
            const QByteArray face = "Image1(" + QByteArray::number(i) + ")";
            const QByteArray cover = "Image2(" + QByteArray::number(i) + ")";
            row(face.constData(), {120 + 1440 * i, 1200, 1335, 855}, "", 0, false, none);
            row(cover.constData(), {120 + 1440 * i, 1200, 1395, 810}, "", 0, false, none, Hidden);
        }
        row("Frame1", {120, 2040, 7215, 1095}, "", 0, false, none);
        row("Label3", {120, 480, 495, 255}, "Bet:", 12, true, red);
        row("Label5", {720, 480, 735, 375}, "0", 12, true, none);
        row("Label4", {1680, 480, 3255, 375}, "Label4", 12, true, blue, Hidden);
        row("Label2", {5040, 480, 615, 255}, "Won:", 12, true, red);
        row("Label6", {5760, 480, 1335, 375}, "0", 12, true, none);
        row("Label1", {360, 3840, 1335, 375}, "Balance:", 15.75, true, red);
        row("Label7", {1800, 3840, 2415, 375}, "0", 15.75, true, none);
        row("Image6", {4800, 3240, 1920, 1365}, "", 0, false, none);
        row("SSCommand2", {240, 5280, 1695, 615}, "&Deal", 12, true, none, Shown | Disabled);
        row("SSCommand1", {3600, 5280, 1695, 615}, "&Bet >>", 12, true, none);
        row("SSOption2(1)", {5640, 5130, 255, 255}, "", 0, false, none);
        row("SSOption2(2)", {6600, 5130, 255, 255}, "", 0, false, none);
        row("SSOption2(3)", {5640, 5415, 240, 300}, "", 0, false, none);
        row("SSOption2(4)", {6600, 5445, 255, 255}, "", 0, false, none);
        row("SSOption2(5)", {5640, 5760, 255, 255}, "", 0, false, none);
        row("SSOption2(6)", {6600, 5760, 255, 255}, "", 0, false, none);
        row("Label11", {5880, 5115, 375, 255}, "10", 12, true, none);
        row("Label12", {6855, 5115, 375, 300}, "20", 12, true, none);
        row("Label13", {5895, 5430, 375, 285}, "30", 12, true, none);
        row("Label14", {6855, 5430, 375, 285}, "40", 12, true, none);
        row("Label15", {5865, 5745, 495, 255}, "100", 12, true, none);
        row("Label16", {6840, 5745, 495, 255}, "200", 12, true, none);
        // Stats
        row("SSFrame1", {120, 480, 4575, 3975}, "History", 9.75, false, none);
        row("Label9", {2040, 240, 1215, 255}, "Current game", 9, false, none);
        row("Label10", {3720, 240, 495, 255}, "Total", 9, true, red);
        row("SSPanel2(18)", {120, 480, 1785, 360}, "One Pair", 9.75, true, none);
        const char *const rowNames[] = {"Two pair", "Three of a kind", "Straight", "Flush", "Full house",
                                        "Four of a kind", "Straight flush", "Royal flush"};
        for (int i = 8; i <= 15; ++i) {
            const QByteArray name = "SSPanel2(" + QByteArray::number(i) + ")";
            row(name.constData(), {120, 840 + 360 * (i - 8), 1785, 360}, rowNames[i - 8], 9.75, true, none);
        }
        for (int c = 0; c <= 8; ++c) {
            const QByteArray current = "SSPanel4(" + QByteArray::number(c) + ")";
            const QByteArray total = "SSPanel6(" + QByteArray::number(c) + ")";
            row(current.constData(), {2160, 480 + 360 * c, 975, 360}, "0", 9.75, true, none);
            row(total.constData(), {3480, 480 + 360 * c, 975, 360}, "0", 9.75, true, none);
        }
        row("SSPanel2(16)", {120, 5040, 1785, 330}, "Average win/turn", 9.75, true, none);
        row("SSPanel12", {2160, 5040, 1095, 330}, "0", 9.75, true, none);
        // Hi-score
        row("List1", {960, 840, 3495, 4860}, "", 9.75, true, none);
        row("Image1(5)", {5040, 5040, 1575, 735}, "", 0, false, none);
        row("SSCommand4", {5160, 5160, 1335, 495}, "Reset list", 12, true, none);
        // Settings
        row("Frame2", {120, 840, 1455, 1215}, "Show cards", 9.75, false, none);
        row("Option1(0)", {240, 360, 735, 255}, "Fast", 9.75, true, none);
        row("Option1(1)", {240, 720, 855, 255}, "Slow", 9.75, true, none);
        row("Frame3", {1800, 840, 2175, 1215}, "Start sum", 9.75, false, none);
        row("SpinButton1", {240, 480, 255, 495}, "", 0, false, none);
        row("SSPanel1", {600, 480, 1215, 495}, "100", 9.75, true, none);
        row("Frame4", {120, 2280, 1455, 855}, "Default name", 9.75, false, none);
        row("Text1", {240, 360, 855, 375}, "Eva", 9.75, true, none);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(qreal, points);
        QFETCH(QColor, colour);
        QFETCH(int, state);
        TestGame t(TestGame::BeforeStartUp);
        QWidget *control = t.find(name);
        QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QTEST(captionOf(control), "caption");
        if (points > 0) {
            QCOMPARE(control->font().pointSizeF(), points);
            QTEST(control->font().bold(), "bold");
            QVERIFY(control->font().family() == QLatin1String("Arial")
                    || control->font().family() == QLatin1String("MS Sans Serif"));
        }
        if (colour.isValid())
            QCOMPARE(control->palette().color(QPalette::WindowText), colour);
        QCOMPARE(control->isHidden(), bool(state & Hidden));
        QCOMPARE(control->isEnabled(), !(state & Disabled));
    }

    void windowAndTabs()
    {
        TestGame t(TestGame::BeforeStartUp);
        QCOMPARE(t.window().windowTitle(), QStringLiteral("Quintdraw"));
        QCOMPARE(t.window().objectName(), QStringLiteral("Form1"));
        QCOMPARE(t.find(QStringLiteral("SSTab1"))->geometry(), twipsRect(0, 0, 7455, 6135));
        auto *tabs = t.find(QStringLiteral("SSTab1"))->findChild<QTabBar *>();
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, (QStringList{"Game", "Stats", "Hi-score", "Settings", "Payoff", "Help"}));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->font().pointSizeF(), 12.0);
        t.window().show();
        QCOMPARE(t.window().minimumSize(), t.window().maximumSize());
        QVERIFY(!(t.window().windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(t.find<QTimer>(QStringLiteral("Timer1"))->isActive(), false);
    }

    void stackingHidesCardsUnderCoversAndFrame()
    {
        TestGame t(TestGame::BeforeStartUp);
        QWidget *page = t.find(QStringLiteral("Image1(0)"))->parentWidget();
        const QObjectList order = page->children();   // later children lie above earlier ones
        const auto at = [&](const char *name) { return order.indexOf(t.find(QString::fromLatin1(name))); };
        for (int i = 0; i < 5; ++i) {
            QVERIFY(at(qPrintable(member("Image1", i))) < at(qPrintable(member("Image2", i))));
            QVERIFY(at(qPrintable(member("Image2", i))) < at("Frame1"));
        }
    }

    void imageListsKeepTheirNumberingAndKeys_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("card");
        QTest::newRow("ace of spades") << 3 << 13 << "AS";
        QTest::newRow("two of diamonds") << 0 << 1 << "2D";
        QTest::newRow("ten of hearts") << 1 << 9 << "10H";
        QTest::newRow("jack of clubs") << 2 << 10 << "JC";
    }

    void imageListsKeepTheirNumberingAndKeys()
    {
        QFETCH(int, list);
        QFETCH(int, number);
        QFETCH(QString, card);
        TestGame t(TestGame::BeforeStartUp);
        auto *images = t.game.mainWindow().findChild<ImageList *>(member("ImageList1", list));
        QVERIFY(images);
        QCOMPARE(images->picture(number), Picture::card(::card(card)));
        QCOMPARE(images->picture(QStringLiteral("i%1").arg(number)), Picture::card(::card(card)));
        QVERIFY(images->picture(QStringLiteral("i14")).isEmpty());
        QCOMPARE(t.find<PictureBox>(QStringLiteral("Image99"))->picture(), Picture::of(Picture::Kind::CardBack));
    }

    void everyCaptionIsClickableFromEveryTab()
    {
        TestGame t;
        auto *tabs = t.find(QStringLiteral("SSTab1"))->findChild<QTabBar *>();
        for (int from = 0; from < tabs->count(); ++from) {
            for (int to = 0; to < tabs->count(); ++to) {
                if (from == to)
                    continue;
                const QRect caption = tabs->tabRect(to);
                for (const QPoint point : {caption.center(), QPoint(caption.left() + 3, caption.center().y())}) {
                    tabs->setCurrentIndex(from);
                    QTest::mouseClick(t.window().windowHandle(), Qt::LeftButton, {},
                                      tabs->mapTo(&t.window(), point));
                    QVERIFY2(tabs->currentIndex() == to,
                             qPrintable(tabs->tabText(to) + " from " + tabs->tabText(from)));
                }
            }
        }
    }

    // A value's text starts at the height of its caption's text.
    void labelsShowTheirTextFromTheTop_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        QTest::newRow("Bet:") << 0 << "Label3" << "Label5";
        QTest::newRow("Won:") << 0 << "Label2" << "Label6";
        QTest::newRow("Balance:") << 0 << "Label1" << "Label7";
        QTest::newRow("10 and 20") << 0 << "Label11" << "Label12";
        QTest::newRow("30 and 40") << 0 << "Label13" << "Label14";
        QTest::newRow("100 and 200") << 0 << "Label15" << "Label16";
        QTest::newRow("Current game and Total") << 1 << "Label9" << "Label10";
        QTest::newRow("payoff row") << 4 << "Label8(8)" << "Label8(0)";
    }

    void labelsShowTheirTextFromTheTop()
    {
        QFETCH(int, tab);
        QFETCH(QString, caption);
        QFETCH(QString, value);
        TestGame t;
        t.find(QStringLiteral("SSTab1"))->findChild<QTabBar *>()->setCurrentIndex(tab);
        const int expected = textTop(t.find<QLabel>(caption));
        QVERIFY(expected >= 0);
        QVERIFY(qAbs(textTop(t.find<QLabel>(value)) - expected) <= 1);
    }

    // The keyboard player sees where the focus is, on the controls that Tab reaches.
    void focusMarkIsDrawn_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::newRow("tab row") << 1 << "SSTab1";
        QTest::newRow("start-sum arrows") << 3 << "SpinButton1";
        QTest::newRow("Bet button") << 0 << "SSCommand1";
    }

    void focusMarkIsDrawn()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        TestGame t;
        QApplication::setActiveWindow(&t.window());
        QVERIFY(QTest::qWaitForWindowActive(&t.window()));
        auto *tabs = t.find(QStringLiteral("SSTab1"))->findChild<QTabBar *>();
        tabs->setCurrentIndex(tab);
        QWidget *control = name == QStringLiteral("SSTab1") ? tabs : t.find(name);
        t.find(QStringLiteral("Text1"))->setFocus();
        const QImage unfocused = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        QVERIFY(control->hasFocus());
        QVERIFY(control->grab().toImage() != unfocused);
    }

    void menu()
    {
        TestGame t(TestGame::BeforeStartUp);
        auto *newGame = t.game.mainWindow().findChild<QAction *>(QStringLiteral("n"));
        auto *exit = t.game.mainWindow().findChild<QAction *>(QStringLiteral("ex"));
        QVERIFY(newGame && exit);
        QCOMPARE(newGame->text(), QStringLiteral("&New"));
        QCOMPARE(newGame->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(exit->text(), QStringLiteral("&Exit"));
        QCOMPARE(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        QStringList menus;
        for (QAction *action : t.game.mainWindow().menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"File", "About"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
