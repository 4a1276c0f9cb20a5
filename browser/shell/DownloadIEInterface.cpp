#include "browser/shell/DownloadIEInterface.h"

#include "browser/shell/AddressRules.h"
#include "browser/shell/TabStrip.h"
#include "browser/shell/UnitFrameWebBrowser.h"
#include "platform/WebBrowser.h"

#include <QTabWidget>
#include <QVBoxLayout>

TDownloadIEInterface::TDownloadIEInterface(TFrameHost *host)
    : m_host(host)
{
}

TDownloadIEInterface::~TDownloadIEInterface() = default;

void TDownloadIEInterface::SetPageControl(QTabWidget *pageControl)
{
    PageControl = pageControl;
}

void TDownloadIEInterface::AddTab(NewTabStart start)
{
    if (!PageControl)
        return;
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TabSheet"));
    sheet->setAutoFillBackground(true);
    sheet->setStyleSheet(QStringLiteral("background: white;"));
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *frame = new TFrameWebBrowser(m_host, sheet);
    layout->addWidget(frame);
    // Identifiers are never 0 (the first tab's) and never reused in a run.
    frame->WebAction->setTag(++m_lastTabId);

    // Both lists take the tab before anything else can fail, so they stay in step.
    PageControl->addTab(sheet, QString());
    SheetList.append(sheet);
    FrameList.append(frame);
    PageControl->setCurrentWidget(sheet);
    // From the first added tab on, every tab is 150 pixels wide.
    if (auto *strip = qobject_cast<TabStrip *>(PageControl->tabBar()))
        strip->setFixedTabWidth(150);

    if (start == OpenPendingUrl)
        frame->WebAction->Navigate(AddressRules::afterDoubleBar(PendingUrl));
}

void TDownloadIEInterface::CloseTab(int p)
{
    const int i = p - 1;
    if (i < 0 || i >= SheetList.size())
        return;
    TFrameWebBrowser *frame = FrameList.takeAt(i);
    QWidget *sheet = SheetList.takeAt(i);
    if (PageControl)
        PageControl->removeTab(PageControl->indexOf(sheet));
    delete frame->WebAction;
    frame->WebAction = nullptr;
    delete sheet;
}

WebBrowser *TDownloadIEInterface::GetNewTabDispatch() const
{
    if (FrameList.isEmpty())
        return nullptr;
    return FrameList.last()->WebAction;
}

void TDownloadIEInterface::SetTabCaption(const QString &title, int id)
{
    if (!PageControl)
        return;
    const QString caption = AddressRules::tabCaption(title);
    if (id == 0) {
        PageControl->setTabText(0, caption);
        return;
    }
    for (int i = 0; i < FrameList.size(); ++i) {
        if (FrameList.at(i)->WebAction && FrameList.at(i)->WebAction->Tag() == id) {
            PageControl->setTabText(i + 1, caption);
            return;
        }
    }
}

void TDownloadIEInterface::CloseCurrentTab()
{
    if (!PageControl)
        return;
    const int active = PageControl->currentIndex();
    if (active <= 0)
        return;
    CloseTab(active);
    PageControl->setCurrentIndex(active - 1);
}

void TDownloadIEInterface::CloseAllTabs()
{
    if (!PageControl)
        return;
    for (int p = SheetList.size(); p >= 1; --p)
        CloseTab(p);
    PageControl->setCurrentIndex(0);
}

void TDownloadIEInterface::CloseFrameTab(TFrameWebBrowser *frame)
{
    const int i = FrameList.indexOf(frame);
    if (i < 0 || !PageControl)
        return;
    const int p = i + 1;
    const int active = PageControl->currentIndex();
    QWidget *activeSheet = PageControl->currentWidget();
    CloseTab(p);
    if (active == p)
        PageControl->setCurrentIndex(p - 1);
    else
        PageControl->setCurrentWidget(activeSheet);
}
