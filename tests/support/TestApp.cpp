#include "support/TestApp.h"

MessageRecorder::MessageRecorder()
    : previous_(App::instance()->seams().showMessageBox)
{
    App::instance()->seams().showMessageBox = [this](const QString &text) {
        messages.append(text);
    };
}

MessageRecorder::~MessageRecorder()
{
    App::instance()->seams().showMessageBox = previous_;
}
