// The main window's address list, visit recorder, record manager and options
// openers, and the exit routine.
#include "browser/shell/UnitFormMain.h"

#include "browser/records/BackgroundRule.h"
#include "browser/records/RecordRows.h"
#include "browser/records/UnitSet.h"
#include "browser/records/qc.h"
#include "browser/records/qu.h"
#include "browser/shell/AddressRules.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/TabStrip.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"
#include "platform/WindowHelpers.h"
#include "store/Dmsystem.h"

#include <QComboBox>
#include <QListView>
#include <QTabWidget>

// Rebuilds the address bar's list from the store, frequently used pages first;
// the address bar's text becomes empty. Failures reach the caller.
void TFormMain::P_Cdzl()
{
    // The list holds the records' ids and reads a record when it is shown, so
    // that a long history does not hold up the window.
    auto *list = qobject_cast<TAddressListModel *>(cmbAddr->model());
    if (!list) {
        list = new TAddressListModel(Dm, cmbAddr);
        cmbAddr->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        cmbAddr->setModel(list);
        if (auto *view = qobject_cast<QListView *>(cmbAddr->view()))
            view->setUniformItemSizes(true);
    }
    cmbAddr->clear();
    cmbAddr->clearEditText();
    list->setIds(Dm->recordIds());
    cmbAddr->clearEditText();
}

// Records the page of the clicked tab, once per tab caption.
void TFormMain::P_TimeAddUrl()
{
    if (PclParent->currentWidget() == TabSheet1)
        return;
    const int page = PclParent->currentIndex();
    if (page < 0)
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

// The start-up background rule: the stored choice becomes img_c's picture.
void TFormMain::applyStoredBackground()
{
    if (const auto picture = BackgroundRule::startupPicture(Dm->background(), &CustomPicturePath))
        img_c->setPicture(*picture);
}

// "清除地址栏记录": the record manager, modal; the address list is rebuilt
// when it closes.
void TFormMain::N81Click()
{
    auto *frmQc = WindowHelpers::ownedInstance<TfrmQc>(this, QStringLiteral("frmQc"),
                                                       [this] { return new TfrmQc(this); });
    frmQc->setBackgroundPicture(img_c->picture());
    frmQc->exec();
    try {
        P_Cdzl();
    } catch (const std::exception &e) {
        MessageBox::show(this, QStringLiteral("无法读取地址记录。\n") + QString::fromUtf8(e.what()),
                         QStringLiteral("岚舟Browser"), QMessageBox::Warning);
    }
}

void TFormMain::btnqcClick()
{
    N81Click();
}

// "LZ 选项": the options, beside the main window (not modal).
void TFormMain::LZ2Click()
{
    try {
        auto *frmSet = WindowHelpers::ownedInstance<TfrmSet>(this, QStringLiteral("frmSet"),
                                                             [this] { return new TfrmSet(this); });
        frmSet->setBackgroundPicture(img_c->picture());
        frmSet->show();
        frmSet->raise();
        frmSet->activateWindow();
    } catch (const std::exception &) {
        // An options dialog that cannot be made simply does not open.
    }
}

void TFormMain::SpeedButton2Click()
{
    LZ2Click();
}

// The exit routine's decision: ask when the prompt is switched on. A setting
// that cannot be read ends the program without asking, rather than leaving
// "退出" and the close button without effect.
bool TFormMain::exitRoutine()
{
    int tc = 0;
    try {
        tc = Dm->exitSettings().tc;
    } catch (const std::exception &) {
        return true;
    }
    if (tc != 1)
        return true;
    auto *frmQu = WindowHelpers::ownedInstance<TfrmQu>(this, QStringLiteral("frmQu"),
                                                       [this] { return new TfrmQu(this); });
    frmQu->setBackgroundPicture(img_c->picture());
    frmQu->exec();
    return frmQu->Answer == QLatin1String("yes");
}

// "退出" and the close button.
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
