// 岚舟Browser: start-up.
#include "browser/shell/ServiceSite.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/WebEngineSetup.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    try {
        WebEngineSetup::prepareFlags();
        QApplication app(argc, argv);
        // The application's title (message boxes fall back to it). Only a
        // name, not a display name: that would be appended to the window's
        // own caption.
        QApplication::setApplicationName(QStringLiteral("岚舟Browser"));
        QFont::insertSubstitutions(QStringLiteral("宋体"),
                                   {QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                                    QStringLiteral("Noto Serif CJK SC")});

        TFormMain FormMain(QApplication::applicationDirPath() + QLatin1Char('/'), ServiceSite);
        QObject::connect(&FormMain, &TFormMain::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
        FormMain.showMaximized();
        return app.exec();
    } catch (...) {
        // Whatever escapes the start ends the program without a message.
        return 1;
    }
}
