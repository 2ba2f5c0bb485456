// The iCalendar writer with any names, descriptions and dates: every line ends in
// CRLF, no line is longer than 75 octets or splits a UTF-8 character, and
// unfolding gives one property per event field.
#include "FuzzCheck.h"

#include "calendar/ICalendar.h"

#include <QList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    const int events = 1 + data[0] % 4;
    const QDate first = QDate(1901, 1, 1).addDays((data[1] << 8 | data[2]) % 54787);
    const QList<QByteArray> parts = fuzzBytes(data + 3, size - 3).split('\x1f');
    QList<CalendarEvent> list;
    for (int i = 0; i < events; ++i) {
        CalendarEvent event;
        event.date = first.addDays(i * 30);
        event.uid = QString::fromUtf8(parts.value(0)) + QString::number(i);
        event.summary = QString::fromUtf8(parts.value(1));
        event.description = QString::fromUtf8(parts.value(2));
        list.append(event);
    }
    const QString name = QString::fromUtf8(parts.value(3));
    const QByteArray ics = icsCalendar(list, QDateTime(QDate(2026, 12, 11), QTime(8, 0), Qt::UTC), name);

    FUZZ_CHECK(ics.endsWith("\r\n"), QString::fromUtf8(ics.right(40)));
    const QList<QByteArray> lines = ics.chopped(1).split('\n');
    QByteArray unfolded;
    for (const QByteArray &withCr : lines) {
        FUZZ_CHECK(withCr.endsWith('\r'), QString::fromUtf8(withCr.left(60)));
        const QByteArray line = withCr.chopped(1);
        FUZZ_CHECK(!line.contains('\r'), QString::fromUtf8(line.left(60)));
        FUZZ_CHECK(line.size() <= 75, QString::fromUtf8(line.left(60)));
        // A folded piece never starts inside a UTF-8 sequence.
        const int start = line.startsWith(' ') ? 1 : 0;
        FUZZ_CHECK(line.size() <= start || (uchar(line.at(start)) & 0xC0) != 0x80, QString::fromUtf8(line.left(60)));
        if (line.startsWith(' '))
            unfolded += line.mid(1);
        else
            unfolded += '\n' + line;
    }
    FUZZ_CHECK(QString::fromUtf8(unfolded).toUtf8() == unfolded, QStringLiteral("unfolded text is not UTF-8"));
    const QList<QByteArray> properties = unfolded.mid(1).split('\n');
    FUZZ_CHECK(properties.first() == "BEGIN:VCALENDAR" && properties.last() == "END:VCALENDAR",
               QString::fromUtf8(properties.first()));
    FUZZ_CHECK(properties.count("BEGIN:VEVENT") == events, QString::number(events));
    int summaries = 0;
    for (const QByteArray &property : properties)
        summaries += property.startsWith("SUMMARY") ? 1 : 0;
    FUZZ_CHECK(summaries == events, QString::number(summaries));
    return 0;
}
