// libFuzzer target: the HTTP client's response reader, fed arbitrary bytes in
// arbitrary pieces.
#include "HttpFuzzHarness.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The synchronous wait needs an application object for its event loop.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString problem = HttpFuzzHarness::checkResponseReader(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "response reader: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
