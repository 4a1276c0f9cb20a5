// The address list, the visit recorder, the record manager, the options and
// the exit routine on the real main window, with a copy of the delivered store
// and pages served from 127.0.0.1 by the test itself.
#include "browser/records/BackgroundRule.h"
#include "browser/records/RecordRows.h"
#include "browser/records/UnitSet.h"
#include "browser/records/de.h"
#include "browser/records/qc.h"
#include "browser/records/qu.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/Pictures.h"
#include "browser/shell/TabStrip.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WebEngineSetup.h"
#include "platform/WindowHelpers.h"
#include "store/Dmsystem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <sqlite3.h>

#include <memory>

namespace {

constexpr int Timeout = 20000;

// Serves a page titled by its path's "t" query ("/p?t=Alpha") on 127.0.0.1.
class PageServer : public QObject
{
public:
    PageServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                connect(s, &QTcpSocket::readyRead, s, [s] {
                    const QByteArray head = s->readAll();
                    const QUrl target(QString::fromLatin1(head.split(' ').value(1)));
                    const QString title = QUrlQuery(target).queryItemValue(QStringLiteral("t"), QUrl::FullyDecoded);
                    const QByteArray body = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>"
                            + title.toHtmlEscaped().toUtf8() + "</title></head><body>x</body></html>";
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\n"
                             "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString url(const QString &title) const
    {
        return QStringLiteral("http://127.0.0.1:%1/p?t=%2")
                .arg(m_server.serverPort())
                .arg(QString::fromLatin1(QUrl::toPercentEncoding(title)));
    }
    QString site() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

private:
    QTcpServer m_server;
};

// Runs statement on the store file directly (to set up or break the store).
void sql(const QString &file, const char *statement)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    char *error = nullptr;
    const int rc = sqlite3_exec(db, statement, nullptr, nullptr, &error);
    const QString message = QString::fromUtf8(error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(message));
}

// Clicks button of the dialog named dialog under owner as soon as it shows
// (the dialog runs its own modal loop meanwhile).
void clickWhenShown(QObject *owner, const QString &dialog, const QString &button)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, owner, [=] {
        auto *d = owner->findChild<QWidget *>(dialog, Qt::FindDirectChildrenOnly);
        if (!d || !d->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        auto *b = d->findChild<QAbstractButton *>(button);
        QVERIFY(b);
        b->click();
    });
    timer->start();
}

QStringList titles(TfrmQc *qc)
{
    QStringList out;
    for (int r = 0; r < qc->adoqQc->rowCount(); ++r)
        out << qc->adoqQc->record(r)->bt;
    return out;
}

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Visits.
    void visitIsRecordedOnceOnTabClick();
    void sameCaptionIsRecordedOnce();
    void firstTabRecordsNothing();
    void titleWithApostropheIsRecorded();
    void addressListPutsFrequentFirst();

    // Record manager.
    void searchNarrowsAndHintKeepsLastResult();
    void dayFilterShowsThatDay();
    void changeStoresTitleAddressAndFlag_data();
    void changeStoresTitleAddressAndFlag();
    void deleteNeedsASelectedLiveRecord();
    void clearAsksAndClears_data();
    void clearAsksAndClears();
    void storeFailureKeepsDialogAndList();
    void closingRebuildsAddressList();

    // Options and start-up.
    void startupPicture_data();
    void startupPicture();
    void startupAppliesStoredBackground();
    void optionsMarkStoredChoice_data();
    void optionsMarkStoredChoice();
    void swatchIsAppliedAndStoredAtOnce();
    void applyEnablingAndExitSwitch();
    void ownPicture_data();
    void ownPicture();

    // Exit.
    void exitRoutine_data();
    void exitRoutine();

private:
    std::unique_ptr<TFormMain> openWindow();
    QString store() const { return m_dir->filePath(QStringLiteral("lzdat.dll")); }
    TfrmQc *openManager();
    TfrmSet *openOptions();

    PageServer m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFormMain> m_w;
    QList<MessageBox::Request> m_messages;
};

void RecordsTest::initTestCase()
{
    MessageBox::setHook([this](const MessageBox::Request &r) {
        m_messages << r;
        return QMessageBox::Ok;
    });
}

void RecordsTest::init()
{
    m_messages.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(qEnvironmentVariable("LZ_APP_DIR") + QStringLiteral("/lzdat.dll"), store()));
    QFile::setPermissions(store(), QFile::ReadOwner | QFile::WriteOwner);
}

void RecordsTest::cleanup()
{
    m_w.reset();
    m_dir.reset();
}

std::unique_ptr<TFormMain> RecordsTest::openWindow()
{
    auto w = std::make_unique<TFormMain>(m_dir->path() + QLatin1Char('/'), m_server.site());
    w->resize(1082, 622);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    return w;
}

TfrmQc *RecordsTest::openManager()
{
    // The manager is modal in the browser; here it is shown beside the window
    // so the test can work its controls.
    auto *qc = WindowHelpers::ownedInstance<TfrmQc>(m_w.get(), QStringLiteral("frmQc"),
                                                    [this] { return new TfrmQc(m_w.get()); });
    qc->show();
    return qc;
}

TfrmSet *RecordsTest::openOptions()
{
    m_w->LZ2Click();
    return m_w->findChild<TfrmSet *>(QStringLiteral("frmSet"), Qt::FindDirectChildrenOnly);
}

// --- visits -----------------------------------------------------------------

namespace {

// Opens address in a new tab and waits until its caption is caption.
void openTab(TFormMain *w, const QString &address, const QString &caption)
{
    w->TabManager->PendingUrl = address;
    w->TabManager->AddTab();
    const int page = w->PclParent->count() - 1;
    QTRY_COMPARE_WITH_TIMEOUT(w->PclParent->tabText(page), caption, Timeout);
}

void clickTab(TFormMain *w, int page)
{
    TabStrip *strip = w->PclParent->strip();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(page).center());
}

int rowsTitled(TDm *dm, const QString &title)
{
    int n = 0;
    for (const BtRecord &r : dm->allRecords())
        n += r.bt == title;
    return n;
}

} // namespace

void RecordsTest::visitIsRecordedOnceOnTabClick()
{
    m_w = openWindow();
    QVERIFY(m_w);
    const QString url = m_server.url(QStringLiteral("Alpha"));
    openTab(m_w.get(), url, QStringLiteral("Alpha"));
    QCOMPARE(rowsTitled(m_w->Dm, QStringLiteral("Alpha")), 0);  // opening alone records nothing

    clickTab(m_w.get(), 1);
    QCOMPARE(rowsTitled(m_w->Dm, QStringLiteral("Alpha")), 1);
    const QString item = QStringLiteral("Alpha\u2016") + url;
    QCOMPARE(m_w->cmbAddr->currentText(), item);
    QCOMPARE(m_w->cmbAddr->itemText(m_w->cmbAddr->count() - 1), item);
    QCOMPARE(m_w->TabManager->PendingUrl, item);
    const BtRecord first = *m_w->Dm->findByTitle(QStringLiteral("Alpha"));
    QCOMPARE(first.ur, url);
    QCOMPARE(first.rq, QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    QCOMPARE(first.sy, 0);

    const int listed = m_w->cmbAddr->count();
    clickTab(m_w.get(), 1);
    QCOMPARE(rowsTitled(m_w->Dm, QStringLiteral("Alpha")), 1);
    QCOMPARE(m_w->cmbAddr->count(), listed);
}

void RecordsTest::sameCaptionIsRecordedOnce()
{
    m_w = openWindow();
    QVERIFY(m_w);
    const QString first = m_server.url(QStringLiteral("ABCDEFGHone"));
    openTab(m_w.get(), first, QStringLiteral("ABCDEFGH..."));
    clickTab(m_w.get(), 1);
    const QString second = m_server.url(QStringLiteral("ABCDEFGHtwo"));
    openTab(m_w.get(), second, QStringLiteral("ABCDEFGH..."));
    clickTab(m_w.get(), 2);

    QCOMPARE(rowsTitled(m_w->Dm, QStringLiteral("ABCDEFGH...")), 1);
    QCOMPARE(m_w->Dm->findByTitle(QStringLiteral("ABCDEFGH..."))->ur, first);
    // The second page only shows its item.
    QCOMPARE(m_w->cmbAddr->currentText(), QStringLiteral("ABCDEFGH...\u2016") + second);
}

void RecordsTest::firstTabRecordsNothing()
{
    m_w = openWindow();
    QVERIFY(m_w);
    openTab(m_w.get(), m_server.url(QStringLiteral("Beta")), QStringLiteral("Beta"));
    const QString text = m_w->cmbAddr->currentText();
    m_w->PclParent->setCurrentIndex(0);
    clickTab(m_w.get(), 0);
    QVERIFY(m_w->Dm->allRecords().isEmpty());
    QCOMPARE(m_w->cmbAddr->currentText(), text);
}

void RecordsTest::titleWithApostropheIsRecorded()
{
    m_w = openWindow();
    QVERIFY(m_w);
    const QString url = m_server.url(QStringLiteral("It's"));
    openTab(m_w.get(), url, QStringLiteral("It's"));
    clickTab(m_w.get(), 1);
    QCOMPARE(rowsTitled(m_w->Dm, QStringLiteral("It's")), 1);
    clickTab(m_w.get(), 1);
    QCOMPARE(rowsTitled(m_w->Dm, QStringLiteral("It's")), 1);
}

void RecordsTest::addressListPutsFrequentFirst()
{
    {
        TDm dm(m_dir->path());
        dm.insertVisit(QStringLiteral("plain"), QStringLiteral("http://a/"));
        dm.insertVisit(QStringLiteral("often"), QStringLiteral("http://b/"));
        dm.insertVisit(QStringLiteral("two"), QStringLiteral("http://c/"));
        dm.updateRecord(dm.findByTitle(QStringLiteral("often"))->id, QStringLiteral("often"), QStringLiteral("http://b/"), 1);
        dm.updateRecord(dm.findByTitle(QStringLiteral("two"))->id, QStringLiteral("two"), QStringLiteral("http://c/"), 2);
    }
    m_w = openWindow();
    QVERIFY(m_w);
    QStringList items;
    for (int i = 0; i < m_w->cmbAddr->count(); ++i)
        items << m_w->cmbAddr->itemText(i);
    // sy descending: 2 (no prefix), 1 (prefixed), 0.
    QCOMPARE(items, QStringList({QStringLiteral("two\u2016http://c/"), QStringLiteral("常用: often\u2016http://b/"),
                                 QStringLiteral("plain\u2016http://a/")}));
    QVERIFY(m_w->cmbAddr->currentText().startsWith(QStringLiteral("常用：岚舟_")));
}

// --- record manager ---------------------------------------------------------

namespace {

void seed(const QString &folder)
{
    TDm dm(folder);
    dm.insertVisit(QStringLiteral("Alpha news"), QStringLiteral("http://a/"), QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
    dm.insertVisit(QStringLiteral("Alpine"), QStringLiteral("http://b/"), QDateTime(QDate(2024, 3, 2), QTime(9, 0)));
    dm.insertVisit(QStringLiteral("Beta 100%"), QStringLiteral("http://c/"), QDateTime(QDate(2024, 3, 2), QTime(10, 0)));
    dm.insertVisit(QStringLiteral("Gamma"), QStringLiteral("http://d/"), QDateTime(QDate(2024, 3, 3), QTime(9, 0)));
    dm.updateRecord(dm.findByTitle(QStringLiteral("Gamma"))->id, QStringLiteral("Gamma"), QStringLiteral("http://d/"), 1);
}

void selectRow(TfrmQc *qc, const QString &title)
{
    for (int r = 0; r < qc->adoqQc->rowCount(); ++r) {
        if (qc->adoqQc->record(r)->bt == title) {
            const QModelIndex index = qc->adoqQc->index(r, TRecordsModel::Bt);
            QTest::mouseClick(qc->DBGrid1->viewport(), Qt::LeftButton, {}, qc->DBGrid1->visualRect(index).center());
            return;
        }
    }
    QFAIL("row not shown");
}

} // namespace

void RecordsTest::searchNarrowsAndHintKeepsLastResult()
{
    seed(m_dir->path());
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmQc *qc = openManager();
    QCOMPARE(titles(qc), QStringList({"Gamma", "Alpha news", "Alpine", "Beta 100%"}));
    QCOMPARE(qc->edtName->text(), QStringLiteral("输入网址名称查找"));

    QTest::mouseClick(qc->edtName, Qt::LeftButton);
    QCOMPARE(qc->edtName->text(), QString());
    QCOMPARE(titles(qc).size(), 4);
    QTest::keyClicks(qc->edtName, QStringLiteral("Alp"));
    QCOMPARE(titles(qc), QStringList({"Alpha news", "Alpine"}));
    QTest::keyClicks(qc->edtName, QStringLiteral("h"));
    QCOMPARE(titles(qc), QStringList({"Alpha news"}));

    // A right click, a message box or another program taking the active
    // window, or the box's context menu, is not leaving the box: the typed
    // text and its result stay.
    QTest::mouseClick(qc->edtName, Qt::RightButton);
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(qc->edtName, &away);
    }
    QCOMPARE(qc->edtName->text(), QStringLiteral("Alph"));
    QCOMPARE(titles(qc), QStringList({"Alpha news"}));

    // Leaving the box shows the hint and keeps the last result.
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(qc->edtName, &out);
    QCOMPARE(qc->edtName->text(), QStringLiteral("输入网址名称查找"));
    QCOMPARE(titles(qc), QStringList({"Alpha news"}));

    // % and _ stay wildcards; an apostrophe is just a character.
    qc->edtName->setText(QStringLiteral("a_p"));
    QCOMPARE(titles(qc), QStringList({"Alpha news", "Alpine"}));
    qc->edtName->setText(QStringLiteral("'"));
    QCOMPARE(titles(qc), QStringList());
    QVERIFY(m_messages.isEmpty());
}

void RecordsTest::dayFilterShowsThatDay()
{
    seed(m_dir->path());
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmQc *qc = openManager();
    QCOMPARE(qc->fDate->date(), QDate::currentDate());
    QCOMPARE(qc->fDate->displayFormat(), QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(titles(qc).size(), 4);  // setting today filtered nothing
    qc->fDate->setDate(QDate(2024, 3, 2));
    QCOMPARE(titles(qc), QStringList({"Alpine", "Beta 100%"}));
    qc->fDate->setDate(QDate(2024, 3, 5));
    QCOMPARE(titles(qc), QStringList());
}

void RecordsTest::changeStoresTitleAddressAndFlag_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("sy");
    QTest::newRow("frequent") << "1" << true << 1;
    QTest::newRow("five stays five") << "5" << true << 5;
    QTest::newRow("spaces around") << " 0 " << true << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "yes" << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
}

void RecordsTest::changeStoresTitleAddressAndFlag()
{
    QFETCH(QString, flag);
    QFETCH(bool, stored);
    QFETCH(int, sy);
    seed(m_dir->path());
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmQc *qc = openManager();
    selectRow(qc, QStringLiteral("Alpine"));
    QCOMPARE(qc->edtTitle->text(), QStringLiteral("Alpine"));
    QCOMPARE(qc->edtAddr->text(), QStringLiteral("http://b/"));
    QCOMPARE(qc->suiEdit1->text(), QStringLiteral("0"));
    const qint64 id = qc->SelectedRecordId;

    qc->fDate->setDate(QDate(2024, 3, 3));  // a filter that the change replaces
    qc->edtTitle->setText(QStringLiteral("O'Neil's"));
    qc->edtAddr->setText(QStringLiteral("http://x/?q='1'"));
    qc->suiEdit1->setText(flag);
    qc->SpeedButton1->click();

    const auto records = m_w->Dm->recordsByIds({id});
    QCOMPARE(records.size(), 1);
    if (stored) {
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(records.first().bt, QStringLiteral("O'Neil's"));
        QCOMPARE(records.first().ur, QStringLiteral("http://x/?q='1'"));
        QCOMPARE(records.first().sy, sy);
        QCOMPARE(titles(qc).size(), 4);  // the full list again
    } else {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().text.contains(QStringLiteral("整数")));
        QCOMPARE(records.first().bt, QStringLiteral("Alpine"));
        QCOMPARE(records.first().sy, 0);
        QVERIFY(qc->isVisible());
    }
}

void RecordsTest::deleteNeedsASelectedLiveRecord()
{
    seed(m_dir->path());
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmQc *qc = openManager();
    qc->bbtnOk->click();  // nothing clicked yet: id 0
    QCOMPARE(titles(qc).size(), 4);

    selectRow(qc, QStringLiteral("Beta 100%"));
    qc->bbtnOk->click();
    QCOMPARE(titles(qc), QStringList({"Gamma", "Alpha news", "Alpine"}));
    qc->bbtnOk->click();  // the same, now deleted, id
    QCOMPARE(titles(qc), QStringList({"Gamma", "Alpha news", "Alpine"}));
    QVERIFY(m_messages.isEmpty());
}

void RecordsTest::clearAsksAndClears_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("是 keeps the frequent ones") << "bbtnOk" << QStringList({"Five", "Gamma"});
    QTest::newRow("否 clears all") << "SpeedButton1" << QStringList();
    QTest::newRow("取消 does nothing") << "bbtnClose" << QStringList({"Five", "Gamma", "Alpha news", "Alpine", "Beta 100%"});
}

void RecordsTest::clearAsksAndClears()
{
    QFETCH(QString, button);
    QFETCH(QStringList, left);
    seed(m_dir->path());
    {
        TDm dm(m_dir->path());
        dm.insertVisit(QStringLiteral("Five"), QStringLiteral("http://5/"));
        dm.updateRecord(dm.findByTitle(QStringLiteral("Five"))->id, QStringLiteral("Five"), QStringLiteral("http://5/"), 5);
    }
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmQc *qc = openManager();
    qc->fDate->setDate(QDate(2024, 3, 1));
    clickWhenShown(qc, QStringLiteral("frmDe"), button);
    qc->btnqbb->click();
    auto *de = qc->findChild<TfrmDe *>(QStringLiteral("frmDe"), Qt::FindDirectChildrenOnly);
    QVERIFY(de);
    QVERIFY(!de->isVisible());
    QCOMPARE(de->Label1->text(), QStringLiteral("您确定清空所有记录吗？'是'保留常用网址,'否'不保留,请确认!"));
    if (button == QLatin1String("bbtnClose"))
        QCOMPARE(titles(qc), QStringList({"Alpha news"}));  // still the day filter
    else
        QCOMPARE(titles(qc), left);  // the full list
    QStringList stored;
    for (const BtRecord &r : m_w->Dm->allRecords())
        stored << r.bt;
    QCOMPARE(stored, left);
    // Found again, not made again.
    clickWhenShown(qc, QStringLiteral("frmDe"), QStringLiteral("bbtnClose"));
    qc->btnqbb->click();
    QCOMPARE(qc->findChildren<TfrmDe *>().size(), 1);
}

void RecordsTest::storeFailureKeepsDialogAndList()
{
    seed(m_dir->path());
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmQc *qc = openManager();
    selectRow(qc, QStringLiteral("Alpine"));
    sql(store(), "CREATE TRIGGER no_edit BEFORE UPDATE ON bt BEGIN SELECT RAISE(ABORT, 'read only'); END;");
    qc->edtTitle->setText(QStringLiteral("Changed"));
    qc->SpeedButton1->click();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().text.contains(QStringLiteral("read only")));
    QVERIFY(qc->isVisible());
    QCOMPARE(titles(qc).size(), 4);

    // A list that cannot be read leaves the last one in the grid.
    sql(store(), "ALTER TABLE bt RENAME TO bt_gone");
    QTest::keyClicks(qc->edtName, QStringLiteral("x"));
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(qc->adoqQc->rowCount(), 4);
}

void RecordsTest::closingRebuildsAddressList()
{
    seed(m_dir->path());
    m_w = openWindow();
    QVERIFY(m_w);
    QCOMPARE(m_w->cmbAddr->count(), 4);
    m_w->Dm->deleteAll();
    clickWhenShown(m_w.get(), QStringLiteral("frmQc"), QStringLiteral("bbtnClose"));
    m_w->btnqc->click();
    QCOMPARE(m_w->cmbAddr->count(), 0);
    QCOMPARE(m_w->cmbAddr->currentText(), QString());
    auto *qc = m_w->findChild<TfrmQc *>(QStringLiteral("frmQc"), Qt::FindDirectChildrenOnly);
    QVERIFY(qc);
    QCOMPARE(qc->imgP->picture(), m_w->img_c->picture());
}

// --- options and start-up ---------------------------------------------------

void RecordsTest::startupPicture_data()
{
    QTest::addColumn<int>("bj");
    QTest::addColumn<QString>("lj");
    QTest::addColumn<int>("expected");  // a built-in picture, -1 the user's file, -2 none
    for (int bj = 0; bj <= 5; ++bj)
        QTest::addRow("built-in %d", bj) << bj << QString() << bj;
    QTest::newRow("own file") << 6 << "own" << -1;
    QTest::newRow("own file missing") << 6 << "missing" << int(Pictures::LightBlue);
    QTest::newRow("own file unreadable") << 6 << "broken" << -2;
    QTest::newRow("7") << 7 << QString() << -2;
    QTest::newRow("-1") << -1 << QString() << -2;
}

void RecordsTest::startupPicture()
{
    QFETCH(int, bj);
    QFETCH(QString, lj);
    QFETCH(int, expected);
    QImage own(64, 48, QImage::Format_RGB32);
    own.fill(Qt::red);
    const QString ownPath = m_dir->filePath(QStringLiteral("it's mine.png"));
    QVERIFY(own.save(ownPath));
    const QString broken = m_dir->filePath(QStringLiteral("broken.png"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    const QString path = lj == "own" ? ownPath : lj == "broken" ? broken : lj == "missing" ? m_dir->filePath("gone.png") : lj;

    QString custom = QStringLiteral("before");
    const auto picture = BackgroundRule::startupPicture(Background{bj, path}, &custom);
    if (expected == -2)
        QVERIFY(!picture);
    else if (expected == -1)
        QCOMPARE(picture->convertToFormat(QImage::Format_RGB32), own);
    else
        QCOMPARE(*picture, Pictures::background(expected));
    QCOMPARE(custom, bj == 6 ? path : QStringLiteral("before"));
}

void RecordsTest::startupAppliesStoredBackground()
{
    sql(store(), "UPDATE bj SET bj = 3");
    m_w = openWindow();
    QVERIFY(m_w);
    QCOMPARE(m_w->img_c->picture(), Pictures::background(Pictures::FreshGreen));
    // The options dialog is not made for it.
    QVERIFY(!m_w->findChild<TfrmSet *>(QStringLiteral("frmSet")));
}

void RecordsTest::optionsMarkStoredChoice_data()
{
    QTest::addColumn<int>("bj");
    QTest::addColumn<QString>("marked");
    QTest::newRow("ink wash") << 5 << "SpeedButton4";
    QTest::newRow("light blue") << 0 << "SpeedButton7";
    QTest::newRow("pink") << 2 << "SpeedButton2";
    QTest::newRow("own") << 6 << "bbtnsel";
    QTest::newRow("7 marks nothing") << 7 << "";
}

void RecordsTest::optionsMarkStoredChoice()
{
    QFETCH(int, bj);
    QFETCH(QString, marked);
    sql(store(), qPrintable(QStringLiteral("UPDATE bj SET bj = %1; UPDATE tc SET tc = 1, mrt = 1").arg(bj)));
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmSet *set = openOptions();
    QVERIFY(set && set->isVisible());
    QCOMPARE(set->imgP->picture(), m_w->img_c->picture());
    for (const TfrmSet::Swatch &s : TfrmSet::Swatches) {
        auto *panel = set->findChild<PicturePanel *>(QLatin1String(s.name));
        QCOMPARE(panel->text(), marked == QLatin1String(s.name) ? QStringLiteral("√") : QString());
        QCOMPARE(panel->toolTip(), QString::fromUtf8(s.hint));
    }
    QCOMPARE(set->bbtnsel->text(), marked == "bbtnsel" ? QStringLiteral("√个性化") : QStringLiteral("个性化"));
    QVERIFY(set->suiCheckBox1->isChecked());
    QVERIFY(set->suiCheckBox2->isChecked());
}

void RecordsTest::swatchIsAppliedAndStoredAtOnce()
{
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmSet *set = openOptions();
    set->suiButton3->click();
    QVERIFY(!set->suiButton3->isEnabled());
    QTest::mouseClick(set->SpeedButton6, Qt::LeftButton);
    QCOMPARE(m_w->img_c->picture(), Pictures::background(Pictures::LightPurple));
    QCOMPARE(set->imgP->picture(), Pictures::background(Pictures::LightPurple));
    QCOMPARE(set->SpeedButton6->text(), QStringLiteral("√"));
    QCOMPARE(set->SpeedButton7->text(), QString());
    QVERIFY(set->suiButton3->isEnabled());
    QCOMPARE(m_w->Dm->background().bj, 4);
    set->suiButton2->click();  // "取消" undoes nothing
    QVERIFY(!set->isVisible());
    QCOMPARE(m_w->Dm->background().bj, 4);
    QCOMPARE(m_w->img_c->picture(), Pictures::background(Pictures::LightPurple));
    m_w->SpeedButton2->click();  // found again
    QCOMPARE(m_w->findChildren<TfrmSet *>().size(), 1);
    QVERIFY(set->isVisible());
}

void RecordsTest::applyEnablingAndExitSwitch()
{
    m_w = openWindow();
    QVERIFY(m_w);
    TfrmSet *set = openOptions();
    QVERIFY(set->suiButton3->isEnabled());  // enabled when made
    QVERIFY(set->suiCheckBox1->isChecked());  // delivered: tc = 1

    set->suiCheckBox1->click();  // unticked, not stored yet
    QVERIFY(set->suiButton3->isEnabled());
    set->cornerCloseButton()->click();
    QCOMPARE(m_w->Dm->exitSettings().tc, 1);

    m_w->LZ2Click();
    QVERIFY(set->suiCheckBox1->isChecked());  // shown from the store again
    set->suiCheckBox1->click();
    set->suiButton3->click();
    QVERIFY(!set->suiButton3->isEnabled());
    QCOMPARE(m_w->Dm->exitSettings().tc, 0);
    QVERIFY(set->isVisible());
    set->suiCheckBox2->click();  // the default-browser box only enables "应用"
    QVERIFY(set->suiButton3->isEnabled());
    set->suiCheckBox1->click();
    set->suiButton1->click();  // "确定" applies and closes
    QVERIFY(!set->isVisible());
    QCOMPARE(m_w->Dm->exitSettings().tc, 1);
    QCOMPARE(m_w->Dm->exitSettings().mrt, 0);
}

void RecordsTest::ownPicture_data()
{
    QTest::addColumn<QString>("file");  // "" cancels
    QTest::addColumn<bool>("applied");
    QTest::newRow("picture with ' in its path") << "it's mine.png" << true;
    QTest::newRow("unreadable file") << "broken.png" << false;
    QTest::newRow("cancelled") << "" << false;
}

void RecordsTest::ownPicture()
{
    QFETCH(QString, file);
    QFETCH(bool, applied);
    QImage own(64, 48, QImage::Format_RGB32);
    own.fill(Qt::darkCyan);
    QVERIFY(own.save(m_dir->filePath(QStringLiteral("it's mine.png"))));
    QFile broken(m_dir->filePath(QStringLiteral("broken.png")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    m_w = openWindow();
    QVERIFY(m_w);
    TfrmSet *set = openOptions();
    set->suiButton3->click();  // "应用" off, to see whether the choice turns it on
    const QImage before = m_w->img_c->picture();
    const QString path = file.isEmpty() ? QString() : m_dir->filePath(file);
    set->OpenPictureDialog1 = [path] { return path; };
    set->bbtnsel->click();

    QCOMPARE(set->bbtnsel->text(), QStringLiteral("√个性化"));
    QCOMPARE(set->SpeedButton7->text(), QString());
    if (applied) {
        QCOMPARE(m_w->img_c->picture().convertToFormat(QImage::Format_RGB32), own);
        QCOMPARE(m_w->Dm->background().bj, 6);
        QCOMPARE(m_w->Dm->background().lj, path);
        QCOMPARE(CustomPicturePath, path);
        QVERIFY(set->suiButton3->isEnabled());
        QVERIFY(m_messages.isEmpty());
    } else {
        QCOMPARE(m_w->img_c->picture(), before);
        QCOMPARE(m_w->Dm->background().bj, 0);
        QVERIFY(!set->suiButton3->isEnabled());
        QCOMPARE(m_messages.size(), file.isEmpty() ? 0 : 1);
    }
}

// --- exit ---------------------------------------------------------------------

void RecordsTest::exitRoutine_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("answer");  // button of the prompt, "" when none may show
    QTest::addColumn<bool>("byCloseRequest");
    QTest::addColumn<bool>("ends");
    QTest::newRow("prompt, 确定") << "UPDATE tc SET tc = 1" << "bbtnOk" << false << true;
    QTest::newRow("prompt, 取消") << "UPDATE tc SET tc = 1" << "bbtnClose" << false << false;
    QTest::newRow("prompt, 取消, close request") << "UPDATE tc SET tc = 1" << "bbtnClose" << true << false;
    QTest::newRow("no prompt") << "UPDATE tc SET tc = 0" << "" << false << true;
    QTest::newRow("tc 2 asks nothing") << "UPDATE tc SET tc = 2" << "" << false << true;
    QTest::newRow("setting unreadable") << "DELETE FROM tc" << "" << false << true;
    QTest::newRow("setting unreadable, close request") << "DROP TABLE tc" << "" << true << true;
}

void RecordsTest::exitRoutine()
{
    QFETCH(QString, setup);
    QFETCH(QString, answer);
    QFETCH(bool, byCloseRequest);
    QFETCH(bool, ends);
    m_w = openWindow();
    QVERIFY(m_w);
    sql(store(), qPrintable(setup));
    QSignalSpy ended(m_w.get(), &TFormMain::programEnded);
    if (!answer.isEmpty())
        clickWhenShown(m_w.get(), QStringLiteral("frmQu"), answer);
    if (byCloseRequest)
        m_w->close();
    else
        m_w->N55Click();

    auto *qu = m_w->findChild<TfrmQu *>(QStringLiteral("frmQu"), Qt::FindDirectChildrenOnly);
    QCOMPARE(qu != nullptr, !answer.isEmpty());
    if (qu) {
        QCOMPARE(qu->Label1->text(), QStringLiteral("您确定退出岚舟Browser吗？"));
        QVERIFY(!qu->isVisible());
    }
    QCOMPARE(ended.count(), ends ? 1 : 0);
    QCOMPARE(m_w->isVisible(), !ends);
    if (!ends)
        QVERIFY(m_w->TabManager);
}

int main(int argc, char *argv[])
{
    // Chromium's flags are set before the application exists (as root the
    // sandbox cannot start).
    WebEngineSetup::prepareFlags();
    QApplication app(argc, argv);
    RecordsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
