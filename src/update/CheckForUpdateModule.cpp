#include "update/CheckForUpdateModule.h"

namespace CheckForUpdateModule {

void checkForUpdate()
{
    // The update check is not built yet.
}

void stopCheck()
{
}

} // namespace CheckForUpdateModule
