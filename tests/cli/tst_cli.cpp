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
    const ProgramRun run = runProgram(programDirPath(QStringLiteral("velmora-cli")), {"dream", "--like", "掉牙"});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("掉牙"));
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

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
