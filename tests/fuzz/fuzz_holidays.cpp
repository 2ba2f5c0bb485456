// Any file offered to "holidays import": either refused with a line number, or
// sound throughout and written back unchanged in meaning.
#include "FuzzCheck.h"

#include "calendar/Holidays.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const HolidayFile file = parseHolidayFile(bytes);
    if (!file.ok()) {
        FUZZ_CHECK(file.days.isEmpty(), file.error);
        FUZZ_CHECK(file.errorLine >= 0 && file.errorLine <= bytes.count('\n') + 1, file.error);
        return 0;
    }
    QSet<qint64> seen;
    for (const HolidayDay &day : file.days) {
        FUZZ_CHECK(day.date.isValid() && day.date.year() >= 1901 && day.date.year() <= 2050, day.name);
        FUZZ_CHECK(day.kind == HolidayKind::Rest || day.kind == HolidayKind::Work, day.name);
        if (day.kind == HolidayKind::Work)
            FUZZ_CHECK(day.date.dayOfWeek() >= 6, day.date.toString(Qt::ISODate));
        FUZZ_CHECK(!seen.contains(day.date.toJulianDay()), day.date.toString(Qt::ISODate));
        seen.insert(day.date.toJulianDay());
    }

    // What the import writes reads back as the same days.
    const HolidayFile again = parseHolidayFile(holidayFileText(file.days));
    FUZZ_CHECK(again.ok(), again.error);
    FUZZ_CHECK(again.days.size() == file.days.size(), again.error);

    HolidayCalendar calendar;
    calendar.setYears(file.days);
    for (const HolidayDay &day : file.days) {
        const HolidayDay *found = calendar.find(day.date);
        FUZZ_CHECK(found && found->kind == day.kind && found->name == day.name, day.date.toString(Qt::ISODate));
    }
    return 0;
}
