target_sources(quillomat_core PRIVATE
    update/CheckForUpdateModule.cpp
    update/CheckForUpdateModule.h
    update/UpdateCheck.h
)

# The check itself, with the HTTP client and Qt Network: the Qt plugin
# "quillomat-update", which the program loads only when a check runs. The
# tests link the check directly.
add_library(quillomat_update_check STATIC
    update/CheckForUpdateThread.cpp
    update/CheckForUpdateThread.h
    update/UpdateCheck.h
)
target_include_directories(quillomat_update_check PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quillomat_update_check PUBLIC quillomat_http)
set_target_properties(quillomat_update_check PROPERTIES POSITION_INDEPENDENT_CODE ON)

add_library(quillomat-update MODULE update/UpdateCheckPlugin.cpp)
target_link_libraries(quillomat-update PRIVATE quillomat_update_check)
set_target_properties(quillomat-update PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
install(TARGETS quillomat-update LIBRARY DESTINATION lib/quillomat/plugins)
