#include "calendar/DateCn.h"

#include <benchmark/benchmark.h>

// Every day of the supported range with its code and every name the calendar shows.
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

BENCHMARK_MAIN();
