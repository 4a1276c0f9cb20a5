// The address-record manager: the remembered pages in a grid, found by title
// or by day, opened in a new tab, changed, deleted or cleared.
#pragma once

#include "platform/BorderlessDialog.h"

#include <QDate>
#include <QString>

class QDateEdit;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;
class TFormMain;
class TRecordsModel;

class TfrmQc : public BorderlessDialog
{
    Q_OBJECT
public:
    explicit TfrmQc(TFormMain *owner);

    // The search box's text while nobody searches.
    static const QString SearchHint;

    // The id of the record last clicked in the grid; 0 until a row is clicked.
    qint64 SelectedRecordId = 0;

    QWidget *suiImagePanel1 = nullptr;
    QLineEdit *edtTitle = nullptr;
    QLineEdit *edtAddr = nullptr;
    QLineEdit *suiEdit1 = nullptr;
    QPushButton *btnOpen = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *bbtnOk = nullptr;
    QPushButton *btnqbb = nullptr;
    QPushButton *bbtnClose = nullptr;
    QTableView *DBGrid1 = nullptr;
    TRecordsModel *adoqQc = nullptr;
    QLineEdit *edtName = nullptr;
    QDateEdit *fDate = nullptr;

public slots:
    void DBGrid1CellClick(const QModelIndex &index);
    void btnOpenClick();
    void SpeedButton1Click();
    void bbtnOkClick();
    void btnqbbClick();
    void bbtnCloseClick();
    void edtNameClick();
    void edtNameExit();
    void edtNameChange(const QString &text);
    void fDateChange(const QDate &date);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The list queries; the last one sent is read again for the search hint.
    struct ListQuery {
        enum Kind { All, Title, Day } kind = All;
        QString text;
        QDate day;
    };
    // Sends a list query; on success the grid shows its rows. A failure is
    // shown to the user and the grid keeps the list it had.
    bool showList(const ListQuery &query);
    bool showFullList();
    void storeFailed(const QString &what, const std::exception &error);

    TFormMain *m_main;
    ListQuery m_lastList;
};
