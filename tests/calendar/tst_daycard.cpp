#include "calendar/DayCard.h"

#include <QJsonArray>
#include <QTest>

// The whole day as the calendar's tooltip and `velmora-cli day` show it, over a
// small arrangement of holidays of our own.
class DayCardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void card_data();
    void card();
    void text_data();
    void text();
    void json();
    void outsideTheRange();

private:
    HolidayCalendar m_holidays;
};

void DayCardTest::initTestCase()
{
    const HolidayFile file = parseHolidayFile("DATE\tKIND\tNAME\n"
                                              "2025-01-26\t班\t春节\n"
                                              "2025-01-29\t休\t春节\n"
                                              "2001-10-01\t休\t国庆节、中秋节\n");
    QVERIFY(file.ok());
    m_holidays.setYears(file.days);
}

void DayCardTest::card_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("lunar");
    QTest::addColumn<QString>("ganzhi");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QDate>("termDate");
    QTest::addColumn<QString>("festivals");
    QTest::addColumn<QString>("holiday");
    QTest::newRow("spring festival 2025") << QDate(2025, 1, 29) << "正月初一" << "乙巳 丁丑 戊戌" << "立春"
                                          << QDate(2025, 2, 3) << "春节" << "休春节";
    QTest::newRow("make-up day") << QDate(2025, 1, 26) << "腊月廿七" << "甲辰 丁丑 乙未" << "立春"
                                 << QDate(2025, 2, 3) << "" << "班春节";
    QTest::newRow("term of the day") << QDate(2025, 2, 3) << "正月初六" << "乙巳 戊寅 癸卯" << "立春"
                                     << QDate(2025, 2, 3) << "" << "";
    QTest::newRow("two festivals") << QDate(2001, 10, 1) << "八月十五" << "辛巳 丁酉 丁酉" << "寒露"
                                   << QDate(2001, 10, 8) << "中秋节、国庆节" << "休国庆节、中秋节";
    QTest::newRow("leap month") << QDate(2033, 12, 22) << "闰冬月初一" << "癸丑 甲子 丁未" << "小寒"
                                << QDate(2034, 1, 5) << "" << "";
    QTest::newRow("no term left in range") << QDate(2050, 12, 31) << "冬月十八" << "庚午 戊子 乙酉" << ""
                                           << QDate() << "" << "";
}

void DayCardTest::card()
{
    QFETCH(QDate, date);
    QFETCH(QString, lunar);
    QFETCH(QString, ganzhi);
    QFETCH(QString, term);
    QFETCH(QDate, termDate);
    QFETCH(QString, festivals);
    QFETCH(QString, holiday);
    const DayCard card = dayCard(date, m_holidays);
    QCOMPARE(card.lunarDate, lunar);
    QCOMPARE(QStringList({card.yearGanzhi, card.monthGanzhi, card.dayGanzhi}).join(u' '), ganzhi);
    QCOMPARE(card.solarTerm, term);
    QCOMPARE(card.solarTermDate, termDate);
    QStringList names{card.lunarFestival, card.gregorianFestival};
    names.removeAll(QString());
    QCOMPARE(names.join(u'、'), festivals);
    QCOMPARE(holidayKindMark(card.holiday) + card.holidayName, holiday);
}

void DayCardTest::text_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("spring festival 2025") << QDate(2025, 1, 29)
                                          << "2025年1月29日 星期三\n农历 正月初一\n干支 乙巳年 丁丑月 戊戌日\n"
                                             "生肖 巳蛇\n节气 立春（2月3日）\n节日 春节\n休 春节假期\n星座 水瓶座";
    QTest::newRow("make-up day") << QDate(2025, 1, 26)
                                 << "2025年1月26日 星期日\n农历 腊月廿七\n干支 甲辰年 丁丑月 乙未日\n"
                                    "生肖 辰龙\n节气 立春（2月3日）\n班 春节调休上班\n星座 水瓶座";
    QTest::newRow("term of the day") << QDate(2025, 2, 3)
                                     << "2025年2月3日 星期一\n农历 正月初六\n干支 乙巳年 戊寅月 癸卯日\n"
                                        "生肖 巳蛇\n节气 立春（今日）\n星座 水瓶座";
    QTest::newRow("next term next year") << QDate(2033, 12, 22)
                                         << "2033年12月22日 星期四\n农历 闰冬月初一\n干支 癸丑年 甲子月 丁未日\n"
                                            "生肖 丑牛\n节气 小寒（2034年1月5日）\n星座 摩羯座";
}

void DayCardTest::text()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(dayCardText(dayCard(date, m_holidays)), text);
}

void DayCardTest::json()
{
    const QJsonObject json = dayCardJson(dayCard(QDate(2025, 1, 29), m_holidays));
    QCOMPARE(json.value("date").toString(), QStringLiteral("2025-01-29"));
    QCOMPARE(json.value("weekday").toString(), QStringLiteral("星期三"));
    const QJsonObject lunar = json.value("lunar").toObject();
    QCOMPARE(lunar.value("year").toInt(), 2025);
    QCOMPARE(lunar.value("month").toInt(), 1);
    QCOMPARE(lunar.value("day").toInt(), 1);
    QCOMPARE(lunar.value("leap").toBool(), false);
    QCOMPARE(json.value("ganzhi").toObject().value("day").toString(), QStringLiteral("戊戌"));
    QCOMPARE(json.value("solarTerm").toObject().value("date").toString(), QStringLiteral("2025-02-03"));
    QCOMPARE(json.value("festivals").toArray(), QJsonArray{QStringLiteral("春节")});
    QCOMPARE(json.value("holiday").toObject().value("kind").toString(), QStringLiteral("休"));
    QCOMPARE(json.value("constellation").toString(), QStringLiteral("水瓶座"));

    const QJsonObject leap = dayCardJson(dayCard(QDate(2033, 12, 22), m_holidays));
    QCOMPARE(leap.value("lunar").toObject().value("leap").toBool(), true);
    QCOMPARE(leap.value("lunar").toObject().value("month").toInt(), 11);
    QCOMPARE(leap.value("lunar").toObject().value("year").toInt(), 2033);
    QVERIFY(leap.value("holiday").isNull());
    QVERIFY(dayCardJson(dayCard(QDate(2050, 12, 31), m_holidays)).value("solarTerm").isNull());
}

void DayCardTest::outsideTheRange()
{
    const DayCard card = dayCard(QDate(2051, 1, 1), m_holidays);
    QCOMPARE(card.lunarCode, 0);
    QCOMPARE(dayCardText(card), QStringLiteral("2051年1月1日 星期日"));
    QVERIFY(!dayCardJson(card).contains("lunar"));
    QCOMPARE(dayCardText(dayCard(QDate(), m_holidays)), QString());
}

QTEST_GUILESS_MAIN(DayCardTest)
#include "tst_daycard.moc"
