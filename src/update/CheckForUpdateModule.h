#pragma once

// The launch-time check for a newer version of the program.
namespace CheckForUpdateModule {

// Starts the check in the background when the user asked for it.
void checkForUpdate();

} // namespace CheckForUpdateModule
