#include "update/CheckForUpdateModule.h"

#include "base/WebsiteUrl.h"
#include "prefs/PreferencesModule.h"
#include "update/CheckForUpdateThread.h"

#include <memory>

namespace CheckForUpdateModule {

namespace {
// Kept only so that the end of the program can stop it.
std::unique_ptr<CheckForUpdateThread> check_;
} // namespace

void checkForUpdate()
{
    if (!PreferencesModule::checkForUpdate || check_)
        return;
    check_ = std::make_unique<CheckForUpdateThread>(websiteBaseUrl());
    check_->start();
}

void stopCheck()
{
    if (!check_)
        return;
    // The fetch notices within a few milliseconds; a message still waiting
    // for the user returns once the program is quitting.
    check_->requestInterruption();
    check_->wait();
    check_.reset();
}

} // namespace CheckForUpdateModule
