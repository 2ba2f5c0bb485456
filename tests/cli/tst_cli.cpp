#include "Version.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
};

void CliTest::dreamLookups_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("outContains");
    QTest::newRow("categories") << QStringList{"categories"} << 0 << "动物类\n";
    QTest::newRow("entries") << QStringList{"entries", "动物类"} << 0 << "蛇\n";
    QTest::newRow("entries unknown") << QStringList{"entries", "没有这类"} << 1 << "";
    QTest::newRow("exact") << QStringList{"dream", "--exact", "掉牙"} << 0 << "";
    QTest::newRow("default exact") << QStringList{"dream", " 蛇 "} << 0 << "";
    QTest::newRow("like") << QStringList{"dream", "--like", "蛇"} << 0 << "被蛇咬\n";
    QTest::newRow("not found") << QStringList{"dream", "不会有这种梦的标题"} << 1 << "";
    QTest::newRow("quote") << QStringList{"dream", "--like", "x' or '1'='1"} << 1 << "";
    QTest::newRow("no text") << QStringList{"dream", "  "} << 2 << "";
    QTest::newRow("no command") << QStringList{} << 2 << "";
    QTest::newRow("unknown command") << QStringList{"fly"} << 2 << "";
    QTest::newRow("extra argument") << QStringList{"categories", "x"} << 2 << "";
}

void CliTest::dreamLookups()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, outContains);
    const ProgramRun run = runProgram(programDirPath(QStringLiteral("velmora-cli")), args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.out.contains(outContains), qPrintable(run.out.left(400)));
    if (status != 0)
        QVERIFY(!run.err.isEmpty());
    else
        QVERIFY(!run.out.isEmpty());
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
    QTest::newRow("missing") << "missing";
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("directory") << "directory";
}

void CliTest::unreadableDatabase()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("velmora-cli"));
    QVERIFY(QFile::copy(programDirPath(QStringLiteral("velmora-cli")), program));
    const QString database = dir.filePath(QStringLiteral("dream.dll"));
    if (kind == QLatin1String("garbage")) {
        QFile file(database);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database");
    } else if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(database));
    }
    for (const QStringList &args : {QStringList{"categories"}, QStringList{"dream", "--like", "蛇"}}) {
        const ProgramRun run = runProgram(program, args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("cannot read the dream database")));
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

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
