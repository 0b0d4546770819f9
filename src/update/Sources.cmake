target_sources(quillomat_core PRIVATE
    update/CheckForUpdateModule.cpp
    update/CheckForUpdateModule.h
    update/CheckForUpdateThread.cpp
    update/CheckForUpdateThread.h
)
