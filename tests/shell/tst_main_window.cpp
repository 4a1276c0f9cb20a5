// The real main window with the real Qt WebEngine against pages served from
// 127.0.0.1 by the test itself.
#include "LoopbackServer.h"

#include "browser/shell/AddressRules.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/TabStrip.h"
#include "browser/shell/UnitFormMain.h"
#include "browser/shell/UnitFrameWebBrowser.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"
#include "platform/WebEngineSetup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSet>
#include <QTemporaryDir>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

constexpr int Timeout = 20000;

QByteArray page(const char *title, const char *body = "")
{
    return QByteArray("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") + title
         + "</title></head><body>" + body + "</body></html>";
}

// Runs script in page and waits for its result.
QVariant evalJs(QWebEnginePage *page, const QString &script)
{
    auto result = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    page->runJavaScript(script, [result](const QVariant &v) { *result = {true, v}; });
    QTest::qWaitFor([&] { return result->first; }, Timeout);
    return result->second;
}

// Counts how often a widget is shown and hidden.
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(QWidget *w) { w->installEventFilter(this); }
    int shows = 0, hides = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            ++shows;
        else if (e->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
public:
    // Program folders are made under root, which must outlive the application:
    // the web engine still writes to a profile for a moment after it is gone.
    explicit MainWindowTest(const QString &root) : m_root(root) {}

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void goOpensNewTabWithCaption();
    void newWindowsBecomeTabs();
    void pageClosingItselfClosesItsOwnTab_data();
    void pageClosingItselfClosesItsOwnTab();
    void firstTabClosingItselfReloadsAddressBarAddress();
    void progressShowsAndHides();
    void progressRule_data();
    void progressRule();
    void closeCurrentAndCloseAll();
    void backAndForward_data();
    void backAndForward();
    void typingIntoAPageForm();
    void sizeRuleAndMaximiseRestoreButtons();
    void missingStoreIsReportedOnce();

private:
    // A window on a program folder holding a copy of the delivered store,
    // shown, with its first tab's start page loaded.
    std::unique_ptr<TFormMain> openWindow(bool withStore = true);
    // Go to path through the address bar (an item with a title and the double bar).
    WebBrowser *go(const QString &path);
    bool waitForPage(WebBrowser *b, const QString &path);
    // Empty when the tab control, SheetList and FrameList are in step.
    QString tabsOutOfStep() const;

    QString m_root;
    LoopbackServer m_server;
    QList<MessageBox::Request> m_boxes;
    std::unique_ptr<QTemporaryDir> m_appDir;
    std::unique_ptr<TFormMain> m_w;
};

void MainWindowTest::initTestCase()
{
    QVERIFY(m_server.start());
    m_server.setPage(QStringLiteral("/Find.asp"), page("Start page"));
    m_server.setPage(QStringLiteral("/a.html"),
                     page("Page A long title",
                          "<a id=\"blank\" href=\"/b.html\" target=\"_blank\">b</a>"
                          "<a id=\"same\" href=\"/b.html\">b here</a>"));
    m_server.setPage(QStringLiteral("/b.html"), page("Page B"));
    m_server.setPage(QStringLiteral("/c.html"), page("Page C"));
    m_server.setPage(QStringLiteral("/stale.html"), page("Stale"));
    m_server.setPage(QStringLiteral("/closer.html"), page("Closer"));
    m_server.setPage(QStringLiteral("/form.html"),
                     page("Form", "<form action=\"/submitted\" method=\"get\">"
                                  "<input id=\"f1\" name=\"f1\" autofocus>"
                                  "<input id=\"f2\" name=\"f2\">"
                                  "<input type=\"submit\" value=\"ok\"></form>"));
    m_server.setPage(QStringLiteral("/submitted"), page("Submitted"));

    MessageBox::setHook([this](const MessageBox::Request &r) {
        m_boxes.append(r);
        return QMessageBox::Ok;
    });
}

void MainWindowTest::init()
{
    m_boxes.clear();
}

void MainWindowTest::cleanup()
{
    m_w.reset();
    m_appDir.reset();
}

std::unique_ptr<TFormMain> MainWindowTest::openWindow(bool withStore)
{
    m_appDir = std::make_unique<QTemporaryDir>(m_root + QStringLiteral("/app-XXXXXX"));
    m_appDir->setAutoRemove(false);
    if (withStore) {
        const QString delivered = qEnvironmentVariable("LZ_APP_DIR") + QStringLiteral("/lzdat.dll");
        if (!QFile::copy(delivered, m_appDir->filePath(QStringLiteral("lzdat.dll"))))
            qFatal("no delivered store at %s", qPrintable(delivered));
    }
    auto w = std::make_unique<TFormMain>(m_appDir->path() + QLatin1Char('/'), m_server.url(QString()));
    w->show();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the main window did not become active");
    return w;
}

bool MainWindowTest::waitForPage(WebBrowser *b, const QString &path)
{
    QPointer<WebBrowser> guard(b);
    return QTest::qWaitFor([&] {
        return guard && guard->page()->url().path() == path && !guard->page()->title().isEmpty()
            && guard->page()->title() != guard->page()->url().toString(QUrl::RemoveScheme);
    }, Timeout);
}

WebBrowser *MainWindowTest::go(const QString &path)
{
    const int before = m_w->PclParent->count();
    const QString text = QStringLiteral("常用: 页面") + AddressRules::DoubleBar + m_server.url(path);
    m_w->cmbAddr->setEditText(text);
    // Enter goes where the keyboard focus is, as a typed key would.
    m_w->cmbAddr->setFocus();
    QWidget *focused = QApplication::focusWidget();
    if (!focused || (focused != m_w->cmbAddr && !m_w->cmbAddr->isAncestorOf(focused)))
        return nullptr;
    QTest::keyClick(focused, Qt::Key_Return);
    if (m_w->PclParent->count() != before + 1 || m_w->cmbAddr->currentText() != text)
        return nullptr;
    WebBrowser *b = m_w->TabManager->GetNewTabDispatch();
    return b && waitForPage(b, path) ? b : nullptr;
}

QString MainWindowTest::tabsOutOfStep() const
{
    const TDownloadIEInterface *t = m_w->TabManager;
    if (m_w->PclParent->widget(0) != m_w->TabSheet1)
        return QStringLiteral("page 0 is not the first tab");
    if (t->SheetList.size() != m_w->PclParent->count() - 1 || t->FrameList.size() != t->SheetList.size())
        return QStringLiteral("%1 pages, %2 sheets, %3 frames")
            .arg(m_w->PclParent->count()).arg(t->SheetList.size()).arg(t->FrameList.size());
    QSet<int> tags;
    for (int i = 0; i < t->SheetList.size(); ++i) {
        if (m_w->PclParent->widget(i + 1) != t->SheetList.at(i))
            return QStringLiteral("page %1 is not sheet %2").arg(i + 1).arg(i);
        if (!t->SheetList.at(i)->isAncestorOf(t->FrameList.at(i)))
            return QStringLiteral("frame %1 is not on sheet %1").arg(i);
        const WebBrowser *b = t->FrameList.at(i)->WebAction;
        if (!b || b->Tag() == 0 || tags.contains(b->Tag()))
            return QStringLiteral("frame %1 has no tab identifier of its own").arg(i);
        tags.insert(b->Tag());
    }
    return QString();
}

#define VERIFY_IN_STEP() \
    do { const QString why = tabsOutOfStep(); QVERIFY2(why.isEmpty(), qPrintable(why)); } while (0)

void MainWindowTest::goOpensNewTabWithCaption()
{
    m_w = openWindow();
    QVERIFY(waitForPage(m_w->FrameWebBrowserDefault->WebAction, QStringLiteral("/Find.asp")));
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->tabText(0), QStringLiteral("Start pa..."), Timeout);
    QVERIFY(m_w->TabManager->SheetList.isEmpty());
    QCOMPARE(m_w->cmbAddr->currentText(), AddressRules::defaultAddressText(m_server.url(QString())));

    WebBrowser *a = go(QStringLiteral("/a.html"));
    QVERIFY(a);
    QCOMPARE(m_w->PclParent->currentIndex(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->tabText(1), QStringLiteral("Page A l..."), Timeout);
    QCOMPARE(m_w->PclParent->tabText(0), QStringLiteral("Start pa..."));
    QCOMPARE(m_w->PclParent->strip()->tabRect(0).width(), 150);

    // Going again never reuses the tab; apostrophes are dropped from the address.
    m_w->cmbAddr->setEditText(QStringLiteral("B") + AddressRules::DoubleBar + m_server.url(QStringLiteral("/b.h'tml")));
    m_w->bbtnFindClick();
    QCOMPARE(m_w->PclParent->count(), 3);
    QCOMPARE(m_w->PclParent->currentIndex(), 2);
    QVERIFY(waitForPage(m_w->TabManager->FrameList.at(1)->WebAction, QStringLiteral("/b.html")));
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->tabText(2), QStringLiteral("Page B"), Timeout);
    VERIFY_IN_STEP();
    QVERIFY(m_boxes.isEmpty());
}

void MainWindowTest::newWindowsBecomeTabs()
{
    m_w = openWindow();
    WebBrowser *a = go(QStringLiteral("/a.html"));
    QVERIFY(a);
    // The visit recorder leaves the active tab's item in PendingUrl; a page's
    // new window must not open it first.
    m_w->TabManager->PendingUrl = QStringLiteral("Stale") + AddressRules::DoubleBar + m_server.url(QStringLiteral("/stale.html"));

    evalJs(a->page(), QStringLiteral("document.getElementById('blank').click()"));
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->count(), 3, Timeout);
    QCOMPARE(m_w->PclParent->currentIndex(), 2);
    WebBrowser *b = m_w->TabManager->FrameList.at(1)->WebAction;
    QVERIFY(waitForPage(b, QStringLiteral("/b.html")));
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->tabText(2), QStringLiteral("Page B"), Timeout);

    // window.open from the tab behind.
    evalJs(a->page(), QStringLiteral("window.open('/c.html'); true"));
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->count(), 4, Timeout);
    QCOMPARE(m_w->PclParent->currentIndex(), 3);
    WebBrowser *c = m_w->TabManager->FrameList.at(2)->WebAction;
    QVERIFY(waitForPage(c, QStringLiteral("/c.html")));
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->tabText(3), QStringLiteral("Page C"), Timeout);

    QCOMPARE(a->page()->url().path(), QStringLiteral("/a.html"));
    QCOMPARE(m_server.timesRequested(QStringLiteral("/stale.html")), 0);
    QCOMPARE(b->page()->history()->count(), 1);
    QCOMPARE(c->page()->history()->count(), 1);
    VERIFY_IN_STEP();
    QVERIFY(m_boxes.isEmpty());
}

void MainWindowTest::pageClosingItselfClosesItsOwnTab_data()
{
    QTest::addColumn<bool>("closerActive");
    QTest::newRow("the active tab closes itself") << true;
    QTest::newRow("a tab behind closes itself") << false;
}

void MainWindowTest::pageClosingItselfClosesItsOwnTab()
{
    QFETCH(bool, closerActive);
    m_w = openWindow();
    WebBrowser *a = go(QStringLiteral("/a.html"));
    WebBrowser *closer = go(QStringLiteral("/closer.html"));
    WebBrowser *b = go(QStringLiteral("/b.html"));
    QVERIFY(a && closer && b);
    m_w->PclParent->setCurrentIndex(closerActive ? 2 : 3);

    QPointer<WebBrowser> closing(closer);
    evalJs(closer->page(), QStringLiteral("window.close(); true"));
    QTRY_VERIFY_WITH_TIMEOUT(!closing, Timeout);

    QCOMPARE(m_w->PclParent->count(), 3);
    QCOMPARE(m_w->TabManager->FrameList.at(0)->WebAction, a);
    QCOMPARE(m_w->TabManager->FrameList.at(1)->WebAction, b);
    // The tab left of the closed one becomes active; a tab behind leaves the
    // active tab as it was.
    QCOMPARE(m_w->PclParent->currentIndex(), closerActive ? 1 : 2);
    VERIFY_IN_STEP();
    QVERIFY(m_boxes.isEmpty());
}

void MainWindowTest::firstTabClosingItselfReloadsAddressBarAddress()
{
    m_w = openWindow();
    WebBrowser *first = m_w->FrameWebBrowserDefault->WebAction;
    QVERIFY(waitForPage(first, QStringLiteral("/Find.asp")));
    m_w->cmbAddr->setEditText(QStringLiteral("C") + AddressRules::DoubleBar + m_server.url(QStringLiteral("/c.html")));

    evalJs(first->page(), QStringLiteral("window.close(); true"));
    QVERIFY(waitForPage(first, QStringLiteral("/c.html")));
    QCOMPARE(m_w->PclParent->count(), 1);
    QCOMPARE(m_w->FrameWebBrowserDefault->WebAction, first);
    QVERIFY(m_boxes.isEmpty());
}

void MainWindowTest::progressShowsAndHides()
{
    m_w = openWindow();
    QVERIFY(waitForPage(m_w->FrameWebBrowserDefault->WebAction, QStringLiteral("/Find.asp")));
    QTRY_VERIFY_WITH_TIMEOUT(m_w->suiProgressBar1->isHidden(), Timeout);
    ShowCounter counter(m_w->suiProgressBar1);
    QVERIFY(go(QStringLiteral("/b.html")));
    QVERIFY(counter.shows > 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_w->suiProgressBar1->isHidden(), Timeout);
}

void MainWindowTest::progressRule_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("value");

    // The bar starts each row at 30 of 100.
    QTest::newRow("progress") << 40 << 100 << true << 40;
    QTest::newRow("unknown progress keeps the position") << -1 << 100 << true << 30;
    QTest::newRow("beyond the maximum keeps the position") << 120 << 100 << true << 30;
    QTest::newRow("maximum 0 hides") << 50 << 0 << false << -1;
}

void MainWindowTest::progressRule()
{
    QFETCH(int, progress);
    QFETCH(int, maximum);
    QFETCH(bool, shown);
    QFETCH(int, value);
    m_w = openWindow();
    WebBrowser *first = m_w->FrameWebBrowserDefault->WebAction;
    QVERIFY(waitForPage(first, QStringLiteral("/Find.asp")));
    QTRY_VERIFY_WITH_TIMEOUT(m_w->suiProgressBar1->isHidden(), Timeout);
    QProgressBar *bar = m_w->suiProgressBar1;
    bar->setMaximum(100);
    bar->setValue(30);

    emit first->ProgressChange(progress, maximum);
    QCOMPARE(!bar->isHidden(), shown);
    QCOMPARE(bar->maximum(), maximum);
    if (shown)
        QCOMPARE(bar->value(), value);
}

void MainWindowTest::closeCurrentAndCloseAll()
{
    m_w = openWindow();
    auto addBlankTabs = [this](int n) {
        for (int i = 0; i < n; ++i) {
            m_w->cmbAddr->setEditText(QStringLiteral("about:blank"));
            m_w->N56Click();
        }
    };

    // Only the first tab: nothing closes.
    m_w->C1Click();
    m_w->N9Click();
    QCOMPARE(m_w->PclParent->count(), 1);
    QCOMPARE(m_w->PclParent->currentIndex(), 0);

    addBlankTabs(5);
    QCOMPARE(m_w->PclParent->count(), 6);
    QCOMPARE(m_w->PclParent->currentIndex(), 5);
    VERIFY_IN_STEP();

    // Closing the fifth makes the fourth active.
    QWidget *fourth = m_w->TabManager->SheetList.at(3);
    m_w->C1Click();
    QCOMPARE(m_w->PclParent->count(), 5);
    QCOMPARE(m_w->PclParent->currentWidget(), fourth);
    VERIFY_IN_STEP();

    // Closing the second (through the "×" button) makes the first active.
    m_w->PclParent->setCurrentIndex(1);
    m_w->suiImageButton1Click();
    QCOMPARE(m_w->PclParent->count(), 4);
    QCOMPARE(m_w->PclParent->currentIndex(), 0);
    VERIFY_IN_STEP();

    // Out-of-range indexes change nothing.
    m_w->TabManager->CloseTab(0);
    m_w->TabManager->CloseTab(4);
    QCOMPARE(m_w->PclParent->count(), 4);
    VERIFY_IN_STEP();

    m_w->PclParent->setCurrentIndex(2);
    m_w->N9Click();
    QCOMPARE(m_w->PclParent->count(), 1);
    QCOMPARE(m_w->PclParent->currentIndex(), 0);
    VERIFY_IN_STEP();

    for (void (TFormMain::*closeAll)() : {&TFormMain::N59Click, &TFormMain::N60Click}) {
        addBlankTabs(2);
        (m_w.get()->*closeAll)();
        QCOMPARE(m_w->PclParent->count(), 1);
        QCOMPARE(m_w->PclParent->currentIndex(), 0);
        VERIFY_IN_STEP();
    }
    QVERIFY(m_boxes.isEmpty());
}

void MainWindowTest::backAndForward_data()
{
    QTest::addColumn<bool>("firstTab");
    QTest::newRow("first tab") << true;
    QTest::newRow("added tab") << false;
}

void MainWindowTest::backAndForward()
{
    QFETCH(bool, firstTab);
    m_w = openWindow();
    WebBrowser *b = m_w->FrameWebBrowserDefault->WebAction;
    QString start = QStringLiteral("/Find.asp");
    QVERIFY(waitForPage(b, start));
    if (!firstTab) {
        start = QStringLiteral("/a.html");
        b = go(start);
        QVERIFY(b);
    }

    // No page to go to: nothing happens, and nothing is reported.
    m_w->bbtnBackClick();
    m_w->bbtnUpClick();
    QCOMPARE(b->page()->url().path(), start);
    QVERIFY(m_boxes.isEmpty());

    b->Navigate(m_server.url(QStringLiteral("/b.html")));
    QVERIFY(waitForPage(b, QStringLiteral("/b.html")));
    QTRY_VERIFY_WITH_TIMEOUT(b->page()->history()->canGoBack(), Timeout);
    m_w->bbtnBackClick();
    QVERIFY(waitForPage(b, start));
    QTRY_VERIFY_WITH_TIMEOUT(b->page()->history()->canGoForward(), Timeout);
    m_w->bbtnUpClick();
    QVERIFY(waitForPage(b, QStringLiteral("/b.html")));
    m_w->bbtnUpClick();
    QCOMPARE(b->page()->url().path(), QStringLiteral("/b.html"));
    QCOMPARE(m_w->PclParent->count(), firstTab ? 1 : 2);
    QVERIFY(m_boxes.isEmpty());
}

// Tab, Enter, Backspace, Delete and the arrows reach the focused page.
void MainWindowTest::typingIntoAPageForm()
{
    m_w = openWindow();
    QVERIFY(m_w->isActiveWindow());
    WebBrowser *b = go(QStringLiteral("/form.html"));
    QVERIFY(b);
    QTRY_VERIFY_WITH_TIMEOUT(b->view()->focusProxy(), Timeout);
    QWidget *input = b->view()->focusProxy();
    input->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(input->hasFocus(), Timeout);
    evalJs(b->page(), QStringLiteral("document.getElementById('f1').focus(); true"));
    QTRY_COMPARE_WITH_TIMEOUT(evalJs(b->page(), QStringLiteral("document.activeElement.id")).toString(),
                              QStringLiteral("f1"), Timeout);

    QTest::keyClicks(input, QStringLiteral("abcd"));
    QTest::keyClick(input, Qt::Key_Backspace);  // abc
    QTest::keyClick(input, Qt::Key_Left);
    QTest::keyClick(input, Qt::Key_Left);
    QTest::keyClick(input, Qt::Key_Delete);     // ac, caret after a
    QTest::keyClick(input, Qt::Key_Right);
    QTest::keyClicks(input, QStringLiteral("e")); // ace
    QTRY_COMPARE_WITH_TIMEOUT(evalJs(b->page(), QStringLiteral("document.getElementById('f1').value")).toString(),
                              QStringLiteral("ace"), Timeout);

    QTest::keyClick(input, Qt::Key_Tab);
    QTRY_COMPARE_WITH_TIMEOUT(evalJs(b->page(), QStringLiteral("document.activeElement.id")).toString(),
                              QStringLiteral("f2"), Timeout);
    QVERIFY(input->hasFocus());
    QTest::keyClicks(input, QStringLiteral("xy"));
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(waitForPage(b, QStringLiteral("/submitted")));
    QVERIFY(m_server.wasRequested(QStringLiteral("/submitted?f1=ace&f2=xy")));
    QCOMPARE(m_w->PclParent->count(), 2);
}

void MainWindowTest::sizeRuleAndMaximiseRestoreButtons()
{
    m_w = openWindow();
    TFormMain *w = m_w.get();
    QVERIFY(!w->btnzdd->isHidden());
    QVERIFY(!w->btnzdh->isHidden());

    // Restoring a window that is not maximised changes nothing.
    w->showNormal();
    QTRY_VERIFY_WITH_TIMEOUT(!w->isMaximized(), Timeout);
    w->btnzdhClick();
    QVERIFY(!w->isMaximized());
    QVERIFY(!w->btnzdd->isHidden());
    QVERIFY(!w->btnzdh->isHidden());

    // A window made narrower than 800 pixels becomes 800 × 640 (as far as the
    // screen's height allows).
    w->resize(600, 500);
    QTRY_COMPARE_WITH_TIMEOUT(w->width(), 800, Timeout);
    QCOMPARE(w->height(), qMin(640, w->maximumHeight()));
    QVERIFY(w->maximumHeight() <= w->screen()->availableGeometry().height());

    w->btnzddClick();
    QTRY_VERIFY_WITH_TIMEOUT(w->isMaximized(), Timeout);
    QVERIFY(w->btnzdd->isHidden());
    QVERIFY(!w->btnzdh->isHidden());
    w->btnzddClick();
    QVERIFY(w->isMaximized());
    QVERIFY(w->btnzdd->isHidden());

    w->btnzdhClick();
    QTRY_VERIFY_WITH_TIMEOUT(!w->isMaximized(), Timeout);
    QVERIFY(!w->btnzdd->isHidden());
    QVERIFY(w->btnzdh->isHidden());
}

void MainWindowTest::missingStoreIsReportedOnce()
{
    m_w = openWindow(false);
    QVERIFY(waitForPage(m_w->FrameWebBrowserDefault->WebAction, QStringLiteral("/Find.asp")));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().text, QStringLiteral("软件已被破坏，请重新下载！"));
    QCOMPARE(m_boxes.first().caption, QStringLiteral("提示"));
    QCOMPARE(m_boxes.first().icon, QMessageBox::Question);
    QCOMPARE(m_boxes.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(m_w->cmbAddr->count(), 0);
    QCOMPARE(m_w->cmbAddr->currentText(), AddressRules::defaultAddressText(m_server.url(QString())));

    // The window goes on working.
    QVERIFY(go(QStringLiteral("/b.html")));
    QTRY_COMPARE_WITH_TIMEOUT(m_w->PclParent->tabText(1), QStringLiteral("Page B"), Timeout);
    m_w->hide();
    m_w->show();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(!QFile::exists(m_appDir->filePath(QStringLiteral("lzdat.dll"))));
}

int main(int argc, char *argv[])
{
    QTemporaryDir root;
    WebEngineSetup::prepareFlags();
    QApplication app(argc, argv);
    MainWindowTest test(root.path());
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_window.moc"
