#include "support/TestApp.h"

#include <csignal>

SeamsRestorer::SeamsRestorer()
    : saved_(App::instance()->seams())
{}

SeamsRestorer::~SeamsRestorer()
{
    App::instance()->seams() = saved_;
}

MessageRecorder::MessageRecorder()
{
    App::instance()->seams().showMessageBox = [this](const QString &text) {
        messages.append(text);
    };
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &saved_);
    // Past the limit a write fails with EFBIG instead of killing the process.
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
}
