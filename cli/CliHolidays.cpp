#include "cli/Cli.h"

#include "calendar/Holidays.h"

#include <QDir>

HolidayCalendar installedHolidays()
{
    LoadedHolidays loaded = loadHolidays(shippedHolidaysPath(), userHolidaysPath());
    for (const QString &problem : std::as_const(loaded.problems))
        printErr(QStringLiteral("velmora-cli: warning: holiday arrangements left out: %1\n").arg(problem));
    return loaded.calendar;
}

int cliHolidays(const QStringList &args)
{
    if (!args.isEmpty() && args.at(0) == QLatin1String("import")) {
        if (args.size() != 2)
            return badUsage();
        const HolidayImport result = importHolidayFile(args.at(1), userHolidaysPath());
        if (!result.ok()) {
            printErr(QStringLiteral("velmora-cli: %1; nothing was installed\n").arg(result.error));
            return 2;
        }
        QStringList years;
        for (const int year : result.years)
            years.append(QString::number(year));
        printOut(QStringLiteral("installed the holiday arrangements of %1 into %2\n")
                     .arg(years.join(QStringLiteral(", ")), QDir::toNativeSeparators(userHolidaysPath())));
        return 0;
    }
    if (args.size() != 1)
        return badUsage();
    const int year = calendarYearArgument(args.at(0));
    if (year == 0)
        return 2;
    const HolidayCalendar holidays = installedHolidays();
    if (!holidays.hasYear(year)) {
        printErr(QStringLiteral("velmora-cli: %1 (no arrangement for %2 yet; "
                                "add one with velmora-cli holidays import FILE)\n")
                     .arg(arrangementMissingText(year))
                     .arg(year));
        return 1;
    }
    printOut(QString::fromUtf8(holidayFileText(holidays.year(year))));
    return 0;
}
