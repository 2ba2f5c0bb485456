#pragma once

#include "calendar/Holidays.h"

#include <QDate>
#include <QJsonObject>
#include <QString>

// Everything the calendar knows about one day: the calendar window's tooltip and
// `velmora-cli day` show the same card.
struct DayCard
{
    QDate date;
    QString weekday;            // "星期三"
    int lunarCode = 0;          // as LunarDateCode; 0 outside 1901-2050
    int lunarYear = 0;          // as LunarYearNumber
    QString lunarDate;          // "正月初一", "闰六月十五"
    QString yearGanzhi;
    QString monthGanzhi;
    QString dayGanzhi;
    QString zodiac;
    QString solarTerm;          // the term of the day, else the next one
    QDate solarTermDate;        // invalid when the next term lies past the calendar's end
    QString lunarFestival;
    QString gregorianFestival;
    HolidayKind holiday = HolidayKind::None;
    QString holidayName;
    QString constellation;
};

DayCard dayCard(const QDate &date, const HolidayCalendar &holidays);

// One fact a line, lines joined by '\n'; lines with nothing to say are left out.
QString dayCardText(const DayCard &card);

QJsonObject dayCardJson(const DayCard &card);
