#include "calendar/DateCn.h"
#include "calendar/DayCard.h"
#include "calendar/ICalendar.h"

#include <QFile>

#include <benchmark/benchmark.h>

// Every day of the supported range with its code, every name the calendar shows and its 干支.
static void everyDayWithAllNames(benchmark::State &state)
{
    const QDate first(FirstLunarYear, 1, 1);
    const QDate last(LastLunarYear, 12, 31);
    for (auto _ : state) {
        qint64 total = 0;
        for (QDate date = first; date <= last; date = date.addDays(1)) {
            total += LunarDateCode(date);
            total += LunarMonthName(date).size() + LunarDayName(date).size() + LunarFestivalName(date).size();
            total += ZodiacAnimalName(date).size() + SolarTermName(date).size();
            total += GregorianFestivalName(date.day(), date).size() + ConstellationName(date).size();
            total += ConstellationOfDay(date.day(), date).size();
            total += YearGanzhiName(date).size() + MonthGanzhiName(date).size() + DayGanzhiName(date).size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["days"] = double(first.daysTo(last) + 1);
}
BENCHMARK(everyDayWithAllNames)->Unit(benchmark::kMillisecond);

// The same range through the window's caption rule alone.
static void everyDayCaption(benchmark::State &state)
{
    const QDate first(FirstLunarYear, 1, 1);
    const QDate last(LastLunarYear, 12, 31);
    for (auto _ : state) {
        qint64 total = 0;
        for (QDate date = first; date <= last; date = date.addDays(1))
            total += dayCaption(date).text.size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(everyDayCaption)->Unit(benchmark::kMillisecond);

static QByteArray shippedHolidayBytes()
{
    QFile file(QStringLiteral(VELMORA_PROGRAM_DIR "/holidays.tsv"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The day card of the tooltip, over the shipped holiday arrangements, for a day
// that has every line: festival, holiday and the next term.
static void dayCardOfOneDay(benchmark::State &state)
{
    const HolidayFile file = parseHolidayFile(shippedHolidayBytes());
    if (!file.ok()) {
        state.SkipWithError("holidays.tsv in the program directory is missing or unsound");
        return;
    }
    HolidayCalendar holidays;
    holidays.setYears(file.days);
    const QDate date(2025, 1, 29);
    for (auto _ : state) {
        const DayCard card = dayCard(date, holidays);
        benchmark::DoNotOptimize(dayCardText(card));
    }
}
BENCHMARK(dayCardOfOneDay)->Unit(benchmark::kMicrosecond);

// Reading the shipped holidays file, as the calendar does when it opens.
static void parseShippedHolidays(benchmark::State &state)
{
    const QByteArray bytes = shippedHolidayBytes();
    for (auto _ : state) {
        HolidayCalendar holidays;
        holidays.setYears(parseHolidayFile(bytes).days);
        benchmark::DoNotOptimize(holidays.hasYear(2025));
    }
}
BENCHMARK(parseShippedHolidays)->Unit(benchmark::kMicrosecond);

// A lunar birthday over the whole range written as iCalendar text.
static void lunarBirthdayWholeRange(benchmark::State &state)
{
    for (auto _ : state) {
        const LunarAnniversaries found = lunarAnniversaryEvents(6, 30, true, QStringLiteral("生日"), 1901, 2050);
        benchmark::DoNotOptimize(icsCalendar(found.events, QDateTime::currentDateTimeUtc(), QStringLiteral("生日")));
    }
}
BENCHMARK(lunarBirthdayWholeRange)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
