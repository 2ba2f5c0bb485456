#include "support/Fixture.h"

#include <QTest>

class CalendarCliTest : public QObject
{
    Q_OBJECT
private slots:
    void lunarLines_data();
    void lunarLines();
    void lunarWholeRange();
    void refused_data();
    void refused();
    void monthGrid();

};

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

QTEST_GUILESS_MAIN(CalendarCliTest)
#include "tst_calendarcli.moc"
