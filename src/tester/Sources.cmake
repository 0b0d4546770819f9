target_sources(quillomat_core PRIVATE
    tester/DeviceReport.cpp
    tester/DeviceReport.h
    tester/MainWindow.cpp
    tester/MainWindow.h
    tester/SdlGameInput.cpp
    tester/SdlGameInput.h
)
