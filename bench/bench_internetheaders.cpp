// Parsing a 64 KiB header block of 4,000 instances of one name: numbered
// keys must not make a long run of one name quadratic.
#include "update/http/InternetHeaders.h"

#include <benchmark/benchmark.h>

static void parseRepeatedName(benchmark::State &state)
{
    QByteArray block = "HTTP/1.0 200 OK\r\n";
    for (int instance = 0; instance < 4000; ++instance)
        block += "X-Same: " + QByteArray::number(100000 + instance) + "\r\n";
    InternetHeaders headers;
    for (auto _ : state)
        headers._ParseHeaders(block);
    if (headers.NameCount("x-same") != 4000)
        state.SkipWithError("wrong number of instances");
    state.SetBytesProcessed(state.iterations() * block.size());
}
BENCHMARK(parseRepeatedName)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
