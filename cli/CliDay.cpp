#include "cli/Cli.h"

#include "calendar/DayCard.h"

#include <QJsonDocument>

int cliDay(const QStringList &args)
{
    QStringList dates = args;
    const bool json = dates.removeAll(QStringLiteral("--json")) > 0;
    if (dates.size() != 1 || dates.first().startsWith(QLatin1Char('-')))
        return badUsage(QStringLiteral("DATE as YYYY-MM-DD"));
    const QDate date = calendarDateArgument(dates.first());
    if (!date.isValid())
        return 2;
    const DayCard card = dayCard(date, installedHolidays());
    if (json)
        printOut(QString::fromUtf8(QJsonDocument(dayCardJson(card)).toJson(QJsonDocument::Indented)));
    else
        printOut(dayCardText(card) + QLatin1Char('\n'));
    return 0;
}
