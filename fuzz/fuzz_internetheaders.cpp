// libFuzzer target: the header collection against its literal model.
#include "HttpFuzzHarness.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString problem = HttpFuzzHarness::checkHeaderCollection(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "header collection: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
