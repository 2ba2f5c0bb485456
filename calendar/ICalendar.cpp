#include "calendar/ICalendar.h"

#include "calendar/DateCn.h"

#include <QCryptographicHash>

namespace {

constexpr int maxLineOctets = 75;
const QByteArray crlf("\r\n");

QString escapedText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u';':
            escaped += QStringLiteral("\\;");
            break;
        case u',':
            escaped += QStringLiteral("\\,");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\r':
            break;
        default:
            escaped += (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F ? QChar(u' ') : c;
        }
    }
    return escaped;
}

// Folds after at most 75 octets, never inside a UTF-8 sequence; a continuation
// line starts with one space.
void appendLine(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    int room = maxLineOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;
        if (cut == start)
            cut = start + room;
        out += bytes.mid(start, cut - start);
        out += crlf;
        out += ' ';
        start = cut;
        room = maxLineOctets - 1;
    }
    out += bytes.mid(start);
    out += crlf;
}

QString icsDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

QByteArray icsCalendar(const QList<CalendarEvent> &events, const QDateTime &stamp, const QString &calendarName)
{
    QByteArray out;
    appendLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    appendLine(out, QStringLiteral("VERSION:2.0"));
    appendLine(out, QStringLiteral("PRODID:-//Velmora//Velmora Calendar//ZH"));
    appendLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    if (!calendarName.isEmpty())
        appendLine(out, QStringLiteral("X-WR-CALNAME:") + escapedText(calendarName));
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    for (const CalendarEvent &event : events) {
        if (!event.date.isValid())
            continue;
        appendLine(out, QStringLiteral("BEGIN:VEVENT"));
        appendLine(out, QStringLiteral("UID:") + escapedText(event.uid));
        appendLine(out, QStringLiteral("DTSTAMP:") + dtstamp);
        appendLine(out, QStringLiteral("DTSTART;VALUE=DATE:") + icsDate(event.date));
        appendLine(out, QStringLiteral("DTEND;VALUE=DATE:") + icsDate(event.date.addDays(1)));
        appendLine(out, QStringLiteral("SUMMARY:") + escapedText(event.summary));
        if (!event.description.isEmpty())
            appendLine(out, QStringLiteral("DESCRIPTION:") + escapedText(event.description));
        appendLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
        appendLine(out, QStringLiteral("END:VEVENT"));
    }
    appendLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

LunarAnniversaries lunarAnniversaryEvents(int month, int day, bool leap, const QString &name, int fromYear,
                                          int toYear)
{
    LunarAnniversaries result;
    // The same name and date give the same UIDs, so importing again updates rather than doubles.
    const QString nameKey = QString::fromLatin1(
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
    const QString asked = LunarDateText((leap ? -1 : 1) * (month * 100 + day));
    for (int year = qMax(fromYear, FirstLunarYear); year <= qMin(toYear, LastLunarYear); ++year) {
        const LunarDateInYear found = GregorianDateOfLunar(year, month, day, leap);
        if (!found.date.isValid()) {
            result.yearsPastRange.append(year);
            continue;
        }
        QStringList notes{QStringLiteral("农历%1年%2").arg(YearGanzhiName(found.date), asked)};
        if (found.leapMissing)
            notes.append(QStringLiteral("本年无%1，按%2").arg(LunarMonthText(month, true), LunarMonthText(month, false)));
        if (found.dayMoved)
            notes.append(QStringLiteral("本年%1只有二十九天，三十按廿九")
                             .arg(LunarMonthText(month, leap && !found.leapMissing)));
        CalendarEvent event;
        event.date = found.date;
        event.uid = QStringLiteral("%1-lunar-%2%3-%4@velmora")
                        .arg(icsDate(found.date), leap ? QStringLiteral("L") : QString())
                        .arg(month * 100 + day, 4, 10, QLatin1Char('0'))
                        .arg(nameKey);
        event.summary = name;
        event.description = notes.join(QStringLiteral("；"));
        result.events.append(event);
    }
    return result;
}

QList<CalendarEvent> solarTermEvents(int fromYear, int toYear)
{
    QList<CalendarEvent> events;
    for (int year = qMax(fromYear, FirstLunarYear); year <= qMin(toYear, LastLunarYear); ++year) {
        for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
            const int term = SolarTermIndex(year, date.month(), date.day());
            if (term == 0)
                continue;
            CalendarEvent event;
            event.date = date;
            event.uid = QStringLiteral("%1-term-%2@velmora").arg(icsDate(date)).arg(term, 2, 10, QLatin1Char('0'));
            event.summary = SolarTermName(date);
            event.description = QStringLiteral("二十四节气");
            events.append(event);
        }
    }
    return events;
}
