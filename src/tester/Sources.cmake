target_sources(quillomat_core PRIVATE
    tester/DeviceReport.cpp
    tester/DeviceReport.h
    tester/DeviceViews.cpp
    tester/DeviceViews.h
    tester/DeviceWindow.cpp
    tester/DeviceWindow.h
    tester/ElementReach.cpp
    tester/ElementReach.h
    tester/MainWindow.cpp
    tester/MainWindow.h
    tester/RangeBarDelegate.cpp
    tester/RangeBarDelegate.h
)

# The game input service over SDL: the Qt plugin "quillomat-sdl", which the
# program loads once its window shows.
add_library(quillomat-sdl MODULE
    tester/SdlGameInput.cpp
    tester/SdlGameInput.h
    tester/SdlGameInputPlugin.cpp
    base/MotionGauge.cpp
    base/MotionGauge.h
    tester/StickGauge.cpp
    tester/StickGauge.h
)
target_include_directories(quillomat-sdl PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quillomat-sdl PRIVATE Qt6::Core SDL2::SDL2)
set_target_properties(quillomat-sdl PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
install(TARGETS quillomat-sdl LIBRARY DESTINATION lib/quillomat/plugins)
