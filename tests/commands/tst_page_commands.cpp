// The page commands of the main window against pages served on 127.0.0.1.
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/DownloadManager.h"
#include "browser/shell/FindBar.h"
#include "browser/shell/PageDialogs.h"
#include "browser/shell/TabStrip.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"
#include "platform/WebDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

const QByteArray PageHtml =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Lanzhou Page</title></head>"
    "<body><p>Hello lanzhou river</p><p>Yellow river bridge</p></body></html>";
const QByteArray DownloadBody(100000, 'x');

// A small HTTP server: /page.html, /other.html, /file.bin (an attachment with
// an encoded Chinese name); every other path is a start page.
class PageServer : public QTcpServer
{
public:
    PageServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [s] { answer(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        listen(QHostAddress::LocalHost, 0);
    }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }

private:
    static void answer(QTcpSocket *s)
    {
        const QByteArray request = s->property("req").toByteArray() + s->readAll();
        s->setProperty("req", request);
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        QByteArray head = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
        QByteArray body;
        if (path == "/page.html") {
            head += "Content-Type: text/html; charset=utf-8\r\n";
            body = PageHtml;
        } else if (path == "/other.html") {
            head += "Content-Type: text/html; charset=utf-8\r\n";
            body = "<html><head><title>Other</title></head><body>other</body></html>";
        } else if (path == "/file.bin") {
            head += "Content-Type: application/octet-stream\r\n"
                    "Content-Disposition: attachment; filename*=UTF-8''%E6%8A%A5%E5%91%8A.txt\r\n";
            body = DownloadBody;
        } else {
            head += "Content-Type: text/html; charset=utf-8\r\n";
            body = "<html><head><title>Start</title></head><body>start page text</body></html>";
        }
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
        s->write(head + body);
        s->disconnectFromHost();
    }
};

// Answers the control's dialogs in place of the user.
class FakeDialogs : public WebDialogs
{
public:
    QString folder;
    PageDialogs *real = nullptr;
    int saveAsAsked = 0, printAsked = 0, previewShown = 0, findShown = 0, propertiesShown = 0;
    WebPageProperties properties;

    bool chooseSaveAs(WebBrowser *, QString *path, QWebEngineDownloadRequest::SavePageFormat *format) override
    {
        ++saveAsAsked;
        *path = folder + QStringLiteral("/saved.mht");
        *format = QWebEngineDownloadRequest::MimeHtmlSaveFormat;
        return true;
    }
    bool choosePrinter(WebBrowser *, QPrinter *printer) override
    {
        ++printAsked;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder + QStringLiteral("/printed.pdf"));
        return true;
    }
    void showPrintPreview(WebBrowser *browser) override
    {
        ++previewShown;
        real->showPrintPreview(browser);
    }
    void showProperties(WebBrowser *, const WebPageProperties &p) override
    {
        ++propertiesShown;
        properties = p;
    }
    void showFind(WebBrowser *) override { ++findShown; }
};

QVariant evaluate(WebBrowser *b, const QString &script)
{
    QVariant result;
    bool done = false;
    b->page()->runJavaScript(script, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("<no answer>");
    return result;
}

void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("LZ_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + name);
}

} // namespace

class PageCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void firstTabCommandsDoNothing();
    void addedTabCommandsReachThePage();
    void zoomStartsAtHundredOnNextDocument();
    void find_data();
    void find();
    void findCommandGoesToFocusedWidget();
    void saveAsAndPrintWriteFiles();
    void printPreviewPaintsThePage();
    void downloadLandsInChosenFolder();
    void deadRendererLeavesAPageThatSaysSo();

private:
    WebBrowser *openTab(const QString &path, const QString &title);
    WebBrowser *firstBrowser() const { return m_window->FrameWebBrowserDefault->WebAction; }

    PageServer m_server;
    QTemporaryDir m_appDir;
    QTemporaryDir m_out;
    TFormMain *m_window = nullptr;
    FakeDialogs m_dialogs;
};

void PageCommandsTest::initTestCase()
{
    QVERIFY(m_server.isListening());
    QVERIFY(QFile::copy(qEnvironmentVariable("LZ_APP_DIR") + QStringLiteral("/lzdat.dll"),
                        m_appDir.filePath(QStringLiteral("lzdat.dll"))));
    MessageBox::setHook([](const MessageBox::Request &) { return QMessageBox::Ok; });
    m_window = new TFormMain(m_appDir.path(), m_server.url(QString()));
    m_dialogs.folder = m_out.path();
    m_dialogs.real = m_window->Dialogs;
    WebBrowser::setDialogs(&m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_COMPARE_WITH_TIMEOUT(firstBrowser()->LocationName(), QStringLiteral("Start"), 20000);
}

void PageCommandsTest::cleanupTestCase()
{
    WebBrowser::setDialogs(nullptr);
    delete m_window;
    MessageBox::setHook({});
}

WebBrowser *PageCommandsTest::openTab(const QString &path, const QString &title)
{
    m_window->TabManager->PendingUrl = m_server.url(path);
    m_window->TabManager->AddTab();
    WebBrowser *b = m_window->TabManager->GetNewTabDispatch();
    if (!QTest::qWaitFor([&] { return b->LocationName() == title; }, 20000))
        return nullptr;
    // The document is complete once its text can be read.
    if (!QTest::qWaitFor([&] { return evaluate(b, QStringLiteral("document.readyState")) == QStringLiteral("complete"); }, 10000))
        return nullptr;
    return b;
}

void PageCommandsTest::firstTabCommandsDoNothing()
{
    m_window->PclParent->setCurrentIndex(0);
    const int saveAs = m_dialogs.saveAsAsked, print = m_dialogs.printAsked,
              properties = m_dialogs.propertiesShown, preview = m_dialogs.previewShown;
    m_window->N58Click();
    m_window->N62Click();
    m_window->N63Click();
    m_window->N64Click();
    m_window->N69Click();
    m_window->N73Click();
    m_window->e50Click();

    // A round trip to the page: whatever the commands sent has arrived.
    QCOMPARE(evaluate(firstBrowser(), QStringLiteral("window.getSelection().toString()")).toString(), QString());
    QCOMPARE(m_dialogs.saveAsAsked, saveAs);
    QCOMPARE(m_dialogs.printAsked, print);
    QCOMPARE(m_dialogs.propertiesShown, properties);
    QCOMPARE(m_dialogs.previewShown, preview);
    QCOMPARE(firstBrowser()->page()->settings()->fontSize(QWebEngineSettings::DefaultFontSize),
             WebBrowser::textSizePixels(2));
    QVERIFY(m_window->N74->isChecked());
    QVERIFY(!m_window->N73->isChecked());
    // The zoom item takes the mark all the same; the page and the caption stay.
    QVERIFY(m_window->e50->isChecked());
    QVERIFY(!m_window->e100->isChecked());
    QCOMPARE(firstBrowser()->pageZoom(), 1.0);
    QCOMPARE(m_window->suiImageButton4->text(), QString());
    m_window->e100Click();
}

void PageCommandsTest::addedTabCommandsReachThePage()
{
    WebBrowser *b = openTab(QStringLiteral("/page.html"), QStringLiteral("Lanzhou Page"));
    QVERIFY(b);
    QCOMPARE(m_window->PclParent->currentWidget(), m_window->TabManager->SheetList.last());

    // The clipboard commands act on the focused frame, as after a click on the page.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    b->view()->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(b, QStringLiteral("document.hasFocus()")).toBool(), 10000);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    m_window->N69Click();
    m_window->N66Click();
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::clipboard()->text().contains(QStringLiteral("Hello lanzhou river")), 10000);
    QCOMPARE(m_window->ActiveFrameIndex, m_window->TabManager->FrameList.size() - 1);

    m_window->e50Click();
    QCOMPARE(b->pageZoom(), 0.5);
    QCOMPARE(m_window->suiImageButton4->text(), QStringLiteral("   50%"));
    for (QAction *a : {m_window->e200, m_window->e150, m_window->e100, m_window->e50})
        QCOMPARE(a->isChecked(), a == m_window->e50);

    // The zoom is clamped to what the engine can show.
    b->setPageZoom(20.0);
    QCOMPARE(b->pageZoom(), WebBrowser::MaxZoom);
    b->setPageZoom(0.5);

    m_window->N73->trigger(); // the menu toggles the mark before the handler runs
    QCOMPARE(b->page()->settings()->fontSize(QWebEngineSettings::DefaultFontSize), WebBrowser::textSizePixels(3));
    for (QAction *a : {m_window->N72, m_window->N73, m_window->N74, m_window->N75, m_window->N76})
        QCOMPARE(a->isChecked(), a == m_window->N73);
    m_window->N74Click();
    QVERIFY(m_window->N74->isChecked());
    QVERIFY(!m_window->N73->isChecked());

    m_window->N64Click();
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.propertiesShown, 1, 10000);
    QCOMPARE(m_dialogs.properties.title, QStringLiteral("Lanzhou Page"));
    QCOMPARE(m_dialogs.properties.address, m_server.url(QStringLiteral("/page.html")));
    QCOMPARE(m_dialogs.properties.protocol, QStringLiteral("http"));
    QCOMPARE(m_dialogs.properties.type, QStringLiteral("text/html"));
    QCOMPARE(m_dialogs.properties.size, qint64(PageHtml.size()));
}

void PageCommandsTest::zoomStartsAtHundredOnNextDocument()
{
    WebBrowser *b = openTab(QStringLiteral("/page.html"), QStringLiteral("Lanzhou Page"));
    QVERIFY(b);
    m_window->e200Click();
    QCOMPARE(b->pageZoom(), 2.0);
    b->Navigate(m_server.url(QStringLiteral("/other.html")));
    QTRY_COMPARE_WITH_TIMEOUT(b->LocationName(), QStringLiteral("Other"), 20000);
    QCOMPARE(evaluate(b, QStringLiteral("document.readyState")).toString(), QStringLiteral("complete"));
    QCOMPARE(b->pageZoom(), 1.0);
    // The marks and the caption are the window's, not the document's.
    QVERIFY(m_window->e200->isChecked());
    QCOMPARE(m_window->suiImageButton4->text(), QStringLiteral("   200%"));
    m_window->e100Click();
}

void PageCommandsTest::find_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("matches");
    QTest::addColumn<QString>("result");
    QTest::newRow("word in the page") << "river" << false << 2 << "第 1 个，共 2 个";
    QTest::newRow("other case") << "LANZHOU" << false << 1 << "第 1 个，共 1 个";
    QTest::newRow("other case, match case") << "LANZHOU" << true << 0 << "找不到";
    QTest::newRow("missing word") << "zebra" << false << 0 << "找不到";
}

void PageCommandsTest::find()
{
    QFETCH(QString, word);
    QFETCH(bool, matchCase);
    QFETCH(int, matches);
    QFETCH(QString, result);
    WebBrowser *b = m_window->TabManager->FrameList.isEmpty() ? nullptr : m_window->TabManager->FrameList.first()->WebAction;
    QVERIFY(b);
    m_window->PclParent->setCurrentIndex(1);
    FindBar *bar = FindBar::open(b);
    QCOMPARE(FindBar::open(b), bar); // one bar per page
    QSignalSpy found(bar, &FindBar::found);
    bar->setMatchCase(matchCase);
    bar->setText(word);
    bar->findNext();
    QVERIFY(found.wait(10000));
    QCOMPARE(bar->matches(), matches);
    QCOMPARE(bar->resultText(), result);
    if (matches > 1) {
        bar->findNext();
        QTRY_COMPARE_WITH_TIMEOUT(bar->activeMatch(), 2, 10000);
        bar->findPrevious();
        QTRY_COMPARE_WITH_TIMEOUT(bar->activeMatch(), 1, 10000);
        saveShot(m_window, QStringLiteral("findbar.png"));
    }
    bar->closeBar();
    QVERIFY(!bar->isVisible());
}

void PageCommandsTest::findCommandGoesToFocusedWidget()
{
    WebBrowser *b = m_window->TabManager->FrameList.first()->WebAction;
    m_window->PclParent->setCurrentIndex(1);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));

    m_window->cmbAddr->setFocus();
    QTRY_VERIFY(m_window->cmbAddr->hasFocus());
    const int before = m_dialogs.findShown;
    m_window->N70Click();
    QCOMPARE(m_dialogs.findShown, before);

    b->view()->setFocus();
    QTRY_VERIFY(b->isAncestorOf(QApplication::focusWidget()));
    m_window->N70Click();
    QCOMPARE(m_dialogs.findShown, before + 1);

    // The first tab: nothing.
    m_window->PclParent->setCurrentIndex(0);
    firstBrowser()->view()->setFocus();
    m_window->N70Click();
    QCOMPARE(m_dialogs.findShown, before + 1);
}

void PageCommandsTest::saveAsAndPrintWriteFiles()
{
    WebBrowser *b = m_window->TabManager->FrameList.first()->WebAction;
    m_window->PclParent->setCurrentIndex(1);

    m_window->N58Click();
    QCOMPARE(m_dialogs.saveAsAsked, 1);
    const QString saved = m_out.filePath(QStringLiteral("saved.mht"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(saved).size() > 0, 20000);
    QFile mht(saved);
    QVERIFY(mht.open(QIODevice::ReadOnly));
    const QByteArray archive = mht.readAll().replace("=\r\n", "");
    QVERIFY(archive.contains("multipart/related"));
    QVERIFY(archive.contains("Hello lanzhou river"));

    QSignalSpy printed(b, &WebBrowser::PrintFinished);
    m_window->N62Click();
    QCOMPARE(m_dialogs.printAsked, 1);
    QVERIFY(b->isPrinting());
    // A second print while the first runs is refused.
    QVERIFY(!b->ExecWB(WebBrowser::CmdPrint));
    QVERIFY(printed.wait(30000));
    QCOMPARE(printed.first().first().toBool(), true);
    QFile pdf(m_out.filePath(QStringLiteral("printed.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
}

void PageCommandsTest::printPreviewPaintsThePage()
{
    m_window->PclParent->setCurrentIndex(1);
    m_window->N63Click();
    QCOMPARE(m_dialogs.previewShown, 1);
    auto *preview = m_window->findChild<QPrintPreviewDialog *>(QStringLiteral("frmPrintPreview"));
    QVERIFY(preview);
    auto *pages = preview->findChild<QPrintPreviewWidget *>();
    QVERIFY(pages);
    QTRY_VERIFY_WITH_TIMEOUT(pages->pageCount() >= 1, 30000);
    saveShot(preview, QStringLiteral("printpreview.png"));
    preview->close();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->findChild<QPrintPreviewDialog *>(QStringLiteral("frmPrintPreview")), 10000);

    // A preview closed while its page is still being printed into it goes
    // once that print is over; the page prints again afterwards.
    WebBrowser *b = m_window->TabManager->FrameList.first()->WebAction;
    QPointer<QPrintPreviewDialog> closed;
    QTimer::singleShot(0, m_window, [&] {
        closed = m_window->findChild<QPrintPreviewDialog *>(QStringLiteral("frmPrintPreview"));
        if (closed)
            closed->close();
    });
    m_window->N63Click();
    QVERIFY(closed);
    QTRY_VERIFY_WITH_TIMEOUT(!closed, 30000);
    QVERIFY(!b->isPrinting());
    m_window->N63Click();
    preview = m_window->findChild<QPrintPreviewDialog *>(QStringLiteral("frmPrintPreview"));
    QVERIFY(preview);
    QTRY_VERIFY_WITH_TIMEOUT(preview->findChild<QPrintPreviewWidget *>()->pageCount() >= 1, 30000);
    preview->close();
}

void PageCommandsTest::downloadLandsInChosenFolder()
{
    WebBrowser *b = openTab(QStringLiteral("/page.html"), QStringLiteral("Lanzhou Page"));
    QVERIFY(b);
    QString suggested;
    DownloadManager *downloads = m_window->Dialogs->downloads();
    downloads->setPathChooser([&](const QString &path) {
        suggested = path;
        return m_out.filePath(QFileInfo(path).fileName());
    });
    QSignalSpy ended(downloads, &DownloadManager::downloadEnded);
    b->Navigate(m_server.url(QStringLiteral("/file.bin")));
    QVERIFY(ended.wait(30000));
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("报告.txt"));
    QCOMPARE(ended.first().at(1).toBool(), true);
    const QString path = m_out.filePath(QStringLiteral("报告.txt"));
    QCOMPARE(ended.first().at(0).toString(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), DownloadBody);
    downloads->hide();
}

void PageCommandsTest::deadRendererLeavesAPageThatSaysSo()
{
    WebBrowser *b = openTab(QStringLiteral("/page.html"), QStringLiteral("Lanzhou Page"));
    QVERIFY(b);
    QSignalSpy died(b, &WebBrowser::RendererTerminated);
    b->Navigate(QStringLiteral("chrome://crash"));
    QVERIFY(died.wait(30000));
    QTRY_COMPARE_WITH_TIMEOUT(b->LocationName(), QStringLiteral("网页已停止"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(b, QStringLiteral("document.getElementById('reload') ? 1 : 0")).toInt() == 1, 10000);
}

QTEST_MAIN(PageCommandsTest)
#include "tst_page_commands.moc"
