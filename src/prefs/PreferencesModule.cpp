#include "prefs/PreferencesModule.h"

namespace PreferencesModule {

std::int32_t mainWindowLeft = -1;
std::int32_t mainWindowTop = -1;
std::int32_t mainWindowWidth = -1;
std::int32_t mainWindowHeight = -1;
bool checkForUpdate = false;
bool resetPreferences = false;

void loadPreferences()
{
    // No preferences file is read yet: every setting keeps its "not set" value.
}

void savePreferences()
{
    // No preferences file is written yet.
}

} // namespace PreferencesModule
