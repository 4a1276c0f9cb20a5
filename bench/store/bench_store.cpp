// The store's lookups at 100,000 remembered pages, the size a long-used
// browser reaches. The visit recorder runs on every click of the tab strip.

#include "Dmsystem.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 100000;

// Program folder with a copy of the delivered store holding kRows records,
// one in ten frequently used, spread over a year of days.
const QString &filledFolder()
{
    static QTemporaryDir dir;
    static QString folder;
    if (!folder.isEmpty())
        return folder;
    folder = dir.path() + '/';
    const QString file = folder + "lzdat.dll";
    QFile::copy(QStringLiteral(LZ_APP_DIR "/lzdat.dll"), file);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);

    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO bt (bt, ur, rq, sj, sy) VALUES (?1, ?2, ?3, ?4, ?5)", -1, &st, nullptr);
    const QDateTime start(QDate(2023, 1, 1), QTime(8, 0));
    for (int i = 0; i < kRows; ++i) {
        const QDateTime when = start.addSecs(qint64(i) * 313);
        const QByteArray title = QStringLiteral("新闻页面 %1 - 岚舟").arg(i).toUtf8();
        const QByteArray url = QStringLiteral("http://127.0.0.1/page/%1?q=x").arg(i).toUtf8();
        const QByteArray day = when.toString("yyyy-MM-dd").toUtf8();
        const QByteArray moment = when.toString("yyyy-MM-dd hh:mm:ss").toUtf8();
        sqlite3_bind_text(st, 1, title.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, url.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, day.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, moment.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 5, i % 10 == 0 ? 1 : 0);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return folder;
}

void BM_addressList(benchmark::State &state)
{
    TDm dm(filledFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.addressList());
}
BENCHMARK(BM_addressList)->Unit(benchmark::kMillisecond);

// A click on a tab whose page is already recorded: one lookup.
void BM_visitKnownPage(benchmark::State &state)
{
    TDm dm(filledFolder());
    int i = 0;
    for (auto _ : state) {
        const QString title = QStringLiteral("新闻页面 %1 - 岚舟").arg((i++ * 7919) % kRows);
        if (!dm.findByTitle(title))
            dm.insertVisit(title, "http://127.0.0.1/");
    }
}
BENCHMARK(BM_visitKnownPage)->Unit(benchmark::kMicrosecond);

// A click on a tab with a new page: lookup, then a durable insert.
void BM_visitNewPage(benchmark::State &state)
{
    TDm dm(filledFolder());
    static int i = 0;
    for (auto _ : state) {
        const QString title = QStringLiteral("new page %1").arg(i++);
        if (!dm.findByTitle(title))
            dm.insertVisit(title, "http://127.0.0.1/new");
    }
}
BENCHMARK(BM_visitNewPage)->Unit(benchmark::kMicrosecond);

void BM_allRecords(benchmark::State &state)
{
    TDm dm(filledFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.allRecords());
}
BENCHMARK(BM_allRecords)->Unit(benchmark::kMillisecond);

// Typing into the record manager's search box: every keystroke searches.
void BM_searchByTitle(benchmark::State &state)
{
    TDm dm(filledFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.searchByTitle("页面 4242"));
}
BENCHMARK(BM_searchByTitle)->Unit(benchmark::kMillisecond);

void BM_recordsOfDay(benchmark::State &state)
{
    TDm dm(filledFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.recordsOfDay(QDate(2023, 6, 1)));
}
BENCHMARK(BM_recordsOfDay)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
