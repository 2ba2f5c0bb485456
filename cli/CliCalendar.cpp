#include "cli/Cli.h"

#include "calendar/DateCn.h"

#include <QRegularExpression>

namespace {

const QDate firstSupported(FirstLunarYear, 1, 1);
const QDate lastSupported(LastLunarYear, 12, 31);

QString outOfRange()
{
    return QStringLiteral("velmora-cli: the calendar covers %1 to %2 only\n")
        .arg(firstSupported.toString(Qt::ISODate), lastSupported.toString(Qt::ISODate));
}

// Strictly YYYY-MM-DD, so that 2002-2-30 or 2002/02/03 are refused rather than guessed at.
QDate parseDate(const QString &text)
{
    // Anchored at the very end: "$" alone would let a final line break through.
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{4})-(\\d{2})-(\\d{2})")));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

bool parseNumber(const QString &text, int &number)
{
    bool ok = false;
    number = text.toInt(&ok);
    return ok;
}

// Display columns of a text in a terminal: CJK characters take two.
int displayWidth(const QString &text)
{
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

QString rightAligned(const QString &text, int columns)
{
    return QString(qMax(0, columns - displayWidth(text)), QLatin1Char(' ')) + text;
}

QString withoutTrailingBlanks(QString line)
{
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line + QLatin1Char('\n');
}

} // namespace

int cliLunar(const QStringList &args)
{
    const QString usage = QStringLiteral("velmora-cli lunar FROM [TO]   (dates as YYYY-MM-DD)");
    if (args.isEmpty() || args.size() > 2)
        return usageError(usage);
    const QDate from = parseDate(args.at(0));
    const QDate to = args.size() == 2 ? parseDate(args.at(1)) : from;
    for (int i = 0; i < args.size(); ++i) {
        if (!(i == 0 ? from : to).isValid()) {
            printErr(QStringLiteral("velmora-cli: %1 is not a calendar date in the form YYYY-MM-DD\n").arg(args.at(i)));
            return 2;
        }
    }
    if (from > to) {
        printErr(QStringLiteral("velmora-cli: FROM %1 lies after TO %2\n").arg(args.at(0), args.at(1)));
        return 2;
    }
    if (from < firstSupported || to > lastSupported) {
        printErr(outOfRange());
        return 2;
    }

    const QChar tab = QLatin1Char('\t');
    QString chunk;
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        chunk += date.toString(Qt::ISODate) + tab + QString::number(LunarDateCode(date)) + tab
                 + LunarMonthName(date) + tab + LunarDayName(date) + tab + LunarFestivalName(date) + tab
                 + SolarTermName(date) + tab + GregorianFestivalName(date.day(), date) + tab
                 + ZodiacAnimalName(date) + tab + ConstellationName(date) + QLatin1Char('\n');
        if (chunk.size() > 16384) {
            printOut(chunk);
            chunk.clear();
        }
    }
    printOut(chunk);
    return 0;
}

int cliMonth(const QStringList &args)
{
    const QString usage = QStringLiteral("velmora-cli month YEAR MONTH");
    int year = 0;
    int month = 0;
    if (args.size() != 2 || !parseNumber(args.at(0), year) || !parseNumber(args.at(1), month))
        return usageError(usage);
    if (month < 1 || month > 12) {
        printErr(QStringLiteral("velmora-cli: MONTH must be 1 to 12, not %1\n").arg(args.at(1)));
        return 2;
    }
    if (year < FirstLunarYear || year > LastLunarYear) {
        printErr(outOfRange());
        return 2;
    }

    // Seven columns, Sunday first, each day number over the caption the calendar window shows.
    constexpr int columnWidth = 6;
    constexpr int gap = 2;
    const QString blank(gap, QLatin1Char(' '));
    const QString title = QStringLiteral("%1年%2月").arg(year).arg(month);
    const int gridWidth = 7 * columnWidth + 6 * gap;
    printOut(withoutTrailingBlanks(rightAligned(title, (gridWidth + displayWidth(title)) / 2)));
    QString header;
    const QString weekdays[] = {QStringLiteral("日"), QStringLiteral("一"), QStringLiteral("二"),
                                QStringLiteral("三"), QStringLiteral("四"), QStringLiteral("五"),
                                QStringLiteral("六")};
    for (int column = 0; column < 7; ++column)
        header += (column ? blank : QString()) + rightAligned(weekdays[column], columnWidth);
    printOut(withoutTrailingBlanks(header));

    const QDate first(year, month, 1);
    const int days = DaysInMonth(year, month);
    int column = SundayFirstWeekday(first) - 1;
    QString numbers;
    QString captions;
    for (int empty = 0; empty < column; ++empty) {
        const QString cell = (empty ? blank : QString()) + QString(columnWidth, QLatin1Char(' '));
        numbers += cell;
        captions += cell;
    }
    for (int day = 1; day <= days; ++day) {
        const QString separator = column ? blank : QString();
        numbers += separator + rightAligned(QString::number(day), columnWidth);
        captions += separator + rightAligned(dayCaption(QDate(year, month, day)).text, columnWidth);
        if (++column == 7 || day == days) {
            printOut(withoutTrailingBlanks(numbers));
            printOut(withoutTrailingBlanks(captions));
            numbers.clear();
            captions.clear();
            column = 0;
        }
    }
    printOut(QStringLiteral("生肖 %1  星座 %2\n").arg(ZodiacAnimalName(first), ConstellationName(first)));
    return 0;
}
