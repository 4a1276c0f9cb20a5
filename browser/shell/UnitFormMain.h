#pragma once

#include "browser/shell/UnitFrameWebBrowser.h"

#include <QWidget>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QWebEngineProfile;
class PicturePanel;
class SkinButton;
class TabControl;
class TDm;
class TDownloadIEInterface;
class PageDialogs;

// The main window: a borderless, skinned window around the tabs. It owns the
// tab manager, the address bar, the page commands and the openers of every
// dialog.
class TFormMain : public QWidget, public TFrameHost
{
    Q_OBJECT
public:
    // appPath: the program folder, with a trailing separator (the store and
    // the browser's own data live there). serviceSite: scheme and host of the
    // service's web server.
    explicit TFormMain(const QString &appPath, const QString &serviceSite, QWidget *parent = nullptr);
    ~TFormMain() override;

    // The size rule: a window narrower than 800 pixels becomes 800 × 640.
    static QSize sizeRule(const QSize &size);

    // TFrameHost
    QWebEngineProfile *webProfile() const override { return m_profile; }
    TDownloadIEInterface *tabManager() const override { return TabManager; }
    QLabel *statusLabel() const override { return Label1; }
    QProgressBar *progressBar() const override { return suiProgressBar1; }
    QString addressBarAddress() const override;

    QString serviceSite() const { return m_serviceSite; }

    // State other parts of the browser use.
    TDownloadIEInterface *TabManager = nullptr;
    QString AppPath;
    int ActiveFrameIndex = -1;
    TDm *Dm = nullptr;
    // What pages ask of the user (dialogs, find bar, downloads).
    PageDialogs *Dialogs = nullptr;

    // Controls.
    PicturePanel *img_c = nullptr;
    QWidget *img_t = nullptr;
    QWidget *suiImagePanel7 = nullptr;
    SkinButton *SpeedButton1 = nullptr;
    SkinButton *bbtnBack = nullptr;
    SkinButton *bbtnUp = nullptr;
    SkinButton *bbtnStop = nullptr;
    SkinButton *bbtnRefresh = nullptr;
    QComboBox *cmbAddr = nullptr;
    SkinButton *bbtnFind = nullptr;
    SkinButton *btnScdq = nullptr;
    SkinButton *btnZtt = nullptr;
    SkinButton *btnqc = nullptr;
    SkinButton *suiImageButton10 = nullptr;
    SkinButton *suiImageButton4 = nullptr;
    SkinButton *SpeedButton2 = nullptr;
    SkinButton *btnzxh = nullptr;
    SkinButton *btnzdd = nullptr;
    SkinButton *btnzdh = nullptr;
    SkinButton *suiImageButton13 = nullptr;
    TabControl *PclParent = nullptr;
    QWidget *TabSheet1 = nullptr;
    TFrameWebBrowser *FrameWebBrowserDefault = nullptr;
    QWidget *suiImagePanel9 = nullptr;
    QLabel *Label1 = nullptr;
    QWidget *suiImagePanel1 = nullptr;
    QProgressBar *suiProgressBar1 = nullptr;
    SkinButton *suiImageButton1 = nullptr;
    SkinButton *suiImageButton5 = nullptr;

    // Menus and their items.
    QMenu *popMenuFile = nullptr;
    QMenu *suiPopupMenu1 = nullptr;
    QMenu *pup = nullptr;
    QMenu *suiPopupMenu3 = nullptr;
    QAction *N48 = nullptr, *N56 = nullptr, *N57 = nullptr, *N58 = nullptr, *N59 = nullptr,
            *N60 = nullptr, *N62 = nullptr, *N63 = nullptr, *N64 = nullptr;
    QAction *N49 = nullptr, *N65 = nullptr, *N66 = nullptr, *N67 = nullptr, *N69 = nullptr, *N70 = nullptr;
    QAction *N50 = nullptr, *N71 = nullptr, *N72 = nullptr, *N73 = nullptr, *N74 = nullptr,
            *N75 = nullptr, *N76 = nullptr;
    QAction *N3 = nullptr, *N4 = nullptr, *N5 = nullptr, *N6 = nullptr;
    QAction *N51 = nullptr, *N77 = nullptr, *N78 = nullptr, *N80 = nullptr;
    QAction *N52 = nullptr, *N81 = nullptr, *Ping1 = nullptr, *N7 = nullptr, *N82 = nullptr,
            *N83 = nullptr, *N2 = nullptr, *Internet2 = nullptr, *LZ2 = nullptr;
    QAction *N53 = nullptr, *N85 = nullptr, *N11 = nullptr;
    QAction *N55 = nullptr;
    QAction *C1 = nullptr, *N9 = nullptr;
    QAction *e200 = nullptr, *e150 = nullptr, *e100 = nullptr, *e50 = nullptr;
    QAction *MenuItem7 = nullptr, *MenuItem8 = nullptr;
    QActionGroup *textSizeGroup = nullptr;
    QActionGroup *zoomGroup = nullptr;

    // Procedures of the window.
    void P_Cdzl();
    void P_TimeAddUrl();
    void P_WebFont(unsigned level);
    void P_ClearFavorites();

signals:
    // The exit routine decided to end the program.
    void programEnded();

public slots:
    // Window chrome.
    void SpeedButton1Click();
    void btnzxhClick();
    void btnzddClick();
    void btnzdhClick();
    void suiImageButton13Click();
    // Tabs.
    void C1Click();
    void suiImageButton1Click();
    void N9Click();
    void N59Click();
    void N60Click();
    void PclParentClick();
    // Navigation.
    void bbtnFindClick();
    void cmbAddrKeyPress();
    void N56Click();
    void bbtnBackClick();
    void bbtnUpClick();
    void bbtnStopClick();
    void bbtnRefreshClick();
    void N5Click();
    void N6Click();
    void N3Click();
    void N4Click();
    void btnScdqClick();
    // Page commands.
    void N58Click();
    void N62Click();
    void N63Click();
    void N64Click();
    void N65Click();
    void N66Click();
    void N67Click();
    void N69Click();
    void N70Click();
    void N57Click();
    void N72Click();
    void N73Click();
    void N74Click();
    void N75Click();
    void N76Click();
    void e200Click();
    void e150Click();
    void e100Click();
    void e50Click();
    void suiImageButton4Click();
    void Ping1Click();
    // Records, options and exit.
    void N81Click();
    void btnqcClick();
    void LZ2Click();
    void SpeedButton2Click();
    void N55Click();
    // Favourites.
    void N77Click();
    void N78Click();
    void N80Click();
    void suiImageButton5Click();
    // Capture, update and tools.
    void btnZttClick();
    void MenuItem7Click();
    void MenuItem8Click();
    void suiImageButton10Click();
    void N85Click();
    void N11Click();
    void N7Click();
    void N82Click();
    void N83Click();
    void N2Click();
    void Internet2Click();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildChrome();
    void buildMenus();
    void layoutChrome();
    // The exit routine: true when the program is to end.
    bool exitRoutine();
    // The start-up background rule: the stored choice becomes img_c's picture.
    void applyStoredBackground();
    // The page commands act on this browser: null on the first tab.
    WebBrowser *activeAddedBrowser();
    // Back, forward, stop and refresh act on this one: the first tab's too.
    WebBrowser *activeBrowser();
    // The page commands' dialogs and downloads, made once.
    void setUpPageCommands();
    // Page zoom of the zoom items: the mark, the page, the button's caption.
    void zoomItemClick(QAction *item, double factor, const QString &caption);

    QString m_serviceSite;
    QWebEngineProfile *m_profile = nullptr;
    bool m_shown = false;
    bool m_ending = false;
};
