#include "base/WebsiteUrl.h"

QString websiteBaseUrl()
{
    return QStringLiteral(QUILLOMAT_WEBSITE_URL);
}
