// The whole round trip against the real favourites service on a free loopback
// port: the import dialog files three favourites, one a second, then
// "我的收藏" with the password opens a tab whose page lists them.
#include "browser/favourites/FavouritesPages.h"
#include "browser/favourites/LzFav.h"
#include "browser/favourites/UnitWdsc.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/TabStrip.h"
#include "browser/shell/UnitFormMain.h"
#include "browser/shell/UnitFrameWebBrowser.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/WebBrowser.h"
#include "platform/WebEngineSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

constexpr int Timeout = 20000;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Pictures of the steps, for a person to look at, when LZ_SCREENSHOTS names a folder.
void snapshot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("LZ_SCREENSHOTS");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The page's text; empty when it does not come in time. The answer may come
// after that, so it lands in shared state rather than on this stack.
QString pageText(QWebEnginePage *page)
{
    const auto text = std::make_shared<std::optional<QString>>();
    page->toPlainText([text](const QString &t) { *text = t; });
    if (!QTest::qWaitFor([&] { return text->has_value(); }, Timeout))
        return QString();
    return **text;
}

} // namespace

class FavouritesEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void importThenLookUp();

private:
    QTemporaryDir m_tmp;
    QProcess m_service;
    QString m_site;
    QList<MessageBox::Request> m_boxes;
};

void FavouritesEndToEndTest::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_service.start(QStringLiteral(LZSERVICE_PROGRAM),
                    {"--host", "127.0.0.1", "--port", "0", "--data", m_tmp.filePath("lzservice.db")});
    QVERIFY(m_service.waitForStarted());
    QRegularExpressionMatch m;
    QTRY_VERIFY_WITH_TIMEOUT((m = QRegularExpression(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"))
                                      .match(QString::fromLatin1(m_service.peek(200))))
                                 .hasMatch(),
                             Timeout);
    m_site = QStringLiteral("http://127.0.0.1:") + m.captured(1);

    MessageBox::setHook([this](const MessageBox::Request &r) {
        m_boxes.append(r);
        return QMessageBox::Ok;
    });

    const QString fav = m_tmp.filePath("Favorites");
    writeFile(fav + "/Baidu 搜索.url", "[InternetShortcut]\r\nURL=http://www.baidu.com/s?wd=a&ie=utf-8\r\n");
    writeFile(fav + "/新浪.url", TextCodec::toGb18030(QStringLiteral("[InternetShortcut]\r\nURL=http://www.sina.com.cn/\r\n")));
    writeFile(fav + "/news/A<B & C.url", "[InternetShortcut]\r\nURL=http://example.com/#top\r\n");
    LzFav::setFavouritesFolder(fav);
}

void FavouritesEndToEndTest::cleanupTestCase()
{
    LzFav::setFavouritesFolder(QString());
    MessageBox::setHook({});
    m_service.terminate();
    m_service.waitForFinished();
}

void FavouritesEndToEndTest::importThenLookUp()
{
    QTemporaryDir appDir;
    QVERIFY(QFile::copy(qEnvironmentVariable("LZ_APP_DIR") + "/lzdat.dll", appDir.filePath("lzdat.dll")));
    auto w = std::make_unique<TFormMain>(appDir.path() + QLatin1Char('/'), m_site);
    w->resize(1082, 622);
    w->show();

    // "电脑收藏夹导入岚舟": the page is written and the dialog shows it.
    w->N80Click();
    auto *lzFav = w->findChild<TfrmLzFav *>(QStringLiteral("frmLzFav"));
    QVERIFY(lzFav);
    QVERIFY(lzFav->isVisible());
    QVERIFY(QFile::exists(appDir.filePath("LzFav.htm")));
    QTRY_VERIFY_WITH_TIMEOUT(lzFav->pageReady(), Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(pageText(lzFav->webFavorites->page()).contains(QStringLiteral("新浪")), Timeout);
    QVERIFY(pageText(lzFav->webFavorites->page()).contains(QStringLiteral("A<B & C")));

    // A password that would break an unescaped address.
    const QString password = QStringLiteral("p&w=1 #密‖+");
    QVERIFY(!lzFav->edtCheck->isEnabled());
    lzFav->suiCheckBox1->click();
    QVERIFY(lzFav->edtCheck->isEnabled());
    lzFav->edtCheck->setText(password);
    snapshot(lzFav, "import-dialog");

    QSignalSpy finished(lzFav, &TfrmLzFav::importFinished);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> ticks;
    QMetaObject::Connection tickWatch = connect(lzFav->suiProgressBar1, &QProgressBar::valueChanged, this,
                                                [&](int) { ticks.append(clock.elapsed()); });
    lzFav->bbtnOk->click();
    QVERIFY(!lzFav->bbtnOk->isEnabled());
    QVERIFY(lzFav->suiProgressBar1->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(lzFav->bbtnOk->text().endsWith(QStringLiteral(" 秒")), Timeout);
    snapshot(lzFav, "import-running");
    QVERIFY(finished.wait(Timeout));
    disconnect(tickWatch);
    qInfo() << "progress steps at ms:" << ticks;

    QCOMPARE(finished.first().first().toInt(), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().text, QStringLiteral("电脑收藏夹导入岚舟完毕！!"));
    QCOMPARE(m_boxes.first().caption, QStringLiteral("提示"));
    QVERIFY(!lzFav->isVisible());
    QCOMPARE(w->PclParent->currentWidget(), w->TabSheet1);
    QVERIFY(lzFav->bbtnOk->isEnabled());
    QCOMPARE(lzFav->bbtnOk->text(), QStringLiteral("开始导入"));

    // "我的收藏": Enter in the password edit opens the page of that password.
    w->N77Click();
    auto *wdsc = w->findChild<TfrmWdsc *>(QStringLiteral("frmWdsc"));
    QVERIFY(wdsc);
    QVERIFY(wdsc->isVisible());
    wdsc->edtCheck->setText(QStringLiteral("  ") + password + QStringLiteral(" "));
    snapshot(wdsc, "my-favourites-dialog");
    QTest::keyClick(wdsc->edtCheck, Qt::Key_Return);
    QVERIFY(!wdsc->isVisible());
    QCOMPARE(w->PclParent->count(), 2);
    WebBrowser *tab = w->TabManager->GetNewTabDispatch();
    QVERIFY(tab);
    QCOMPARE(tab->page()->requestedUrl().toString(QUrl::FullyEncoded),
             LzFav::lookupAddress(m_site, password));
    QString listed;
    QTRY_VERIFY_WITH_TIMEOUT((listed = pageText(tab->page())).contains(QStringLiteral("新浪")), Timeout);
    for (const char *text : {"Baidu 搜索", "http://www.baidu.com/s?wd=a&ie=utf-8", "http://www.sina.com.cn/",
                             "A<B & C", "http://example.com/#top"})
        QVERIFY2(listed.contains(QString::fromUtf8(text)), text);
    snapshot(w.get(), "my-favourites-tab");

    // The password is kept for the next opening.
    w->N77Click();
    QCOMPARE(wdsc->edtCheck->text(), QStringLiteral("  ") + password + QStringLiteral(" "));
    wdsc->suiButton2->click();
    QVERIFY(!wdsc->isVisible());

    // A second import in the same run, with the service gone: the closing
    // message says how many favourites were not filed.
    m_service.terminate();
    QVERIFY(m_service.waitForFinished());
    lzFav->setRequestInterval(50);
    w->suiImageButton5Click();
    QVERIFY(lzFav->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(lzFav->pageReady(), Timeout);
    lzFav->bbtnOk->click();
    QVERIFY(finished.wait(Timeout));
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.last().text, QStringLiteral("电脑收藏夹导入岚舟完毕！!\n其中 3 个收藏未能导入。"));
}

int main(int argc, char *argv[])
{
    WebEngineSetup::prepareFlags();
    QApplication app(argc, argv);
    FavouritesEndToEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_favourites_e2e.moc"
