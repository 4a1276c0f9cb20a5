// The store's lookups at 100,000 remembered pages, the size a long-used
// browser reaches. The visit recorder runs on every click of the tab strip.

#include "Dmsystem.h"
#include "bench/common/FilledStore.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;

void BM_addressList(benchmark::State &state)
{
    TDm dm(filledStoreFolder(kRows));
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.addressList());
}
BENCHMARK(BM_addressList)->Unit(benchmark::kMillisecond);

// A click on a tab whose page is already recorded: one lookup.
void BM_visitKnownPage(benchmark::State &state)
{
    TDm dm(filledStoreFolder(kRows));
    int i = 0;
    for (auto _ : state) {
        const QString title = QStringLiteral("新闻页面 %1 - 岚舟").arg((qint64(i++) * 7919) % kRows);
        if (!dm.findByTitle(title))
            dm.insertVisit(title, "http://127.0.0.1/");
    }
}
BENCHMARK(BM_visitKnownPage)->Unit(benchmark::kMicrosecond);

// A click on a tab with a new page: lookup, then a durable insert.
void BM_visitNewPage(benchmark::State &state)
{
    TDm dm(filledStoreFolder(kRows));
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
    TDm dm(filledStoreFolder(kRows));
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.allRecords());
}
BENCHMARK(BM_allRecords)->Unit(benchmark::kMillisecond);

// Typing into the record manager's search box: every keystroke searches.
void BM_searchByTitle(benchmark::State &state)
{
    TDm dm(filledStoreFolder(kRows));
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.searchByTitle("页面 4242"));
}
BENCHMARK(BM_searchByTitle)->Unit(benchmark::kMillisecond);

void BM_recordsOfDay(benchmark::State &state)
{
    TDm dm(filledStoreFolder(kRows));
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.recordsOfDay(QDate(2023, 6, 1)));
}
BENCHMARK(BM_recordsOfDay)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
