#include "calendar/DateCn.h"
#include "calendar/DateCnTables.h"

#include <QTest>

#include <cstdlib>

// The engine and its two tables: spot dates, the day-by-day chain and the
// properties a faithful transcription of the tables keeps.
class LunarTest : public QObject
{
    Q_OBJECT
private slots:
    void code_data();
    void code();
    void gregorianParts_data();
    void gregorianParts();
    void everyDayFollowsItsPredecessor();
    void leapMonths();
    void newYearFallsInItsSeason();
    void winterSolsticeFallsInTheEleventhMonth();
    void solarTermNibblesInRange();
    void solarTermsAreFifteenDaysApart();
    void mendedSolarTerms_data();
    void mendedSolarTerms();
    void gregorianOfLunar_data();
    void gregorianOfLunar();
    void gregorianOfLunarEveryMonth();
};

void LunarTest::code_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("code");
    QTest::newRow("first day") << QDate(1901, 1, 1) << 1111;
    QTest::newRow("eve 1901") << QDate(1901, 2, 18) << 1230;
    QTest::newRow("new year 1901") << QDate(1901, 2, 19) << 101;
    QTest::newRow("eve 2002") << QDate(2002, 2, 11) << 1230;
    QTest::newRow("new year 2002") << QDate(2002, 2, 12) << 101;
    QTest::newRow("lantern 2002") << QDate(2002, 2, 26) << 115;
    QTest::newRow("fourth month 2002") << QDate(2002, 6, 1) << 421;
    QTest::newRow("last of eleventh 2033") << QDate(2033, 12, 21) << 1130;
    QTest::newRow("leap eleventh 2033") << QDate(2033, 12, 22) << -1101;
    QTest::newRow("2033 ends in leap") << QDate(2033, 12, 31) << -1110;
    QTest::newRow("2034 opens in leap") << QDate(2034, 1, 1) << -1111;
    QTest::newRow("last leap day 2034") << QDate(2034, 1, 19) << -1129;
    QTest::newRow("twelfth after leap") << QDate(2034, 1, 20) << 1201;
    QTest::newRow("eve 2034") << QDate(2034, 2, 18) << 1230;
    QTest::newRow("new year 2034") << QDate(2034, 2, 19) << 101;
    QTest::newRow("leap second 2023") << QDate(2023, 3, 22) << -201;
    QTest::newRow("leap fifth 2009") << QDate(2009, 6, 27) << -505;
    QTest::newRow("fifth 2009") << QDate(2009, 5, 28) << 505;
    QTest::newRow("last day") << QDate(2050, 12, 31) << 1118;
    QTest::newRow("before range") << QDate(1900, 12, 31) << 0;
    QTest::newRow("after range") << QDate(2051, 1, 1) << 0;
    QTest::newRow("invalid date") << QDate() << 0;
    // Mended rows: the sixth month of 1989 has 30 days and the seventh 29.
    QTest::newRow("1989 last of sixth") << QDate(1989, 8, 1) << 630;
    QTest::newRow("1989 seventh begins") << QDate(1989, 8, 2) << 701;
    QTest::newRow("1989 seventh ends") << QDate(1989, 8, 30) << 729;
    QTest::newRow("1989 eighth begins") << QDate(1989, 8, 31) << 801;
    // The fourth month of 2013 has 29 days and the fifth 30.
    QTest::newRow("2013 last of fourth") << QDate(2013, 6, 7) << 429;
    QTest::newRow("2013 fifth begins") << QDate(2013, 6, 8) << 501;
    QTest::newRow("2013 fifth ends") << QDate(2013, 7, 7) << 530;
    QTest::newRow("2013 sixth begins") << QDate(2013, 7, 8) << 601;
    // New years widely published.
    QTest::newRow("new year 1912") << QDate(1912, 2, 18) << 101;
    QTest::newRow("new year 1949") << QDate(1949, 1, 29) << 101;
    QTest::newRow("new year 1966") << QDate(1966, 1, 21) << 101;
    QTest::newRow("new year 1985") << QDate(1985, 2, 20) << 101;
    QTest::newRow("new year 2000") << QDate(2000, 2, 5) << 101;
    QTest::newRow("new year 2001") << QDate(2001, 1, 24) << 101;
    QTest::newRow("new year 2020") << QDate(2020, 1, 25) << 101;
    QTest::newRow("new year 2025") << QDate(2025, 1, 29) << 101;
    QTest::newRow("new year 2050") << QDate(2050, 1, 23) << 101;
    QTest::newRow("leap fourth 2020") << QDate(2020, 5, 23) << -401;
}

void LunarTest::code()
{
    QFETCH(QDate, date);
    QFETCH(int, code);
    QCOMPARE(LunarDateCode(date), code);
}

void LunarTest::gregorianParts_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("dayOfYear");
    QTest::newRow("January 1") << QDate(1901, 1, 1) << 1;
    QTest::newRow("March 1 2000") << QDate(2000, 3, 1) << 61;
    QTest::newRow("March 1 1900") << QDate(1900, 3, 1) << 60;
    QTest::newRow("December 31 2004") << QDate(2004, 12, 31) << 366;
}

void LunarTest::gregorianParts()
{
    QFETCH(QDate, date);
    QFETCH(int, dayOfYear);
    QCOMPARE(DayOfYearNumber(date), dayOfYear);
    QCOMPARE(YearNumber(date), date.year());
    QCOMPARE(MonthNumber(date), date.month());
    QCOMPARE(DayNumber(date), date.day());
}

// A single wrong digit in the year table breaks this chain somewhere.
void LunarTest::everyDayFollowsItsPredecessor()
{
    const QDate last(LastLunarYear, 12, 31);
    int previous = LunarDateCode(QDate(FirstLunarYear, 1, 1));
    for (QDate date(FirstLunarYear, 1, 2); date <= last; date = date.addDays(1)) {
        const int code = LunarDateCode(date);
        const int month = std::abs(code) / 100;
        const int day = std::abs(code) % 100;
        const int previousMonth = std::abs(previous) / 100;
        const int previousDay = std::abs(previous) % 100;
        bool follows = false;
        if (day == previousDay + 1)
            follows = month == previousMonth && (code < 0) == (previous < 0);
        else if (day == 1 && (previousDay == 29 || previousDay == 30)) {
            const bool leapTwin = code < 0 && previous > 0 && month == previousMonth;
            const bool nextNumber = code > 0 && month == previousMonth % 12 + 1;
            follows = leapTwin || nextNumber;
        }
        if (!follows)
            QFAIL(qPrintable(QStringLiteral("%1: %2 does not follow %3")
                                 .arg(date.toString(Qt::ISODate)).arg(code).arg(previous)));
        previous = code;
    }
}

void LunarTest::leapMonths()
{
    int leapMonths = 0;
    for (QDate date(FirstLunarYear, 1, 1); date.year() <= LastLunarYear; date = date.addDays(1)) {
        const int code = LunarDateCode(date);
        if (code < 0 && -code % 100 == 1) {
            ++leapMonths;
            const int month = -code / 100;
            QVERIFY2(month >= 2 && month <= 11, qPrintable(date.toString(Qt::ISODate)));
        }
    }
    QCOMPARE(leapMonths, 55);

    for (int year = FirstLunarYear; year <= LastLunarYear; ++year) {
        const quint32 row = LunarYearTable[year - FirstLunarYear];
        const int januaryMonth = (row >> 24) & 0x80 ? 12 : 11;
        QVERIFY2(int(row & 0xFF) != januaryMonth, qPrintable(QString::number(year)));
        const bool opensInLeap = LunarDateCode(QDate(year, 1, 1)) < 0;
        QCOMPARE(opensInLeap, year == 2034);
        // The months a year touches fit in fourteen slots.
        int months = 1;
        for (QDate date(year, 1, 2); date.year() == year; date = date.addDays(1))
            months += std::abs(LunarDateCode(date)) % 100 == 1 ? 1 : 0;
        QVERIFY2(months <= 14, qPrintable(QString::number(year)));
    }
}

// The lunar new year always falls between January 21 and February 20.
void LunarTest::newYearFallsInItsSeason()
{
    for (int year = FirstLunarYear; year <= LastLunarYear; ++year) {
        int newYears = 0;
        for (QDate date(year, 1, 21); date <= QDate(year, 2, 20); date = date.addDays(1))
            newYears += LunarDateCode(date) == 101 ? 1 : 0;
        QVERIFY2(newYears == 1, qPrintable(QString::number(year)));
    }
}

// Ties the two tables together: 冬至 lies in the eleventh month of every year.
void LunarTest::winterSolsticeFallsInTheEleventhMonth()
{
    for (int year = FirstLunarYear; year <= LastLunarYear; ++year) {
        int solstice = 0;
        for (int day = 18; day <= 24; ++day) {
            if (SolarTermIndex(year, 12, day) == 24)
                solstice = day;
        }
        QVERIFY2(solstice != 0, qPrintable(QString::number(year)));
        QCOMPARE(LunarDateCode(QDate(year, 12, solstice)) / 100, 11);
    }
}

void LunarTest::solarTermNibblesInRange()
{
    for (std::size_t i = 0; i < SolarTermTable.size(); ++i) {
        const int high = SolarTermTable[i] >> 4;
        const int low = SolarTermTable[i] & 15;
        QVERIFY2(high >= 6 && high <= 12 && low >= 3 && low <= 9,
                 qPrintable(QStringLiteral("%1-%2").arg(FirstLunarYear + int(i) / 12).arg(int(i) % 12 + 1)));
    }
}

// The sun takes 14.7 to 15.7 days from one term to the next, so whole days 14 to 16.
void LunarTest::solarTermsAreFifteenDaysApart()
{
    QDate previous;
    for (QDate date(FirstLunarYear, 1, 1); date.year() <= LastLunarYear; date = date.addDays(1)) {
        if (SolarTermIndex(date.year(), date.month(), date.day()) == 0)
            continue;
        if (previous.isValid()) {
            const qint64 gap = previous.daysTo(date);
            QVERIFY2(gap >= 14 && gap <= 16, qPrintable(date.toString(Qt::ISODate)));
        }
        previous = date;
    }
}

void LunarTest::mendedSolarTerms_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("term");
    QTest::addColumn<int>("dayInTableBefore");
    QTest::newRow("寒露 1904") << QDate(1904, 10, 9) << 19 << 8;
    QTest::newRow("小雪 1912") << QDate(1912, 11, 22) << 22 << 23;
    QTest::newRow("秋分 1913") << QDate(1913, 9, 23) << 18 << 24;
    QTest::newRow("寒露 1929") << QDate(1929, 10, 9) << 19 << 8;
    QTest::newRow("小雪 1929") << QDate(1929, 11, 23) << 22 << 22;
    QTest::newRow("处暑 1949") << QDate(1949, 8, 23) << 16 << 24;
    QTest::newRow("霜降 1954") << QDate(1954, 10, 24) << 20 << 23;
    QTest::newRow("大寒 1962") << QDate(1962, 1, 20) << 2 << 21;
    QTest::newRow("雨水 1973") << QDate(1973, 2, 19) << 4 << 20;
    QTest::newRow("处暑 1976") << QDate(1976, 8, 23) << 16 << 24;
    QTest::newRow("立夏 1977") << QDate(1977, 5, 5) << 9 << 6;
    QTest::newRow("立冬 1981") << QDate(1981, 11, 7) << 21 << 8;
    QTest::newRow("立夏 1991") << QDate(1991, 5, 6) << 9 << 7;
    QTest::newRow("处暑 1995") << QDate(1995, 8, 23) << 16 << 21;
    QTest::newRow("大暑 2033") << QDate(2033, 7, 22) << 14 << 23;
    QTest::newRow("立秋 2034") << QDate(2034, 8, 7) << 15 << 8;
    QTest::newRow("清明 2049") << QDate(2049, 4, 4) << 7 << 5;
    QTest::newRow("谷雨 2049") << QDate(2049, 4, 19) << 8 << 20;
    QTest::newRow("白露 2050") << QDate(2050, 9, 7) << 17 << 8;
}

void LunarTest::mendedSolarTerms()
{
    QFETCH(QDate, date);
    QFETCH(int, term);
    QFETCH(int, dayInTableBefore);
    QCOMPARE(SolarTermIndex(date.year(), date.month(), date.day()), term);
    QCOMPARE(SolarTermIndex(date.year(), date.month(), dayInTableBefore), 0);
}

void LunarTest::gregorianOfLunar_data()
{
    QTest::addColumn<int>("lunarYear");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("leap");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("dayMoved");
    QTest::addColumn<bool>("leapMissing");
    QTest::newRow("new year 2002") << 2002 << 1 << 1 << false << QDate(2002, 2, 12) << false << false;
    QTest::newRow("eve of 2001 in 2002") << 2001 << 12 << 30 << false << QDate(2002, 2, 11) << false << false;
    QTest::newRow("eve of 2023, a 30th") << 2023 << 12 << 30 << false << QDate(2024, 2, 9) << false << false;
    QTest::newRow("eve of 2024, a 29th") << 2024 << 12 << 30 << false << QDate(2025, 1, 28) << true << false;
    QTest::newRow("leap second 2023") << 2023 << 2 << 1 << true << QDate(2023, 3, 22) << false << false;
    QTest::newRow("ordinary second 2023") << 2023 << 2 << 1 << false << QDate(2023, 2, 20) << false << false;
    QTest::newRow("leap sixth 2025") << 2025 << 6 << 1 << true << QDate(2025, 7, 25) << false << false;
    QTest::newRow("leap sixth 30th 2025") << 2025 << 6 << 30 << true << QDate(2025, 8, 22) << true << false;
    QTest::newRow("no leap sixth in 2026") << 2026 << 6 << 15 << true << QDate(2026, 7, 28) << false << true;
    QTest::newRow("leap fifth 2009") << 2009 << 5 << 5 << true << QDate(2009, 6, 27) << false << false;
    QTest::newRow("leap eleventh 2033") << 2033 << 11 << 1 << true << QDate(2033, 12, 22) << false << false;
    QTest::newRow("leap eleventh into 2034") << 2033 << 11 << 11 << true << QDate(2034, 1, 1) << false << false;
    QTest::newRow("first lunar year") << 1901 << 1 << 1 << false << QDate(1901, 2, 19) << false << false;
    QTest::newRow("last in range") << 2050 << 11 << 18 << false << QDate(2050, 12, 31) << false << false;
    QTest::newRow("past the range") << 2050 << 11 << 19 << false << QDate() << false << false;
    QTest::newRow("腊月 past the range") << 2050 << 12 << 1 << false << QDate() << false << false;
    QTest::newRow("year before") << 1900 << 12 << 1 << false << QDate() << false << false;
    QTest::newRow("month 13") << 2025 << 13 << 1 << false << QDate() << false << false;
    QTest::newRow("day 31") << 2025 << 1 << 31 << false << QDate() << false << false;
    QTest::newRow("day 0") << 2025 << 1 << 0 << false << QDate() << false << false;
}

void LunarTest::gregorianOfLunar()
{
    QFETCH(int, lunarYear);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, leap);
    QFETCH(QDate, date);
    QFETCH(bool, dayMoved);
    QFETCH(bool, leapMissing);
    const LunarDateInYear found = GregorianDateOfLunar(lunarYear, month, day, leap);
    QCOMPARE(found.date, date);
    QCOMPARE(found.dayMoved, dayMoved);
    QCOMPARE(found.leapMissing, leapMissing);
}

// The first and the 30th of every month of every lunar year land on a day the
// engine names with that month, the 30th on the month's last day.
void LunarTest::gregorianOfLunarEveryMonth()
{
    for (int year = FirstLunarYear; year < LastLunarYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const bool leap : {false, true}) {
                const LunarDateInYear first = GregorianDateOfLunar(year, month, 1, leap);
                const LunarDateInYear last = GregorianDateOfLunar(year, month, 30, leap);
                const QString where = QStringLiteral("%1-%2%3").arg(year).arg(leap ? "L" : "").arg(month);
                const int expectedMonth = leap && !first.leapMissing ? -month : month;
                QVERIFY2(LunarDateCode(first.date) == expectedMonth * 100 + (expectedMonth < 0 ? -1 : 1),
                         qPrintable(where));
                QCOMPARE(LunarYearNumber(first.date), year);
                QCOMPARE(LunarDateCode(last.date) / 100, expectedMonth);
                QCOMPARE(std::abs(LunarDateCode(last.date.addDays(1))) % 100, 1);
                QCOMPARE(last.dayMoved, std::abs(LunarDateCode(last.date)) % 100 == 29);
                QCOMPARE(first.leapMissing, last.leapMissing);
            }
        }
    }
}

QTEST_GUILESS_MAIN(LunarTest)
#include "tst_lunar.moc"
