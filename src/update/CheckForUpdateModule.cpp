#include "update/CheckForUpdateModule.h"

#include "base/ApplicationServices.h"
#include "base/LocalizedText.h"
#include "base/Shell.h"
#include "base/WebsiteUrl.h"
#include "prefs/PreferencesModule.h"
#include "update/UpdateCheck.h"

#include <QApplication>
#include <QPluginLoader>
#include <QThread>

#include <memory>

namespace CheckForUpdateModule {

namespace {
// Kept only so that the end of the program can stop it.
std::unique_ptr<QThread> check_;
} // namespace

void checkForUpdate()
{
    if (!PreferencesModule::checkForUpdate || check_)
        return;
    // Qt Network and the HTTP client come in with the check; a program
    // without them says nothing, as of every failure of the check.
    QPluginLoader module(QStringLiteral("quillomat-update"));
    auto *factory = qobject_cast<UpdateCheckFactory *>(module.instance());
    if (!factory)
        return;
    check_.reset(factory->createCheck(
        {websiteBaseUrl(), ApplicationNameMBS(qApp), applicationVersionText(),
         CheckForUpdateThreadText::NewVersionAvailableMessage.text(), [](const QString &text) {
             Shell::instance()->displayMessage(text);
         }}));
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
