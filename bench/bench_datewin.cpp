// The calendar window must open and step months without a noticeable pause now
// that every day carries its day card and its 休/班 mark.
#include "calendar/DateWin.h"
#include "data/uShare.h"

#include "BenchMain.h"

#include <QApplication>

namespace {

// Opening: the form, the 37 cells, the holiday files and today's month.
void BM_OpenCalendarWindow(benchmark::State &state)
{
    setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
    for (auto _ : state) {
        TFRM_Date window;
        window.FormShow();
        benchmark::DoNotOptimize(window.LabelNoArrangement->isHidden());
    }
}
BENCHMARK(BM_OpenCalendarWindow)->Unit(benchmark::kMillisecond);

// One press of a spin button: a month of 31 days with cards and marks.
void BM_ShowMonth(benchmark::State &state)
{
    setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
    TFRM_Date window;
    const QDate october(2025, 10, 1);
    for (auto _ : state)
        window.ShowMonth(october);
}
BENCHMARK(BM_ShowMonth)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarks<QApplication>(argc, argv);
}
