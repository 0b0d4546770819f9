target_sources(quillomat_core PRIVATE
    prefs/CheckBoxContainerControl.cpp
    prefs/CheckBoxContainerControl.h
    prefs/CheckForUpdateContainerControl.cpp
    prefs/CheckForUpdateContainerControl.h
    prefs/CommonPreferencesModule.cpp
    prefs/CommonPreferencesModule.h
    prefs/PreferencesModule.cpp
    prefs/PreferencesModule.h
    prefs/PreferencesWindow.cpp
    prefs/PreferencesWindow.h
    prefs/ResetPreferencesContainerControl.cpp
    prefs/ResetPreferencesContainerControl.h
)
