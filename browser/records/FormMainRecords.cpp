// The main window's address list, visit recorder, record manager and options
// openers, and the exit routine.
#include "browser/shell/UnitFormMain.h"

#include "browser/shell/AddressRules.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/Pictures.h"
#include "browser/shell/TabStrip.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"
#include "store/Dmsystem.h"

#include <QComboBox>
#include <QFileInfo>
#include <QTabWidget>

// Rebuilds the address bar's list from the store, frequently used pages first.
void TFormMain::P_Cdzl()
{
    cmbAddr->clear();
    cmbAddr->clearEditText();
    for (const BtRecord &r : Dm->addressList())
        cmbAddr->addItem(AddressRules::addressItem(r.sy, r.bt, r.ur));
}

// Records the page of the clicked tab, once per tab caption.
void TFormMain::P_TimeAddUrl()
{
    const int page = PclParent->currentIndex();
    if (page <= 0)
        return;
    try {
        const int i = page - 1;
        if (i >= TabManager->FrameList.size() || !TabManager->FrameList.at(i)->WebAction)
            return;
        const QString title = PclParent->tabText(page);
        const QString address = TabManager->FrameList.at(i)->WebAction->LocationURL();
        const QString item = title + AddressRules::DoubleBar + address;
        TabManager->PendingUrl = item;
        if (!Dm->findByTitle(title)) {
            cmbAddr->setEditText(item);
            cmbAddr->addItem(item);
            Dm->insertVisit(title, address);
        } else {
            cmbAddr->setEditText(item);
        }
    } catch (const std::exception &) {
        // A visit that cannot be recorded is simply not recorded.
    }
}

void TFormMain::applyStoredBackground()
{
    const Background b = Dm->background();
    if (b.bj >= 0 && b.bj <= 5) {
        img_c->setPicture(Pictures::background(b.bj));
    } else if (b.bj == 6) {
        QImage own;
        if (QFileInfo::exists(b.lj) && own.load(b.lj))
            img_c->setPicture(own);
        else
            img_c->setPicture(Pictures::background(Pictures::LightBlue));
    }
}

void TFormMain::N81Click() {}

void TFormMain::btnqcClick()
{
    N81Click();
}

void TFormMain::LZ2Click() {}

void TFormMain::SpeedButton2Click()
{
    LZ2Click();
}

bool TFormMain::exitRoutine()
{
    int tc = 0;
    try {
        tc = Dm->exitSettings().tc;
    } catch (const std::exception &) {
        // Without its setting the routine still ends the program.
        return true;
    }
    if (tc != 1)
        return true;
    return MessageBox::show(this, QStringLiteral("您确定退出岚舟Browser吗？"), QStringLiteral("岚舟Browser"),
                            QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

void TFormMain::N55Click()
{
    if (!exitRoutine())
        return;
    delete TabManager;
    TabManager = nullptr;
    m_ending = true;
    close();
    emit programEnded();
}
