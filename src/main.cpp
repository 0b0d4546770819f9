#include "app/App.h"

int main(int argc, char **argv)
{
    App app(argc, argv);
    app.start();
    // The application object releases the windows and menu bar it outlives.
    return App::exec();
}
