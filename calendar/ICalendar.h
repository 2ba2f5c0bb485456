#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// All-day events for other calendar programs, as iCalendar (RFC 5545) text.

struct CalendarEvent
{
    QDate date;
    QString uid;
    QString summary;
    QString description;
};

// CRLF line ends, content lines folded at 75 octets, UID, DTSTAMP and
// DTSTART;VALUE=DATE on every event. Pure: any texts give a valid calendar
// (control characters other than line breaks become spaces).
QByteArray icsCalendar(const QList<CalendarEvent> &events, const QDateTime &stamp, const QString &calendarName);

struct LunarAnniversaries
{
    QList<CalendarEvent> events;
    QList<int> yearsPastRange;   // lunar years whose date falls after 2050-12-31
};

// One event in each lunar year fromYear..toYear (the years whose 正月 begins in those
// Gregorian years) on the Gregorian date of the lunar month and day.
LunarAnniversaries lunarAnniversaryEvents(int month, int day, bool leap, const QString &name, int fromYear,
                                          int toYear);

// The 24 solar terms of each Gregorian year fromYear..toYear.
QList<CalendarEvent> solarTermEvents(int fromYear, int toYear);
