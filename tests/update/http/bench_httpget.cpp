// Throughput of a synchronous GET of a 50 MB body from a loopback server,
// next to curl fetching the same body from the same server in the same run.
#include "update/http/HTTPSocket.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr qsizetype bodyLength = 50 * 1000 * 1000;

// Serves one fixed response to every connection, as fast as plain sockets go,
// so that both clients meet the same server.
class BodyServer {
public:
    explicit BodyServer(QByteArray response)
        : response_(std::move(response))
    {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        bind(listener_, reinterpret_cast<sockaddr *>(&address), length);
        listen(listener_, 8);
        getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~BodyServer()
    {
        stop_ = true;
        thread_.join();
        close(listener_);
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/body").arg(port_); }

private:
    void serve()
    {
        while (!stop_) {
            pollfd waiting{listener_, POLLIN, 0};
            if (poll(&waiting, 1, 100) <= 0)
                continue;
            const int connection = accept(listener_, nullptr, nullptr);
            if (connection < 0)
                continue;
            QByteArray request;
            char buffer[4096];
            while (!request.contains("\r\n\r\n")) {
                const ssize_t got = recv(connection, buffer, sizeof(buffer), 0);
                if (got <= 0)
                    break;
                request.append(buffer, got);
            }
            for (qsizetype sent = 0; sent < response_.size();) {
                const ssize_t wrote = send(connection, response_.constData() + sent,
                                           std::size_t(response_.size() - sent), MSG_NOSIGNAL);
                if (wrote <= 0)
                    break;
                sent += wrote;
            }
            shutdown(connection, SHUT_WR);
            while (recv(connection, buffer, sizeof(buffer), 0) > 0) {
            }
            close(connection);
        }
    }

    QByteArray response_;
    int listener_ = -1;
    quint16 port_ = 0;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

BodyServer &server()
{
    static BodyServer instance(
        "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(bodyLength) + "\r\n\r\n" +
        QByteArray(bodyLength, 'b'));
    return instance;
}

void synchronousGet(benchmark::State &state)
{
    const QString url = server().url();
    for (auto _ : state) {
        HTTPSocket socket;
        const QByteArray body = socket.Get(url, 30);
        if (body.size() != bodyLength) {
            state.SkipWithError("short body");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * bodyLength);
}

// curl's own clock, so that starting the process is not counted. With
// "/dev/null" it throws the body away; into a file on a memory file system it
// keeps it in memory, as Get does.
void curlGet(benchmark::State &state, const QString &output)
{
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        state.SkipWithError("curl is not installed");
        return;
    }
    const QString url = server().url();
    for (auto _ : state) {
        QProcess process;
        process.start(
            curl, {"-s", "-o", output, "-w", "%{time_total} %{size_download}", "--http1.0", url});
        process.waitForFinished(60000);
        const QList<QByteArray> figures = process.readAllStandardOutput().split(' ');
        if (figures.size() != 2 || figures[1].toLongLong() != bodyLength) {
            state.SkipWithError("curl failed");
            return;
        }
        state.SetIterationTime(figures[0].toDouble());
    }
    if (output != QLatin1String("/dev/null"))
        QFile::remove(output);
    state.SetBytesProcessed(state.iterations() * bodyLength);
}

void curlDiscarding(benchmark::State &state)
{
    curlGet(state, QStringLiteral("/dev/null"));
}

void curlKeepingInMemory(benchmark::State &state)
{
    const QString folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                               ? QStringLiteral("/dev/shm")
                               : QDir::tempPath();
    curlGet(state, folder + QStringLiteral("/quillomat-bench-body"));
}

// Prints each benchmark's median rate and Get's share of curl's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (run.aggregate_name == "median" && rate != run.counters.end())
                medians_[run.run_name.function_name] = rate->second;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double ours = medians_["synchronousGet"];
        for (const char *curl : {"curlDiscarding", "curlKeepingInMemory"}) {
            if (ours > 0 && medians_[curl] > 0)
                std::printf("median: HTTPSocket %.0f MB/s, %s %.0f MB/s: %.0f%%\n", ours / 1e6,
                            curl, medians_[curl] / 1e6, 100 * ours / medians_[curl]);
        }
    }

private:
    std::map<std::string, double> medians_;
};

} // namespace

BENCHMARK(synchronousGet)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(7);
BENCHMARK(curlDiscarding)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(7)
    ->UseManualTime();
BENCHMARK(curlKeepingInMemory)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(7)
    ->UseManualTime();

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // The three take turns, so that a busy moment of the machine does not
    // fall on one of them only.
    std::vector<char *> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
