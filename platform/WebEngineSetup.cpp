#include "platform/WebEngineSetup.h"

#include <QDir>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <unistd.h>

namespace WebEngineSetup {

void prepareFlags()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (::geteuid() == 0 && !flags.contains("--no-sandbox"))
        flags += " --no-sandbox";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

QWebEngineProfile *persistentProfile(const QString &name, const QString &folder, QObject *parent)
{
    auto *profile = new QWebEngineProfile(name, parent);
    QDir().mkpath(folder);
    profile->setPersistentStoragePath(folder + QStringLiteral("/storage"));
    profile->setCachePath(folder + QStringLiteral("/cache"));
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    profile->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    return profile;
}

} // namespace WebEngineSetup
