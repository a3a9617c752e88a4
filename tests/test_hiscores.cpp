#include "records/hiscore_file.h"
#include "records/hiscores.h"
#include "records/name_prompt.h"
#include "records/number_text.h"
#include "support/file_bytes.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

class ScriptedPrompt : public NamePrompt {
public:
    explicit ScriptedPrompt(QString answer) : m_answer(std::move(answer)) {}
    QString askName(const QString &offered) override
    {
        offered_.append(offered);
        return m_answer;
    }
    QStringList offered_;

private:
    QString m_answer;
};

// Rank r scores top - (r - 1) * step and is named "n<r>".
HiScores::Entries descending(qint64 top, qint64 step)
{
    HiScores::Entries entries;
    for (int rank = 1; rank <= HiScores::kRanks; ++rank)
        entries[rank - 1] = {QString::number(top - (rank - 1) * step), QStringLiteral("n%1").arg(rank)};
    return entries;
}

QStringList linesOf(const HiScores::Entries &entries)
{
    HiScores table;
    table.setEntries(entries);
    return table.lines();
}

} // namespace

class TestHiScores : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }

    void insertion_data()
    {
        QTest::addColumn<qint64>("top");
        QTest::addColumn<qint64>("step");
        QTest::addColumn<qint64>("result");
        QTest::addColumn<int>("rank");  // 0: not entered
        QTest::newRow("equal to rank 100") << qint64(1000) << qint64(10) << qint64(10) << 0;
        QTest::newRow("just above rank 100") << qint64(1000) << qint64(10) << qint64(11) << 100;
        QTest::newRow("above everything") << qint64(1000) << qint64(10) << qint64(2000) << 1;
        QTest::newRow("equal to rank 5") << qint64(1000) << qint64(10) << qint64(960) << 6;
        QTest::newRow("reset list, 101") << qint64(100) << qint64(0) << qint64(101) << 1;
        QTest::newRow("reset list, 100") << qint64(100) << qint64(0) << qint64(100) << 0;
        QTest::newRow("negative") << qint64(49) << qint64(1) << qint64(-40) << 91;
        QTest::newRow("zero over negatives") << qint64(49) << qint64(1) << qint64(0) << 51;
        QTest::newRow("zero on zero") << qint64(99) << qint64(1) << qint64(0) << 0;
        QTest::newRow("below everything") << qint64(49) << qint64(1) << qint64(-51) << 0;
    }
    void insertion()
    {
        QFETCH(qint64, top);
        QFETCH(qint64, step);
        QFETCH(qint64, result);
        QFETCH(int, rank);
        const HiScores::Entries before = descending(top, step);
        HiScores table;
        table.setEntries(before);
        QSignalSpy changed(&table, &HiScores::changed);
        ScriptedPrompt prompt("Zed");

        QCOMPARE(table.CheckHiScore(result, prompt, "Eva"), rank != 0);
        QCOMPARE(changed.count(), 1);  // the list is redrawn either way
        QCOMPARE(prompt.offered_.size(), rank != 0 ? 1 : 0);
        HiScores::Entries expected = before;
        if (rank != 0) {
            std::move_backward(expected.begin() + rank - 1, expected.end() - 1, expected.end());
            expected[rank - 1] = {QString::number(result), "Zed"};
        }
        QCOMPARE(table.lines(), linesOf(expected));
    }

    void names_data()
    {
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("stored");
        QTest::newRow("short names whole") << "Eva" << "Bob" << "Eva" << "Bob";
        QTest::newRow("default cut") << "Veronika" << "Bob" << "Veron" << "Bob";
        QTest::newRow("typed name cut") << "Eva" << "Bartholomew" << "Eva" << "Barth";
        QTest::newRow("cancelled") << "Eva" << "" << "Eva" << "";
        QTest::newRow("non-Latin") << "日本語の名前" << "🂡🂢🂣🂤🂥🂦" << "日本語の名" << "🂡🂢🂣🂤🂥";
    }
    void names()
    {
        QFETCH(QString, defaultName);
        QFETCH(QString, answer);
        HiScores table;
        ScriptedPrompt prompt(answer);
        QVERIFY(table.CheckHiScore(500, prompt, defaultName));
        QTEST(prompt.offered_.value(0), "offered");
        QTEST(table.entry(1).name, "stored");
        QCOMPARE(table.entry(1).score, "500");
    }

    void listLines()
    {
        HiScores table;
        table.setEntries(descending(1000, 10));
        const QStringList lines = table.lines();
        QCOMPARE(lines.size(), 100);
        QCOMPARE(lines[0], "1      \tn1    \t1000");
        QCOMPARE(lines[9], "10      \tn10    \t910");
        QCOMPARE(lines[99], "100      \tn100    \t10");
        table.ResetHiScores();
        QCOMPARE(table.lines(), linesOf(HiScores().entries()));
        QCOMPARE(table.lines()[99], "100      \tABC    \t100");
    }

    void fileRoundTrip()
    {
        HiScores::Entries entries = descending(5000, 10);
        const QStringList names{"", " lead", "a,b", "\"q\"", "007", "Ünïç", "日本", "Ã©", "x\ty", "trail "};
        for (int i = 0; i < names.size(); ++i)
            entries[i].name = names[i];
        entries[0].score = "9000 points";  // damaged but kept as read
        entries[1].score = "04990";  // leading zeros stay
        HiScores table;
        table.setEntries(entries);
        const QString path = m_dir->filePath("hi.dat");
        QVERIFY(SaveHiScores(table, path, nullptr));
        HiScores loaded;
        LoadHiScores(loaded, path);
        QCOMPARE(loaded.lines(), table.lines());
    }

    void freshSaveIsByteExact()
    {
        const QString path = m_dir->filePath("hi.dat");
        QVERIFY(SaveHiScores(HiScores(), path, nullptr));
        QCOMPARE(readBytes(path), QByteArray("100\r\n\"ABC\"\r\n").repeated(100));
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("ranks");  // "rank:score/name" pieces that must hold
        QTest::newRow("bare") << QByteArray("500\r\nBob\r\n-40\r\nAnn\r\n") << "1:500/Bob 2:100/ABC 100:-40/Ann";
        QTest::newRow("quoted") << QByteArray("\"500\"\r\n\"Bob\"\r\n") << "1:500/Bob 2:100/ABC 100:100/ABC";
        QTest::newRow("old single-byte") << QByteArray("500\r\n\"J\xFCrg\"\r\n") << "1:500/Jürg";
        QTest::newRow("unordered, stable") << QByteArray("50\nA\n300\nB\n50\nC\n300\nD\n")
                                           << "1:300/B 2:300/D 3:100/ABC 98:100/ABC 99:50/A 100:50/C";
        QTest::newRow("non-numeric score") << QByteArray("abc\r\nX\r\n-1\r\nY\r\n")
                                           << "1:100/ABC 99:abc/X 100:-1/Y";
        QTest::newRow("score without name") << QByteArray("700\r\n") << "1:700/ABC";
        QTest::newRow("empty") << QByteArray() << "1:100/ABC 100:100/ABC";
        QTest::newRow("binary") << QByteArray("\x00\x80\xFF\x01\n\xC3", 6) << "1:100/ABC 99:100/ABC";
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, ranks);
        const QString path = m_dir->filePath("hi.dat");
        writeBytes(path, bytes);
        HiScores table;
        LoadHiScores(table, path);
        for (const QString &piece : ranks.split(u' ')) {
            const int rank = piece.section(u':', 0, 0).toInt();
            const HiScoreEntry &entry = table.entry(rank);
            QCOMPARE(entry.score + u'/' + entry.name, piece.section(u':', 1));
        }
        for (int rank = 2; rank <= HiScores::kRanks; ++rank)
            QVERIFY(leadingNumberOrZero(table.entry(rank - 1).score) >= leadingNumberOrZero(table.entry(rank).score));
    }

    void missingOrFolder()
    {
        for (const QString &path : {m_dir->filePath("missing.dat"), m_dir->path()}) {
            HiScores table;
            table.setEntries(descending(1000, 10));
            LoadHiScores(table, path);
            QCOMPARE(table.lines(), linesOf(HiScores().entries()));
        }
        QString error;
        QVERIFY(!SaveHiScores(HiScores(), m_dir->path(), &error));
        QVERIFY(!error.isEmpty());
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestHiScores)
#include "test_hiscores.moc"
