#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// One subcommand of velmora-cli: takes the arguments after its name and
// returns the exit status (0 found, 1 nothing found, 2 bad usage or data).
using CliCommand = int (*)(const QStringList &args);

struct CliEntry
{
    const char *name;
    const char *usage;
    CliCommand run;
};

inline void printOut(const QString &text) { std::fputs(text.toUtf8().constData(), stdout); }
inline void printErr(const QString &text) { std::fputs(text.toUtf8().constData(), stderr); }
inline void printLines(const QStringList &lines)
{
    for (const QString &line : lines)
        printOut(line + QLatin1Char('\n'));
}
int usageError(const QString &usage);

class Query;
// A query on the dream database beside the executable.
Query connectedQuery();
// Reports why a query on the dream database failed; returns the exit status.
int unreadableDatabase(const Query &query);

int cliCategories(const QStringList &args);
int cliEntries(const QStringList &args);
int cliDream(const QStringList &args);
int cliLegends(const QStringList &args);
int cliBone(const QStringList &args);
int cliPhone(const QStringList &args);
int cliPair(const QStringList &args);
int cliLove(const QStringList &args);
int cliLunar(const QStringList &args);
int cliMonth(const QStringList &args);
int cliStats(const QStringList &args);
