// Quillomat with a demo pad plugged in: the same application, started the
// same way, for trying the program without a controller at hand.
#include "DemoPad.h"
#include "app/App.h"

int main(int argc, char **argv)
{
    App app(argc, argv);
    // Attached before the event loop opens the tester window, which lists the
    // devices present at that moment.
    DemoPad pad;
    app.start();
    // The application object releases the windows and menu bar it outlives.
    return App::exec();
}
