// Start-up with the maker's server unreachable: the banner fetches must stay
// within their deadline, so the main window appears in under 2.5 seconds.
#include "app/BannerFetch.h"
#include "app/Untmain.h"
#include "data/uShare.h"

#include <QApplication>
#include <QFile>
#include <QTcpServer>

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

// Answers every connection with 100 MB of body and no length, from a thread of
// its own so that none of it waits in this thread's buffers.
class FloodServer
{
public:
    FloodServer()
    {
        m_socket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(m_socket, reinterpret_cast<sockaddr *>(&address), size);
        listen(m_socket, 4);
        getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &size);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~FloodServer()
    {
        m_stop = true;
        shutdown(m_socket, SHUT_RDWR);
        close(m_socket);
        m_thread.join();
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

private:
    void serve()
    {
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n";
        const QByteArray chunk(64 * 1024, 'a');
        while (!m_stop) {
            const int client = accept(m_socket, nullptr, nullptr);
            if (client < 0)
                return;
            char request[4096];
            recv(client, request, sizeof request, 0);
            bool open = send(client, head.constData(), size_t(head.size()), MSG_NOSIGNAL) > 0;
            for (int i = 0; open && i < 1600 && !m_stop; ++i)
                open = send(client, chunk.constData(), size_t(chunk.size()), MSG_NOSIGNAL) > 0;
            close(client);
        }
    }

    int m_socket = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Kilobytes of a line of /proc/self/status such as VmHWM.
qint64 statusKilobytes(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// The 64 KiB limit must bound memory too: peak resident memory may grow by
// little more than the limit while a 100 MB answer is refused.
void BM_BannerFetchEndlessAnswer(benchmark::State &state)
{
    FloodServer server;
    qint64 growth = 0;
    for (auto _ : state) {
        const qint64 before = statusKilobytes("VmRSS");
        // Writing 5 resets the peak to the current resident size.
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        clear.close();
        benchmark::DoNotOptimize(fetchBanner(server.url(), 10000));
        growth = std::max(growth, statusKilobytes("VmHWM") - before);
    }
    state.counters["peak_growth_MB"] = double(growth) / 1024.0;
}
BENCHMARK(BM_BannerFetchEndlessAnswer)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MainWindowStartupSilentServer(benchmark::State &state)
{
    QTcpServer server;
    HttpBannerSource source(silentServer(server));
    setBannerSource(&source);
    setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
    for (auto _ : state) {
        Frmmain = new TFrmmain;
        Frmmain->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete Frmmain.data();
        state.ResumeTiming();
    }
    setBannerSource(nullptr);
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
