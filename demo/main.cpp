// Quillomat with a demo pad: the same application, started the same way, for
// trying the program without a controller at hand.
#include "DemoPad.h"
#include "app/App.h"
#include "tester/MainWindow.h"

#include <QComboBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    App app(argc, argv);
    // Plugged in while the instructions sheet is up, as its first step asks
    // of someone with a real pad. Standard error says when the popup offers it.
    DemoPad pad;
    QTimer watch;
    watch.callOnTimeout([&pad, &watch] {
        if (!pad.isAttached()) {
            if (QApplication::activeModalWidget())
                pad.plugIn();
            return;
        }
        MainWindow *window = MainWindow::existing();
        const auto *popup = window ? window->findChild<QComboBox *>("MainPopupMenu") : nullptr;
        if (popup && popup->count() > 0) {
            std::fprintf(stderr, "%s: offered\n", DemoPad::name);
            watch.stop();
        }
    });
    watch.start(20);
    app.start();
    // The application object releases the windows and menu bar it outlives.
    return App::exec();
}
