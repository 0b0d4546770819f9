target_sources(quillomat_core PRIVATE
    prefs/PreferencesModule.cpp
    prefs/PreferencesModule.h
)
