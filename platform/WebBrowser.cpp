#include "platform/WebBrowser.h"

#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

static WebBrowser::StatusTexts &texts()
{
    static WebBrowser::StatusTexts t;
    return t;
}

void WebBrowser::setStatusTexts(const StatusTexts &t)
{
    texts() = t;
}

const WebBrowser::StatusTexts &WebBrowser::statusTexts()
{
    return texts();
}

// The page of one control: asks the control's owner where a new window goes.
class WebBrowserPage : public QWebEnginePage
{
public:
    WebBrowserPage(QWebEngineProfile *profile, WebBrowser *browser)
        : QWebEnginePage(profile, browser), m_browser(browser)
    {
    }

protected:
    QWebEnginePage *createWindow(WebWindowType) override
    {
        return m_browser ? m_browser->requestNewWindow() : nullptr;
    }

    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (isMainFrame && m_browser)
            emit m_browser->BeforeNavigate2(url);
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

private:
    QPointer<WebBrowser> m_browser;
};

WebBrowser::WebBrowser(QWebEngineProfile *profile, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(this);
    auto *page = new WebBrowserPage(profile ? profile : QWebEngineProfile::defaultProfile(), this);
    m_view->setPage(page);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    connect(page, &QWebEnginePage::titleChanged, this, &WebBrowser::TitleChange);
    connect(page, &QWebEnginePage::linkHovered, this, [this](const QString &url) {
        if (!url.isEmpty())
            emit StatusTextChange(url);
        else if (!m_loading)
            emit StatusTextChange(texts().done);
    });
    connect(page, &QWebEnginePage::loadStarted, this, [this, page] {
        m_loading = true;
        emit StatusTextChange(texts().loading.arg(page->requestedUrl().toDisplayString()));
        emit ProgressChange(0, 100);
    });
    connect(page, &QWebEnginePage::loadProgress, this, [this](int p) {
        if (m_loading)
            emit ProgressChange(p, 100);
    });
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool) {
        m_loading = false;
        emit ProgressChange(0, 0);
        emit StatusTextChange(texts().done);
        emit DocumentComplete(page->url());
    });
    // Queued: the receiver may destroy this control, which must not happen
    // while the page is still inside its own signal.
    connect(page, &QWebEnginePage::windowCloseRequested, this, &WebBrowser::WindowClosing,
            Qt::QueuedConnection);
}

WebBrowser::~WebBrowser() = default;

QWebEnginePage *WebBrowser::page() const
{
    return m_view->page();
}

QWebEnginePage *WebBrowser::requestNewWindow()
{
    WebBrowser *target = nullptr;
    bool cancel = false;
    emit NewWindow2(&target, &cancel);
    if (cancel || !target)
        return nullptr;
    return target->page();
}

void WebBrowser::Navigate(const QString &address)
{
    const QString text = address.trimmed();
    const QUrl url = text.isEmpty() ? QUrl(QStringLiteral("about:blank")) : QUrl::fromUserInput(text);
    m_view->setUrl(url);
}

bool WebBrowser::GoBack()
{
    if (!page()->history()->canGoBack())
        return false;
    page()->triggerAction(QWebEnginePage::Back);
    return true;
}

bool WebBrowser::GoForward()
{
    if (!page()->history()->canGoForward())
        return false;
    page()->triggerAction(QWebEnginePage::Forward);
    return true;
}

bool WebBrowser::ExecWB(int command, int option, const QVariant &in)
{
    Q_UNUSED(option);
    Q_UNUSED(in);
    switch (command) {
    case CmdStop:
        page()->triggerAction(QWebEnginePage::Stop);
        return true;
    case CmdRefresh:
        page()->triggerAction(QWebEnginePage::Reload);
        return true;
    default:
        return false;
    }
}

QString WebBrowser::LocationURL() const
{
    return page()->url().toString();
}

QString WebBrowser::LocationName() const
{
    return page()->title();
}
