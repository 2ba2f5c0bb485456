// Start-up with the maker's server unreachable: the banner fetches must stay
// within their deadline, so the main window appears in under 2.5 seconds.
#include "app/BannerFetch.h"
#include "app/Untmain.h"
#include "data/uShare.h"

#include <QApplication>
#include <QTcpServer>

#include <benchmark/benchmark.h>

namespace {

// Accepts connections and never answers: the slowest server there is.
QString silentServer(QTcpServer &server)
{
    server.listen(QHostAddress::LocalHost, 0);
    return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
}

void BM_BannerFetchSilentServer(benchmark::State &state)
{
    QTcpServer server;
    const QString url = silentServer(server);
    for (auto _ : state)
        benchmark::DoNotOptimize(fetchBanner(url));
}
BENCHMARK(BM_BannerFetchSilentServer)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BannerFetchRefused(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fetchBanner(QStringLiteral("http://127.0.0.1:1")));
}
BENCHMARK(BM_BannerFetchRefused)->Unit(benchmark::kMillisecond);

void BM_MainWindowStartupSilentServer(benchmark::State &state)
{
    QTcpServer server;
    setBannerServerUrl(silentServer(server));
    setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
    for (auto _ : state) {
        Frmmain = new TFrmmain;
        Frmmain->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete Frmmain.data();
        state.ResumeTiming();
    }
    setBannerServerUrl({});
}
BENCHMARK(BM_MainWindowStartupSilentServer)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
