#include "records/settings.h"
#include "records/settings_file.h"
#include "support/file_bytes.h"
#include "records/statistics.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// Totals in the compact form "1 2 3 4 5 6 7 8 9".
QString totalsOf(const Statistics &statistics)
{
    QStringList totals;
    for (int category = 0; category < kCategories; ++category)
        totals.append(QString::number(statistics.total(category)));
    return totals.join(u' ');
}

QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }

    void freshSaveIsByteExact()
    {
        const QString path = m_dir->filePath("cfg.dat");
        QVERIFY(SaveSettings(Settings(), Statistics(), path, nullptr));
        QCOMPARE(readBytes(path), QByteArray("0\r\n").repeated(10) + "100\r\n\"" + Settings::kBuiltInName.toUtf8() + "\"\r\n");
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<qint64>("startSum");
        QTest::newRow("commas") << "a, b,c" << true << qint64(150);
        QTest::newRow("quotes") << "\"Al\" \"\"" << false << qint64(-5);
        QTest::newRow("blanks") << "  lead and trail  " << true << qint64(0);
        QTest::newRow("007") << "007" << false << qint64(7);
        QTest::newRow("empty") << "" << true << kStartSumLimit;
        QTest::newRow("long") << "Maximiliane von Habsburg" << false << qint64(100);
        QTest::newRow("accented") << "Ünïç" << true << qint64(100);
        QTest::newRow("non-Latin") << "日本" << false << qint64(100);
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(bool, slow);
        QFETCH(qint64, startSum);
        Settings settings;
        Statistics statistics;
        settings.setDefaultName(name);
        settings.setSlow(slow);
        settings.setStartSum(startSum);
        for (int category = 0; category < kCategories; ++category)
            statistics.setTotal(category, qint64(category) * 1'000'000'007);
        const QString path = m_dir->filePath("cfg.dat");
        QVERIFY(SaveSettings(settings, statistics, path, nullptr));

        Settings loaded;
        Statistics loadedStatistics;
        LoadSettings(loaded, loadedStatistics, path);
        QCOMPARE(loaded.defaultName(), name);
        QCOMPARE(loaded.slow(), slow);
        QCOMPARE(loaded.startSum(), startSum);
        QCOMPARE(totalsOf(loadedStatistics), totalsOf(statistics));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("totals");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<qint64>("startSum");
        QTest::addColumn<QString>("name");
        const QString eva = Settings::kBuiltInName;
        const QString zeros = "0 0 0 0 0 0 0 0 0";
        const QList<QByteArray> nine{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        const auto file = [&](const QByteArray &speed, const QByteArray &startSum, const QByteArray &name) {
            return crlfLines(nine + QList<QByteArray>{speed, startSum, name});
        };
        QTest::newRow("bare") << file("1", "250", "Bob") << "1 2 3 4 5 6 7 8 9" << true << qint64(250) << "Bob";
        QTest::newRow("quoted") << crlfLines({"\"1\"", "\"2\"", "\"3\"", "\"4\"", "\"5\"", "\"6\"", "\"7\"", "\"8\"",
                                              "\"9\"", "\"0\"", "\"250\"", "\"Bob\""})
                                << "1 2 3 4 5 6 7 8 9" << false << qint64(250) << "Bob";
        QTest::newRow("old single-byte name") << file("0", "100", "\"J\xFCrg\"") << "1 2 3 4 5 6 7 8 9" << false
                                              << qint64(100) << "Jürg";
        QTest::newRow("LF only, blanks") << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n  1\n\t30\n  \" x\"\n")
                                         << "1 2 3 4 5 6 7 8 9" << true << qint64(30) << " x";
        QTest::newRow("speed 2") << file("2", "100", "a") << "1 2 3 4 5 6 7 8 9" << false << qint64(100) << "a";
        QTest::newRow("speed -1") << file("-1", "100", "a") << "1 2 3 4 5 6 7 8 9" << false << qint64(100) << "a";
        QTest::newRow("speed 1.0") << file("1.0", "100", "a") << "1 2 3 4 5 6 7 8 9" << true << qint64(100) << "a";
        QTest::newRow("speed 1x") << file("1x", "100", "a") << "1 2 3 4 5 6 7 8 9" << false << qint64(100) << "a";
        QTest::newRow("start sum text") << file("0", "abc", "a") << "1 2 3 4 5 6 7 8 9" << false << qint64(100) << "a";
        QTest::newRow("start sum 5x") << file("0", "5x", "a") << "1 2 3 4 5 6 7 8 9" << false << qint64(5) << "a";
        QTest::newRow("start sum huge") << file("0", "99999999999999999999", "a") << "1 2 3 4 5 6 7 8 9" << false
                                        << kStartSumLimit << "a";
        QTest::newRow("start sum very low") << file("0", "-2000000000000000", "a") << "1 2 3 4 5 6 7 8 9" << false
                                            << -kStartSumLimit << "a";
        QTest::newRow("bad totals") << crlfLines({"abc", "-5", "12abc", "", "\"7\"", "99999999999999999999"})
                                    << "0 0 12 0 7 9223372036854775807 0 0 0" << false << qint64(100) << eva;
        QTest::newRow("short") << crlfLines({"5", "7"}) << "5 7 0 0 0 0 0 0 0" << false << qint64(100) << eva;
        QTest::newRow("empty") << QByteArray() << zeros << false << qint64(100) << eva;
        QTest::newRow("binary") << QByteArray("\x00\xFF\xFE\x01\x80\x7F\r\r\n\x00", 10) << zeros << false
                                << qint64(100) << eva;
    }
    void reads()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir->filePath("cfg.dat");
        writeBytes(path, bytes);
        Settings settings;
        Statistics statistics;
        LoadSettings(settings, statistics, path);
        QTEST(totalsOf(statistics), "totals");
        QTEST(settings.slow(), "slow");
        QTEST(settings.startSum(), "startSum");
        QTEST(settings.defaultName(), "name");
    }

    void missingOrFolderKeepsBuiltIns()
    {
        for (const QString &path : {m_dir->filePath("missing.dat"), m_dir->path()}) {
            Settings settings;
            Statistics statistics;
            LoadSettings(settings, statistics, path);
            QCOMPARE(settings.startSum(), Settings::kBuiltInStartSum);
            QCOMPARE(settings.defaultName(), Settings::kBuiltInName);
            QCOMPARE(totalsOf(statistics), "0 0 0 0 0 0 0 0 0");
        }
        QString error;
        QVERIFY(!SaveSettings(Settings(), Statistics(), m_dir->path(), &error));
        QVERIFY(!error.isEmpty());
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
