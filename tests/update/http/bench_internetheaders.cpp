// How long a header block of 4,000 instances of one name takes to parse:
// numbered keys must not make a long run of one name quadratic.
#include "update/http/InternetHeaders.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray blockOfOneName(int count)
{
    QByteArray block = "HTTP/1.0 200 OK\r\n";
    for (int instance = 0; instance < count; ++instance)
        block += "X-Same: " + QByteArray::number(100000 + instance) + "\r\n";
    return block;
}

void parseRepeatedName(benchmark::State &state)
{
    const QByteArray block = blockOfOneName(int(state.range(0)));
    for (auto _ : state) {
        InternetHeaders headers;
        headers._ParseHeaders(block);
        benchmark::DoNotOptimize(headers.Count());
    }
    InternetHeaders headers;
    headers._ParseHeaders(block);
    if (headers.NameCount("x-same") != state.range(0))
        state.SkipWithError("wrong number of instances");
    state.counters["block bytes"] = double(block.size());
    state.SetBytesProcessed(state.iterations() * block.size());
}

} // namespace

BENCHMARK(parseRepeatedName)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
