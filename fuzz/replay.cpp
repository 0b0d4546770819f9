// Runs a fuzz target once on each input file, or on each file of a folder,
// without libFuzzer: how the normal build keeps replaying the seeds and every
// input that ever found a fault. A failed check aborts, as under libFuzzer.
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" [[gnu::weak]] int LLVMFuzzerInitialize(int *argc, char ***argv);

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    QStringList paths;
    for (int index = 1; index < argc; ++index) {
        const QString path = QString::fromLocal8Bit(argv[index]);
        const QDir folder(path);
        if (!folder.exists())
            paths.append(path);
        for (const QString &name : folder.entryList(QDir::Files))
            paths.append(folder.filePath(name));
    }
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray input = file.readAll();
        std::printf("%s\n", qPrintable(path));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.constData()),
                               std::size_t(input.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(paths.size()));
    return paths.isEmpty() ? 1 : 0;
}
