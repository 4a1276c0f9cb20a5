// What the user waits for when the store holds 100,000 remembered pages:
// rebuilding the address list, recording a visit, opening the record manager,
// each keystroke of its title search and picking a day. Runs the real main
// window and record manager on a copy of the delivered store.

#include "bench/common/FilledStore.h"
#include "browser/records/RecordRows.h"
#include "browser/records/qc.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/TabStrip.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/MessageBox.h"
#include "platform/WebEngineSetup.h"
#include "platform/WindowHelpers.h"
#include "store/Dmsystem.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;
constexpr int kShownRows = 20;  // what a list or grid shows at once

TFormMain &window()
{
    static TFormMain *w = [] {
        auto *made = new TFormMain(filledStoreFolder(kRows), QStringLiteral("http://127.0.0.1:9"));
        made->resize(1082, 622);
        made->show();  // start-up fills the list once
        QCoreApplication::processEvents();
        return made;
    }();
    return *w;
}

TfrmQc &manager()
{
    TFormMain &w = window();
    return *WindowHelpers::ownedInstance<TfrmQc>(&w, QStringLiteral("frmQc"), [&w] { return new TfrmQc(&w); });
}

// The rows a list shows first are read when it is drawn; read them here.
void readShownAddresses(QComboBox *box)
{
    for (int i = 0; i < kShownRows && i < box->count(); ++i)
        benchmark::DoNotOptimize(box->itemText(i));
}

void readShownRecords(TfrmQc &qc)
{
    for (int i = 0; i < kShownRows && i < qc.adoqQc->rowCount(); ++i)
        benchmark::DoNotOptimize(qc.adoqQc->data(qc.adoqQc->index(i, TRecordsModel::Bt)));
}

// P_Cdzl, as at start-up and after the record manager closes.
void BM_rebuildAddressList(benchmark::State &state)
{
    TFormMain &w = window();
    for (auto _ : state) {
        w.P_Cdzl();
        readShownAddresses(w.cmbAddr);
    }
    state.counters["items"] = w.cmbAddr->count();
}
BENCHMARK(BM_rebuildAddressList)->Unit(benchmark::kMillisecond);

// Every entry of the address list read once, as the address bar's completer
// does at the first letter typed after a rebuild (later letters find them read).
void BM_readWholeAddressList(benchmark::State &state)
{
    TFormMain &w = window();
    for (auto _ : state) {
        state.PauseTiming();
        w.P_Cdzl();
        state.ResumeTiming();
        for (int i = 0; i < w.cmbAddr->count(); ++i)
            benchmark::DoNotOptimize(w.cmbAddr->itemText(i));
    }
}
BENCHMARK(BM_readWholeAddressList)->Unit(benchmark::kMillisecond)->Iterations(5);

// The main window with a second tab active, the one the visit recorder reads
// (it records nothing on the first tab).
TFormMain &windowOnSecondTab()
{
    TFormMain &w = window();
    if (w.PclParent->count() < 2) {
        w.TabManager->PendingUrl = QStringLiteral("about:blank");
        w.TabManager->AddTab();
    }
    w.PclParent->setCurrentIndex(1);
    return w;
}

// P_TimeAddUrl on a tab whose caption is new: lookup, list entry, durable insert.
void BM_recordNewVisit(benchmark::State &state)
{
    TFormMain &w = windowOnSecondTab();
    static int n = 0;
    for (auto _ : state) {
        w.PclParent->setTabText(1, QStringLiteral("新页 %1").arg(n++));
        w.P_TimeAddUrl();
    }
}
BENCHMARK(BM_recordNewVisit)->Unit(benchmark::kMillisecond);

// P_TimeAddUrl on a tab whose caption is already recorded: the lookup only.
void BM_recordKnownVisit(benchmark::State &state)
{
    TFormMain &w = windowOnSecondTab();
    w.PclParent->setTabText(1, QStringLiteral("新闻页面 77777 - 岚舟"));
    for (auto _ : state)
        w.P_TimeAddUrl();
}
BENCHMARK(BM_recordKnownVisit)->Unit(benchmark::kMicrosecond);

// Opening the record manager: its full list, first rows shown.
void BM_openRecordManager(benchmark::State &state)
{
    TfrmQc &qc = manager();
    for (auto _ : state) {
        qc.show();
        readShownRecords(qc);
        state.PauseTiming();
        qc.hide();
        state.ResumeTiming();
    }
    state.counters["rows"] = qc.adoqQc->rowCount();
}
BENCHMARK(BM_openRecordManager)->Unit(benchmark::kMillisecond);

// One keystroke of the title search: the list narrowed, first rows shown.
void BM_searchKeystroke(benchmark::State &state)
{
    TfrmQc &qc = manager();
    qc.show();
    const QString typed = QStringLiteral("页面 123");
    int i = 0;
    for (auto _ : state) {
        qc.edtName->setText(typed.left(1 + i++ % typed.size()));
        readShownRecords(qc);
    }
    qc.hide();
}
BENCHMARK(BM_searchKeystroke)->Unit(benchmark::kMillisecond);

// Picking a day in the record manager.
void BM_pickDay(benchmark::State &state)
{
    TfrmQc &qc = manager();
    qc.show();
    int i = 0;
    for (auto _ : state) {
        qc.fDate->setDate(QDate(2023, 3, 1).addDays(i++ % 300));
        readShownRecords(qc);
    }
    qc.hide();
}
BENCHMARK(BM_pickDay)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    WebEngineSetup::prepareFlags();
    QApplication app(argc, argv);
    MessageBox::setHook([](const MessageBox::Request &) { return QMessageBox::Ok; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
