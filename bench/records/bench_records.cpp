// What the user waits for when the store holds 100,000 remembered pages:
// rebuilding the address list, recording a visit, opening the record manager,
// each keystroke of its title search and picking a day. Runs the real main
// window and record manager on a copy of the delivered store.

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
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 100000;
constexpr int kShownRows = 20;  // what a list or grid shows at once

// A program folder whose store holds kRows pages, one in ten frequently used,
// about 276 a day.
QString filledFolder()
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
    sqlite3_exec(db, "BEGIN; UPDATE tc SET tc = 0", nullptr, nullptr, nullptr);
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

TFormMain &window()
{
    static TFormMain *w = [] {
        auto *made = new TFormMain(filledFolder(), QStringLiteral("http://127.0.0.1:9"));
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

// P_TimeAddUrl on a tab whose caption is new: lookup, list entry, durable insert.
void BM_recordNewVisit(benchmark::State &state)
{
    TFormMain &w = window();
    if (w.PclParent->count() < 2) {
        w.TabManager->PendingUrl = QStringLiteral("about:blank");
        w.TabManager->AddTab();
    }
    w.PclParent->setCurrentIndex(1);
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
    TFormMain &w = window();
    w.PclParent->setCurrentIndex(1);
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
