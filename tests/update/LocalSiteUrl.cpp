#include "app/WebsiteUrl.h"

#include <QByteArray>

// The website of the test build quillomat-localsite: whatever local server
// the test started, on the port it was given, as the test passes it in
// QUILLOMAT_LOCAL_SITE. The product reads no environment.
QString websiteBaseUrl()
{
    return QString::fromLocal8Bit(qgetenv("QUILLOMAT_LOCAL_SITE"));
}
