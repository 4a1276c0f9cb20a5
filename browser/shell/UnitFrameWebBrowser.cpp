#include "browser/shell/UnitFrameWebBrowser.h"

#include "browser/shell/DownloadIEInterface.h"
#include "platform/WebBrowser.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TFrameWebBrowser::TFrameWebBrowser(TFrameHost *host, QWidget *parent)
    : QFrame(parent), m_host(host)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    WebAction = new WebBrowser(host->webProfile(), this);
    layout->addWidget(WebAction);

    // Direct: the new browser must be known before the page's request returns.
    connect(WebAction, &WebBrowser::NewWindow2, this, &TFrameWebBrowser::WebActionNewWindow2,
            Qt::DirectConnection);
    connect(WebAction, &WebBrowser::TitleChange, this, &TFrameWebBrowser::WebActionTitleChange);
    connect(WebAction, &WebBrowser::StatusTextChange, this, &TFrameWebBrowser::WebActionStatusTextChange);
    connect(WebAction, &WebBrowser::ProgressChange, this, &TFrameWebBrowser::WebActionProgressChange);
    connect(WebAction, &WebBrowser::BeforeNavigate2, this, &TFrameWebBrowser::WebActionBeforeNavigate2);
    connect(WebAction, &WebBrowser::DocumentComplete, this, &TFrameWebBrowser::WebActionDocumentComplete);
    connect(WebAction, &WebBrowser::WindowClosing, this, &TFrameWebBrowser::WebActionWindowClosing);
}

// A page asks for a new window: it opens in a new tab, which shows that page
// and nothing before it.
void TFrameWebBrowser::WebActionNewWindow2(WebBrowser **newBrowser, bool *cancel)
{
    *cancel = false;
    TDownloadIEInterface *tabs = m_host->tabManager();
    if (!tabs)
        return;
    tabs->AddTab(TDownloadIEInterface::LeaveBlank);
    if (WebBrowser *browser = tabs->GetNewTabDispatch())
        *newBrowser = browser;
}

void TFrameWebBrowser::WebActionTitleChange(const QString &title)
{
    if (TDownloadIEInterface *tabs = m_host->tabManager())
        tabs->SetTabCaption(title, WebAction->Tag());
}

// Every tab's frame writes here, so the label shows the latest text of any tab.
void TFrameWebBrowser::WebActionStatusTextChange(const QString &text)
{
    m_host->statusLabel()->setText(text);
}

void TFrameWebBrowser::WebActionProgressChange(int progress, int maximum)
{
    QProgressBar *bar = m_host->progressBar();
    bar->setVisible(true);
    bar->setMaximum(maximum);
    if (progress != -1 && progress <= maximum)
        bar->setValue(progress);
    if (maximum == 0)
        bar->setVisible(false);
}

void TFrameWebBrowser::WebActionBeforeNavigate2(const QUrl &)
{
    // Navigation is never cancelled.
}

void TFrameWebBrowser::WebActionDocumentComplete(const QUrl &)
{
    // The control always fills its frame; nothing to lay out again.
}

// The page closed its own window: its own tab closes. The first tab never
// closes; it opens the address-bar address again.
void TFrameWebBrowser::WebActionWindowClosing()
{
    if (WebAction->Tag() == 0) {
        WebAction->Navigate(m_host->addressBarAddress());
        return;
    }
    if (TDownloadIEInterface *tabs = m_host->tabManager())
        tabs->CloseFrameTab(this);
}
