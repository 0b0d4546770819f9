// A synchronous GET of a 50 MB body from a loopback server, against curl
// fetching the same body from the same server: into /dev/null (throwing the
// body away) and into a file in memory (keeping it, as Get does). Compare
// the bytes_per_second of the three.
#include "update/http/HTTPSocket.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace {

constexpr qsizetype bodyLength = 50'000'000;
QString url;

void httpSocketGet(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (HTTPSocket().Get(url, 30).size() != bodyLength)
            state.SkipWithError("short body");
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    state.SetBytesProcessed(state.iterations() * bodyLength);
}

void curlGet(benchmark::State &state, const char *output)
{
    for (auto _ : state) {
        QProcess curl;
        // curl's own clock, so that starting the process is not counted.
        curl.start("curl",
                   {"-s", "-o", output, "-w", "%{time_total} %{size_download}", "--http1.0", url});
        curl.waitForFinished(60000);
        const QList<QByteArray> figures = curl.readAllStandardOutput().split(' ');
        if (figures.value(1).toLongLong() != bodyLength)
            state.SkipWithError("curl failed");
        state.SetIterationTime(figures.value(0).toDouble());
    }
    state.SetBytesProcessed(state.iterations() * bodyLength);
}

} // namespace

BENCHMARK(httpSocketGet)->UseManualTime()->Iterations(5)->Repetitions(5);
BENCHMARK_CAPTURE(curlGet, discarding, "/dev/null")->UseManualTime()->Iterations(5)->Repetitions(5);
BENCHMARK_CAPTURE(curlGet, keeping_in_memory, "/dev/shm/quillomat-bench-body")
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(5);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QByteArray response =
        "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(bodyLength) + "\r\n\r\n" +
        QByteArray(bodyLength, 'b');
    // Plain sockets, as fast as they go, so that both clients meet the same server.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t size = sizeof(address);
    bind(listener, reinterpret_cast<sockaddr *>(&address), size);
    listen(listener, 8);
    getsockname(listener, reinterpret_cast<sockaddr *>(&address), &size);
    std::thread server([&] {
        for (int connection; (connection = accept(listener, nullptr, nullptr)) >= 0;) {
            char buffer[4096];
            recv(connection, buffer, sizeof(buffer), 0);
            for (qsizetype sent = 0, wrote = 0; sent < response.size() && wrote >= 0; sent += wrote)
                wrote =
                    send(connection, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
            close(connection);
        }
    });
    url = QStringLiteral("http://127.0.0.1:%1/").arg(ntohs(address.sin_port));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shutdown(listener, SHUT_RDWR);
    server.join();
    close(listener);
    QFile::remove("/dev/shm/quillomat-bench-body");
}
