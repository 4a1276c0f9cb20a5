#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QProgressBar;
class QUrl;
class QWebEngineProfile;
class TDownloadIEInterface;
class TFrameWebBrowser;
class WebBrowser;

// What a browser frame needs of the main window.
class TFrameHost
{
public:
    virtual ~TFrameHost() = default;
    virtual QWebEngineProfile *webProfile() const = 0;
    virtual TDownloadIEInterface *tabManager() const = 0;
    virtual QLabel *statusLabel() const = 0;
    virtual QProgressBar *progressBar() const = 0;
    // The address-bar address by the go command's rule.
    virtual QString addressBarAddress() const = 0;
};

// The frame on each tab: one browser control whose events become the shell's
// behaviour (new windows as tabs, titles as captions, status and progress in
// the status bar, a page that closes itself closes its tab).
class TFrameWebBrowser : public QFrame
{
    Q_OBJECT
public:
    TFrameWebBrowser(TFrameHost *host, QWidget *parent = nullptr);

    WebBrowser *WebAction = nullptr;

private slots:
    void WebActionNewWindow2(WebBrowser **newBrowser, bool *cancel);
    void WebActionTitleChange(const QString &title);
    void WebActionStatusTextChange(const QString &text);
    void WebActionProgressChange(int progress, int maximum);
    void WebActionBeforeNavigate2(const QUrl &url);
    void WebActionDocumentComplete(const QUrl &url);
    void WebActionWindowClosing();

private:
    TFrameHost *m_host;
};
