#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QWidget>

class QWebEngineProfile;
class QWebEnginePage;
class QWebEngineView;

// The embedded web-browser control: one page in one view, with the operations,
// properties and events a browser shell expects of it. New windows a page asks
// for are handed to whoever answers NewWindow2; they never become top-level
// windows of their own.
class WebBrowser : public QWidget
{
    Q_OBJECT
public:
    // Command ids of ExecWB (the standard OLE command numbers).
    enum Command {
        CmdSaveAs = 4,
        CmdPrint = 6,
        CmdPrintPreview = 7,
        CmdProperties = 10,
        CmdCut = 11,
        CmdCopy = 12,
        CmdPaste = 13,
        CmdSelectAll = 17,
        CmdZoom = 19,
        CmdRefresh = 22,
        CmdStop = 23,
    };
    enum ExecOption { PromptUser = 1, DontPromptUser = 2 };

    // Status texts the control shows by itself; %1 is the address.
    struct StatusTexts {
        QString loading = QStringLiteral("Opening %1 ...");
        QString done = QStringLiteral("Done");
    };
    static void setStatusTexts(const StatusTexts &texts);
    static const StatusTexts &statusTexts();

    explicit WebBrowser(QWebEngineProfile *profile, QWidget *parent = nullptr);
    ~WebBrowser() override;

    // Opens address (as a user types it: a missing scheme is completed).
    // An empty address opens a blank page.
    void Navigate(const QString &address);
    // Go back or forward in this page's history; nothing happens (false) when
    // there is no page to go to.
    bool GoBack();
    bool GoForward();
    // Runs one command on the page; false when it is not known or fails.
    bool ExecWB(int command, int option = PromptUser, const QVariant &in = QVariant());
    // The address of the page shown.
    QString LocationURL() const;
    QString LocationName() const;

    // An integer the owner keeps on the control.
    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    QWebEngineView *view() const { return m_view; }
    QWebEnginePage *page() const;

signals:
    void StatusTextChange(const QString &text);
    // (progress, 100) while a page loads; maximum 0 when the load is over.
    void ProgressChange(int progress, int maximum);
    void TitleChange(const QString &title);
    void BeforeNavigate2(const QUrl &url);
    // The page asks for a new window. A receiver (connected directly) puts the
    // browser that is to show it into *newBrowser; cancel refuses the window.
    void NewWindow2(WebBrowser **newBrowser, bool *cancel);
    void DocumentComplete(const QUrl &url);
    // The page closed its own window (window.close()). Delivered after the
    // page's own handling is over, so the receiver may destroy this control.
    void WindowClosing();

private:
    friend class WebBrowserPage;
    QWebEnginePage *requestNewWindow();

    QWebEngineView *m_view = nullptr;
    int m_tag = 0;
    bool m_loading = false;
};
