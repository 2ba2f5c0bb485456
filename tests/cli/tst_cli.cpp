#include "Version.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class CliTest : public QObject
{
    Q_OBJECT
private slots:
    void dreamLookups_data();
    void dreamLookups();
    void substringOutputMatchesWindowLayout();
    void unreadableDatabase_data();
    void unreadableDatabase();
    void helpAndUsage_data();
    void helpAndUsage();
    void helpListsEveryCommandWithAWorkingExample();
    void missingTableOfTheSearch();
};

void CliTest::dreamLookups_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("outContains");
    QTest::addColumn<QString>("errContains");
    const QString notFound = QStringLiteral("没有找到结果，请输入较准确的内容。\n");
    QTest::newRow("categories") << QStringList{"categories"} << 0 << "动物类\n" << "";
    QTest::newRow("entries") << QStringList{"entries", "动物类"} << 0 << "蛇\n" << "";
    QTest::newRow("entries unknown") << QStringList{"entries", "没有这类"} << 1 << "" << "no entries in category 没有这类";
    // The exact search prints the text alone, without its title line.
    QTest::newRow("exact") << QStringList{"dream", "--exact", "掉牙"} << 0 << "上牙算长辈" << "";
    QTest::newRow("default exact") << QStringList{"dream", " 蛇 "} << 0 << "小龙" << "";
    QTest::newRow("like") << QStringList{"dream", "--like", "蛇"} << 0 << "被蛇咬\n" << "";
    QTest::newRow("not found") << QStringList{"dream", "不会有这种梦的标题"} << 1 << "" << notFound;
    QTest::newRow("quote") << QStringList{"dream", "--like", "x' or '1'='1"} << 1 << "" << notFound;
    QTest::newRow("no text") << QStringList{"dream", "  "} << 2 << "" << "usage: velmora-cli dream";
    QTest::newRow("no command") << QStringList{} << 2 << "" << "usage: velmora-cli COMMAND";
    QTest::newRow("unknown command") << QStringList{"fly"} << 2 << "" << "unknown command fly";
    QTest::newRow("extra argument") << QStringList{"categories", "x"} << 2 << "" << "usage: velmora-cli categories";
    // SQLite's limit on LIKE patterns: bad input, told as such, not as an unreadable database.
    QTest::newRow("keyword too long") << QStringList{"dream", "--like", QString(50000, QLatin1Char('x'))} << 2 << ""
                                      << "the search text is too long";
}

void CliTest::dreamLookups()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, outContains);
    QFETCH(QString, errContains);
    const ProgramRun run = runProgram(programDirPath(QStringLiteral("velmora-cli")), args);
    QCOMPARE(run.status, status);
    if (outContains.isEmpty())
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out.left(400)));
    else
        QVERIFY2(run.out.contains(outContains), qPrintable(run.out.left(400)));
    if (errContains.isEmpty())
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err.left(400)));
    else
        QVERIFY2(run.err.contains(errContains), qPrintable(run.err.left(400)));
    QVERIFY(!run.err.contains(QStringLiteral("cannot read the dream database")));
}

void CliTest::substringOutputMatchesWindowLayout()
{
    const ProgramRun run = runProgram(programDirPath(QStringLiteral("velmora-cli")), {"dream", "--like", "鬼压床"});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("鬼压床"));
    QCOMPARE(lines.value(1), QString());
    QVERIFY(!lines.value(2).isEmpty());
    QVERIFY(run.out.endsWith(QStringLiteral("\n\n")));
}

void CliTest::unreadableDatabase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing" << "the file does not exist";
    QTest::newRow("folder") << "folder" << "the file is not a database";
    QTest::newRow("empty") << "empty" << "the file is not a database";
    QTest::newRow("one byte") << "one byte" << "the file is not a database";
    QTest::newRow("text") << "text" << "the file is not a database";
    QTest::newRow("zeros") << "zeros" << "the file is not a database";
    QTest::newRow("header only") << "header only" << "the file is damaged";
    QTest::newRow("truncated") << "truncated" << "the file is damaged";
    QTest::newRow("no Tclass") << "no Tclass" << "Tclass is missing";
    QTest::newRow("other database") << "other database" << "Tclass is missing";
    QTest::newRow("locked") << "locked" << "the file is locked by another program";
}

void CliTest::unreadableDatabase()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("velmora-cli"));
    QVERIFY(QFile::copy(programDirPath(QStringLiteral("velmora-cli")), program));
    const QString database = dir.filePath(QStringLiteral("dream.dll"));
    const bool locked = kind == QLatin1String("locked");
    QVERIFY(writeDamagedDatabase(locked ? QStringLiteral("no JMTable") : kind, programDirPath(QStringLiteral("dream.dll")),
                                 database));
    std::optional<DatabaseLock> lock;
    if (locked) {
        lock.emplace(database);
        QVERIFY(lock->locked());
    }
    QList<QStringList> commands = {{"categories"}};
    // A whole-file fault fails every command the same way.
    if (!reason.endsWith(QLatin1String("is missing")))
        commands << QStringList{"bone", "1990", "正", "初一", "0"} << QStringList{"dream", "--like", "蛇"};
    for (const QStringList &args : std::as_const(commands)) {
        const ProgramRun run = runProgram(program, args);
        QCOMPARE(run.status, 2);
        // Where a missing file was looked for is the program directory's business; the cause is this test's.
        QVERIFY2(run.err.startsWith(QStringLiteral("velmora-cli: cannot read the dream database "))
                     && run.err.endsWith(QStringLiteral(": ") + reason + QLatin1Char('\n')),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
}

void CliTest::helpAndUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString version = QStringLiteral("velmora-cli %1\n").arg(QLatin1String(velmoraVersion));
    QTest::newRow("version") << QStringList{"--version"} << 0 << version << "";
    QTest::newRow("-V") << QStringList{"-V"} << 0 << version << "";
    QTest::newRow("command help")
        << QStringList{"dream", "--help"} << 0
        << "usage: velmora-cli dream [--exact|--like] TEXT\n"
           "show the dream entries whose title is TEXT (--exact, the default) or contains it (--like)\n"
           "example: velmora-cli dream --like 蛇\n"
        << "";
    QTest::newRow("command -h") << QStringList{"stats", "-h"} << 0
                                << "usage: velmora-cli stats\n"
                                   "count the entries and text characters of each dream category\n"
                                   "example: velmora-cli stats\n"
                                << "";
    QTest::newRow("usage from the table") << QStringList{"categories", "x"} << 2 << ""
                                          << "usage: velmora-cli categories\n";
    QTest::newRow("usage with a note") << QStringList{"lunar"} << 2 << ""
                                       << "usage: velmora-cli lunar FROM [TO]\n  FROM and TO are dates as YYYY-MM-DD\n";
    QTest::newRow("unknown command") << QStringList{"fly"} << 2 << ""
                                     << "velmora-cli: unknown command fly\nTry 'velmora-cli --help' for the commands.\n";
    QTest::newRow("nothing") << QStringList{} << 2 << ""
                             << "usage: velmora-cli COMMAND [ARGUMENTS]\n"
                                "       velmora-cli COMMAND --help\n"
                                "       velmora-cli --help | --version\n"
                                "Try 'velmora-cli --help' for the commands.\n";
}

void CliTest::helpAndUsage()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const ProgramRun run = runProgram(programDirPath(QStringLiteral("velmora-cli")), args);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
}

void CliTest::helpListsEveryCommandWithAWorkingExample()
{
    const QString program = programDirPath(QStringLiteral("velmora-cli"));
    const ProgramRun run = runProgram(program, {"--help"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    const qsizetype first = lines.indexOf(QStringLiteral("commands:")) + 1;
    QVERIFY(first > 0);
    QStringList names;
    for (qsizetype i = first; i + 1 < lines.size() && !lines.at(i).isEmpty(); i += 2) {
        // "  name  summary" and then "        example: velmora-cli ..."
        const QStringList summary = lines.at(i).trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(summary.size() >= 3, qPrintable(lines.at(i)));
        names << summary.first();
        const QString example = lines.at(i + 1).trimmed();
        QVERIFY2(example.startsWith(QStringLiteral("example: velmora-cli ") + names.last()), qPrintable(example));
        const QStringList args = example.mid(QStringLiteral("example: velmora-cli ").size()).split(QLatin1Char(' '));
        const ProgramRun exampleRun = runProgram(program, args);
        QVERIFY2(exampleRun.status == 0 && !exampleRun.out.isEmpty(), qPrintable(example + exampleRun.err));
    }
    for (const char *name : {"categories", "entries", "dream", "stats", "legends", "lunar", "month", "bone", "phone",
                             "pair", "love"})
        QVERIFY2(names.contains(QLatin1String(name)), name);
}

void CliTest::missingTableOfTheSearch()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("velmora-cli"));
    QVERIFY(QFile::copy(programDirPath(QStringLiteral("velmora-cli")), program));
    QVERIFY(writeDamagedDatabase(QStringLiteral("no JMTable"), programDirPath(QStringLiteral("dream.dll")),
                                 dir.filePath(QStringLiteral("dream.dll"))));
    const ProgramRun run = runProgram(program, {"dream", "--like", "蛇"});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(QStringLiteral(": JMTable is missing")), qPrintable(run.err));
    QCOMPARE(runProgram(program, {"categories"}).status, 0);
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
