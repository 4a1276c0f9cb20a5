#include "browser/records/qc.h"

#include "browser/shell/DialogStyle.h"
#include "browser/records/RecordRows.h"
#include "browser/records/de.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WindowHelpers.h"
#include "store/Dmsystem.h"

#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

const QString TfrmQc::SearchHint = QStringLiteral("输入网址名称查找");

TfrmQc::TfrmQc(TFormMain *owner)
    : BorderlessDialog(owner), m_main(owner)
{
    setStyleSheet(dialogStyleSheet());
    cornerCloseButton()->setToolTip(QStringLiteral("关闭"));
    setDesignSize(560, 440);

    suiImagePanel1 = new QWidget(this);
    suiImagePanel1->setObjectName(QStringLiteral("suiImagePanel1"));
    suiImagePanel1->setGeometry(0, 0, 560, 100);
    addDragHandle(suiImagePanel1);

    auto label = [this](const QString &text, int x, int y, int w) {
        auto *l = new QLabel(text, suiImagePanel1);
        l->setGeometry(x, y, w, 22);
        return l;
    };
    auto edit = [this](const char *name, int x, int y, int w) {
        auto *e = new QLineEdit(suiImagePanel1);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(x, y, w, 22);
        return e;
    };
    label(QStringLiteral("名称(N)："), 14, 28, 66);
    edtTitle = edit("edtTitle", 80, 28, 190);
    label(QStringLiteral("网址(W)："), 282, 28, 66);
    edtAddr = edit("edtAddr", 348, 28, 196);
    label(QStringLiteral("常用(I)："), 14, 62, 66);
    suiEdit1 = edit("suiEdit1", 80, 62, 36);
    label(QStringLiteral("1：为常用，0：为不常用。"), 122, 62, 150);

    auto button = [this](const char *name, const QString &caption, int x, int w) {
        auto *b = new QPushButton(caption, suiImagePanel1);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 61, w, 24);
        return b;
    };
    btnOpen = button("btnOpen", QStringLiteral("打开"), 282, 48);
    SpeedButton1 = button("SpeedButton1", QStringLiteral("修改"), 334, 48);
    bbtnOk = button("bbtnOk", QStringLiteral("删除"), 386, 48);
    btnqbb = button("btnqbb", QStringLiteral("清空所有"), 438, 58);
    bbtnClose = button("bbtnClose", QStringLiteral("取消"), 500, 44);

    adoqQc = new TRecordsModel(owner->Dm, this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(14, 104, 532, 290);
    DBGrid1->setModel(adoqQc);
    DBGrid1->horizontalHeader()->hide();
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);
    DBGrid1->setShowGrid(false);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setWordWrap(false);
    DBGrid1->setColumnHidden(TRecordsModel::Id, true);
    DBGrid1->setColumnHidden(TRecordsModel::Ur, true);
    DBGrid1->setColumnHidden(TRecordsModel::Rq, true);
    DBGrid1->setColumnWidth(TRecordsModel::Bt, 200);
    DBGrid1->setColumnWidth(TRecordsModel::Sj, 150);
    DBGrid1->setColumnWidth(TRecordsModel::Sy, 80);

    edtName = new QLineEdit(SearchHint, this);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setGeometry(14, 404, 300, 24);
    edtName->installEventFilter(this);
    fDate = new QDateEdit(this);
    fDate->setObjectName(QStringLiteral("fDate"));
    fDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    fDate->setCalendarPopup(true);
    fDate->setGeometry(326, 404, 120, 24);

    connect(DBGrid1, &QTableView::clicked, this, &TfrmQc::DBGrid1CellClick);
    connect(btnOpen, &QPushButton::clicked, this, &TfrmQc::btnOpenClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmQc::SpeedButton1Click);
    connect(bbtnOk, &QPushButton::clicked, this, &TfrmQc::bbtnOkClick);
    connect(btnqbb, &QPushButton::clicked, this, &TfrmQc::btnqbbClick);
    connect(bbtnClose, &QPushButton::clicked, this, &TfrmQc::bbtnCloseClick);
    connect(cornerCloseButton(), &QAbstractButton::clicked, this, &TfrmQc::bbtnCloseClick);
    connect(edtName, &QLineEdit::textChanged, this, &TfrmQc::edtNameChange);
    connect(fDate, &QDateEdit::dateChanged, this, &TfrmQc::fDateChange);
}

// Every opening shows all records and puts today into the picker without
// filtering by it.
void TfrmQc::showEvent(QShowEvent *event)
{
    BorderlessDialog::showEvent(event);
    showFullList();
    const QSignalBlocker quiet(fDate);
    fDate->setDate(QDate::currentDate());
    bbtnClose->setFocus();
}

bool TfrmQc::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtName) {
        // A click is the left button; leaving is focus going to another control
        // of the dialog, not the dialog losing the active window to a message
        // box, another program or the box's own context menu.
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                edtNameClick();
        } else if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                edtNameExit();
        }
    }
    return BorderlessDialog::eventFilter(watched, event);
}

void TfrmQc::storeFailed(const QString &what, const std::exception &error)
{
    MessageBox::show(this, what + QLatin1Char('\n') + QString::fromUtf8(error.what()),
                     QStringLiteral("岚舟Browser"), QMessageBox::Warning);
}

bool TfrmQc::showList(const ListQuery &query)
{
    TDm *dm = m_main->Dm;
    try {
        QVector<qint64> ids;
        switch (query.kind) {
        case ListQuery::All: ids = dm->recordIds(); break;
        case ListQuery::Title: ids = dm->recordIdsByTitle(query.text); break;
        case ListQuery::Day: ids = dm->recordIdsOfDay(query.day); break;
        }
        m_lastList = query;
        adoqQc->setIds(std::move(ids));
        return true;
    } catch (const std::exception &e) {
        storeFailed(QStringLiteral("无法读取地址记录。"), e);
        return false;
    }
}

bool TfrmQc::showFullList()
{
    return showList(ListQuery{});
}

// The clicked record goes into the boxes above the grid.
void TfrmQc::DBGrid1CellClick(const QModelIndex &index)
{
    const BtRecord *r = adoqQc->record(index.row());
    if (!r)
        return;
    SelectedRecordId = r->id;
    edtTitle->setText(r->bt);
    edtAddr->setText(r->ur);
    suiEdit1->setText(QString::number(r->sy));
}

// "打开": the address opens in a new tab behind the dialog.
void TfrmQc::btnOpenClick()
{
    TDownloadIEInterface *tabs = m_main->TabManager;
    if (!tabs)
        return;
    tabs->PendingUrl = edtAddr->text();
    tabs->AddTab();
    tabs->GetNewTabDispatch();
}

// "修改": title, address and flag of the selected record.
void TfrmQc::SpeedButton1Click()
{
    bool whole = false;
    const int sy = suiEdit1->text().trimmed().toInt(&whole);
    if (!whole) {
        MessageBox::show(this, QStringLiteral("“常用”只能填写整数：1 为常用，0 为不常用。记录未修改。"),
                         QStringLiteral("岚舟Browser"), QMessageBox::Warning);
        return;
    }
    try {
        m_main->Dm->updateRecord(SelectedRecordId, edtTitle->text(), edtAddr->text(), sy);
    } catch (const std::exception &e) {
        storeFailed(QStringLiteral("无法修改这条记录。"), e);
    }
    showFullList();
}

// "删除": the selected record goes without a question.
void TfrmQc::bbtnOkClick()
{
    try {
        m_main->Dm->deleteRecord(SelectedRecordId);
    } catch (const std::exception &e) {
        storeFailed(QStringLiteral("无法删除这条记录。"), e);
    }
    showFullList();
}

// "清空所有": asks whether to keep the frequently used pages.
void TfrmQc::btnqbbClick()
{
    auto *de = WindowHelpers::ownedInstance<TfrmDe>(this, QStringLiteral("frmDe"),
                                                    [this] { return new TfrmDe(this); });
    de->setBackgroundPicture(m_main->img_c->picture());
    de->exec();
    if (de->Answer != QLatin1String("yes") && de->Answer != QLatin1String("no"))
        return;
    try {
        if (de->Answer == QLatin1String("yes"))
            m_main->Dm->deleteNotFrequent();
        else
            m_main->Dm->deleteAll();
    } catch (const std::exception &e) {
        storeFailed(QStringLiteral("无法清空地址记录。"), e);
    }
    showFullList();
}

void TfrmQc::bbtnCloseClick()
{
    close();
}

void TfrmQc::edtNameClick()
{
    edtName->clear();
}

void TfrmQc::edtNameExit()
{
    edtName->setText(SearchHint);
}

// Typing narrows the list by title; the hint text reads the last list again.
void TfrmQc::edtNameChange(const QString &text)
{
    if (text == SearchHint)
        showList(m_lastList);
    else
        showList(ListQuery{ListQuery::Title, text, {}});
}

void TfrmQc::fDateChange(const QDate &date)
{
    showList(ListQuery{ListQuery::Day, {}, date});
}
