// The page commands of the main window: they act on the active added tab.
#include "browser/shell/UnitFormMain.h"

#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/TabStrip.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTabWidget>

void TFormMain::N58Click() {}
void TFormMain::N62Click() {}
void TFormMain::N63Click() {}
void TFormMain::N64Click() {}
void TFormMain::N65Click() {}
void TFormMain::N66Click() {}
void TFormMain::N67Click() {}
void TFormMain::N69Click() {}
void TFormMain::N70Click() {}
void TFormMain::N72Click() {}
void TFormMain::N73Click() {}
void TFormMain::N74Click() {}
void TFormMain::N75Click() {}
void TFormMain::N76Click() {}
void TFormMain::P_WebFont(unsigned) {}
void TFormMain::e200Click() {}
void TFormMain::e150Click() {}
void TFormMain::e100Click() {}
void TFormMain::e50Click() {}

void TFormMain::suiImageButton4Click()
{
    pup->popup(QCursor::pos());
}

// "网络诊断" of the Tools menu opens the zoom menu, like the zoom button.
void TFormMain::Ping1Click()
{
    suiImageButton4Click();
}
