#pragma once

// The launch-time check for a newer version of the program.
namespace CheckForUpdateModule {

// Starts the check in the background when the user asked for it.
void checkForUpdate();

// Asks a running check to give up at once and waits for its thread to end.
// Called once the event loop has ended, before the application object goes.
void stopCheck();

} // namespace CheckForUpdateModule
