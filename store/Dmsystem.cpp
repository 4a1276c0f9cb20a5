#include "Dmsystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <string>

namespace {

const char kStoreFileName[] = "lzdat.dll";

const char kDayFormat[] = "yyyy-MM-dd";
const char kMomentFormat[] = "yyyy-MM-dd hh:mm:ss";

[[noreturn]] void throwStoreError(const QString &message)
{
    throw StoreError(message.toUtf8().toStdString());
}

QString sqliteMessage(sqlite3 *db, int code)
{
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        return QStringLiteral("本地数据文件正被另一程序使用 (the store is busy: another program is writing to it)");
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
}

} // namespace

QString StoreError::text() const
{
    return QString::fromUtf8(what());
}

// ---------------------------------------------------------------------------

TStoreConnection::TStoreConnection(QString fileName)
    : m_fileName(std::move(fileName))
{
}

TStoreConnection::~TStoreConnection()
{
    sqlite3_close_v2(m_db);
}

void TStoreConnection::setBusyTimeout(int ms)
{
    m_busyTimeoutMs = ms;
    if (m_db)
        sqlite3_busy_timeout(m_db, ms);
}

sqlite3 *TStoreConnection::handle()
{
    if (m_db)
        return m_db;

    // Without SQLITE_OPEN_CREATE a missing file stays missing: the store is
    // delivered with the program and a fresh empty one would only hide that.
    sqlite3 *db = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(m_fileName).constData(), &db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const QString reason = QFileInfo::exists(m_fileName)
                ? sqliteMessage(db, code)
                : QStringLiteral("文件不存在 (file missing)");
        sqlite3_close_v2(db);
        throwStoreError(QStringLiteral("本地数据文件无法打开 (cannot open the local store) %1: %2")
                                .arg(QDir::toNativeSeparators(m_fileName), reason));
    }

    sqlite3_extended_result_codes(db, 0);
    sqlite3_busy_timeout(db, m_busyTimeoutMs);
    // The file is delivered in WAL mode; asking again costs nothing and keeps a
    // store that lost the setting working. Its answer is not needed.
    sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    char *error = nullptr;
    if (sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, &error) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(error ? error : sqlite3_errmsg(db));
        sqlite3_free(error);
        sqlite3_close_v2(db);
        throwStoreError(QStringLiteral("本地数据文件无法打开 (cannot open the local store) %1: %2")
                                .arg(QDir::toNativeSeparators(m_fileName), reason));
    }
    m_db = db;
    return m_db;
}

// ---------------------------------------------------------------------------

TStoreQuery::TStoreQuery(TStoreConnection &connection)
    : m_connection(connection)
{
}

TStoreQuery::~TStoreQuery()
{
    close();
}

void TStoreQuery::close()
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_columns.clear();
}

void TStoreQuery::fail(const char *what) const
{
    sqlite3 *db = m_connection.isOpen() ? m_connection.handle() : nullptr;
    const int code = db ? sqlite3_errcode(db) : SQLITE_ERROR;
    const QString reason = sqliteMessage(db, code);
    const QString statement = QString::fromStdString(m_text);
    const_cast<TStoreQuery *>(this)->close();
    throwStoreError(QStringLiteral("本地数据出错 (local store error) %1 [%2]: %3")
                            .arg(QString::fromUtf8(what), statement, reason));
}

void TStoreQuery::prepare(const char *statement)
{
    close();
    m_text = statement;
    sqlite3 *db = m_connection.handle();
    if (sqlite3_prepare_v2(db, statement, -1, &m_statement, nullptr) != SQLITE_OK)
        fail("statement rejected");
    const int count = sqlite3_column_count(m_statement);
    for (int i = 0; i < count; ++i)
        m_columns.emplace_back(sqlite3_column_name(m_statement, i));
}

void TStoreQuery::bind(int index, const QString &value)
{
    // A null QString is bound as empty text, never as NULL.
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        fail("value rejected");
}

void TStoreQuery::bind(int index, qint64 value)
{
    if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
        fail("value rejected");
}

bool TStoreQuery::next()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    fail("reading failed");
}

int TStoreQuery::exec()
{
    const int code = sqlite3_step(m_statement);
    if (code != SQLITE_DONE && code != SQLITE_ROW)
        fail("writing failed");
    const int changed = sqlite3_changes(m_connection.handle());
    close();
    return changed;
}

int TStoreQuery::columnIndex(const char *column) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (sqlite3_stricmp(m_columns[i].c_str(), column) == 0)
            return int(i);
    }
    // Every statement names the columns it reads, so this is a mistake in the
    // program, not in the file.
    const_cast<TStoreQuery *>(this)->close();
    throwStoreError(QStringLiteral("本地数据出错 (local store error) [%1]: no column %2")
                            .arg(QString::fromStdString(m_text), QString::fromUtf8(column)));
}

qint64 TStoreQuery::int64Value(const char *column) const
{
    return sqlite3_column_int64(m_statement, columnIndex(column));
}

QString TStoreQuery::textValue(const char *column) const
{
    const int index = columnIndex(column);
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, index));
    if (!text)
        return QString();
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, index));
}

// ---------------------------------------------------------------------------

namespace {

QString storeFileName(const QString &programFolder)
{
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return QFileInfo(folder + QLatin1String(kStoreFileName)).absoluteFilePath();
}

} // namespace

TDm::TDm(const QString &programFolder)
    : adocl(storeFileName(programFolder)), adoql(adocl)
{
}

TDm::~TDm() = default;

QString TDm::fileName() const
{
    return adocl.fileName();
}

void TDm::setBusyTimeout(int ms)
{
    adocl.setBusyTimeout(ms);
}

QVector<BtRecord> TDm::readRecords()
{
    QVector<BtRecord> records;
    while (adoql.next()) {
        BtRecord record;
        record.id = adoql.int64Value("id");
        record.bt = adoql.textValue("bt");
        record.ur = adoql.textValue("ur");
        record.rq = adoql.textValue("rq");
        record.sj = adoql.textValue("sj");
        record.sy = adoql.intValue("sy");
        records.append(std::move(record));
    }
    adoql.close();
    return records;
}

QVector<BtRecord> TDm::addressList()
{
    adoql.prepare("SELECT id, bt, ur, rq, sj, sy FROM bt ORDER BY sy DESC, id");
    return readRecords();
}

std::optional<BtRecord> TDm::findByTitle(const QString &title)
{
    adoql.prepare("SELECT id, bt, ur, rq, sj, sy FROM bt WHERE bt = ?1 ORDER BY id LIMIT 1");
    adoql.bind(1, title);
    const QVector<BtRecord> records = readRecords();
    if (records.isEmpty())
        return std::nullopt;
    return records.first();
}

void TDm::insertVisit(const QString &title, const QString &url, const QDateTime &when)
{
    if (!when.isValid())
        throwStoreError(QStringLiteral("本地数据出错 (local store error): invalid visit time"));
    adoql.prepare("INSERT INTO bt (bt, ur, rq, sj) VALUES (?1, ?2, ?3, ?4)");
    adoql.bind(1, title);
    adoql.bind(2, url);
    adoql.bind(3, when.toString(QLatin1String(kDayFormat)));
    adoql.bind(4, when.toString(QLatin1String(kMomentFormat)));
    adoql.exec();
}

QVector<BtRecord> TDm::allRecords()
{
    adoql.prepare("SELECT id, bt, ur, rq, sj, sy FROM bt ORDER BY sy DESC, id");
    return readRecords();
}

QVector<BtRecord> TDm::searchByTitle(const QString &text)
{
    // The user's % and _ stay wildcards: people search with them.
    adoql.prepare("SELECT id, bt, ur, rq, sj, sy FROM bt WHERE bt LIKE '%' || ?1 || '%' "
                  "ORDER BY sy DESC, id");
    adoql.bind(1, text);
    return readRecords();
}

QVector<BtRecord> TDm::recordsOfDay(const QDate &day)
{
    if (!day.isValid())
        return {};
    adoql.prepare("SELECT id, bt, ur, rq, sj, sy FROM bt WHERE rq = ?1 ORDER BY sy DESC, id");
    adoql.bind(1, day.toString(QLatin1String(kDayFormat)));
    return readRecords();
}

QVector<qint64> TDm::readIds()
{
    QVector<qint64> ids;
    while (adoql.next())
        ids.append(adoql.int64Value("id"));
    adoql.close();
    return ids;
}

QVector<qint64> TDm::recordIds()
{
    // Read from the index bt_sy alone.
    adoql.prepare("SELECT id FROM bt ORDER BY sy DESC, id");
    return readIds();
}

QVector<qint64> TDm::recordIdsByTitle(const QString &text)
{
    adoql.prepare("SELECT id FROM bt WHERE bt LIKE '%' || ?1 || '%' ORDER BY sy DESC, id");
    adoql.bind(1, text);
    return readIds();
}

QVector<qint64> TDm::recordIdsOfDay(const QDate &day)
{
    if (!day.isValid())
        return {};
    adoql.prepare("SELECT id FROM bt WHERE rq = ?1 ORDER BY sy DESC, id");
    adoql.bind(1, day.toString(QLatin1String(kDayFormat)));
    return readIds();
}

QVector<BtRecord> TDm::recordsByIds(const QVector<qint64> &ids)
{
    // One statement per chunk of ids, each bound as a parameter.
    constexpr int Chunk = 500;
    QVector<BtRecord> records;
    records.reserve(ids.size());
    for (int start = 0; start < ids.size(); start += Chunk) {
        const int count = std::min<int>(Chunk, ids.size() - start);
        std::string statement = "SELECT id, bt, ur, rq, sj, sy FROM bt WHERE id IN (?";
        for (int i = 1; i < count; ++i)
            statement += ",?";
        statement += ")";
        adoql.prepare(statement.c_str());
        for (int i = 0; i < count; ++i)
            adoql.bind(i + 1, ids.at(start + i));
        records += readRecords();
    }
    return records;
}

void TDm::updateRecord(qint64 id, const QString &title, const QString &url, int sy)
{
    adoql.prepare("UPDATE bt SET bt = ?1, ur = ?2, sy = ?3 WHERE id = ?4");
    adoql.bind(1, title);
    adoql.bind(2, url);
    adoql.bind(3, sy);
    adoql.bind(4, id);
    adoql.exec();
}

void TDm::deleteRecord(qint64 id)
{
    adoql.prepare("DELETE FROM bt WHERE id = ?1");
    adoql.bind(1, id);
    adoql.exec();
}

void TDm::deleteNotFrequent()
{
    adoql.prepare("DELETE FROM bt WHERE sy = 0");
    adoql.exec();
}

void TDm::deleteAll()
{
    adoql.prepare("DELETE FROM bt");
    adoql.exec();
}

void TDm::missingRow(const char *table)
{
    throwStoreError(QStringLiteral("本地数据已损坏 (the local store is damaged): table %1 has no row")
                            .arg(QString::fromUtf8(table)));
}

void TDm::updateSingleRow(const char *table)
{
    // The single-row tables are written without a condition; a store that lost
    // the row would swallow the write, so say so instead.
    if (adoql.exec() == 0)
        missingRow(table);
}

Background TDm::background()
{
    adoql.prepare("SELECT bj, lj FROM bj ORDER BY rowid LIMIT 1");
    if (!adoql.next()) {
        adoql.close();
        missingRow("bj");
    }
    Background result;
    result.bj = adoql.intValue("bj");
    result.lj = adoql.textValue("lj");
    adoql.close();
    return result;
}

void TDm::setBackground(int bj)
{
    if (bj < 0 || bj > 5)
        throwStoreError(QStringLiteral("本地数据出错 (local store error): built-in background %1 "
                                       "is not 0 to 5").arg(bj));
    adoql.prepare("UPDATE bj SET bj = ?1");
    adoql.bind(1, bj);
    updateSingleRow("bj");
}

void TDm::setCustomBackground(const QString &path)
{
    adoql.prepare("UPDATE bj SET bj = 6, lj = ?1");
    adoql.bind(1, path);
    updateSingleRow("bj");
}

ExitSettings TDm::exitSettings()
{
    adoql.prepare("SELECT tc, mrt FROM tc ORDER BY rowid LIMIT 1");
    if (!adoql.next()) {
        adoql.close();
        missingRow("tc");
    }
    ExitSettings result;
    result.tc = adoql.intValue("tc");
    result.mrt = adoql.intValue("mrt");
    adoql.close();
    return result;
}

void TDm::setExitPrompt(bool on)
{
    adoql.prepare("UPDATE tc SET tc = ?1");
    adoql.bind(1, on ? 1 : 0);
    updateSingleRow("tc");
}

UpdateSettings TDm::updateSettings()
{
    adoql.prepare("SELECT ip, yhm, mm, ser FROM reg ORDER BY rowid LIMIT 1");
    if (!adoql.next()) {
        adoql.close();
        missingRow("reg");
    }
    UpdateSettings result;
    result.ip = adoql.textValue("ip");
    result.yhm = adoql.textValue("yhm");
    result.mm = adoql.textValue("mm");
    result.ser = adoql.textValue("ser");
    adoql.close();
    return result;
}

void TDm::setUpdateHost(const QString &ip)
{
    adoql.prepare("UPDATE reg SET ip = ?1");
    adoql.bind(1, ip);
    updateSingleRow("reg");
}

void TDm::setInstalledVersion(const QString &ser)
{
    adoql.prepare("UPDATE reg SET ser = ?1");
    adoql.bind(1, ser);
    updateSingleRow("reg");
}
