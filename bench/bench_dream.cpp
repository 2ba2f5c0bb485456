#include "data/Query.h"
#include "data/Statements.h"
#include "data/uShare.h"
#include "dream/DreamLookup.h"

#include <QCoreApplication>

#include "bench/BenchMain.h"
#include "bench/LargeDatabase.h"

#include <benchmark/benchmark.h>

namespace {

QString connectionTo(const QString &path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path
           + QStringLiteral(";Persist Security Info=True");
}

void runSearch(benchmark::State &state, const QString &database, const QString &text, DreamLookup::SearchMode mode)
{
    Query query;
    query.setConnectionString(connectionTo(database));
    for (auto _ : state) {
        DreamLookup::SearchResult result;
        if (!DreamLookup::search(query, text, mode, result))
            state.SkipWithError("search failed");
        benchmark::DoNotOptimize(result);
    }
}

void ExactLookupShipped(benchmark::State &state)
{
    runSearch(state, QStringLiteral(VELMORA_PROGRAM_DIR "/dream.dll"), QStringLiteral("掉牙"), DreamLookup::SearchMode::Exact);
}
BENCHMARK(ExactLookupShipped)->Unit(benchmark::kMicrosecond);

void SubstringSearchShipped(benchmark::State &state)
{
    runSearch(state, QStringLiteral(VELMORA_PROGRAM_DIR "/dream.dll"), QStringLiteral("蛇"), DreamLookup::SearchMode::Substring);
}
BENCHMARK(SubstringSearchShipped)->Unit(benchmark::kMicrosecond);

void ExactLookupLarge(benchmark::State &state)
{
    runSearch(state, largeDatabase(), QStringLiteral("梦77777号"), DreamLookup::SearchMode::Exact);
}
BENCHMARK(ExactLookupLarge)->Unit(benchmark::kMicrosecond);

void SubstringSearchLarge(benchmark::State &state)
{
    // Ten matches among 100,000 titles: the cost is the scan, not the decoding.
    runSearch(state, largeDatabase(), QStringLiteral("9999"), DreamLookup::SearchMode::Substring);
}
BENCHMARK(SubstringSearchLarge)->Unit(benchmark::kMillisecond);

void DecodeContentThroughput(benchmark::State &state)
{
    const QString encoded = EncodeContent(QStringLiteral("梦见飞翔，多主志向高远。").repeated(int(state.range(0))), contentKey,
                                          contentRounds);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeContent(encoded, contentKey, contentRounds));
    state.SetBytesProcessed(int64_t(state.iterations()) * (encoded.size() / 2));
}
BENCHMARK(DecodeContentThroughput)->Arg(10)->Arg(1000);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
