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

int DaysInMonth(int year, int month);
QDate ClampedDate(int year, int month, int day);
// 1 = Sunday ... 7 = Saturday.
int SundayFirstWeekday(const QDate &date);

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
