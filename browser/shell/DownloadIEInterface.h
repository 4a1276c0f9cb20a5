#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QTabWidget;
class QWidget;
class TFrameHost;
class TFrameWebBrowser;
class WebBrowser;

// The tab manager. Page 0 of PageControl is the designed-in first tab, which is
// in neither list and never closes; page n is SheetList[n - 1] with the frame
// FrameList[n - 1]. The two lists always stay in step.
class TDownloadIEInterface
{
public:
    enum NewTabStart { OpenPendingUrl, LeaveBlank };

    explicit TDownloadIEInterface(TFrameHost *host);
    virtual ~TDownloadIEInterface();

    void SetPageControl(QTabWidget *pageControl);

    // Adds a tab with a new frame at the end and makes it active. It opens
    // PendingUrl (the text after its double bar, when there is one), unless
    // it is made for a page's new window, which the page itself then fills.
    void AddTab(NewTabStart start = OpenPendingUrl);
    // Destroys the browser, frame and sheet of page p (1 and up); an index out
    // of range changes nothing. Choosing the next active tab is the caller's.
    void CloseTab(int p);
    // The browser of the newest tab; null when only the first tab is open.
    WebBrowser *GetNewTabDispatch() const;
    // Sets the caption of the tab whose browser carries id (0: the first tab).
    void SetTabCaption(const QString &title, int id);

    // The commands that close tabs.
    // The active tab closes and the one left of it becomes active.
    void CloseCurrentTab();
    // Every added tab closes, the last one first; the first tab becomes active.
    void CloseAllTabs();
    // The tab of frame closes; when it was active, the tab left of it becomes
    // active, otherwise the active tab stays.
    void CloseFrameTab(TFrameWebBrowser *frame);

    QTabWidget *PageControl = nullptr;
    QList<QWidget *> SheetList;
    QList<TFrameWebBrowser *> FrameList;
    QString PendingUrl;

private:
    TFrameHost *m_host;
    int m_lastTabId = 0;
};
