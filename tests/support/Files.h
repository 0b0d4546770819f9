#pragma once

#include <QByteArray>
#include <QString>

#include <sys/resource.h>

// The whole content of a file, or "(unreadable)".
QByteArray readFile(const QString &path);

// Lets the process write files of at most `bytes` bytes until destroyed, so
// that a write fails the way it does on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
