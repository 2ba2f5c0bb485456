#include "support/Fixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// velmora-cli search over the shipped dream.dll.
class CliSearchTest : public QObject
{
    Q_OBJECT
private slots:
    void fittingEntryInTopFive_data();
    void fittingEntryInTopFive();
    void exitStatus_data();
    void exitStatus();
    void jsonOutput();
    void badInput_data();
    void badInput();
    void invalidUtf8Argument();
    void unreadableDatabase();
};

namespace {

QString cli()
{
    return programDirPath(QStringLiteral("velmora-cli"));
}

QStringList titlesOf(const QString &out)
{
    QStringList titles;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        titles << line.section(QLatin1Char('\t'), 0, 0);
    return titles;
}

QByteArray shippedDigest()
{
    QFile file(programDirPath(QStringLiteral("dream.dll")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

void CliSearchTest::fittingEntryInTopFive_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("title");
    QTest::newRow("dream phrase") << "梦见白蛇" << "白蛇";
    QTest::newRow("kinship word") << "老爹" << "父亲";
    QTest::newRow("said differently") << "牙掉了" << "掉牙";
    QTest::newRow("pinyin") << "baishe" << "白蛇";
    QTest::newRow("initials") << "bs" << "白蛇";
    QTest::newRow("traditional") << "夢見白蛇" << "白蛇";
    QTest::newRow("description") << "前天夜里梦到一条白蛇缠住我的腿" << "白蛇";
}

void CliSearchTest::fittingEntryInTopFive()
{
    QFETCH(QString, query);
    QFETCH(QString, title);
    const ProgramRun run = runProgram(cli(), {"search", "--limit", "5", query});
    QCOMPARE(run.status, 0);
    const QStringList titles = titlesOf(run.out);
    QVERIFY(titles.size() <= 5);
    QVERIFY2(titles.contains(title), qPrintable(run.out));
    // title, tab, category, tab, why it matched
    QCOMPARE(run.out.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char('\t')).size(), 3);
}

void CliSearchTest::exitStatus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::newRow("found") << QStringList{"search", "蛇"} << 0;
    QTest::newRow("words of one dream") << QStringList{"search", "梦见", "白蛇"} << 0;
    QTest::newRow("nothing found") << QStringList{"search", "qqqqzzzz"} << 1;
    QTest::newRow("only punctuation") << QStringList{"search", "？！"} << 1;
    QTest::newRow("no text") << QStringList{"search"} << 2;
    QTest::newRow("blank text") << QStringList{"search", "  "} << 2;
    QTest::newRow("limit without number") << QStringList{"search", "--limit"} << 2;
    QTest::newRow("limit zero") << QStringList{"search", "--limit", "0", "蛇"} << 2;
    QTest::newRow("limit not a number") << QStringList{"search", "--limit", "many", "蛇"} << 2;
    QTest::newRow("unknown option") << QStringList{"search", "--fast", "蛇"} << 2;
}

void CliSearchTest::exitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    const ProgramRun run = runProgram(cli(), args);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out.isEmpty(), status != 0);
    QCOMPARE(run.err.isEmpty(), status == 0);
}

void CliSearchTest::jsonOutput()
{
    const ProgramRun run = runProgram(cli(), {"search", "--json", "--limit", "3", "梦见白蛇缠住我的腿"});
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(document.isArray());
    const QJsonArray hits = document.array();
    QVERIFY(!hits.isEmpty() && hits.size() <= 3);
    for (const QJsonValue &value : hits) {
        const QJsonObject hit = value.toObject();
        QVERIFY(!hit.value(QStringLiteral("title")).toString().isEmpty());
        QVERIFY(!hit.value(QStringLiteral("category")).toString().isEmpty());
        QVERIFY(!hit.value(QStringLiteral("match")).toString().isEmpty());
        const QString snippet = hit.value(QStringLiteral("snippet")).toString();
        QVERIFY(!snippet.isEmpty());
        for (const QJsonValue &span : hit.value(QStringLiteral("spans")).toArray()) {
            const int start = span.toArray().at(0).toInt();
            const int length = span.toArray().at(1).toInt();
            QVERIFY(start >= 0 && length > 0 && start + length <= snippet.size());
        }
    }
    QVERIFY(!hits.at(0).toObject().value(QStringLiteral("spans")).toArray().isEmpty());

    const ProgramRun none = runProgram(cli(), {"search", "--json", "qqqqzzzz"});
    QCOMPARE(none.status, 1);
    QCOMPARE(QJsonDocument::fromJson(none.out.toUtf8()).array().size(), 0);
}

void CliSearchTest::badInput_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("100,000 characters") << QStringLiteral("梦见白蛇缠住我的腿").repeated(11112).left(100000);
    QTest::newRow("control characters") << QString::fromUtf16(u"\u0007\u001b[31m蛇\u0008");
    QTest::newRow("only the dream phrase") << "梦见";
    QTest::newRow("sql") << "x' or '1'='1'; drop table JMTable; --";
    QTest::newRow("like wildcards") << "%_%";
    QTest::newRow("emoji") << "梦见🐍";
    QTest::newRow("outside GBK") << QString::fromUtf16(u"\U00020000蛇");
}

void CliSearchTest::badInput()
{
    QFETCH(QString, query);
    const QByteArray before = shippedDigest();
    // One argument holds at most 128 KiB: a long dream comes in words.
    QStringList args{"search", "--json"};
    for (qsizetype at = 0; at < query.size(); at += 10000)
        args << query.mid(at, 10000);
    const ProgramRun run = runProgram(cli(), args);
    QVERIFY2(run.status == 0 || run.status == 1, qPrintable(run.err.left(300)));
    QVERIFY(QJsonDocument::fromJson(run.out.toUtf8()).isArray());
    QCOMPARE(shippedDigest(), before);
}

void CliSearchTest::invalidUtf8Argument()
{
    // Bytes that are no UTF-8 at all reach the program as they are.
    const ProgramRun run = runProgram(QStringLiteral("/bin/sh"),
                                      {"-c", "exec \"$0\" search \"$(printf '\\377\\376\\345')\"", cli()});
    QVERIFY2(run.status == 0 || run.status == 1, qPrintable(run.err));
}

void CliSearchTest::unreadableDatabase()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("velmora-cli"));
    QVERIFY(QFile::copy(cli(), program));
    const ProgramRun run = runProgram(program, {"search", "蛇"});
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.contains(QStringLiteral("dream.dll")));
}

QTEST_GUILESS_MAIN(CliSearchTest)
#include "tst_clisearch.moc"
