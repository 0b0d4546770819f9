#pragma once

#include "app/App.h"
#include "base/Seams.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

// Runs a Qt Test object inside the real application object, the way every
// window of the program expects to live. A quit saves the preferences: they
// go to a folder of the test's own, never the user's.
#define QUILLOMAT_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        const QTemporaryDir configHome;                                                            \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));                          \
        App app(argc, argv);                                                                       \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// Puts the program's seams back as they were when it was made.
class SeamsRestorer {
public:
    SeamsRestorer();
    ~SeamsRestorer();
    SeamsRestorer(const SeamsRestorer &) = delete;
    SeamsRestorer &operator=(const SeamsRestorer &) = delete;

private:
    Seams saved_;
};

// Replaces the message box with a recorder, for as long as it lives.
class MessageRecorder : SeamsRestorer {
public:
    MessageRecorder();
    QStringList messages;
};

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
