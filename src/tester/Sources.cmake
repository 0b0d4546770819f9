target_sources(quillomat_core PRIVATE
    tester/DeviceReport.cpp
    tester/DeviceReport.h
    tester/GameInput.h
    tester/MainWindow.cpp
    tester/MainWindow.h
    tester/SdlGameInput.cpp
    tester/SdlGameInput.h
    tester/ValueText.cpp
    tester/ValueText.h
)
