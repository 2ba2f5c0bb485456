#include "data/GbkText.h"
#include "data/Query.h"
#include "fortune/BoneWeight.h"
#include "fortune/ConstellationPair.h"
#include "fortune/LoveTest.h"
#include "fortune/PhoneReading.h"

#include <QCoreApplication>

#include "bench/BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

Query shippedQuery()
{
    Query query;
    query.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" VELMORA_PROGRAM_DIR
                                             "/dream.dll;Persist Security Info=True"));
    return query;
}

// Five statements, each connecting to the file anew, as the window runs them.
void BoneReading(benchmark::State &state)
{
    Query query = shippedQuery();
    for (auto _ : state) {
        BoneWeight::Reading reading;
        if (!BoneWeight::read(query, QStringLiteral("1984"), QStringLiteral("九"), QStringLiteral("十八"),
                              QStringLiteral("23"), reading))
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BoneReading)->Unit(benchmark::kMicrosecond);

void PhoneReadingLookup(benchmark::State &state)
{
    for (auto _ : state) {
        // The window makes a query object per reading.
        Query query = shippedQuery();
        PhoneReading::Reading reading;
        if (!PhoneReading::read(query, QStringLiteral("13912341234"), reading))
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(PhoneReadingLookup)->Unit(benchmark::kMicrosecond);

void Pairing(benchmark::State &state)
{
    Query query = shippedQuery();
    for (auto _ : state) {
        QStringList lines;
        if (!ConstellationPair::pairingLines(query, QStringLiteral("天蝎座"), QStringLiteral("双鱼座"), lines))
            state.SkipWithError("pairing failed");
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(Pairing)->Unit(benchmark::kMicrosecond);

void LoveVerdict(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoveTest::verdict(QStringLiteral("王小明"), QStringLiteral("李丽")));
}
BENCHMARK(LoveVerdict)->Unit(benchmark::kMicrosecond);

// A pasted page of text: the walk itself, without the encoding.
void StrokeWalk64KiB(benchmark::State &state)
{
    const QByteArray text = toGbk(QStringLiteral("愿天下有情人终成眷属，Tom 与 爨！").repeated(3000)).left(65536);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetNameStrokes(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(StrokeWalk64KiB)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
