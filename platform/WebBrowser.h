#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QWidget>

class QPrinter;
class QWebEngineProfile;
class QWebEnginePage;
class QWebEngineView;
class WebDialogs;

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

    // The page shown in place of one whose renderer died; %1 is the address
    // of the page that was lost.
    struct CrashTexts {
        QString title = QStringLiteral("The page stopped");
        QString message = QStringLiteral("The process showing this page ended unexpectedly.");
        QString reload = QStringLiteral("Reload %1");
    };
    static void setCrashTexts(const CrashTexts &texts);

    // The dialogs every control asks through (not owned); null: every
    // question is answered "no" and nothing is shown.
    static void setDialogs(WebDialogs *dialogs);
    static WebDialogs *dialogs();

    // Text sizes of command 19: the default font size in pixels for the
    // levels 0 (smallest) to 4 (largest); level 2 is the engine's default.
    static int textSizePixels(int level);
    static constexpr double MinZoom = 0.25;
    static constexpr double MaxZoom = 5.0;

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
    // Save as, print, print preview and properties ask through dialogs();
    // CmdZoom takes the text-size level (0 to 4) as in.
    bool ExecWB(int command, int option = PromptUser, const QVariant &in = QVariant());

    // Zoom of the document on display (clamped to MinZoom..MaxZoom); every
    // new document starts at 1.
    void setPageZoom(double factor);
    double pageZoom() const;

    // Prints the page on printer and returns when it is done (a preview
    // paints through this); false when the page could not be printed or a
    // print of this control is already running.
    bool printAndWait(QPrinter *printer);
    bool isPrinting() const { return m_printing; }
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
    // A print started by CmdPrint is over.
    void PrintFinished(bool success);
    // The renderer of the page died; the control shows a page that says so.
    void RendererTerminated();

private:
    void leaveFullScreen();
    friend class WebBrowserPage;
    QWebEnginePage *requestNewWindow();
    void connectPage(QWebEnginePage *page);
    bool saveAs();
    bool print();
    bool showProperties();
    void showCrashPage();

    QWebEngineView *m_view = nullptr;
    int m_tag = 0;
    bool m_loading = false;
    bool m_printing = false;
    QPrinter *m_printer = nullptr;
    int m_propertiesRequest = 0;
    QUrl m_lostUrl;
    Qt::WindowStates m_stateBeforeFullScreen;
    bool m_inFullScreen = false;
};
