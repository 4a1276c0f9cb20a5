// The data module against temporary copies of the delivered store file.

#include "Dmsystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <functional>
#include <map>

namespace {

QString deliveredStore()
{
    return qEnvironmentVariable("LZ_APP_DIR") + QStringLiteral("/lzdat.dll");
}

// A program folder (with its trailing '/') holding a fresh copy of the delivered store.
QString copyOfStore(const QTemporaryDir &dir)
{
    const QString target = dir.path() + QStringLiteral("/lzdat.dll");
    if (!QFile::copy(deliveredStore(), target))
        return QString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return dir.path() + QLatin1Char('/');
}

QStringList titles(const QVector<BtRecord> &records)
{
    QStringList list;
    for (const BtRecord &r : records)
        list << r.bt;
    return list;
}

// A second, plain connection to the same file, as another program would hold.
class RawStore
{
public:
    explicit RawStore(const QString &file)
    {
        sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~RawStore() { sqlite3_close_v2(db); }
    bool exec(const char *sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    QStringList column(const char *sql, int index = 0)
    {
        QStringList values;
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK)
            return {QStringLiteral("<error>")};
        while (sqlite3_step(st) == SQLITE_ROW)
            values << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, index)));
        sqlite3_finalize(st);
        return values;
    }
    sqlite3 *db = nullptr;
};

const QDateTime kNoon(QDate(2024, 3, 1), QTime(13, 5, 9));

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void deliveredFileHoldsTheTables();
    void deliveredSettings();
    void visitIsStoredAndFound_data();
    void visitIsStoredAndFound();
    void titleLookupIsExact_data();
    void titleLookupIsExact();
    void listsOrderBySyThenId();
    void searchByTitle_data();
    void searchByTitle();
    void recordsOfDay_data();
    void recordsOfDay();
    void updateRecord();
    void deletes();
    void settingsWrites();
    void missingFile_data();
    void missingFile();
    void singleRowTableWithoutRow_data();
    void singleRowTableWithoutRow();
    void fileThatIsNoStore();
    void twoConnectionsShareCommittedRows();
    void busyWriterFailsAfterTimeoutWhileReadersGoOn();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_folder;
};

void TestStore::init()
{
    QVERIFY2(QFile::exists(deliveredStore()), qPrintable(deliveredStore()));
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_folder = copyOfStore(*m_dir);
    QVERIFY(!m_folder.isEmpty());
}

void TestStore::deliveredFileHoldsTheTables()
{
    RawStore raw(deliveredStore());
    QCOMPARE(raw.column("PRAGMA journal_mode"), QStringList{"wal"});
    QCOMPARE(raw.column("PRAGMA table_info(bt)", 1), (QStringList{"id", "bt", "ur", "rq", "sj", "sy"}));
    QCOMPARE(raw.column("PRAGMA table_info(bj)", 1), (QStringList{"bj", "lj"}));
    QCOMPARE(raw.column("PRAGMA table_info(tc)", 1), (QStringList{"tc", "mrt"}));
    QCOMPARE(raw.column("PRAGMA table_info(reg)", 1), (QStringList{"ip", "yhm", "mm", "ser"}));
    QCOMPARE(raw.column("SELECT count(*) FROM bt"), QStringList{"0"});
    QCOMPARE(raw.column("SELECT count(*) FROM bj"), QStringList{"1"});
    QCOMPARE(raw.column("SELECT count(*) FROM tc"), QStringList{"1"});
    QCOMPARE(raw.column("SELECT count(*) FROM reg"), QStringList{"1"});
}

void TestStore::deliveredSettings()
{
    TDm dm(m_folder);
    QCOMPARE(dm.fileName(), QDir(m_dir->path()).absoluteFilePath("lzdat.dll"));
    const Background bg = dm.background();
    QCOMPARE(bg.bj, 0);
    QCOMPARE(bg.lj, QString());
    const ExitSettings ex = dm.exitSettings();
    QCOMPARE(ex.tc, 1);
    QCOMPARE(ex.mrt, 0);
    const UpdateSettings up = dm.updateSettings();
    QCOMPARE(up.ip, QStringLiteral("127.0.0.1"));
    QCOMPARE(up.yhm, QStringLiteral("lzup"));
    QCOMPARE(up.mm, QStringLiteral("lzup"));
    QCOMPARE(up.ser, QStringLiteral("1.0"));
    QVERIFY(dm.addressList().isEmpty());
    QVERIFY(dm.allRecords().isEmpty());
}

void TestStore::visitIsStoredAndFound_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("url");
    QTest::newRow("plain") << "Example" << "http://127.0.0.1/a";
    QTest::newRow("quote in title") << "it's here" << "http://127.0.0.1/b";
    QTest::newRow("quote in address") << "Quote" << "http://127.0.0.1/?q='x'";
    QTest::newRow("statement in title") << "x'); DELETE FROM bt; --" << "http://127.0.0.1/c";
    QTest::newRow("percent and underscore") << "100% a_b" << "http://127.0.0.1/%20";
    QTest::newRow("chinese") << "岚舟浏览器‖新闻..." << "http://127.0.0.1/新闻";
    QTest::newRow("empty title") << "" << "about:blank";
}

void TestStore::visitIsStoredAndFound()
{
    QFETCH(QString, title);
    QFETCH(QString, url);
    TDm dm(m_folder);
    dm.insertVisit(QStringLiteral("earlier"), QStringLiteral("http://127.0.0.1/e"), kNoon);
    dm.insertVisit(title, url, kNoon);

    const std::optional<BtRecord> found = dm.findByTitle(title);
    QVERIFY(found.has_value());
    QCOMPARE(found->bt, title);
    QCOMPARE(found->ur, url);
    QCOMPARE(found->rq, QStringLiteral("2024-03-01"));
    QCOMPARE(found->sj, QStringLiteral("2024-03-01 13:05:09"));
    QCOMPARE(found->sy, 0);
    QVERIFY(found->id > 0);

    const QVector<BtRecord> all = dm.addressList();
    QCOMPARE(titles(all), (QStringList{"earlier", title}));
    QCOMPARE(all.last().id, found->id);
}

void TestStore::titleLookupIsExact_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<bool>("found");
    QTest::newRow("same text") << "50% off" << true;
    QTest::newRow("underscore is no wildcard") << "50_ off" << false;
    QTest::newRow("percent is no wildcard") << "50%" << false;
    QTest::newRow("quote") << "it's" << true;
    QTest::newRow("prefix of a title") << "新闻" << false;
    QTest::newRow("whole chinese title") << "新闻中心" << true;
    QTest::newRow("other case") << "abc" << false;
    QTest::newRow("trailing blank") << "Abc " << false;
    QTest::newRow("empty, none stored") << "" << false;
}

void TestStore::titleLookupIsExact()
{
    QFETCH(QString, lookup);
    QFETCH(bool, found);
    TDm dm(m_folder);
    for (const char *t : {"50% off", "it's", "新闻中心", "Abc"})
        dm.insertVisit(QString::fromUtf8(t), QStringLiteral("http://127.0.0.1/"), kNoon);
    const std::optional<BtRecord> result = dm.findByTitle(lookup);
    QCOMPARE(result.has_value(), found);
    if (found)
        QCOMPARE(result->bt, lookup);
}

void TestStore::listsOrderBySyThenId()
{
    TDm dm(m_folder);
    const QList<QPair<QString, int>> rows = {
        {"A", 0}, {"B", 1}, {"C", 2}, {"D", 0}, {"E", 1}, {"F", 5}, {"G", -1}};
    for (const auto &row : rows)
        dm.insertVisit(row.first, QStringLiteral("http://127.0.0.1/") + row.first, kNoon);
    for (const BtRecord &r : dm.allRecords()) {
        for (const auto &row : rows) {
            if (row.first == r.bt)
                dm.updateRecord(r.id, r.bt, r.ur, row.second);
        }
    }
    const QStringList expected = {"F", "C", "B", "E", "A", "D", "G"};
    QCOMPARE(titles(dm.addressList()), expected);
    QCOMPARE(titles(dm.allRecords()), expected);
}

void TestStore::searchByTitle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QStringList all = {"100% pure", "100 pure", "it's mine", "a_b", "axb", "新闻中心", "Tea"};
    QTest::newRow("empty text") << "" << all;
    QTest::newRow("percent alone") << "%" << all;
    QTest::newRow("percent is a wildcard") << "100%" << QStringList{"100% pure", "100 pure"};
    QTest::newRow("underscore is a wildcard") << "a_b" << QStringList{"a_b", "axb"};
    QTest::newRow("quote") << "it's" << QStringList{"it's mine"};
    QTest::newRow("chinese") << "新闻" << QStringList{"新闻中心"};
    QTest::newRow("ascii case ignored") << "TEA" << QStringList{"Tea"};
    QTest::newRow("no match") << "zzz" << QStringList{};
}

void TestStore::searchByTitle()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TDm dm(m_folder);
    for (const char *t : {"100% pure", "100 pure", "it's mine", "a_b", "axb", "新闻中心", "Tea"})
        dm.insertVisit(QString::fromUtf8(t), QStringLiteral("http://127.0.0.1/"), kNoon);
    QCOMPARE(titles(dm.searchByTitle(text)), expected);
}

void TestStore::recordsOfDay_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two on the day, frequent first") << QDate(2024, 3, 1) << QStringList{"late", "midnight"};
    QTest::newRow("next day from midnight") << QDate(2024, 3, 2) << QStringList{"next"};
    QTest::newRow("same day a year before") << QDate(2023, 3, 1) << QStringList{"year before"};
    QTest::newRow("day without visits") << QDate(2024, 3, 3) << QStringList{};
    QTest::newRow("invalid day") << QDate() << QStringList{};
}

void TestStore::recordsOfDay()
{
    QFETCH(QDate, day);
    QFETCH(QStringList, expected);
    TDm dm(m_folder);
    dm.insertVisit("midnight", "http://127.0.0.1/1", QDateTime(QDate(2024, 3, 1), QTime(0, 0, 0)));
    dm.insertVisit("late", "http://127.0.0.1/2", QDateTime(QDate(2024, 3, 1), QTime(23, 59, 59)));
    dm.insertVisit("next", "http://127.0.0.1/3", QDateTime(QDate(2024, 3, 2), QTime(0, 0, 0)));
    dm.insertVisit("year before", "http://127.0.0.1/4", QDateTime(QDate(2023, 3, 1), QTime(12, 0)));
    const BtRecord late = *dm.findByTitle("late");
    dm.updateRecord(late.id, late.bt, late.ur, 1);
    QCOMPARE(titles(dm.recordsOfDay(day)), expected);
}

void TestStore::updateRecord()
{
    TDm dm(m_folder);
    dm.insertVisit("old", "http://127.0.0.1/old", kNoon);
    dm.insertVisit("other", "http://127.0.0.1/other", kNoon);
    const BtRecord before = *dm.findByTitle("old");

    dm.updateRecord(before.id, "new 'title' 100%", "http://127.0.0.1/?a='1'", 1);
    QVERIFY(!dm.findByTitle("old"));
    const BtRecord after = *dm.findByTitle("new 'title' 100%");
    QCOMPARE(after.id, before.id);
    QCOMPARE(after.ur, QStringLiteral("http://127.0.0.1/?a='1'"));
    QCOMPARE(after.sy, 1);
    QCOMPARE(after.rq, before.rq);
    QCOMPARE(after.sj, before.sj);
    QCOMPARE(dm.findByTitle("other")->ur, QStringLiteral("http://127.0.0.1/other"));

    // No record has id 0: nothing changes.
    const QStringList list = titles(dm.allRecords());
    dm.updateRecord(0, "x", "y", 1);
    QCOMPARE(titles(dm.allRecords()), list);
}

void TestStore::deletes()
{
    TDm dm(m_folder);
    const QList<QPair<QString, int>> rows = {{"zero", 0}, {"one", 1}, {"two", 2}, {"minus", -1}, {"zero2", 0}};
    for (const auto &row : rows) {
        dm.insertVisit(row.first, "http://127.0.0.1/", kNoon);
        const BtRecord r = *dm.findByTitle(row.first);
        dm.updateRecord(r.id, r.bt, r.ur, row.second);
    }

    dm.deleteRecord(0);
    QCOMPARE(dm.allRecords().size(), 5);
    dm.deleteRecord(dm.findByTitle("zero2")->id);
    QVERIFY(!dm.findByTitle("zero2"));
    QCOMPARE(dm.allRecords().size(), 4);

    dm.deleteNotFrequent();
    QCOMPARE(titles(dm.allRecords()), (QStringList{"two", "one", "minus"}));

    dm.deleteAll();
    QVERIFY(dm.allRecords().isEmpty());
    dm.deleteAll();  // an empty table is no failure
    QVERIFY(dm.addressList().isEmpty());
}

void TestStore::settingsWrites()
{
    TDm dm(m_folder);
    dm.setBackground(3);
    QCOMPARE(dm.background().bj, 3);
    const QString path = QStringLiteral("/home/用户/it's 100%.png");
    dm.setCustomBackground(path);
    QCOMPARE(dm.background().bj, 6);
    QCOMPARE(dm.background().lj, path);
    dm.setBackground(5);
    QCOMPARE(dm.background().bj, 5);
    QCOMPARE(dm.background().lj, path);  // a built-in choice leaves the path alone
    QVERIFY_THROWS_EXCEPTION(StoreError, dm.setBackground(6));
    QVERIFY_THROWS_EXCEPTION(StoreError, dm.setBackground(-1));
    QCOMPARE(dm.background().bj, 5);

    dm.setExitPrompt(false);
    QCOMPARE(dm.exitSettings().tc, 0);
    QCOMPARE(dm.exitSettings().mrt, 0);
    dm.setExitPrompt(true);
    QCOMPARE(dm.exitSettings().tc, 1);

    dm.setUpdateHost("ftp.lz'test");
    dm.setInstalledVersion("2.0'b");
    const UpdateSettings up = dm.updateSettings();
    QCOMPARE(up.ip, QStringLiteral("ftp.lz'test"));
    QCOMPARE(up.ser, QStringLiteral("2.0'b"));
    QCOMPARE(up.yhm, QStringLiteral("lzup"));
    QCOMPARE(up.mm, QStringLiteral("lzup"));
}

using StoreOp = std::function<void(TDm &)>;

static const std::map<QString, StoreOp> &storeOps()
{
    static const std::map<QString, StoreOp> ops = {
        {"addressList", [](TDm &d) { d.addressList(); }},
        {"findByTitle", [](TDm &d) { d.findByTitle("x"); }},
        {"insertVisit", [](TDm &d) { d.insertVisit("x", "y"); }},
        {"allRecords", [](TDm &d) { d.allRecords(); }},
        {"searchByTitle", [](TDm &d) { d.searchByTitle("x"); }},
        {"recordsOfDay", [](TDm &d) { d.recordsOfDay(QDate(2024, 3, 1)); }},
        {"updateRecord", [](TDm &d) { d.updateRecord(1, "x", "y", 1); }},
        {"deleteRecord", [](TDm &d) { d.deleteRecord(1); }},
        {"deleteNotFrequent", [](TDm &d) { d.deleteNotFrequent(); }},
        {"deleteAll", [](TDm &d) { d.deleteAll(); }},
        {"background", [](TDm &d) { d.background(); }},
        {"setBackground", [](TDm &d) { d.setBackground(1); }},
        {"setCustomBackground", [](TDm &d) { d.setCustomBackground("/tmp/a.png"); }},
        {"exitSettings", [](TDm &d) { d.exitSettings(); }},
        {"setExitPrompt", [](TDm &d) { d.setExitPrompt(false); }},
        {"updateSettings", [](TDm &d) { d.updateSettings(); }},
        {"setUpdateHost", [](TDm &d) { d.setUpdateHost("h"); }},
        {"setInstalledVersion", [](TDm &d) { d.setInstalledVersion("2"); }},
    };
    return ops;
}

void TestStore::missingFile_data()
{
    QTest::addColumn<QString>("op");
    for (const auto &entry : storeOps())
        QTest::newRow(qPrintable(entry.first)) << entry.first;
}

void TestStore::missingFile()
{
    QFETCH(QString, op);
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    TDm dm(empty.path() + '/');
    for (int attempt = 0; attempt < 2; ++attempt) {  // a failed open is tried again, not remembered
        try {
            storeOps().at(op)(dm);
            QFAIL("no StoreError");
        } catch (const StoreError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("本地数据文件无法打开")), qPrintable(e.text()));
            QVERIFY2(e.text().contains(dm.fileName()), qPrintable(e.text()));
        }
    }
    QCOMPARE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList());
}

void TestStore::singleRowTableWithoutRow_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QString>("working");
    QTest::newRow("bj") << "bj" << QStringList{"background", "setBackground", "setCustomBackground"}
                        << "exitSettings";
    QTest::newRow("tc") << "tc" << QStringList{"exitSettings", "setExitPrompt"} << "background";
    QTest::newRow("reg") << "reg" << QStringList{"updateSettings", "setUpdateHost", "setInstalledVersion"}
                         << "addressList";
}

void TestStore::singleRowTableWithoutRow()
{
    QFETCH(QString, table);
    QFETCH(QStringList, failing);
    QFETCH(QString, working);
    {
        RawStore raw(m_folder + "lzdat.dll");
        QVERIFY(raw.exec(qPrintable("DELETE FROM " + table)));
    }
    TDm dm(m_folder);
    for (const QString &op : failing) {
        try {
            storeOps().at(op)(dm);
            QFAIL(qPrintable(op + " gave no StoreError"));
        } catch (const StoreError &e) {
            QVERIFY2(e.text().contains("table " + table + " has no row"), qPrintable(e.text()));
        }
    }
    storeOps().at(working)(dm);
}

void TestStore::fileThatIsNoStore()
{
    {
        QFile file(m_folder + "lzdat.dll");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'x'));
    }
    TDm dm(m_folder);
    QVERIFY_THROWS_EXCEPTION(StoreError, dm.addressList());
    QVERIFY_THROWS_EXCEPTION(StoreError, dm.background());
}

void TestStore::twoConnectionsShareCommittedRows()
{
    {
        TDm browser(m_folder);
        TDm updater(m_folder);
        browser.insertVisit("shared", "http://127.0.0.1/s", kNoon);
        QCOMPARE(updater.findByTitle("shared")->ur, QStringLiteral("http://127.0.0.1/s"));
        updater.setInstalledVersion("1.1");
        QCOMPARE(browser.updateSettings().ser, QStringLiteral("1.1"));
        browser.setExitPrompt(false);
        QCOMPARE(updater.exitSettings().tc, 0);

        // Neither keeps a read open between calls: a full checkpoint by a third
        // connection is not held up (its first column, busy, is 0).
        browser.addressList();
        updater.findByTitle("shared");
        RawStore third(m_folder + "lzdat.dll");
        QCOMPARE(third.column("PRAGMA wal_checkpoint(TRUNCATE)").value(0), QStringLiteral("0"));
    }
    TDm again(m_folder);
    QCOMPARE(titles(again.addressList()), QStringList{"shared"});
    QCOMPARE(again.updateSettings().ser, QStringLiteral("1.1"));
    QCOMPARE(again.exitSettings().tc, 0);
}

void TestStore::busyWriterFailsAfterTimeoutWhileReadersGoOn()
{
    TDm dm(m_folder);
    dm.setBusyTimeout(100);
    dm.insertVisit("before", "http://127.0.0.1/b", kNoon);

    RawStore other(m_folder + "lzdat.dll");
    QVERIFY(other.exec("BEGIN IMMEDIATE"));
    QVERIFY(other.exec("INSERT INTO bt (bt, ur) VALUES ('pending', 'x')"));

    QCOMPARE(titles(dm.addressList()), QStringList{"before"});  // the writer blocks no reader
    try {
        dm.insertVisit("blocked", "http://127.0.0.1/x", kNoon);
        QFAIL("no StoreError");
    } catch (const StoreError &e) {
        QVERIFY2(e.text().contains("busy"), qPrintable(e.text()));
    }

    QVERIFY(other.exec("COMMIT"));
    dm.insertVisit("after", "http://127.0.0.1/a", kNoon);
    QCOMPARE(titles(dm.addressList()), (QStringList{"before", "pending", "after"}));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
