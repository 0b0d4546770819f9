target_sources(quillomat_core PRIVATE
    update/CheckForUpdateModule.cpp
    update/CheckForUpdateModule.h
    update/CheckForUpdateThread.cpp
    update/CheckForUpdateThread.h
    update/http/HostLookup.cpp
    update/http/HostLookup.h
    update/http/HTTPSocket.cpp
    update/http/HTTPSocket.h
    update/http/HttpMessage.cpp
    update/http/HttpMessage.h
    update/http/InternetHeaders.cpp
    update/http/InternetHeaders.h
)
