#pragma once

#include "app/App.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

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

// Replaces the message box with a recorder, for as long as it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList messages;

private:
    std::function<void(const QString &)> previous_;
};
