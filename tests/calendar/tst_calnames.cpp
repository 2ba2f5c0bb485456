#include "calendar/DateCn.h"

#include <QTest>

Q_DECLARE_METATYPE(CaptionKind)

class CalendarNamesTest : public QObject
{
    Q_OBJECT
private slots:
    void lunarNames_data();
    void lunarNames();
    void lunarFestival_data();
    void lunarFestival();
    void zodiac_data();
    void zodiac();
    void solarTerm_data();
    void solarTerm();
    void solarTermIndex_data();
    void solarTermIndex();
    void gregorianFestival_data();
    void gregorianFestival();
    void constellation_data();
    void constellation();
    void caption_data();
    void caption();
    void clampedDate_data();
    void clampedDate();
    void ganzhi_data();
    void ganzhi();
    void ganzhiChangesOnItsDays();
    void lunarDateText_data();
    void lunarDateText();
};

void CalendarNamesTest::lunarNames_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::newRow("new year 2002") << QDate(2002, 2, 12) << "正月" << "初一";
    QTest::newRow("eve 2002") << QDate(2002, 2, 11) << "腊月" << "三十";
    QTest::newRow("fourth month") << QDate(2002, 6, 1) << "四月" << "廿一";
    QTest::newRow("eleventh month") << QDate(1901, 1, 1) << "冬月" << "十一";
    QTest::newRow("leap second") << QDate(2023, 3, 22) << "闰二" << "初一";
    QTest::newRow("leap eleventh") << QDate(2033, 12, 22) << "闰冬" << "初一";
    QTest::newRow("leap across new year") << QDate(2034, 1, 1) << "闰冬" << "十一";
    QTest::newRow("before range") << QDate(1900, 12, 31) << "" << "";
    QTest::newRow("after range") << QDate(2051, 1, 1) << "" << "";
    QTest::newRow("invalid date") << QDate() << "" << "";
}

void CalendarNamesTest::lunarNames()
{
    QFETCH(QDate, date);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QCOMPARE(LunarMonthName(date), month);
    QCOMPARE(LunarDayName(date), day);
}

void CalendarNamesTest::lunarFestival_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("festival");
    QTest::newRow("除夕 2002") << QDate(2002, 2, 11) << "除夕";
    QTest::newRow("春节 2002") << QDate(2002, 2, 12) << "春节";
    QTest::newRow("元宵节 2002") << QDate(2002, 2, 26) << "元宵节";
    QTest::newRow("端午节 2002") << QDate(2002, 6, 15) << "端午节";
    QTest::newRow("腊八节 2002") << QDate(2002, 1, 20) << "腊八节";
    QTest::newRow("重阳节 2002") << QDate(2002, 10, 14) << "重阳节";
    QTest::newRow("中秋节 2001") << QDate(2001, 10, 1) << "中秋节";
    QTest::newRow("除夕 after a leap month") << QDate(2034, 2, 18) << "除夕";
    QTest::newRow("除夕 on day 29") << QDate(2025, 1, 28) << "除夕";
    QTest::newRow("day before a 29-day eve") << QDate(2025, 1, 27) << "";
    QTest::newRow("leap fifth has none") << QDate(2009, 6, 27) << "";
    QTest::newRow("端午节 2009") << QDate(2009, 5, 28) << "端午节";
    QTest::newRow("七夕节 1989 mended") << QDate(1989, 8, 8) << "七夕节";
    QTest::newRow("1989 day before") << QDate(1989, 8, 7) << "";
    QTest::newRow("端午节 2013 mended") << QDate(2013, 6, 12) << "端午节";
    QTest::newRow("2013 day after") << QDate(2013, 6, 13) << "";
    QTest::newRow("last day has no eve") << QDate(2050, 12, 31) << "";
    QTest::newRow("before range") << QDate(1900, 12, 31) << "";
}

void CalendarNamesTest::lunarFestival()
{
    QFETCH(QDate, date);
    QFETCH(QString, festival);
    QCOMPARE(LunarFestivalName(date), festival);
}

void CalendarNamesTest::zodiac_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("animal");
    QTest::newRow("January 1901") << QDate(1901, 1, 1) << "子鼠";
    QTest::newRow("eve 1901") << QDate(1901, 2, 18) << "子鼠";
    QTest::newRow("new year 1901") << QDate(1901, 2, 19) << "丑牛";
    QTest::newRow("eve 2002") << QDate(2002, 2, 11) << "巳蛇";
    QTest::newRow("new year 2002") << QDate(2002, 2, 12) << "午马";
    QTest::newRow("eleventh month in December") << QDate(2002, 12, 25) << "午马";
    QTest::newRow("before the anchor") << QDate(1971, 6, 1) << "亥猪";
    QTest::newRow("anchor") << QDate(1972, 6, 1) << "子鼠";
    QTest::newRow("leap eleventh in January") << QDate(2034, 1, 1) << "丑牛";
    QTest::newRow("new year 2034") << QDate(2034, 2, 19) << "寅虎";
    QTest::newRow("after range") << QDate(2051, 6, 1) << "";
}

void CalendarNamesTest::zodiac()
{
    QFETCH(QDate, date);
    QFETCH(QString, animal);
    QCOMPARE(ZodiacAnimalName(date), animal);
}

void CalendarNamesTest::solarTerm_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("term");
    QTest::newRow("小寒") << QDate(2002, 1, 5) << "小寒";
    QTest::newRow("大寒") << QDate(2002, 1, 20) << "大寒";
    QTest::newRow("立春") << QDate(2002, 2, 4) << "立春";
    QTest::newRow("清明") << QDate(2002, 4, 5) << "清明";
    QTest::newRow("夏至") << QDate(2002, 6, 21) << "夏至";
    QTest::newRow("冬至") << QDate(2002, 12, 22) << "冬至";
    QTest::newRow("day before 立春") << QDate(2002, 2, 3) << "";
    QTest::newRow("清明 2024") << QDate(2024, 4, 4) << "清明";
    QTest::newRow("冬至 2024") << QDate(2024, 12, 21) << "冬至";
    QTest::newRow("after range") << QDate(2051, 1, 5) << "";
}

void CalendarNamesTest::solarTerm()
{
    QFETCH(QDate, date);
    QFETCH(QString, term);
    QCOMPARE(SolarTermName(date), term);
}

void CalendarNamesTest::solarTermIndex_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("index");
    QTest::newRow("小寒 1901") << 1901 << 1 << 6 << 1;
    QTest::newRow("大寒 1901") << 1901 << 1 << 21 << 2;
    QTest::newRow("冬至 2050") << 2050 << 12 << 22 << 24;
    QTest::newRow("before range") << 1900 << 12 << 22 << 0;
    QTest::newRow("after range") << 2051 << 1 << 5 << 0;
    QTest::newRow("month 0") << 2002 << 0 << 5 << 0;
    QTest::newRow("month 13") << 2002 << 13 << 5 << 0;
}

void CalendarNamesTest::solarTermIndex()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, index);
    QCOMPARE(SolarTermIndex(year, month, day), index);
}

void CalendarNamesTest::gregorianFestival_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("festival");
    QTest::newRow("元旦节") << 1 << QDate(2002, 1, 1) << "元旦节";
    QTest::newRow("情人节 by day number") << 14 << QDate(2002, 2, 1) << "情人节";
    QTest::newRow("万圣节") << 31 << QDate(2002, 10, 1) << "万圣节";
    QTest::newRow("母亲节") << 12 << QDate(2002, 5, 1) << "母亲节";
    QTest::newRow("first Sunday of May") << 5 << QDate(2002, 5, 1) << "";
    QTest::newRow("父亲节") << 16 << QDate(2002, 6, 1) << "父亲节";
    QTest::newRow("second Sunday of June") << 9 << QDate(2002, 6, 1) << "";
    QTest::newRow("感恩节") << 28 << QDate(2002, 11, 1) << "感恩节";
    QTest::newRow("third Thursday of November") << 21 << QDate(2002, 11, 1) << "";
    QTest::newRow("ordinary day") << 2 << QDate(2002, 1, 1) << "";
    QTest::newRow("day beyond the month") << 30 << QDate(2002, 2, 1) << "";
    QTest::newRow("after range") << 1 << QDate(2051, 1, 1) << "";
}

void CalendarNamesTest::gregorianFestival()
{
    QFETCH(int, day);
    QFETCH(QDate, date);
    QFETCH(QString, festival);
    QCOMPARE(GregorianFestivalName(day, date), festival);
}

void CalendarNamesTest::constellation_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign");
    QTest::newRow("January 19") << QDate(2002, 1, 19) << "摩羯座";
    QTest::newRow("January 20") << QDate(2002, 1, 20) << "水瓶座";
    QTest::newRow("February 29") << QDate(2004, 2, 29) << "双鱼座";
    QTest::newRow("August 22") << QDate(2002, 8, 22) << "狮子座";
    QTest::newRow("August 23") << QDate(2002, 8, 23) << "处女座";
    QTest::newRow("August 24") << QDate(2002, 8, 24) << "处女座";
    QTest::newRow("December 21") << QDate(2002, 12, 21) << "射手座";
    QTest::newRow("December 22") << QDate(2002, 12, 22) << "摩羯座";
    QTest::newRow("after range") << QDate(2051, 1, 1) << "";
}

void CalendarNamesTest::constellation()
{
    QFETCH(QDate, date);
    QFETCH(QString, sign);
    QCOMPARE(ConstellationName(date), sign);
    QCOMPARE(ConstellationOfDay(date.day(), QDate(date.year(), date.month(), 1)), sign);
}

void CalendarNamesTest::caption_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CaptionKind>("kind");
    QTest::newRow("lunar day") << QDate(2002, 2, 13) << "初二" << CaptionKind::LunarDay;
    QTest::newRow("month name on the first") << QDate(2006, 4, 28) << "四月" << CaptionKind::LunarMonth;
    QTest::newRow("leap month name") << QDate(2023, 3, 22) << "闰二" << CaptionKind::LunarMonth;
    QTest::newRow("festival over month name") << QDate(2003, 5, 1) << "劳动节" << CaptionKind::GregorianFestival;
    QTest::newRow("Gregorian festival") << QDate(2002, 2, 14) << "情人节" << CaptionKind::GregorianFestival;
    QTest::newRow("solar term") << QDate(2002, 2, 4) << "立春" << CaptionKind::SolarTerm;
    QTest::newRow("term over Gregorian festival") << QDate(1992, 6, 21) << "夏至" << CaptionKind::SolarTerm;
    QTest::newRow("lunar festival over term") << QDate(1992, 2, 4) << "春节" << CaptionKind::LunarFestival;
    QTest::newRow("lunar over Gregorian festival") << QDate(2001, 10, 1) << "中秋节" << CaptionKind::LunarFestival;
    QTest::newRow("eve") << QDate(2002, 2, 11) << "除夕" << CaptionKind::LunarFestival;
    QTest::newRow("after range") << QDate(2051, 1, 1) << "" << CaptionKind::LunarDay;
}

void CalendarNamesTest::caption()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QFETCH(CaptionKind, kind);
    const DayCaption shown = dayCaption(date);
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.kind, kind);
}

void CalendarNamesTest::clampedDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QDate>("date");
    QTest::newRow("kept") << 2003 << 3 << 31 << QDate(2003, 3, 31);
    QTest::newRow("February") << 2003 << 2 << 31 << QDate(2003, 2, 28);
    QTest::newRow("leap February") << 2004 << 2 << 31 << QDate(2004, 2, 29);
    QTest::newRow("century February") << 1900 << 2 << 29 << QDate(1900, 2, 28);
    QTest::newRow("April") << 2003 << 4 << 31 << QDate(2003, 4, 30);
}

void CalendarNamesTest::clampedDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QDate, date);
    QCOMPARE(ClampedDate(year, month, day), date);
}

void CalendarNamesTest::ganzhi_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::newRow("甲子 day 1949-10-01") << QDate(1949, 10, 1) << "己丑" << "癸酉" << "甲子";
    QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << "己卯" << "丙子" << "戊午";
    QTest::newRow("new year 2025") << QDate(2025, 1, 29) << "乙巳" << "丁丑" << "戊戌";
    QTest::newRow("2024 is 甲辰") << QDate(2024, 6, 1) << "甲辰" << "己巳" << "";
    QTest::newRow("eve 2024 is still 癸卯") << QDate(2024, 2, 9) << "癸卯" << "丙寅" << "";
    QTest::newRow("new year 2024") << QDate(2024, 2, 10) << "甲辰" << "丙寅" << "";
    QTest::newRow("day before 立春 2024") << QDate(2024, 2, 3) << "癸卯" << "乙丑" << "";
    QTest::newRow("立春 2024") << QDate(2024, 2, 4) << "癸卯" << "丙寅" << "";
    QTest::newRow("day before 惊蛰 2024") << QDate(2024, 3, 4) << "甲辰" << "丙寅" << "";
    QTest::newRow("惊蛰 2024") << QDate(2024, 3, 5) << "甲辰" << "丁卯" << "";
    QTest::newRow("day before 立春 2002") << QDate(2002, 2, 3) << "辛巳" << "辛丑" << "";
    QTest::newRow("立春 2002") << QDate(2002, 2, 4) << "辛巳" << "壬寅" << "";
    QTest::newRow("day before 惊蛰 2002") << QDate(2002, 3, 5) << "壬午" << "壬寅" << "";
    QTest::newRow("惊蛰 2002") << QDate(2002, 3, 6) << "壬午" << "癸卯" << "";
    QTest::newRow("first day") << QDate(1901, 1, 1) << "庚子" << "戊子" << "己卯";
    QTest::newRow("小寒 1901") << QDate(1901, 1, 6) << "庚子" << "己丑" << "甲申";
    QTest::newRow("new year 1901") << QDate(1901, 2, 19) << "辛丑" << "庚寅" << "";
    QTest::newRow("leap month 2033") << QDate(2033, 12, 22) << "癸丑" << "甲子" << "";
    QTest::newRow("leap month into 2034") << QDate(2034, 1, 1) << "癸丑" << "甲子" << "";
    QTest::newRow("last day") << QDate(2050, 12, 31) << "庚午" << "戊子" << "乙酉";
    QTest::newRow("before range") << QDate(1900, 12, 31) << "" << "" << "";
    QTest::newRow("after range") << QDate(2051, 1, 1) << "" << "" << "";
    QTest::newRow("invalid date") << QDate() << "" << "" << "";
}

void CalendarNamesTest::ganzhi()
{
    QFETCH(QDate, date);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QCOMPARE(YearGanzhiName(date), year);
    QCOMPARE(MonthGanzhiName(date), month);
    if (!day.isEmpty() || !date.isValid() || LunarDateCode(date) == 0)
        QCOMPARE(DayGanzhiName(date), day);
}

// Over the whole range the day steps through the cycle, the month steps on each
// 节 and the year on each 正月初一, and nowhere else.
void CalendarNamesTest::ganzhiChangesOnItsDays()
{
    const QString cycle = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
    const QString branches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    const auto index = [&](const QString &name) {
        const int stem = int(cycle.indexOf(name.at(0)));
        const int branch = int(branches.indexOf(name.at(1)));
        for (int i = 0; i < 60; ++i) {
            if (i % 10 == stem && i % 12 == branch)
                return i;
        }
        return -1;
    };
    QDate previous(FirstLunarYear, 1, 1);
    for (QDate date = previous.addDays(1); date.year() <= LastLunarYear; previous = date, date = date.addDays(1)) {
        const QString where = date.toString(Qt::ISODate);
        QCOMPARE((index(DayGanzhiName(previous)) + 1) % 60, index(DayGanzhiName(date)));
        const bool jie = SolarTermIndex(date.year(), date.month(), date.day()) == 2 * date.month() - 1;
        const int monthStep = (index(MonthGanzhiName(date)) - index(MonthGanzhiName(previous)) + 60) % 60;
        QVERIFY2(monthStep == (jie ? 1 : 0), qPrintable(where));
        const int yearStep = (index(YearGanzhiName(date)) - index(YearGanzhiName(previous)) + 60) % 60;
        QVERIFY2(yearStep == (LunarDateCode(date) == 101 ? 1 : 0), qPrintable(where));
    }
}

void CalendarNamesTest::lunarDateText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("new year") << 101 << "正月初一";
    QTest::newRow("eve") << 1230 << "腊月三十";
    QTest::newRow("leap sixth") << -615 << "闰六月十五";
    QTest::newRow("leap eleventh") << -1101 << "闰冬月初一";
    QTest::newRow("outside") << 0 << "";
}

void CalendarNamesTest::lunarDateText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(LunarDateText(code), text);
}

QTEST_GUILESS_MAIN(CalendarNamesTest)
#include "tst_calnames.moc"
