#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class CalendarCliTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void lunarLines_data();
    void lunarLines();
    void lunarWholeRange();
    void refused_data();
    void refused();
    void monthGrid();
    void dayCard();
    void dayJson();
    void holidaysOfAYear();
    void holidaysImported();
    void importRefusedChangesNothing();
    void icsToAFile();
    void icsToStandardOutput();
    void icsUnwritablePath_data();
    void icsUnwritablePath();
    void icsHelpStatesTheRules();

private:
    // The user's data folder of every run, never the real home folder.
    QTemporaryDir m_dataHome;
    QString userFile() const { return m_dataHome.filePath(QStringLiteral("Velmora/holidays.tsv")); }
};

namespace {

ProgramRun cli(const QStringList &args)
{
    return runProgram(QStringLiteral(VELMORA_CLI), args);
}

} // namespace

void CalendarCliTest::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome.path()));
}

void CalendarCliTest::lunarLines_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("eve and new year 2002")
        << QStringList{"2002-02-11", "2002-02-12"}
        << QStringList{"2002-02-11\t1230\t腊月\t三十\t除夕\t\t\t巳蛇\t水瓶座",
                       "2002-02-12\t101\t正月\t初一\t春节\t\t\t午马\t水瓶座"};
    QTest::newRow("one day with term and festival")
        << QStringList{"2002-02-14"} << QStringList{"2002-02-14\t103\t正月\t初三\t\t\t情人节\t午马\t水瓶座"};
    QTest::newRow("solar term") << QStringList{"2002-02-04"}
                                << QStringList{"2002-02-04\t1223\t腊月\t廿三\t\t立春\t\t巳蛇\t水瓶座"};
    QTest::newRow("leap month") << QStringList{"2033-12-22"}
                                << QStringList{"2033-12-22\t-1101\t闰冬\t初一\t\t\t\t丑牛\t摩羯座"};
    QTest::newRow("last day") << QStringList{"2050-12-31", "2050-12-31"}
                              << QStringList{"2050-12-31\t1118\t冬月\t十八\t\t\t\t午马\t摩羯座"};
}

void CalendarCliTest::lunarLines()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    const ProgramRun result = runProgram(QStringLiteral(VELMORA_CLI), QStringList{"lunar"} + args);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void CalendarCliTest::lunarWholeRange()
{
    const ProgramRun result = runProgram(QStringLiteral(VELMORA_CLI), {"lunar", "1901-01-01", "2050-12-31"});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 54787);
    QVERIFY(lines.first().startsWith(QStringLiteral("1901-01-01\t1111\t冬月\t十一\t")));
    QVERIFY(lines.last().startsWith(QStringLiteral("2050-12-31\t1118\t")));
    for (const QString &line : lines)
        QCOMPARE(line.count(QLatin1Char('\t')), 8);
}

void CalendarCliTest::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no dates") << QStringList{"lunar"} << "usage";
    QTest::newRow("three dates") << QStringList{"lunar", "2002-01-01", "2002-01-02", "2002-01-03"} << "usage";
    QTest::newRow("not a date") << QStringList{"lunar", "2002-02-30"} << "2002-02-30";
    QTest::newRow("other format") << QStringList{"lunar", "2002/02/03"} << "YYYY-MM-DD";
    QTest::newRow("short month") << QStringList{"lunar", "2002-2-03"} << "YYYY-MM-DD";
    QTest::newRow("trailing line break") << QStringList{"lunar", "2002-02-03\n"} << "YYYY-MM-DD";
    QTest::newRow("second date with a line break") << QStringList{"lunar", "2002-02-03", "2002-02-04\n"}
                                                   << "YYYY-MM-DD";
    QTest::newRow("leading line break") << QStringList{"lunar", "\n2002-02-03"} << "YYYY-MM-DD";
    QTest::newRow("bad second date") << QStringList{"lunar", "2002-02-03", "tomorrow"} << "tomorrow";
    QTest::newRow("from after to") << QStringList{"lunar", "2002-02-03", "2002-02-02"} << "after";
    QTest::newRow("before range") << QStringList{"lunar", "1900-12-31", "1901-01-02"} << "1901-01-01";
    QTest::newRow("after range") << QStringList{"lunar", "2051-01-01"} << "2050-12-31";
    QTest::newRow("month without month") << QStringList{"month", "2002"} << "usage";
    QTest::newRow("month not a number") << QStringList{"month", "2002", "二"} << "usage";
    QTest::newRow("month 13") << QStringList{"month", "2002", "13"} << "1 to 12";
    QTest::newRow("year outside") << QStringList{"month", "1900", "12"} << "1901-01-01";
    QTest::newRow("day without date") << QStringList{"day"} << "usage";
    QTest::newRow("day two dates") << QStringList{"day", "2025-01-01", "2025-01-02"} << "usage";
    QTest::newRow("day unknown option") << QStringList{"day", "2025-01-01", "--xml"} << "usage";
    QTest::newRow("day impossible") << QStringList{"day", "2025-02-29"} << "2025-02-29";
    QTest::newRow("day outside") << QStringList{"day", "2051-01-01"} << "2050-12-31";
    QTest::newRow("holidays without year") << QStringList{"holidays"} << "usage";
    QTest::newRow("holidays not a year") << QStringList{"holidays", "今年"} << "not a year";
    QTest::newRow("holidays outside") << QStringList{"holidays", "1900"} << "1901-01-01";
    QTest::newRow("import without file") << QStringList{"holidays", "import"} << "usage";
    QTest::newRow("import missing file") << QStringList{"holidays", "import", "/nonexistent/h.tsv"}
                                         << "/nonexistent/h.tsv: cannot be read";
    QTest::newRow("ics nothing") << QStringList{"ics"} << "usage";
    QTest::newRow("ics without years") << QStringList{"ics", "--solar-terms"} << "usage";
    QTest::newRow("ics both kinds") << QStringList{"ics", "--solar-terms", "--lunar", "08-15", "--from", "2025",
                                                   "--to", "2025"} << "usage";
    QTest::newRow("ics lunar month 13") << QStringList{"ics", "--lunar", "13-01", "--name", "x", "--from", "2025",
                                                       "--to", "2025"} << "13-01";
    QTest::newRow("ics lunar day 31") << QStringList{"ics", "--lunar", "08-31", "--name", "x", "--from", "2025",
                                                     "--to", "2025"} << "day 01 to 30";
    QTest::newRow("ics lunar form") << QStringList{"ics", "--lunar", "0815", "--name", "x", "--from", "2025",
                                                   "--to", "2025"} << "MM-DD";
    QTest::newRow("ics without name") << QStringList{"ics", "--lunar", "08-15", "--from", "2025", "--to", "2025"}
                                      << "--name";
    QTest::newRow("ics blank name") << QStringList{"ics", "--lunar", "08-15", "--name", " ", "--from", "2025",
                                                   "--to", "2025"} << "--name";
    QTest::newRow("ics from after to") << QStringList{"ics", "--solar-terms", "--from", "2030", "--to", "2020"}
                                       << "--from 2030 lies after --to 2020";
    QTest::newRow("ics year outside") << QStringList{"ics", "--solar-terms", "--from", "1900", "--to", "2020"}
                                      << "1901-01-01";
    QTest::newRow("ics name with terms") << QStringList{"ics", "--solar-terms", "--name", "x", "--from", "2020",
                                                        "--to", "2020"} << "go with --lunar";
    QTest::newRow("ics unknown option") << QStringList{"ics", "--solar-terms", "--from", "2020", "--to", "2020",
                                                       "--output", "x"} << "unknown option --output";
    QTest::newRow("ics option without value") << QStringList{"ics", "--solar-terms", "--from", "2020", "--to"}
                                              << "--to needs a value";
    QTest::newRow("ics option twice") << QStringList{"ics", "--solar-terms", "--from", "2020", "--from", "2021",
                                                     "--to", "2021"} << "twice";
}

void CalendarCliTest::refused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const ProgramRun result = runProgram(QStringLiteral(VELMORA_CLI), args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void CalendarCliTest::monthGrid()
{
    const ProgramRun result = runProgram(QStringLiteral(VELMORA_CLI), {"month", "2002", "2"});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Title, weekday header, five weeks of numbers and captions, zodiac and constellation.
    QCOMPARE(lines.size(), 2 + 2 * 5 + 1);
    QCOMPARE(lines.at(0).trimmed(), QStringLiteral("2002年2月"));
    QCOMPARE(lines.at(1).simplified(), QStringLiteral("日 一 二 三 四 五 六"));
    QCOMPARE(lines.at(2).simplified(), QStringLiteral("1 2"));
    QCOMPARE(lines.at(3).simplified(), QStringLiteral("二十 廿一"));
    QCOMPARE(lines.at(4).simplified(), QStringLiteral("3 4 5 6 7 8 9"));
    QCOMPARE(lines.at(5).simplified(), QStringLiteral("廿二 立春 廿四 廿五 廿六 廿七 廿八"));
    QCOMPARE(lines.at(7).simplified(), QStringLiteral("廿九 除夕 春节 初二 情人节 初四 初五"));
    QCOMPARE(lines.at(11).simplified(), QStringLiteral("十三 十四 元宵节 十六 十七"));
    QCOMPARE(lines.at(12), QStringLiteral("生肖 巳蛇  星座 水瓶座"));
    // Day 2 ends the Saturday column: seven columns of six and six gaps of two.
    QCOMPARE(lines.at(2).size(), 7 * 6 + 6 * 2);
}

void CalendarCliTest::dayCard()
{
    const ProgramRun result = cli({"day", "2025-01-29"});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, QStringLiteral("2025年1月29日 星期三\n农历 正月初一\n干支 乙巳年 丁丑月 戊戌日\n生肖 巳蛇\n"
                                        "节气 立春（2月3日）\n节日 春节\n休 春节假期\n星座 水瓶座\n"));
    QVERIFY(result.err.isEmpty());
}

void CalendarCliTest::dayJson()
{
    const ProgramRun result = cli({"day", "--json", "2025-10-11"});
    QCOMPARE(result.status, 0);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.value("date").toString(), QStringLiteral("2025-10-11"));
    QCOMPARE(json.value("holiday").toObject().value("kind").toString(), QStringLiteral("班"));
    QCOMPARE(json.value("lunar").toObject().value("text").toString(), QStringLiteral("八月二十"));
}

void CalendarCliTest::holidaysOfAYear()
{
    const ProgramRun result = cli({"holidays", "2025"});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 33);
    QCOMPARE(lines.first(), QStringLiteral("DATE\tKIND\tNAME"));
    QVERIFY(lines.contains(QStringLiteral("2025-01-28\t休\t春节")));
    QVERIFY(lines.contains(QStringLiteral("2025-01-26\t班\t春节")));
    QCOMPARE(lines.last(), QStringLiteral("2025-10-11\t班\t国庆节、中秋节"));

    const ProgramRun missing = cli({"holidays", "2027"});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.out.isEmpty());
    QVERIFY2(missing.err.contains(QStringLiteral("2027年放假安排尚未收录")), qPrintable(missing.err));
}

void CalendarCliTest::holidaysImported()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("2027.tsv"));
    QVERIFY(writeFileBytes(source, "DATE\tKIND\tNAME\n2027-02-05\t休\t春节\n2027-02-06\t休\t春节\n"
                              "2027-02-20\t班\t春节\n"));
    const ProgramRun imported = cli({"holidays", "import", source});
    QCOMPARE(imported.status, 0);
    QVERIFY2(imported.out.contains(QStringLiteral("2027")), qPrintable(imported.out));
    QVERIFY(imported.out.contains(userFile()));

    const ProgramRun year = cli({"holidays", "2027"});
    QCOMPARE(year.status, 0);
    QCOMPARE(year.out.count(u'\n'), 1 + 3);
    QVERIFY(cli({"day", "2027-02-20"}).out.contains(QStringLiteral("班 春节调休上班")));
    // The shipped years are still there.
    QCOMPARE(cli({"holidays", "2025"}).status, 0);
    QVERIFY(QFile::remove(userFile()));
}

void CalendarCliTest::importRefusedChangesNothing()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.tsv"));
    QVERIFY(writeFileBytes(good, "DATE\tKIND\tNAME\n2027-01-01\t休\t元旦\n"));
    QCOMPARE(cli({"holidays", "import", good}).status, 0);
    const QByteArray before = readFileBytes(userFile());

    const QString bad = dir.filePath(QStringLiteral("bad.tsv"));
    QVERIFY(writeFileBytes(bad, "DATE\tKIND\tNAME\n2028-01-01\t休\t元旦\n2028-01-32\t休\t元旦\n"));
    const ProgramRun result = cli({"holidays", "import", bad});
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(bad + QStringLiteral(":3:")), qPrintable(result.err));
    QVERIFY(result.err.contains(QStringLiteral("nothing was installed")));
    QCOMPARE(readFileBytes(userFile()), before);
    QCOMPARE(cli({"holidays", "2028"}).status, 1);

    // A damaged user file is reported and the shipped years still answer.
    QVERIFY(writeFileBytes(userFile(), "DATE\tKIND\tNAME\n2027-01-01\t休\n"));
    const ProgramRun damaged = cli({"holidays", "2025"});
    QCOMPARE(damaged.status, 0);
    QVERIFY2(damaged.err.contains(QStringLiteral("holidays.tsv:2:")), qPrintable(damaged.err));
    QVERIFY(QFile::remove(userFile()));
}

void CalendarCliTest::icsToAFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("中秋.ics"));
    const ProgramRun result =
        cli({"ics", "--lunar", "08-15", "--name", "团圆", "--from", "2025", "--to", "2026", "-o", path});
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.isEmpty());
    const QByteArray ics = readFileBytes(path);
    QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
    QCOMPARE(ics.count("BEGIN:VEVENT"), 2);
    QVERIFY(ics.contains("DTSTART;VALUE=DATE:20251006\r\n"));
    QVERIFY(ics.contains("DTSTART;VALUE=DATE:20260925\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("中秋.ics")});
}

void CalendarCliTest::icsToStandardOutput()
{
    const ProgramRun terms = cli({"ics", "--solar-terms", "--from", "2025", "--to", "2025"});
    QCOMPARE(terms.status, 0);
    QCOMPARE(terms.out.count(QStringLiteral("BEGIN:VEVENT")), 24);
    QVERIFY(terms.out.contains(QStringLiteral("SUMMARY:立春\r\n")));

    // 腊月 of lunar 2050 lies past the tables: left out and said so.
    const ProgramRun late = cli({"ics", "--lunar", "12-08", "--name", "腊八", "--from", "2049", "--to", "2050"});
    QCOMPARE(late.status, 0);
    QCOMPARE(late.out.count(QStringLiteral("BEGIN:VEVENT")), 1);
    QVERIFY2(late.err.contains(QStringLiteral("2050")), qPrintable(late.err));
    const ProgramRun none = cli({"ics", "--lunar", "12-08", "--name", "腊八", "--from", "2050", "--to", "2050"});
    QCOMPARE(none.status, 1);
    QVERIFY(none.out.isEmpty());
}

void CalendarCliTest::icsUnwritablePath_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing folder") << "missing/out.ics";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("under a file") << "file/out.ics";
}

void CalendarCliTest::icsUnwritablePath()
{
    QFETCH(QString, relative);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("file")), "keep"));
    const ProgramRun result =
        cli({"ics", "--solar-terms", "--from", "2025", "--to", "2025", "-o", dir.filePath(relative)});
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(QStringLiteral("cannot write")), qPrintable(result.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{"file", "folder"}));
    QVERIFY(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
    QCOMPARE(readFileBytes(dir.filePath(QStringLiteral("file"))), QByteArray("keep"));
}

void CalendarCliTest::icsHelpStatesTheRules()
{
    const ProgramRun result = cli({"ics", "--help"});
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.contains(QStringLiteral("a 30th falls on the 29th in a 29-day month")));
    QVERIFY(result.out.contains(QStringLiteral("falls on the ordinary month in years without that leap month")));
}

QTEST_GUILESS_MAIN(CalendarCliTest)
#include "tst_calendarcli.moc"
