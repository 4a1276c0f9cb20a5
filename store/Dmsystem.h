// The data module: the one connection of a program to its local store
// lzdat.dll and every statement the browser and the updater send to it.
//
// The store is delivered with the program; nothing here creates the file, a
// table or a column. The file is opened at the first statement and stays open
// until the data module goes. Every value travels as a bound parameter.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One remembered page (table bt).
struct BtRecord {
    qint64 id = 0;
    QString bt;  // title as shown on the tab
    QString ur;  // address
    QString rq;  // day of the visit, yyyy-MM-dd
    QString sj;  // moment of the visit, yyyy-MM-dd hh:mm:ss
    int sy = 0;  // 1 = frequently used
};
Q_DECLARE_TYPEINFO(BtRecord, Q_RELOCATABLE_TYPE);  // lists of 100,000 grow by realloc

// Background choice (table bj): 0..5 built-in pictures, 6 the user's file lj.
struct Background {
    int bj = 0;
    QString lj;
};

// Exit prompt (tc = 1 asks) and the default-browser box (mrt), table tc.
struct ExitSettings {
    int tc = 0;
    int mrt = 0;
};

// Update server host, account, password and the installed version (table reg).
struct UpdateSettings {
    QString ip, yhm, mm, ser;
};

// Every failure of the store: file missing or unreadable, statement rejected,
// a single-row table without its row, the file kept busy by the other program.
// what() is UTF-8.
class StoreError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    QString text() const;
};

// The connection to the store file. Opened at the first statement, never
// creating the file: a missing file is an error, not a new empty store.
class TStoreConnection
{
public:
    explicit TStoreConnection(QString fileName);
    ~TStoreConnection();
    TStoreConnection(const TStoreConnection &) = delete;
    TStoreConnection &operator=(const TStoreConnection &) = delete;

    QString fileName() const { return m_fileName; }
    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle();  // opens on first use; throws StoreError
    void setBusyTimeout(int ms);

private:
    QString m_fileName;
    sqlite3 *m_db = nullptr;
    int m_busyTimeoutMs = 5000;
};

// A query on the connection: prepare one statement, bind its values, step
// through its rows and read columns by name. Preparing the next statement
// finalizes the previous one; nothing stays prepared between calls of TDm.
class TStoreQuery
{
public:
    explicit TStoreQuery(TStoreConnection &connection);
    ~TStoreQuery();
    TStoreQuery(const TStoreQuery &) = delete;
    TStoreQuery &operator=(const TStoreQuery &) = delete;

    void prepare(const char *statement);
    void bind(int index, const QString &value);
    void bind(int index, qint64 value);
    void bind(int index, int value) { bind(index, qint64(value)); }

    bool next();  // moves to the next row; false when there is none
    int exec();   // runs a statement without rows; returns the rows it changed
    void close();

    // Columns of the current row by name; NULL reads as 0 or as "".
    qint64 int64Value(const char *column) const;
    int intValue(const char *column) const { return int(int64Value(column)); }
    QString textValue(const char *column) const;

private:
    int columnIndex(const char *column) const;
    [[noreturn]] void fail(const char *what) const;

    TStoreConnection &m_connection;
    sqlite3_stmt *m_statement = nullptr;
    std::string m_text;  // the prepared statement, for messages
    std::vector<std::string> m_columns;  // names of the prepared statement's columns
};

class TDm
{
public:
    // The store file is programFolder + "lzdat.dll"; programFolder ends with '/'.
    // The file is not opened here.
    explicit TDm(const QString &programFolder);
    ~TDm();
    TDm(const TDm &) = delete;
    TDm &operator=(const TDm &) = delete;

    QString fileName() const;  // absolute path of the store file

    // Address-bar list and visit recorder.
    QVector<BtRecord> addressList();  // sy descending, ties in id order
    std::optional<BtRecord> findByTitle(const QString &title);  // exact text equality
    void insertVisit(const QString &title, const QString &url,
                     const QDateTime &when = QDateTime::currentDateTime());

    // Record manager.
    QVector<BtRecord> allRecords();  // sy descending, ties in id order
    QVector<BtRecord> searchByTitle(const QString &text);  // % and _ act as wildcards
    QVector<BtRecord> recordsOfDay(const QDate &day);
    void updateRecord(qint64 id, const QString &title, const QString &url, int sy);
    void deleteRecord(qint64 id);
    void deleteNotFrequent();  // rows with sy = 0
    void deleteAll();

    // The long lists as ids only, in list order (sy descending, ties in id
    // order), and the records of a few ids, fetched when they are shown. At
    // 100,000 rows reading every column of every row is too slow for a click.
    QVector<qint64> recordIds();
    QVector<qint64> recordIdsByTitle(const QString &text);  // % and _ act as wildcards
    QVector<qint64> recordIdsOfDay(const QDate &day);
    QVector<BtRecord> recordsByIds(const QVector<qint64> &ids);  // any order; ids without a row are left out

    // Options and exit.
    Background background();
    void setBackground(int bj);  // 0..5, the built-in pictures
    void setCustomBackground(const QString &path);  // bj = 6, lj = path
    ExitSettings exitSettings();
    void setExitPrompt(bool on);

    // Update settings.
    UpdateSettings updateSettings();
    void setUpdateHost(const QString &ip);
    void setInstalledVersion(const QString &ser);

    // How long a statement waits for the other program's write before it
    // fails as busy (5000 ms unless changed).
    void setBusyTimeout(int ms);

private:
    QVector<BtRecord> readRecords();
    QVector<qint64> readIds();
    [[noreturn]] void missingRow(const char *table);
    void updateSingleRow(const char *table);

    TStoreConnection adocl;
    TStoreQuery adoql;
};
