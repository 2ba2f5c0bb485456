#include "cli/Cli.h"

#include "Version.h"
#include "data/GbkText.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <iterator>

namespace {

const CliEntry commands[] = {
    {"categories", "categories", cliCategories, "list the dream categories", "categories"},
    {"entries", "entries CATEGORY", cliEntries, "list the entry titles of one dream category", "entries 动物类"},
    {"dream", "dream [--exact|--like] TEXT", cliDream,
     "show the dream entries whose title is TEXT (--exact, the default) or contains it (--like)", "dream --like 蛇"},
    {"search", "search [--limit N] [--json] TEXT", cliSearch,
     "the dream entries that fit what you dreamed: a subject, a colloquial word, pinyin or a whole description",
     "search 梦见白蛇缠住我的腿"},
    {"stats", "stats", cliStats, "count the entries and text characters of each dream category", "stats"},
    {"legends", "legends", cliLegends, "print the dream legends as the legends window scrolls them", "legends"},
    {"lunar", "lunar FROM [TO]", cliLunar,
     "lunar date, names, solar term, festivals, zodiac and constellation of each day (dates as YYYY-MM-DD)",
     "lunar 2026-02-17"},
    {"month", "month YEAR MONTH", cliMonth, "a month laid out as the calendar window shows it", "month 2026 2"},
    {"bone", "bone YEAR MONTH DAY HOUR", cliBone, "bone-weight reading of a lunar birth date and hour",
     "bone 1990 5 15 8"},
    {"phone", "phone NUMBER", cliPhone, "reading of a mobile phone number", "phone 13912345678"},
    {"pair", "pair MAN WOMAN", cliPair, "constellation pairing, the man's sign first", "pair 白羊座 狮子座"},
    {"love", "love MAN WOMAN", cliLove, "love test from the strokes of two names", "love 张三 李四"},
    {"day", "day DATE [--json]", cliDay,
     "the whole day: lunar date, 干支, zodiac, solar term, festivals, 休/班 and constellation", "day 2025-01-29"},
    {"holidays", "holidays YEAR | holidays import FILE", cliHolidays,
     "the public holidays and make-up working days of a year, or install a file of further years", "holidays 2025"},
    {"ics", "ics --lunar MM-DD [--leap] --name TEXT --from YEAR --to YEAR [-o FILE] | ics --solar-terms --from YEAR --to YEAR [-o FILE]",
     cliIcs, "lunar birthdays or the 24 solar terms as an iCalendar file any calendar program imports",
     "ics --lunar 08-15 --name 中秋 --from 2026 --to 2028", cliIcsDetails},
};

const CliEntry *running = nullptr;

const CliEntry *commandNamed(const QString &name)
{
    for (const CliEntry &command : commands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

QString text(const char *utf8) { return utf8 ? QString::fromUtf8(utf8) : QString(); }

bool isHelp(const QString &arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

QString synopsis()
{
    return QStringLiteral("usage: velmora-cli COMMAND [ARGUMENTS]\n"
                          "       velmora-cli COMMAND --help\n"
                          "       velmora-cli --help | --version\n");
}

QString help()
{
    qsizetype width = 0;
    for (const CliEntry &command : commands)
        width = std::max(width, qsizetype(qstrlen(command.name)));
    QString out = synopsis()
                  + QStringLiteral("\nAnswers what Velmora's windows show: its dream dictionary, lunar calendar "
                                   "and fortune readings.\n\ncommands:\n");
    for (const CliEntry &command : commands) {
        out += QStringLiteral("  %1  %2\n").arg(text(command.name).leftJustified(width), text(command.summary));
        out += QStringLiteral("  %1  example: velmora-cli %2\n").arg(QString(width, QLatin1Char(' ')), text(command.example));
    }
    out += QStringLiteral("\nExit status: 0 something was found, 1 nothing was found, "
                          "2 bad usage or an unreadable database.\n"
                          "The dream database is dream.dll beside the program or in ../share/velmora.\n");
    return out;
}

QString commandHelp(const CliEntry &command)
{
    QString out = QStringLiteral("usage: velmora-cli %1\n%2\nexample: velmora-cli %3\n")
                      .arg(text(command.usage), text(command.summary), text(command.example));
    if (command.details)
        out += QLatin1Char('\n') + text(command.details);
    return out;
}

} // namespace

int usageError(const QString &usage)
{
    printErr(QStringLiteral("usage: %1\n").arg(usage));
    return 2;
}

int badUsage(const QString &note)
{
    QString usage = QStringLiteral("velmora-cli ") + text(running ? running->usage : "COMMAND [ARGUMENTS]");
    if (!note.isEmpty())
        usage += QStringLiteral("\n  ") + note;
    return usageError(usage);
}

Query connectedQuery()
{
    Query query;
    query.setConnectionString(GetConnStr());
    return query;
}

int unreadableDatabase(const Query &query)
{
    QString reason;
    switch (query.failure()) {
    case QueryFailure::PatternTooLong:
        // The input, not the file, is at fault.
        printErr(QStringLiteral("velmora-cli: the search text is too long for a substring search\n"));
        return 2;
    case QueryFailure::Missing: reason = QStringLiteral("the file does not exist"); break;
    case QueryFailure::NoPermission: reason = QStringLiteral("no permission to read the file"); break;
    case QueryFailure::NotDatabase: reason = QStringLiteral("the file is not a database"); break;
    case QueryFailure::Locked: reason = QStringLiteral("the file is locked by another program"); break;
    case QueryFailure::Damaged: reason = QStringLiteral("the file is damaged"); break;
    case QueryFailure::TableMissing: reason = QStringLiteral("%1 is missing").arg(query.missingName()); break;
    case QueryFailure::None:
    case QueryFailure::Statement: reason = query.lastError(); break;
    }
    printErr(QStringLiteral("velmora-cli: cannot read the dream database %1: %2\n")
                 .arg(QDir::toNativeSeparators(dataSourceOf(GetConnStr())), reason));
    return 2;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The same user data folder as the program's windows.
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velmoraVersion));
    if (!gbkAvailable()) {
        printErr(QStringLiteral("velmora-cli: this Qt has no GBK text codec\n"));
        return 2;
    }
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printErr(synopsis() + QStringLiteral("Try 'velmora-cli --help' for the commands.\n"));
        return 2;
    }
    const QString name = args.takeFirst();
    if (isHelp(name)) {
        printOut(help());
        return 0;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-V")) {
        printOut(QStringLiteral("velmora-cli %1\n").arg(QString::fromLatin1(velmoraVersion)));
        return 0;
    }
    running = commandNamed(name);
    if (!running) {
        printErr(QStringLiteral("velmora-cli: unknown command %1\nTry 'velmora-cli --help' for the commands.\n").arg(name));
        return 2;
    }
    if (std::any_of(args.cbegin(), args.cend(), isHelp)) {
        printOut(commandHelp(*running));
        return 0;
    }
    return running->run(args);
}
