#pragma once

#include <QString>

// Scheme and host of the service's web server, without a trailing "/".
// Every service page address is this followed by the page's path and query.
#ifndef LZ_SERVICE_SITE
#define LZ_SERVICE_SITE "http://127.0.0.1:8035"
#endif
inline const QString ServiceSite = QStringLiteral(LZ_SERVICE_SITE);

// The start page of the first tab.
inline QString startPageAddress(const QString &site)
{
    return site + QStringLiteral("/Find.asp?bs=1&sql=2006-03-30");
}
