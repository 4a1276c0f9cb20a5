// The page commands of the main window: they act on the active added tab.
#include "browser/shell/UnitFormMain.h"

#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/PageDialogs.h"
#include "browser/shell/TabStrip.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QTabWidget>

void TFormMain::setUpPageCommands()
{
    PageDialogs::installTranslations();
    Dialogs = new PageDialogs(m_profile, this);
}

// The eight commands of the File and Edit menus: nothing on the first tab,
// failures swallowed.
static void execOnActiveTab(WebBrowser *browser, int command)
{
    if (!browser)
        return;
    try {
        browser->ExecWB(command, WebBrowser::PromptUser);
    } catch (...) {
    }
}

void TFormMain::N58Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdSaveAs);
}

void TFormMain::N62Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdPrint);
}

void TFormMain::N63Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdPrintPreview);
}

void TFormMain::N64Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdProperties);
}

void TFormMain::N65Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdCut);
}

void TFormMain::N66Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdCopy);
}

void TFormMain::N67Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdPaste);
}

void TFormMain::N69Click()
{
    execOnActiveTab(activeAddedBrowser(), WebBrowser::CmdSelectAll);
}

// Find: Ctrl+F goes to whatever has the keyboard focus; the page answers it
// with its find bar, the address bar ignores it.
void TFormMain::N70Click()
{
    if (!activeAddedBrowser())
        return;
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QPointer<QWidget> guard(target);
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_F, Qt::ControlModifier, QStringLiteral("\x06"));
    QApplication::sendEvent(target, &shortcut);
    if (!guard)
        return;
    // A focused widget that does not take Ctrl+F itself lets the shortcut
    // of its page (if any) have it.
    if (!shortcut.isAccepted()) {
        for (QWidget *w = target; w; w = w->parentWidget()) {
            if (auto *browser = qobject_cast<WebBrowser *>(w)) {
                WebBrowser::dialogs()->showFind(browser);
                return;
            }
        }
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier, QStringLiteral("\x06"));
    QApplication::sendEvent(target, &press);
    if (!guard)
        return;
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F, Qt::ControlModifier, QStringLiteral("\x06"));
    QApplication::sendEvent(target, &release);
}

// The text-size marks: exactly one, on the level last applied (2 at start).
static const char TextSizeLevel[] = "lzTextSizeLevel";

static void markTextSize(TFormMain *w, int level)
{
    QAction *const items[5] = {w->N76, w->N75, w->N74, w->N73, w->N72};
    for (int i = 0; i < 5; ++i)
        items[i]->setChecked(i == level);
    w->setProperty(TextSizeLevel, level);
}

static int markedTextSize(const TFormMain *w)
{
    const QVariant v = w->property(TextSizeLevel);
    return v.isValid() ? v.toInt() : 2;
}

// A text-size item: the menu has toggled its mark already; the marks move
// only when the size is really applied.
static void textSizeItemClick(TFormMain *w, unsigned level)
{
    markTextSize(w, markedTextSize(w));
    if (w->PclParent->currentWidget() == w->TabSheet1)
        return;
    w->P_WebFont(level);
}

void TFormMain::N72Click()
{
    textSizeItemClick(this, 4);
}

void TFormMain::N73Click()
{
    textSizeItemClick(this, 3);
}

void TFormMain::N74Click()
{
    textSizeItemClick(this, 2);
}

void TFormMain::N75Click()
{
    textSizeItemClick(this, 1);
}

void TFormMain::N76Click()
{
    textSizeItemClick(this, 0);
}

// Text size of the active tab's page (ActiveFrameIndex as last refreshed).
void TFormMain::P_WebFont(unsigned level)
{
    if (PclParent->currentWidget() == TabSheet1 || level > 4)
        return;
    try {
        if (ActiveFrameIndex < 0 || ActiveFrameIndex >= TabManager->FrameList.size())
            return;
        WebBrowser *browser = TabManager->FrameList.at(ActiveFrameIndex)->WebAction;
        if (browser && browser->ExecWB(WebBrowser::CmdZoom, WebBrowser::DontPromptUser, int(level)))
            markTextSize(this, int(level));
    } catch (...) {
    }
}

void TFormMain::zoomItemClick(QAction *item, double factor, const QString &caption)
{
    item->setChecked(true);
    WebBrowser *browser = activeAddedBrowser();
    if (!browser)
        return;
    browser->setPageZoom(factor);
    suiImageButton4->setText(caption);
    layoutChrome();
}

void TFormMain::e200Click()
{
    zoomItemClick(e200, 2.0, QStringLiteral("   200%"));
}

void TFormMain::e150Click()
{
    zoomItemClick(e150, 1.5, QStringLiteral("   150%"));
}

void TFormMain::e100Click()
{
    zoomItemClick(e100, 1.0, QStringLiteral("   100%"));
}

void TFormMain::e50Click()
{
    zoomItemClick(e50, 0.5, QStringLiteral("   50%"));
}

void TFormMain::suiImageButton4Click()
{
    pup->popup(QCursor::pos());
}

// "网络诊断" of the Tools menu opens the zoom menu, like the zoom button.
void TFormMain::Ping1Click()
{
    suiImageButton4Click();
}
