#include "records/value_file.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>

class TestValueFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("values");
        const QString nul(QChar(0));
        QTest::newRow("bare and quoted") << QByteArray("12\r\n\"Bob\"\r\n") << 5 << QStringList{"12", "Bob"};
        QTest::newRow("LF alone") << QByteArray("12\n\"Bob\"\n") << 5 << QStringList{"12", "Bob"};
        QTest::newRow("leading blanks") << QByteArray(" \t 12\r\n  \" Bob\"\r\n") << 5 << QStringList{"12", " Bob"};
        QTest::newRow("doubled quote") << QByteArray("\"say \"\"hi\"\"\"\r\n") << 5 << QStringList{"say \"hi\""};
        QTest::newRow("after closing quote") << QByteArray("\"Bob\" , 7\r\n") << 5 << QStringList{"Bob"};
        QTest::newRow("commas stay") << QByteArray("a,b\r\n\"c,d\"\r\n") << 5 << QStringList{"a,b", "c,d"};
        QTest::newRow("unclosed quote") << QByteArray("\"Bob\r\n5\r\n") << 5 << QStringList{"Bob", "5"};
        QTest::newRow("empty lines") << QByteArray("\r\n\"\"\r\n7\r\n") << 5 << QStringList{"", "", "7"};
        QTest::newRow("no final line end") << QByteArray("1\r\n2") << 5 << QStringList{"1", "2"};
        QTest::newRow("past the count") << QByteArray("1\r\n2\r\n3\r\n") << 2 << QStringList{"1", "2"};
        QTest::newRow("empty file") << QByteArray() << 5 << QStringList{};
        QTest::newRow("UTF-8") << QByteArray("\"\xC3\x9Cn\xC3\xAF\xC3\xA7\"\r\n\xE6\x97\xA5\r\n") << 5
                               << QStringList{"Ünïç", "日"};
        QTest::newRow("Windows-1252") << QByteArray("\"J\xFCrg \x80\x9F\"\r\n\x81\r\n") << 5
                                      << QStringList{"Jürg €Ÿ", QString(QChar(0x81))};
        QTest::newRow("encoding per value") << QByteArray("\xC3\xA9\r\n\xE9\r\n") << 5 << QStringList{"é", "é"};
        QTest::newRow("binary") << QByteArray("\x00\xFF\r\x01\n\x80", 6) << 5
                                << QStringList{nul + "ÿ", QChar(1), "€"};
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" "12\r\n\"Bob\"\r\n") << 5 << QStringList{"12", "Bob"};
        QTest::newRow("CR alone") << QByteArray("12\r\"Bob\"\r\r7") << 5 << QStringList{"12", "Bob", "", "7"};
        QTest::newRow("CR inside quotes") << QByteArray("\"a\rb\"\r7\r\n") << 5 << QStringList{"a\rb", "7"};
    }
    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        const QString path = m_dir->filePath("v.dat");
        writeBytes(path, bytes);
        QTEST(readValues(path, count), "values");
    }

    void writes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("quoted");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("number bare") << "-40" << false << QByteArray("-40\r\n");
        QTest::newRow("text quoted") << "Bob" << true << QByteArray("\"Bob\"\r\n");
        QTest::newRow("quote doubled") << "a\"b" << true << QByteArray("\"a\"\"b\"\r\n");
        QTest::newRow("Latin in 1252") << "Ünïç€" << true << QByteArray("\"\xDCn\xEF\xE7\x80\"\r\n");
        QTest::newRow("non-Latin in UTF-8") << "日本" << true << QByteArray("\"\xE6\x97\xA5\xE6\x9C\xAC\"\r\n");
        QTest::newRow("mixed in UTF-8") << "Ü日" << true << QByteArray("\"\xC3\x9C\xE6\x97\xA5\"\r\n");
        QTest::newRow("1252 that looks like UTF-8") << "Ã©" << true << QByteArray("\"\xC3\x83\xC2\xA9\"\r\n");
        QTest::newRow("line feed") << "a\nb" << true << QByteArray("\"a b\"\r\n");
    }
    void writes()
    {
        QFETCH(QString, text);
        QFETCH(bool, quoted);
        const QString path = m_dir->filePath("v.dat");
        QVERIFY(writeValues(path, {{text, quoted}}, nullptr));
        QTEST(readBytes(path), "bytes");
    }

    void roundTrip()
    {
        const QStringList texts{"", " lead", "trail ", ",", "a,b", "\"", "\"\"x\"", "007", "Ünïç", "日本", "Ã©",
                                "€‚ƒ", QString(QChar(0x81)), "🂡", "tab\tin", "cr\rin", "end\r", QString(QChar(0xFEFF)) + "x"};
        QList<FileValue> values{FileValue::number(-9'000'000'000'000'000'000), FileValue::number(7)};
        for (const QString &text : texts)
            values.append({text, true});
        const QString path = m_dir->filePath("v.dat");
        QVERIFY(writeValues(path, values, nullptr));
        QVERIFY(writeValues(path, values, nullptr));  // replacing an existing file
        QCOMPARE(readValues(path, 1000), QStringList({"-9000000000000000000", "7"}) + texts);
    }

    void cutsLongLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("keptUnits");
        QTest::newRow("ASCII") << QByteArray("x") << "x" << kMaxValueLength;
        QTest::newRow("three-byte UTF-8") << QByteArray("\xE6\x97\xA5") << "日" << kMaxValueLength;
        QTest::newRow("surrogate pairs") << QByteArray("\xF0\x9F\x82\xA1") << "🂡" << kMaxValueLength - 1;
        QTest::newRow("1252") << QByteArray("\xE9") << "é" << kMaxValueLength;
    }
    void cutsLongLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, unit);
        QFETCH(int, keptUnits);
        const QString path = m_dir->filePath("v.dat");
        writeBytes(path, "\"" + bytes.repeated(2'000'000 / bytes.size()) + "\"\r\n7\r\n");
        const QStringList values = readValues(path, 5);
        QCOMPARE(values.size(), 2);
        QCOMPARE(values[0], unit.repeated(keptUnits / unit.size()));
        QCOMPARE(values[1], "7");
    }

    void unreadableReadsNothing()
    {
        QCOMPARE(readValues(m_dir->filePath("missing.dat"), 5), QStringList());
        QCOMPARE(readValues(m_dir->path(), 5), QStringList());
    }

    void failedSaveKeepsFolder()
    {
        const QString folder = m_dir->filePath("v.dat");
        QVERIFY(QDir().mkpath(folder + "/inside"));
        QString error;
        QVERIFY(!writeValues(folder, {{"x", true}}, &error));
        QVERIFY2(error.contains("v.dat"), qPrintable(error));
        QVERIFY(QDir(folder + "/inside").exists());
        QVERIFY(!writeValues(m_dir->filePath("no/such/folder/v.dat"), {{"x", true}}, &error));
        QVERIFY(!error.isEmpty());
    }

    // A full disk during saving: the file size limit makes the write fail even for root.
    void fullDiskKeepsOldFile()
    {
        const QString path = m_dir->filePath("v.dat");
        writeBytes(path, "\"old\"\r\n");
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved;
        tight.rlim_cur = 64;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &tight) == 0);
        QString error;
        const bool written = writeValues(path, {{QString(1000, u'n'), true}}, &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), QByteArray("\"old\"\r\n"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"v.dat"});
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestValueFile)
#include "test_value_file.moc"
