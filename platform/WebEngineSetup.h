#pragma once

#include <QString>

class QWebEngineProfile;
class QObject;

namespace WebEngineSetup {

// Sets the Chromium flags once, before the application object exists.
// --no-sandbox is added only when the process runs as root, where the
// sandbox cannot start. Flags already in the environment are kept.
void prepareFlags();

// A named profile whose cookies, cache and storage live under folder and so
// survive a restart (an unnamed profile forgets everything).
QWebEngineProfile *persistentProfile(const QString &name, const QString &folder, QObject *parent = nullptr);

} // namespace WebEngineSetup
