#pragma once

#include "app/App.h"

#include <QStringList>
#include <QTest>

// Runs a Qt Test object inside the real application object, the way every
// window of the program expects to live.
#define QUILLOMAT_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
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
