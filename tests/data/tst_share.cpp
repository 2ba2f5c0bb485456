#include "data/GbkText.h"
#include "data/SaveText.h"
#include "data/uShare.h"
#include "support/RecordingPlatform.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class ShareTest : public QObject
{
    Q_OBJECT
private slots:
    void connectionString();
    void programDirectory_data();
    void programDirectory();
    void writtenFiles_data();
    void writtenFiles();
    void dataSource_data();
    void dataSource();
    void trimming_data();
    void trimming();
    void quoting_data();
    void quoting();
    void hexPairs_data();
    void hexPairs();
    void roundTrip_data();
    void roundTrip();
    void knownDecoding();
    void proposedName_data();
    void proposedName();
    void saveWritesGbkLines();
    void saveCancelledWritesNothing();
    void saveFailureIsSilent();
};

void ShareTest::connectionString()
{
    setAppPath(QStringLiteral("/opt/velmora"));
    QCOMPARE(GetAppPath(), QStringLiteral("/opt/velmora/"));
    QCOMPARE(GetConnStr(), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora/dream.dll;"
                                          "Persist Security Info=True"));
    setAppPath(QString());
    QVERIFY(GetAppPath().endsWith(QLatin1Char('/')));
}

void ShareTest::programDirectory_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("portable") << QStringList{"bin/dream.dll"} << "bin/";
    QTest::newRow("installed") << QStringList{"share/velmora/dream.dll"} << "share/velmora/";
    QTest::newRow("portable wins") << QStringList{"bin/dream.dll", "share/velmora/dream.dll"} << "bin/";
    // A broken portable copy reports its own missing database, not the installed one.
    QTest::newRow("directory named dream.dll") << QStringList{"bin/dream.dll/", "share/velmora/dream.dll"} << "bin/";
    QTest::newRow("neither") << QStringList{} << "share/velmora/";
}

void ShareTest::programDirectory()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    for (const QString &file : files) {
        const QString path = prefix.filePath(file);
        if (file.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(path));
            continue;
        }
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
    }
    QCOMPARE(programDirFor(prefix.filePath(QStringLiteral("bin"))), prefix.filePath(expected));
}

void ShareTest::writtenFiles_data()
{
    QTest::addColumn<bool>("portable");
    QTest::addColumn<bool>("beside");
    QTest::newRow("portable layout") << true << true;
    QTest::newRow("installed layout") << false << false;
}

void ShareTest::writtenFiles()
{
    QFETCH(bool, portable);
    QFETCH(bool, beside);
    QTemporaryDir programDir;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    setAppPath(programDir.path(), portable);
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QVERIFY(userFolder.startsWith(config.path() + QLatin1Char('/')));
    QCOMPARE(writableFilePath(QStringLiteral("teler.dll")),
             (beside ? programDir.path() : userFolder) + QStringLiteral("/teler.dll"));
    setAppPath(QString());
    // This test program has no dream.dll beside it, so it counts as installed.
    QCOMPARE(GetAppPath(), programDirFor(QCoreApplication::applicationDirPath()));
    QCOMPARE(writableFilePath(QStringLiteral("x")), userFolder + QStringLiteral("/x"));
    qunsetenv("XDG_CONFIG_HOME");
}

void ShareTest::dataSource_data()
{
    QTest::addColumn<QString>("connection");
    QTest::addColumn<QString>("path");
    QTest::newRow("full") << QStringLiteral("Provider=X;Data Source=/a/b/dream.dll;Persist Security Info=True")
                          << QStringLiteral("/a/b/dream.dll");
    QTest::newRow("last") << QStringLiteral("Provider=X;Data Source=/a/dream.dll") << QStringLiteral("/a/dream.dll");
    QTest::newRow("none") << QStringLiteral("Provider=X") << QString();
}

void ShareTest::dataSource()
{
    QFETCH(QString, connection);
    QFETCH(QString, path);
    QCOMPARE(dataSourceOf(connection), path);
}

void ShareTest::trimming_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("blanks") << QStringLiteral("  蛇 ") << QStringLiteral("蛇");
    QTest::newRow("controls") << QStringLiteral("\t\r\n\x01蛇\x1f\x20") << QStringLiteral("蛇");
    QTest::newRow("inner kept") << QStringLiteral(" 白 蛇 ") << QStringLiteral("白 蛇");
    QTest::newRow("ideographic space kept") << QStringLiteral("\u3000蛇\u3000") << QStringLiteral("\u3000蛇\u3000");
    QTest::newRow("only blanks") << QStringLiteral(" \t ") << QString();
    QTest::newRow("nul") << QString(QChar(0)) + QStringLiteral("a") << QStringLiteral("a");
}

void ShareTest::trimming()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(trimText(text), trimmed);
}

void ShareTest::quoting_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("literal");
    QTest::newRow("plain") << QStringLiteral("蛇") << QStringLiteral("'蛇'");
    QTest::newRow("empty") << QString() << QStringLiteral("''");
    QTest::newRow("one quote") << QStringLiteral("a'b") << QStringLiteral("'a''b'");
    QTest::newRow("injection") << QStringLiteral("x' or '1'='1") << QStringLiteral("'x'' or ''1''=''1'");
    QTest::newRow("only quotes") << QStringLiteral("''") << QStringLiteral("''''''");
}

void ShareTest::quoting()
{
    QFETCH(QString, value);
    QFETCH(QString, literal);
    QCOMPARE(quoted(value), literal);
}

void ShareTest::hexPairs_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("beeps");
    QTest::newRow("upper") << QStringLiteral("C3CE") << QByteArray("\xC3\xCE") << 0;
    QTest::newRow("lower") << QStringLiteral("c3ce") << QByteArray("\xC3\xCE") << 0;
    QTest::newRow("odd length drops last") << QStringLiteral("41424") << QByteArray("AB") << 0;
    QTest::newRow("bad pair skipped") << QStringLiteral("41ZZ42") << QByteArray("AB") << 1;
    QTest::newRow("half bad pair") << QStringLiteral("4G41") << QByteArray("A") << 1;
    QTest::newRow("all bad") << QStringLiteral("xxyy") << QByteArray() << 2;
    QTest::newRow("empty") << QString() << QByteArray() << 0;
    QTest::newRow("single char") << QStringLiteral("4") << QByteArray() << 0;
}

void ShareTest::hexPairs()
{
    QFETCH(QString, hex);
    QFETCH(QByteArray, bytes);
    QFETCH(int, beeps);
    RecordingPlatform platform;
    QCOMPARE(HexToStr(hex), bytes);
    QCOMPARE(platform.beeps, beeps);
}

void ShareTest::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("chinese") << QStringLiteral("梦见蛇，主得财。");
    QTest::newRow("one byte") << QStringLiteral("A");
    QTest::newRow("two lines") << QStringLiteral("第一行\r\n第二行");
    QTest::newRow("long") << QString(QStringLiteral("周公解梦")).repeated(500);
}

void ShareTest::roundTrip()
{
    QFETCH(QString, text);
    const QString encoded = EncodeContent(text, contentKey, contentRounds);
    QCOMPARE(encoded.size(), toGbk(text).size() * 2);
    QCOMPARE(DecodeContent(encoded, contentKey, contentRounds), text);
    QCOMPARE(DecodeContent(encoded.toLower(), contentKey, contentRounds), text);
}

void ShareTest::knownDecoding()
{
    // Worked by hand: key 0x1234, one round, bytes 01 02.
    // forward: b2 = (01 + 02) ^ 12 = 11; backward: b1 = (11 + 01) ^ 34 = 26.
    QCOMPARE(decodeContentBytes(QByteArray("\x01\x02"), 0x1234, 1), QByteArray("\x26\x11"));
    QCOMPARE(encodeContentBytes(QByteArray("\x26\x11"), 0x1234, 1), QByteArray("\x01\x02"));
    QCOMPARE(decodeContentBytes(QByteArray("\x7F"), contentKey, contentRounds), QByteArray("\x7F"));
    RecordingPlatform platform;
    QCOMPARE(DecodeContent(QString(), contentKey, contentRounds), QString());
    QCOMPARE(DecodeContent(QStringLiteral("Z"), contentKey, contentRounds), QString());
    QCOMPARE(platform.beeps, 0);
}

void ShareTest::proposedName_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("title") << QString() << QStringLiteral(" 蛇 ") << QStringLiteral("蛇");
    QTest::newRow("no title keeps previous") << QStringLiteral("旧名") << QString() << QStringLiteral("旧名");
    QTest::newRow("nothing") << QString() << QString() << QString();
    QTest::newRow("slash") << QString() << QStringLiteral("a/b") << QStringLiteral("*.txt");
    QTest::newRow("question") << QString() << QStringLiteral("谁?") << QStringLiteral("*.txt");
    QTest::newRow("pipe") << QString() << QStringLiteral("a|b") << QStringLiteral("*.txt");
    QTest::newRow("colon kept") << QString() << QStringLiteral("a:b") << QStringLiteral("a:b");
    QTest::newRow("quote kept") << QString() << QStringLiteral("a\"b") << QStringLiteral("a\"b");
    // The dialog remembers a full path, which holds separators.
    QTest::newRow("previous path") << QStringLiteral("/tmp/x") << QString() << QStringLiteral("*.txt");
}

void ShareTest::proposedName()
{
    QFETCH(QString, previous);
    QFETCH(QString, title);
    QFETCH(QString, proposed);
    QCOMPARE(TextSaver::proposedName(previous, title), proposed);
}

void ShareTest::saveWritesGbkLines()
{
    QTemporaryDir dir;
    RecordingPlatform platform;
    platform.saveAnswers << dir.filePath(QStringLiteral("梦.txt"));
    TextSaver saver;
    QVERIFY(saver.save(QStringLiteral("蛇"), {QStringLiteral("第一行"), QString(), QStringLiteral("末行")}));
    QCOMPARE(platform.saveRequests.size(), 1);
    QCOMPARE(platform.saveRequests[0].caption, QStringLiteral("保存"));
    QCOMPARE(platform.saveRequests[0].proposedName, QStringLiteral("蛇"));
    QCOMPARE(platform.saveRequests[0].filter, QStringLiteral("文本文件|*.txt"));
    QFile file(dir.filePath(QStringLiteral("梦.txt.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), toGbk(QStringLiteral("第一行\r\n\r\n末行\r\n")));

    // Without a title the remembered path is proposed, and its separators turn it into "*.txt".
    platform.saveAnswers << dir.filePath(QStringLiteral("empty"));
    QVERIFY(saver.save(QString(), {}));
    QCOMPARE(platform.saveRequests[1].proposedName, QStringLiteral("*.txt"));
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("empty.txt"))).size(), 0);
}

void ShareTest::saveCancelledWritesNothing()
{
    RecordingPlatform platform;
    TextSaver saver;
    QVERIFY(!saver.save(QStringLiteral("蛇"), {QStringLiteral("x")}));
    QCOMPARE(platform.saveRequests.size(), 1);
    QVERIFY(platform.messages.isEmpty());
}

void ShareTest::saveFailureIsSilent()
{
    RecordingPlatform platform;
    platform.saveAnswers << QStringLiteral("/nonexistent-folder/x");
    TextSaver saver;
    QVERIFY(!saver.save(QStringLiteral("蛇"), {QStringLiteral("x")}));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_GUILESS_MAIN(ShareTest)
#include "tst_share.moc"
