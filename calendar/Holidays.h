#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The official arrangements of public holidays (休) and make-up working days (班),
// kept as UTF-8 text: a header line "DATE\tKIND\tNAME", then one day a line, e.g.
// "2025-01-28\t休\t春节". Blank lines and lines starting with '#' are skipped.

enum class HolidayKind { None, Rest, Work };

struct HolidayDay
{
    QDate date;
    HolidayKind kind = HolidayKind::None;
    QString name;
};

// The year whose arrangement a day belongs to: its own year, except that the
// 元旦 days at the end of December belong to the next year's notice.
int arrangementYear(const HolidayDay &day);

// "休" or "班".
QString holidayKindMark(HolidayKind kind);

inline constexpr qsizetype maxHolidayFileBytes = 1024 * 1024;

struct HolidayFile
{
    QList<HolidayDay> days;   // in file order
    int errorLine = 0;        // 1-based; 0 for the file as a whole
    QString error;            // empty when the whole file is sound
    bool ok() const { return error.isEmpty(); }
};

// Checks every line; the first fault found is reported and no day is returned.
// Pure: any bytes give an answer, and nothing outside the bytes is read.
HolidayFile parseHolidayFile(QByteArrayView bytes);

// The file text of the days, sorted by date, with its header.
QByteArray holidayFileText(QList<HolidayDay> days);

// The days of every known year, the later sources replacing whole years of the earlier.
class HolidayCalendar
{
public:
    // The days of each year they cover replace everything that year had.
    void setYears(const QList<HolidayDay> &days);

    // The arrangement of a date, nullptr for an ordinary day.
    const HolidayDay *find(const QDate &date) const;
    bool hasYear(int year) const;
    // The days of one year's arrangement, sorted by date.
    QList<HolidayDay> year(int year) const;
    QList<HolidayDay> allDays() const;

private:
    QMap<int, QList<HolidayDay>> m_years;
    QMap<qint64, HolidayDay> m_byDay;
};

// The line the calendar shows for a year without an arrangement: "2027年放假安排尚未收录".
QString arrangementMissingText(int year);

// The file shipped beside the program and the user's own additions.
QString shippedHolidaysPath();
QString userHolidaysPath();

struct LoadedHolidays
{
    HolidayCalendar calendar;
    // A file that could not be read or is unsound is left out whole and named here.
    QStringList problems;
};

// The shipped file, then the user's file over it; a missing user file is no problem.
LoadedHolidays loadHolidays(const QString &shippedPath, const QString &userPath);

struct HolidayImport
{
    QList<int> years;   // the years installed
    QString error;      // "FILE:LINE: what is wrong"; nothing was changed
    bool ok() const { return error.isEmpty(); }
};

// Checks the whole file, then writes its years into the user's file over the years
// it had, atomically; on any error the user's file is left as it was.
HolidayImport importHolidayFile(const QString &sourcePath, const QString &userPath);
