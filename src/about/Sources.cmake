# The About window's sources.
target_sources(quillomat_core PRIVATE
    about/AboutWindow.cpp
    about/AboutWindow.h
    # Picture 168, the metal backdrop. The library is static, so AboutWindow.cpp
    # pulls the compiled resource in with Q_INIT_RESOURCE(about_pictures).
    about/about_pictures.qrc
)
