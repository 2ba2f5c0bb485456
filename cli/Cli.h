#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdio>

// One subcommand of velmora-cli: takes the arguments after its name and
// returns the exit status (0 found, 1 nothing found, 2 bad usage or data).
using CliCommand = int (*)(const QStringList &args);

// One row of the command table: adding a command is adding a row.
struct CliEntry
{
    const char *name;
    const char *usage;             // the whole call, e.g. "dream [--exact|--like] TEXT"
    CliCommand run;
    const char *summary = nullptr; // one line for --help
    const char *example = nullptr; // a call that finds something, e.g. "dream --like 蛇"
    const char *details = nullptr; // further paragraphs for COMMAND --help
};

inline void printOut(const QString &text) { std::fputs(text.toUtf8().constData(), stdout); }
inline void printErr(const QString &text) { std::fputs(text.toUtf8().constData(), stderr); }
inline void printLines(const QStringList &lines)
{
    for (const QString &line : lines)
        printOut(line + QLatin1Char('\n'));
}
int usageError(const QString &usage);
// The running command's usage from the table, with an optional note on its
// arguments; returns the exit status.
int badUsage(const QString &note = QString());

class Query;
// A query on the dream database beside the executable.
Query connectedQuery();
// Reports why a query on the dream database failed; returns the exit status.
int unreadableDatabase(const Query &query);

// The calendar's range, as an error line.
QString outOfRange();
// A YYYY-MM-DD argument inside the calendar's range; otherwise reported and invalid.
QDate calendarDateArgument(const QString &text);
// A year argument inside the calendar's range; otherwise reported and 0.
int calendarYearArgument(const QString &text);

class HolidayCalendar;
// The shipped holiday arrangements with the user's over them; unusable files are reported.
HolidayCalendar installedHolidays();

int cliCategories(const QStringList &args);
int cliEntries(const QStringList &args);
int cliDream(const QStringList &args);
int cliSearch(const QStringList &args);
int cliLegends(const QStringList &args);
int cliBone(const QStringList &args);
int cliPhone(const QStringList &args);
int cliPair(const QStringList &args);
int cliLove(const QStringList &args);
int cliLunar(const QStringList &args);
int cliMonth(const QStringList &args);
int cliStats(const QStringList &args);
int cliDay(const QStringList &args);
int cliHolidays(const QStringList &args);
int cliIcs(const QStringList &args);
extern const char cliIcsDetails[];
