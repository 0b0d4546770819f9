#pragma once

#include <QString>

// The product website's base URL: scheme, host and an optional base path,
// without a trailing "/". It is set when an executable is built (the CMake
// cache variable QUILLOMAT_WEBSITE_URL) and linked into that executable
// only, so that a test build can point the same program at a local server.
QString websiteBaseUrl();
