#include "calendar/DayCard.h"

#include "calendar/DateCn.h"

#include <QJsonArray>

namespace {

// Solar terms are at most 16 days apart.
constexpr int termSearchDays = 17;

QString weekdayName(const QDate &date)
{
    static const QString names[] = {QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                                    QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                                    QStringLiteral("星期六")};
    const int weekday = SundayFirstWeekday(date);
    return weekday == 0 ? QString() : names[weekday - 1];
}

QString shortDate(const QDate &date, int shownYear)
{
    if (date.year() == shownYear)
        return QStringLiteral("%1月%2日").arg(date.month()).arg(date.day());
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QStringList festivalsOf(const DayCard &card)
{
    QStringList festivals;
    if (!card.lunarFestival.isEmpty())
        festivals.append(card.lunarFestival);
    if (!card.gregorianFestival.isEmpty())
        festivals.append(card.gregorianFestival);
    return festivals;
}

} // namespace

DayCard dayCard(const QDate &date, const HolidayCalendar &holidays)
{
    DayCard card;
    card.date = date;
    card.weekday = weekdayName(date);
    card.lunarCode = LunarDateCode(date);
    if (card.lunarCode == 0)
        return card;
    card.lunarYear = LunarYearNumber(date);
    card.lunarDate = LunarDateText(card.lunarCode);
    card.yearGanzhi = YearGanzhiName(date);
    card.monthGanzhi = MonthGanzhiName(date);
    card.dayGanzhi = DayGanzhiName(date);
    card.zodiac = ZodiacAnimalName(date);
    for (int ahead = 0; ahead < termSearchDays; ++ahead) {
        const QDate day = date.addDays(ahead);
        if (QString term = SolarTermName(day); !term.isEmpty()) {
            card.solarTerm = term;
            card.solarTermDate = day;
            break;
        }
    }
    card.lunarFestival = LunarFestivalName(date);
    card.gregorianFestival = GregorianFestivalName(date.day(), date);
    if (const HolidayDay *day = holidays.find(date)) {
        card.holiday = day->kind;
        card.holidayName = day->name;
    }
    card.constellation = ConstellationName(date);
    return card;
}

QString dayCardText(const DayCard &card)
{
    if (!card.date.isValid())
        return QString();
    QStringList lines;
    lines.append(QStringLiteral("%1年%2月%3日 %4")
                     .arg(card.date.year())
                     .arg(card.date.month())
                     .arg(card.date.day())
                     .arg(card.weekday));
    if (card.lunarCode == 0)
        return lines.join(u'\n');
    lines.append(QStringLiteral("农历 ") + card.lunarDate);
    lines.append(QStringLiteral("干支 %1年 %2月 %3日").arg(card.yearGanzhi, card.monthGanzhi, card.dayGanzhi));
    lines.append(QStringLiteral("生肖 ") + card.zodiac);
    if (!card.solarTerm.isEmpty()) {
        const QString when = card.solarTermDate == card.date ? QStringLiteral("今日")
                                                             : shortDate(card.solarTermDate, card.date.year());
        lines.append(QStringLiteral("节气 %1（%2）").arg(card.solarTerm, when));
    }
    if (const QStringList festivals = festivalsOf(card); !festivals.isEmpty())
        lines.append(QStringLiteral("节日 ") + festivals.join(u'、'));
    if (card.holiday == HolidayKind::Rest)
        lines.append(QStringLiteral("休 %1假期").arg(card.holidayName));
    else if (card.holiday == HolidayKind::Work)
        lines.append(QStringLiteral("班 %1调休上班").arg(card.holidayName));
    lines.append(QStringLiteral("星座 ") + card.constellation);
    return lines.join(u'\n');
}

QJsonObject dayCardJson(const DayCard &card)
{
    QJsonObject json{{QStringLiteral("date"), card.date.toString(Qt::ISODate)},
                     {QStringLiteral("weekday"), card.weekday}};
    if (card.lunarCode == 0)
        return json;
    const int month = card.lunarCode / 100;
    json.insert(QStringLiteral("lunar"), QJsonObject{{QStringLiteral("year"), card.lunarYear},
                                                      {QStringLiteral("month"), qAbs(month)},
                                                      {QStringLiteral("day"), qAbs(card.lunarCode) % 100},
                                                      {QStringLiteral("leap"), card.lunarCode < 0},
                                                      {QStringLiteral("text"), card.lunarDate}});
    json.insert(QStringLiteral("ganzhi"), QJsonObject{{QStringLiteral("year"), card.yearGanzhi},
                                                       {QStringLiteral("month"), card.monthGanzhi},
                                                       {QStringLiteral("day"), card.dayGanzhi}});
    json.insert(QStringLiteral("zodiac"), card.zodiac);
    if (card.solarTerm.isEmpty()) {
        json.insert(QStringLiteral("solarTerm"), QJsonValue::Null);
    } else {
        json.insert(QStringLiteral("solarTerm"),
                    QJsonObject{{QStringLiteral("name"), card.solarTerm},
                                {QStringLiteral("date"), card.solarTermDate.toString(Qt::ISODate)},
                                {QStringLiteral("today"), card.solarTermDate == card.date}});
    }
    json.insert(QStringLiteral("festivals"), QJsonArray::fromStringList(festivalsOf(card)));
    if (card.holiday == HolidayKind::None) {
        json.insert(QStringLiteral("holiday"), QJsonValue::Null);
    } else {
        json.insert(QStringLiteral("holiday"), QJsonObject{{QStringLiteral("kind"), holidayKindMark(card.holiday)},
                                                            {QStringLiteral("name"), card.holidayName}});
    }
    json.insert(QStringLiteral("constellation"), card.constellation);
    return json;
}
