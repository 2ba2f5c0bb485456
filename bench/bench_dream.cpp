#include "data/Query.h"
#include "data/Statements.h"
#include "data/uShare.h"
#include "dream/DreamLookup.h"
#include "tools/DreamDbBuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "bench/BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

QString connectionTo(const QString &path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path
           + QStringLiteral(";Persist Security Info=True");
}

// A database of 100,000 entries, built once by the real builder.
const QString &largeDatabase()
{
    static QTemporaryDir dir;
    static QString path;
    if (!path.isEmpty())
        return path;
    QFile categories(dir.filePath(QStringLiteral("Tclass.tsv")));
    categories.open(QIODevice::WriteOnly);
    categories.write("ZMID\tZMCLASS\n01\t大类\n");
    categories.close();
    QFile entries(dir.filePath(QStringLiteral("JMTable.tsv")));
    entries.open(QIODevice::WriteOnly);
    entries.write("CLASEID\tTITLE\tCONENT\n");
    const QString text = QStringLiteral("梦境的解析文字，长短与真实条目相近，用来衡量查找与解码的速度。").repeated(4);
    for (int i = 0; i < 100000; ++i)
        entries.write(QStringLiteral("01\t梦%1号\t%2\n").arg(i).arg(text).toUtf8());
    entries.close();
    QStringList errors;
    path = dir.filePath(QStringLiteral("dream.dll"));
    if (!buildDreamDatabase(dir.path(), path, errors))
        qFatal("cannot build the large database: %s", qPrintable(errors.join('\n')));
    return path;
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
