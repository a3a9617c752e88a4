#include "core/chart_writer.h"
#include "core/hold_analysis.h"
#include "support/card_notation.h"
#include "ui/analyse_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <optional>

class TestAnalysePage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void typed_data();
    void typed();
    void pickedByClicking();
    void readByKeys();

private:
    const StrategyChart &chart() const { return m_written->chart; }

    std::optional<WrittenChart> m_written;
};

void TestAnalysePage::initTestCase()
{
    m_written = writeChart(gameRules(Payoff(), 1));
}

void TestAnalysePage::typed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("bestKept");   // the first row's cards, for a hand
    QTest::addColumn<QString>("message");    // part of the line above the table
    QTest::newRow("high pair, symbols") << "J♥ J♠ 2♣ 7♦ 9♠" << "J♥ J♠" << "The chart keeps J♥ J♠ — line";
    QTest::newRow("pat royal, any case") << "as ks qs js 10s" << "A♠ K♠ Q♠ J♠ 10♠" << ", a best hold";
    QTest::newRow("four cards") << "JH JS 2C 7D" << "" << "4 cards";
    QTest::newRow("repeated") << "JH JS 2C 7D JH" << "" << "the same card";
    QTest::newRow("no card") << "JH JS 2C 7D ZZ" << "" << "\"ZZ\" is not a card";
}

// The rows are the 32 holds best first, their worths exact, the chart's hold named and bold.
void TestAnalysePage::typed()
{
    QFETCH(QString, typed);
    QFETCH(QString, bestKept);
    QFETCH(QString, message);
    AnalysePage page([this]() -> const StrategyChart & { return chart(); });
    page.findChild<QLineEdit *>(QStringLiteral("AnalyseCards"))->setText(typed);
    auto *holds = page.findChild<QTableWidget *>(QStringLiteral("AnalyseHolds"));
    QVERIFY2(page.findChild<QLabel *>(QStringLiteral("AnalyseMessage"))->text().contains(message),
             qPrintable(page.findChild<QLabel *>(QStringLiteral("AnalyseMessage"))->text()));
    QCOMPARE(holds->rowCount(), bestKept.isEmpty() ? 0 : kHolds);
    if (bestKept.isEmpty())
        return;
    QCOMPARE(holds->item(0, 0)->text(), bestKept);
    int bold = 0;
    for (int row = 0; row < holds->rowCount(); ++row) {
        bold += holds->item(row, 0)->font().bold();
        if (row > 0) {
            const QStringList above = holds->item(row - 1, 1)->text().split(u'/');
            const QStringList here = holds->item(row, 1)->text().split(u'/');
            QVERIFY(above[0].toLongLong() * here[1].toLongLong() >= here[0].toLongLong() * above[1].toLongLong());
        }
    }
    QCOMPARE(bold, 1);
}

// Clicking cards writes them into the text; clicking a picked one takes it out again.
void TestAnalysePage::pickedByClicking()
{
    AnalysePage page([this]() -> const StrategyChart & { return chart(); });
    auto *cards = page.findChild<QLineEdit *>(QStringLiteral("AnalyseCards"));
    auto *holds = page.findChild<QTableWidget *>(QStringLiteral("AnalyseHolds"));
    for (const char *name : {"AnalysePickJH", "AnalysePickJS", "AnalysePick2C", "AnalysePick7D", "AnalysePick9S"})
        QTest::mouseClick(page.findChild<QToolButton *>(QLatin1String(name)), Qt::LeftButton);
    QCOMPARE(cards->text(), QStringLiteral("JH JS 2C 7D 9S"));
    QCOMPARE(holds->rowCount(), kHolds);
    QVERIFY(page.findChild<QToolButton *>(QStringLiteral("AnalysePickJS"))->isChecked());
    QTest::mouseClick(page.findChild<QToolButton *>(QStringLiteral("AnalysePick3H")), Qt::LeftButton);
    QCOMPARE(cards->text(), QStringLiteral("JH JS 2C 7D 9S"));   // a sixth card is not taken
    QTest::mouseClick(page.findChild<QToolButton *>(QStringLiteral("AnalysePickJS")), Qt::LeftButton);
    QCOMPARE(cards->text(), QStringLiteral("JH 2C 7D 9S"));
    QCOMPARE(holds->rowCount(), 0);
    QVERIFY(!page.findChild<QToolButton *>(QStringLiteral("AnalysePickJS"))->isChecked());
    QVERIFY(page.findChild<QToolButton *>(QStringLiteral("AnalysePickJH"))->isChecked());
}

// Typed cards, then Tab to the holds and the arrow keys through them, each row read whole.
void TestAnalysePage::readByKeys()
{
    AnalysePage page([this]() -> const StrategyChart & { return chart(); });
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *cards = page.findChild<QLineEdit *>(QStringLiteral("AnalyseCards"));
    auto *holds = page.findChild<QTableWidget *>(QStringLiteral("AnalyseHolds"));
    cards->setFocus();
    QTest::keyClicks(cards, QStringLiteral("kh qh jh th 2s"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), holds);
    QTest::keyClick(holds, Qt::Key_Down);
    QCOMPARE(holds->currentRow(), 1);
    QCOMPARE(holds->item(0, 0)->text(), QStringLiteral("K♥ Q♥ J♥ 10♥"));
    const QString spoken = holds->currentItem()->data(Qt::AccessibleTextRole).toString();
    QVERIFY2(spoken.startsWith(QStringLiteral("Keep ")) && spoken.contains(QStringLiteral("per stake")), qPrintable(spoken));
}

QTEST_MAIN(TestAnalysePage)
#include "test_analyse_page.moc"
