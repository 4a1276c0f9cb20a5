#pragma once

#include "browser/favourites/FavouritesImport.h"
#include "platform/BorderlessDialog.h"

#include <QTimer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class SkinButton;
class TFormMain;
class WebBrowser;

// The import dialog "收藏夹": its own browser control shows LzFav.htm, and
// "开始导入" files every link of that page with the favourites service, one a
// second, under the optional password.
class TfrmLzFav : public BorderlessDialog
{
    Q_OBJECT
public:
    // sender: how filing requests travel (null: plain GET requests).
    explicit TfrmLzFav(TFormMain *owner, std::unique_ptr<FilingSender> sender = nullptr);

    // The page file the dialog shows.
    QString pageFile() const;
    // The pause after each request (1000 ms).
    void setRequestInterval(int ms) { m_import->setInterval(ms); }
    // True once the page the dialog shows has loaded.
    bool pageReady() const { return m_pageReady; }

    QWidget *suiImagePanel2 = nullptr;
    SkinButton *suiImageButton13 = nullptr;
    WebBrowser *webFavorites = nullptr;
    QWidget *bottomPanel = nullptr;
    QLabel *Label1 = nullptr;
    QCheckBox *suiCheckBox1 = nullptr;
    QLineEdit *edtCheck = nullptr;
    QProgressBar *suiProgressBar1 = nullptr;
    QPushButton *bbtnOk = nullptr;
    QTimer *Timer1 = nullptr;

signals:
    // The import is over and its closing message was shown.
    void importFinished(int failed);

public slots:
    void suiImageButton13Click();
    void suiCheckBox1Click();
    void bbtnOkClick();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void readLinksAndStart();
    void importAdvanced();
    void importOver(int failed);

    TFormMain *m_main;
    FavouritesImport *m_import = nullptr;
    QDate m_importDate;
    bool m_pageReady = false;
    bool m_waitingForPage = false;
    bool m_busy = false;
};
