#pragma once

#include "app/App.h"
#include "base/Seams.h"

// What the tests of the windows use.
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include <csignal>
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
        QCoreApplication::addLibraryPath(QStringLiteral(QUILLOMAT_MODULE_DIR));                    \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

inline Seams &seams()
{
    return App::instance()->seams();
}

// Puts the program's seams back as they were when it was made.
struct SeamsRestorer {
    const Seams saved = seams();
    ~SeamsRestorer() { seams() = saved; }
};

// Replaces the message box with a recorder, for as long as it lives.
struct MessageRecorder : SeamsRestorer {
    QStringList messages;
    MessageRecorder()
    {
        seams().showMessageBox = [this](const QString &text) {
            messages.append(text);
        };
    }
};

// The whole content of a file, or "(unreadable)".
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
}

// Lets the process write files of at most `bytes` bytes until destroyed, so
// that a write fails (with EFBIG, not a signal) the way it does on a full disk.
class FileSizeLimit {
    rlimit saved_{};
    void (*previousHandler_)(int) = std::signal(SIGXFSZ, SIG_IGN);

public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
};
