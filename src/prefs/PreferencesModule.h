#pragma once

#include <QByteArray>
#include <QString>

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

// Fills the settings from the preferences file; a missing or unreadable file
// leaves every default in force without a word.
void loadPreferences();
// Writes the settings to the preferences file, or leaves it empty when a
// reset was asked for. A failed write keeps the earlier file and tells the user.
void savePreferences();

// The user's preferences folder, created (mode 0700) when missing; empty
// when no folder can be had.
QString preferencesFolder();

// The seven lines of the file for the present settings, UTF-8, each ending
// in "\n".
QByteArray preferencesContent();

// Extended attributes that carry the file type and the creator code, where
// the file system takes them.
inline constexpr const char *fileTypeAttribute = "user.filetype";
inline constexpr const char *creatorAttribute = "user.creator";
inline constexpr const char *fileType = "pref";

} // namespace PreferencesModule
