#pragma once

#include <cstdint>

// The application's settings, process-wide, used on the main thread only.
namespace PreferencesModule {

// The tester window's last position and size in pixels; -1 means not set.
extern std::int32_t mainWindowLeft;
extern std::int32_t mainWindowTop;
extern std::int32_t mainWindowWidth;
extern std::int32_t mainWindowHeight;
// Whether to look for a newer version at launch.
extern bool checkForUpdate;
// Asked for in the preferences window: the next launch starts from defaults.
extern bool resetPreferences;

void loadPreferences();
void savePreferences();

} // namespace PreferencesModule
