# What every area stands on: texts, fonts, layout helpers, conversions, the
# application services and the hooks to the world outside. It knows no area.
target_sources(quillomat_core PRIVATE
    base/Anchors.cpp
    base/Anchors.h
    base/ApplicationServices.cpp
    base/ApplicationServices.h
    base/GameInput.h
    base/LayoutText.cpp
    base/LayoutText.h
    base/LocalizedText.cpp
    base/LocalizedText.h
    base/MotionGauge.cpp
    base/MotionGauge.h
    base/Seams.cpp
    base/Seams.h
    base/Shell.cpp
    base/Shell.h
    base/SingleInstance.h
    base/SystemFont.cpp
    base/SystemFont.h
    base/ValueText.cpp
    base/ValueText.h
)
