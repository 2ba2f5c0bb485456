#pragma once

#include <QDate>
#include <QString>

// The lunar calendar and its names, from built-in tables for 1901-2050.
// Every function is pure over constant data and safe from any thread; names are
// empty where there is nothing to name and for any date outside the range.

inline constexpr int FirstLunarYear = 1901;
inline constexpr int LastLunarYear = 2050;

// month * 100 + day, negated for a leap month; 0 outside 1901-2050.
int LunarDateCode(const QDate &date);
int DayOfYearNumber(const QDate &date);
int YearNumber(const QDate &date);
int MonthNumber(const QDate &date);
int DayNumber(const QDate &date);

QString LunarMonthName(const QDate &date);
QString LunarDayName(const QDate &date);
QString LunarFestivalName(const QDate &date);
QString ZodiacAnimalName(const QDate &date);
// 1-24 when a solar term falls on that day, else 0.
int SolarTermIndex(quint16 year, quint16 month, quint16 day);
QString SolarTermName(const QDate &date);
// The festival of that day in the year and month of the date.
QString GregorianFestivalName(int day, const QDate &date);
QString ConstellationName(const QDate &date);
// The sign of that day in the year and month of the date.
QString ConstellationOfDay(int day, const QDate &date);

// Strictly YYYY-MM-DD with a real date in it, so that 2002-2-30 or 2002/02/03 are
// refused rather than guessed at; invalid otherwise.
QDate parseIsoDate(QStringView text);

int DaysInMonth(int year, int month);
QDate ClampedDate(int year, int month, int day);
// 1 = Sunday ... 7 = Saturday.
int SundayFirstWeekday(const QDate &date);

// The sexagenary (干支) names "甲子" ... "癸亥". The year is the lunar year the
// zodiac animal names; the month changes on each 节 (小寒, 立春, 惊蛰 ...); the day
// follows the unbroken sixty-day cycle.
QString YearGanzhiName(const QDate &date);
QString MonthGanzhiName(const QDate &date);
QString DayGanzhiName(const QDate &date);

// The Gregorian year in which the lunar year of the date began (a date in 腊月
// early in January belongs to the year before); 0 outside the range.
int LunarYearNumber(const QDate &date);

// A lunar month, and a month and day, as people write them: "八月", "闰六月";
// "正月初一", "闰六月十五".
QString LunarMonthText(int month, bool leap);
QString LunarDateText(int code);

// Where a lunar date falls in the lunar year that begins in the Gregorian year
// `lunarYear`. A 30th falls on the 29th in a 29-day month, and a leap month the
// year lacks is taken as the ordinary month of that number.
struct LunarDateInYear
{
    QDate date;                 // invalid when it falls outside 1901-2050
    bool dayMoved = false;      // the 30th fell on the 29th
    bool leapMissing = false;   // the year has no such leap month
};
LunarDateInYear GregorianDateOfLunar(int lunarYear, int month, int day, bool leap);

// The text shown beneath a day number and the rule that chose it.
enum class CaptionKind { LunarDay, LunarMonth, GregorianFestival, SolarTerm, LunarFestival };

struct DayCaption
{
    QString text;
    CaptionKind kind = CaptionKind::LunarDay;
};

// Lunar festival over solar term over Gregorian festival over the month name on
// the first of a lunar month over the lunar day name.
DayCaption dayCaption(const QDate &date);
