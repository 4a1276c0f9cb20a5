// Capture, update and tools commands of the main window.
#include "browser/shell/UnitFormMain.h"

#include <QCursor>
#include <QMenu>

void TFormMain::btnZttClick()
{
    suiPopupMenu3->popup(QCursor::pos());
}

void TFormMain::MenuItem7Click() {}
void TFormMain::MenuItem8Click() {}
void TFormMain::suiImageButton10Click() {}
void TFormMain::N85Click() {}
void TFormMain::N11Click() {}
void TFormMain::N7Click() {}
void TFormMain::N82Click() {}
void TFormMain::N83Click() {}
void TFormMain::N2Click() {}
void TFormMain::Internet2Click() {}
