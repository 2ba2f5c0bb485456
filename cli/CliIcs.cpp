#include "cli/Cli.h"

#include "calendar/DateCn.h"
#include "calendar/ICalendar.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>

namespace {


struct IcsOptions
{
    QMap<QString, QString> values;
    bool leap = false;
    bool solarTerms = false;
};

// Reads the options; false (after reporting) on an unknown, repeated or incomplete one.
bool readOptions(const QStringList &args, IcsOptions &options)
{
    const QStringList valued{QStringLiteral("--lunar"), QStringLiteral("--name"), QStringLiteral("--from"),
                             QStringLiteral("--to"), QStringLiteral("-o")};
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--leap")) {
            options.leap = true;
        } else if (arg == QLatin1String("--solar-terms")) {
            options.solarTerms = true;
        } else if (valued.contains(arg)) {
            if (i + 1 >= args.size()) {
                printErr(QStringLiteral("velmora-cli: %1 needs a value\n").arg(arg));
                return false;
            }
            if (options.values.contains(arg)) {
                printErr(QStringLiteral("velmora-cli: %1 is given twice\n").arg(arg));
                return false;
            }
            options.values.insert(arg, args.at(++i));
        } else {
            printErr(QStringLiteral("velmora-cli: unknown option %1 (see velmora-cli ics --help)\n").arg(arg));
            return false;
        }
    }
    return true;
}

bool writeOutput(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return std::fflush(stdout) == 0;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        printErr(QStringLiteral("velmora-cli: cannot write %1: %2; nothing was written\n")
                     .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

} // namespace

const char cliIcsDetails[] =
    "Writes an iCalendar (RFC 5545) file of all-day events that calendar programs import,\n"
    "to standard output unless -o names a file.\n"
    "\n"
    "  --lunar MM-DD   a lunar birthday or anniversary, e.g. 08-15 for 八月十五:\n"
    "                  one event in each lunar year on its Gregorian date\n"
    "  --leap          the date lies in the leap month (闰月) of that number\n"
    "  --name TEXT     the events' title, e.g. 妈妈生日\n"
    "  --solar-terms   the 24 solar terms of each year instead\n"
    "  --from, --to    the first and last year, 1901 to 2050; for --lunar these are lunar\n"
    "                  years, each beginning with 正月 of that Gregorian year, so a date late\n"
    "                  in 冬月 or 腊月 falls in January or February of the next year\n"
    "  -o FILE         the file to write; it is replaced only when the whole calendar is ready\n"
    "\n"
    "Rules for lunar dates:\n"
    "  a 30th falls on the 29th in a 29-day month;\n"
    "  a date in a leap month falls on the ordinary month in years without that leap month.\n";

int cliIcs(const QStringList &args)
{
    IcsOptions options;
    if (!readOptions(args, options))
        return 2;
    const bool lunar = options.values.contains(QStringLiteral("--lunar"));
    if (lunar == options.solarTerms || !options.values.contains(QStringLiteral("--from"))
        || !options.values.contains(QStringLiteral("--to")))
        return badUsage(QStringLiteral("give --lunar or --solar-terms, and --from and --to"));
    if (!lunar && (options.leap || options.values.contains(QStringLiteral("--name")))) {
        printErr(QStringLiteral("velmora-cli: --leap and --name go with --lunar\n"));
        return 2;
    }

    const int from = calendarYearArgument(options.values.value(QStringLiteral("--from")));
    const int to = calendarYearArgument(options.values.value(QStringLiteral("--to")));
    if (from == 0 || to == 0)
        return 2;
    if (from > to) {
        printErr(QStringLiteral("velmora-cli: --from %1 lies after --to %2\n").arg(from).arg(to));
        return 2;
    }

    QList<CalendarEvent> events;
    QString calendarName;
    if (lunar) {
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})-(\\d{1,2})$"));
        const QString text = options.values.value(QStringLiteral("--lunar"));
        const QRegularExpressionMatch match = pattern.match(text);
        const int month = match.hasMatch() ? match.captured(1).toInt() : 0;
        const int day = match.hasMatch() ? match.captured(2).toInt() : 0;
        if (month < 1 || month > 12 || day < 1 || day > 30) {
            printErr(QStringLiteral("velmora-cli: %1 is not a lunar month and day in the form MM-DD "
                                    "(month 01 to 12, day 01 to 30)\n")
                         .arg(text));
            return 2;
        }
        calendarName = options.values.value(QStringLiteral("--name")).trimmed();
        if (calendarName.isEmpty()) {
            printErr(QStringLiteral("velmora-cli: --name needs the events' title, e.g. --name 妈妈生日\n"));
            return 2;
        }
        const LunarAnniversaries found = lunarAnniversaryEvents(month, day, options.leap, calendarName, from, to);
        for (const int year : found.yearsPastRange)
            printErr(QStringLiteral("velmora-cli: the date of lunar year %1 falls after %2-12-31, the calendar's "
                                    "end; left out\n")
                         .arg(year)
                         .arg(LastLunarYear));
        if (found.events.isEmpty())
            return 1;
        events = found.events;
    } else {
        calendarName = QStringLiteral("二十四节气");
        events = solarTermEvents(from, to);
    }
    const QByteArray ics = icsCalendar(events, QDateTime::currentDateTimeUtc(), calendarName);
    return writeOutput(options.values.value(QStringLiteral("-o")), ics) ? 0 : 2;
}
