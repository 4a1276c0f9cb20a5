#include "platform/WebBrowser.h"

#include "platform/WebDialogs.h"

#include <QAction>
#include <QAuthenticator>
#include <QDir>
#include <QEventLoop>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
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

static WebBrowser::CrashTexts &crashTexts()
{
    static WebBrowser::CrashTexts t;
    return t;
}

void WebBrowser::setCrashTexts(const CrashTexts &t)
{
    crashTexts() = t;
}

static WebDialogs *&installedDialogs()
{
    static WebDialogs *d = nullptr;
    return d;
}

void WebBrowser::setDialogs(WebDialogs *dialogs)
{
    installedDialogs() = dialogs;
}

WebDialogs *WebBrowser::dialogs()
{
    // Without installed dialogs every question is answered "no".
    static WebDialogs refuseAll;
    return installedDialogs() ? installedDialogs() : &refuseAll;
}

int WebBrowser::textSizePixels(int level)
{
    static const int sizes[5] = {12, 14, 16, 20, 24};
    return sizes[qBound(0, level, 4)];
}

// The page of one control: asks the control's owner where a new window goes,
// and the installed dialogs whatever the page asks of its user.
class WebBrowserPage : public QWebEnginePage
{
public:
    WebBrowserPage(QWebEngineProfile *profile, WebBrowser *browser)
        : QWebEnginePage(profile, browser), m_browser(browser)
    {
    }

protected:
    void javaScriptAlert(const QUrl &origin, const QString &msg) override
    {
        if (m_browser)
            WebBrowser::dialogs()->javaScriptAlert(m_browser, origin, msg);
    }

    bool javaScriptConfirm(const QUrl &origin, const QString &msg) override
    {
        return m_browser && WebBrowser::dialogs()->javaScriptConfirm(m_browser, origin, msg);
    }

    bool javaScriptPrompt(const QUrl &origin, const QString &msg, const QString &defaultValue,
                          QString *result) override
    {
        return m_browser && WebBrowser::dialogs()->javaScriptPrompt(m_browser, origin, msg, defaultValue, result);
    }

    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override
    {
        if (!m_browser)
            return {};
        return WebBrowser::dialogs()->chooseFiles(m_browser, mode, oldFiles, acceptedMimeTypes);
    }

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
    connectPage(page);

    // Ctrl+F on the page opens the find dialog.
    auto *find = new QAction(this);
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, [this] { dialogs()->showFind(this); });
    addAction(find);

    // A print of CmdPrint is over: its printer goes.
    connect(m_view, &QWebEngineView::printFinished, this, [this](bool ok) {
        if (!m_printer)
            return;
        delete m_printer;
        m_printer = nullptr;
        m_printing = false;
        emit PrintFinished(ok);
    });
}

void WebBrowser::connectPage(QWebEnginePage *page)
{

    connect(page, &QWebEnginePage::titleChanged, this, &WebBrowser::TitleChange);
    connect(page, &QWebEnginePage::linkHovered, this, [this](const QString &url) {
        if (!url.isEmpty())
            emit StatusTextChange(url);
        else if (!m_loading)
            emit StatusTextChange(texts().done);
    });
    connect(page, &QWebEnginePage::loadStarted, this, [this, page] {
        m_loading = true;
        // Zoom belongs to the document on display: a new one starts at 100 %.
        if (page->zoomFactor() != 1.0)
            page->setZoomFactor(1.0);
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

    auto authenticate = [this](const QUrl &url, QAuthenticator *auth, bool proxy) {
        QString user, password;
        if (dialogs()->authenticate(this, url, auth->realm(), proxy, &user, &password)) {
            auth->setUser(user);
            auth->setPassword(password);
        } else {
            *auth = QAuthenticator(); // a null authenticator cancels the request
        }
    };
    connect(page, &QWebEnginePage::authenticationRequired, this,
            [authenticate](const QUrl &url, QAuthenticator *auth) { authenticate(url, auth, false); });
    connect(page, &QWebEnginePage::proxyAuthenticationRequired, this,
            [authenticate](const QUrl &url, QAuthenticator *auth, const QString &) { authenticate(url, auth, true); });

    // A certificate error waits for the user's answer; no answer is "no".
    connect(page, &QWebEnginePage::certificateError, this, [this](const QWebEngineCertificateError &e) {
        QWebEngineCertificateError error = e;
        if (!error.isOverridable()) {
            error.rejectCertificate();
            return;
        }
        error.defer();
        QPointer<WebBrowser> self(this);
        QTimer::singleShot(0, this, [self, error]() mutable {
            if (self && dialogs()->acceptCertificateError(self, error.url(), error.description()))
                error.acceptCertificate();
            else
                error.rejectCertificate();
        });
    });

    // Camera, microphone, location, notifications ...: refused unless the user allows.
    connect(page, &QWebEnginePage::featurePermissionRequested, this,
            [this, page](const QUrl &origin, QWebEnginePage::Feature feature) {
                QPointer<QWebEnginePage> p(page);
                QTimer::singleShot(0, this, [this, p, origin, feature] {
                    if (!p)
                        return;
                    const bool allow = dialogs()->allowFeature(this, origin, feature);
                    if (p)
                        p->setFeaturePermission(origin, feature,
                                                allow ? QWebEnginePage::PermissionGrantedByUser
                                                      : QWebEnginePage::PermissionDeniedByUser);
                });
            });

    // Full screen only when the user allows; leaving it is always allowed.
    connect(page, &QWebEnginePage::fullScreenRequested, this, [this](QWebEngineFullScreenRequest request) {
        QWidget *top = window();
        if (!request.toggleOn()) {
            request.accept();
            leaveFullScreen();
            return;
        }
        if (!dialogs()->allowFullScreen(this, request.origin())) {
            request.reject();
            return;
        }
        request.accept();
        if (!m_inFullScreen)
            m_stateBeforeFullScreen = top->windowState();
        m_inFullScreen = true;
        top->setWindowState(top->windowState() | Qt::WindowFullScreen);
    });

    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this, page](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status == QWebEnginePage::NormalTerminationStatus)
                    return;
                m_lostUrl = page->url().isEmpty() ? page->requestedUrl() : page->url();
                // Not from inside the engine's own notification.
                QTimer::singleShot(0, this, &WebBrowser::showCrashPage);
            });
}

WebBrowser::~WebBrowser()
{
    // A page that goes while it holds the window in full screen gives it back.
    leaveFullScreen();
    delete m_printer;
}

// Only the control that put the window in full screen takes it out again,
// back to the state it found.
void WebBrowser::leaveFullScreen()
{
    if (!m_inFullScreen)
        return;
    m_inFullScreen = false;
    window()->setWindowState(m_stateBeforeFullScreen);
}

void WebBrowser::showCrashPage()
{
    const CrashTexts &t = crashTexts();
    const QString address = m_lostUrl.toString(QUrl::FullyEncoded);
    const QString html = QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title></head>"
        "<body style=\"font-family: sans-serif; margin: 40px\"><h2>%1</h2><p>%2</p>"
        "<p><a id=\"reload\" href=\"%3\">%4</a></p></body></html>")
        .arg(t.title.toHtmlEscaped(), t.message.toHtmlEscaped(), address.toHtmlEscaped(),
             t.reload.arg(m_lostUrl.toDisplayString()).toHtmlEscaped());
    page()->setHtml(html, QUrl(QStringLiteral("about:blank")));
    emit RendererTerminated();
}

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
    switch (command) {
    case CmdSaveAs:
        return saveAs();
    case CmdPrint:
        return print();
    case CmdPrintPreview:
        dialogs()->showPrintPreview(this);
        return true;
    case CmdProperties:
        return showProperties();
    case CmdCut:
        page()->triggerAction(QWebEnginePage::Cut);
        return true;
    case CmdCopy:
        page()->triggerAction(QWebEnginePage::Copy);
        return true;
    case CmdPaste:
        page()->triggerAction(QWebEnginePage::Paste);
        return true;
    case CmdSelectAll:
        page()->triggerAction(QWebEnginePage::SelectAll);
        return true;
    case CmdZoom: {
        bool ok = false;
        const int level = in.toInt(&ok);
        if (!ok || level < 0 || level > 4)
            return false;
        page()->settings()->setFontSize(QWebEngineSettings::DefaultFontSize, textSizePixels(level));
        return true;
    }
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

void WebBrowser::setPageZoom(double factor)
{
    page()->setZoomFactor(qBound(MinZoom, factor, MaxZoom));
}

double WebBrowser::pageZoom() const
{
    return page()->zoomFactor();
}

// A file name made of the page's title (or host), without characters a file
// system refuses.
static QString suggestedFileName(const QWebEnginePage *page)
{
    QString name = page->title().trimmed();
    if (name.isEmpty())
        name = page->url().host();
    static const QString bad = QStringLiteral("\\/:*?\"<>|");
    for (QChar &c : name) {
        if (bad.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    }
    name = name.left(100).trimmed();
    return name.isEmpty() ? QStringLiteral("page") : name;
}

bool WebBrowser::saveAs()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    QString path = QDir(dir).filePath(suggestedFileName(page()) + QStringLiteral(".mhtml"));
    auto format = QWebEngineDownloadRequest::MimeHtmlSaveFormat;
    if (!dialogs()->chooseSaveAs(this, &path, &format) || path.isEmpty())
        return false;
    page()->save(path, format);
    return true;
}

bool WebBrowser::print()
{
    if (m_printing)
        return false;
    auto *printer = new QPrinter(QPrinter::HighResolution);
    if (!dialogs()->choosePrinter(this, printer)) {
        delete printer;
        return false;
    }
    m_printer = printer;
    m_printing = true;
    m_view->print(printer);
    return true;
}

bool WebBrowser::printAndWait(QPrinter *printer)
{
    if (m_printing || !printer)
        return false;
    m_printing = true;
    QPointer<WebBrowser> self(this);
    QEventLoop loop;
    connect(m_view, &QWebEngineView::printFinished, &loop, [&loop](bool ok) { loop.exit(ok ? 0 : 1); });
    connect(m_view, &QObject::destroyed, &loop, [&loop] { loop.exit(1); });
    m_view->print(printer);
    const bool ok = loop.exec() == 0;
    if (self)
        m_printing = false;
    return ok;
}

bool WebBrowser::showProperties()
{
    WebPageProperties props;
    props.title = page()->title();
    props.address = page()->url().toDisplayString();
    props.protocol = page()->url().scheme();
    // The document's own answers arrive later; a newer request or a closed
    // control makes them stale.
    const int request = ++m_propertiesRequest;
    QPointer<WebBrowser> self(this);
    page()->runJavaScript(QStringLiteral(
        "(function(){var n=(performance.getEntriesByType&&performance.getEntriesByType('navigation')[0])||null;"
        "return {type:document.contentType||'',encoding:document.characterSet||'',"
        "modified:document.lastModified||'',size:n?(n.decodedBodySize||n.encodedBodySize||0):0};})()"),
        // Asked in a world of its own, so the page's scripts cannot answer in its place.
        QWebEngineScript::ApplicationWorld,
        [self, request, props](const QVariant &result) mutable {
            if (!self || request != self->m_propertiesRequest)
                return;
            const QVariantMap m = result.toMap();
            props.type = m.value(QStringLiteral("type")).toString();
            props.encoding = m.value(QStringLiteral("encoding")).toString();
            props.lastModified = m.value(QStringLiteral("modified")).toString();
            const qint64 size = m.value(QStringLiteral("size")).toLongLong();
            props.size = size > 0 ? size : -1;
            dialogs()->showProperties(self, props);
        });
    return true;
}
