#include "dream/DreamSearch.h"

#include <QCoreApplication>

#include "bench/BenchMain.h"
#include "bench/LargeDatabase.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

const QString shortQuery = QStringLiteral("梦见白蛇");
// Forty characters, as people tell a dream.
const QString description = QStringLiteral("前天夜里梦到一条白蛇缠住我的腿，我吓得想跑却怎么也跑不动，醒来以后心还在怦怦直跳");

QString shipped()
{
    return QStringLiteral(VELMORA_PROGRAM_DIR "/dream.dll");
}

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void buildIndex(benchmark::State &state, const QString &database)
{
    size_t retained = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        auto index = std::make_unique<DreamSearch>();
        if (!index->load(database))
            state.SkipWithError("cannot read the database");
        retained = heapInUse() - before;
        benchmark::DoNotOptimize(index);
    }
    state.counters["index_MB"] = double(retained) / (1024.0 * 1024.0);
}

void IndexBuildShipped(benchmark::State &state)
{
    buildIndex(state, shipped());
}
BENCHMARK(IndexBuildShipped)->Unit(benchmark::kMillisecond);

void IndexBuildLarge(benchmark::State &state)
{
    buildIndex(state, largeDatabase());
}
BENCHMARK(IndexBuildLarge)->Unit(benchmark::kMillisecond)->Iterations(3);

void runQuery(benchmark::State &state, const QString &database, const QString &query)
{
    DreamSearch index;
    if (!index.load(database)) {
        state.SkipWithError("cannot read the database");
        return;
    }
    int hits = 0;
    for (auto _ : state) {
        const QList<DreamSearch::Hit> found = index.search(query, 20);
        hits = int(found.size());
        benchmark::DoNotOptimize(found);
    }
    state.counters["hits"] = hits;
}

void ShortQueryShipped(benchmark::State &state)
{
    runQuery(state, shipped(), shortQuery);
}
BENCHMARK(ShortQueryShipped)->Unit(benchmark::kMicrosecond);

void DescriptionShipped(benchmark::State &state)
{
    runQuery(state, shipped(), description);
}
BENCHMARK(DescriptionShipped)->Unit(benchmark::kMicrosecond);

void PinyinShipped(benchmark::State &state)
{
    runQuery(state, shipped(), QStringLiteral("baishe"));
}
BENCHMARK(PinyinShipped)->Unit(benchmark::kMicrosecond);

void ShortQueryLarge(benchmark::State &state)
{
    runQuery(state, largeDatabase(), shortQuery);
}
BENCHMARK(ShortQueryLarge)->Unit(benchmark::kMillisecond);

void DescriptionLarge(benchmark::State &state)
{
    runQuery(state, largeDatabase(), description);
}
BENCHMARK(DescriptionLarge)->Unit(benchmark::kMillisecond);

// Every one of the 100,000 titles begins with 梦 (meng): all of them match.
void PinyinEveryTitleLarge(benchmark::State &state)
{
    runQuery(state, largeDatabase(), QStringLiteral("meng"));
}
BENCHMARK(PinyinEveryTitleLarge)->Unit(benchmark::kMillisecond);

void NormalizeDescription(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DreamSearch::normalizeQuery(description));
}
BENCHMARK(NormalizeDescription)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
