#include "app/App.h"

int main(int argc, char **argv)
{
    App app(argc, argv);
    app.start();
    const int status = App::exec();
    App::releaseModuleObjects();
    return status;
}
