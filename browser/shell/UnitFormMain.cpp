#include "browser/shell/UnitFormMain.h"

#include "browser/shell/AddressRules.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/Pictures.h"
#include "browser/shell/ServiceSite.h"
#include "browser/shell/TabStrip.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"
#include "platform/WebEngineSetup.h"
#include "platform/WindowHelpers.h"
#include "store/Dmsystem.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEngineProfile>

namespace {

constexpr int DesignWidth = 1082;

// Places a control at its designed place; a right-anchored one keeps its
// designed distance to the right edge.
void place(QWidget *w, int x, int y, int width, int height, bool right = false, int parentWidth = 0)
{
    if (right)
        x = parentWidth - (DesignWidth - x);
    w->setGeometry(x, y, width, height);
}

QFont songFont(int pixelSize)
{
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(pixelSize);
    return f;
}

} // namespace

TFormMain::TFormMain(const QString &appPath, const QString &serviceSite, QWidget *parent)
    : QWidget(parent), AppPath(appPath), m_serviceSite(serviceSite)
{
    if (!AppPath.endsWith(QLatin1Char('/')))
        AppPath += QLatin1Char('/');
    setObjectName(QStringLiteral("FormMain"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("岚舟 - Lanzo Browser"));
    setFont(songFont(14));
    resize(DesignWidth, 622);

    m_profile = WebEngineSetup::persistentProfile(QStringLiteral("LzIE"), AppPath + QStringLiteral("profile"));
    WebBrowser::setStatusTexts({QStringLiteral("正在打开网页 %1 ..."), QStringLiteral("完成")});
    Dm = new TDm(AppPath);

    buildChrome();
    buildMenus();
    FormCreate();
    setUpPageCommands();
}

TFormMain::~TFormMain()
{
    delete TabManager;
    TabManager = nullptr;
    // Every page (tabs, dialogs) goes before the profile it belongs to.
    const QList<QWidget *> children = findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(children);
    PclParent = nullptr;
    delete m_profile;
    delete Dm;
}

QSize TFormMain::sizeRule(const QSize &size)
{
    if (size.width() < 800)
        return QSize(800, 640);
    return size;
}

QString TFormMain::addressBarAddress() const
{
    return AddressRules::addressBarAddress(cmbAddr->currentText());
}

void TFormMain::buildChrome()
{
    img_c = new PicturePanel(this);
    img_c->setPicture(Pictures::background(Pictures::Designed));

    img_t = new QWidget(img_c);
    suiImagePanel7 = new QWidget(img_t);
    WindowHelpers::enableDragMove(suiImagePanel7, this,
                                  [this] { return !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)); });

    auto glyphButton = [](QWidget *parent, const QString &glyph, const QString &hint, QSize size) {
        auto *b = new SkinButton(parent);
        b->setGlyph(Pictures::glyph(glyph, size));
        b->setToolTip(hint);
        return b;
    };

    SpeedButton1 = glyphButton(suiImagePanel7, QStringLiteral("menu"), QString(), QSize(12, 12));
    SpeedButton1->setText(QStringLiteral("菜单"));
    SpeedButton1->setGlyphOnRight(true);
    bbtnBack = glyphButton(suiImagePanel7, QStringLiteral("back"), QStringLiteral("后退"), QSize(20, 20));
    bbtnUp = glyphButton(suiImagePanel7, QStringLiteral("forward"), QStringLiteral("前进"), QSize(20, 20));
    bbtnStop = glyphButton(suiImagePanel7, QStringLiteral("stop"), QStringLiteral("停止"), QSize(20, 20));
    bbtnRefresh = glyphButton(suiImagePanel7, QStringLiteral("refresh"), QStringLiteral("刷新"), QSize(20, 20));

    cmbAddr = new QComboBox(suiImagePanel7);
    cmbAddr->setObjectName(QStringLiteral("cmbAddr"));
    cmbAddr->setEditable(true);
    cmbAddr->setInsertPolicy(QComboBox::NoInsert);
    cmbAddr->setView(new QListView(cmbAddr));
    cmbAddr->setFont(songFont(16));
    cmbAddr->setStyleSheet(QStringLiteral(
        "QComboBox { color: navy; background: #F2F2F2; border: 1px solid silver; padding-left: 3px; }"
        "QComboBox::drop-down { background: #EFEBDE; width: 18px; border-left: 1px solid silver; }"
        "QComboBox::down-arrow { image: url(:/glyphs/arrow-down.svg); width: 9px; height: 9px; }"
        "QComboBox QAbstractItemView { background: white; color: navy; selection-background-color: #3169C6; }"));
    cmbAddr->setEditText(AddressRules::defaultAddressText(m_serviceSite));

    bbtnFind = glyphButton(suiImagePanel7, QStringLiteral("go"), QStringLiteral("转到"), QSize(20, 20));
    btnScdq = glyphButton(suiImagePanel7, QStringLiteral("star"), QStringLiteral("收藏当前页"), QSize(20, 20));
    btnZtt = glyphButton(suiImagePanel7, QStringLiteral("camera"), QStringLiteral("抓图"), QSize(17, 17));
    btnqc = glyphButton(suiImagePanel7, QStringLiteral("clear"), QStringLiteral("清除地址栏记录"), QSize(17, 17));
    suiImageButton10 = glyphButton(suiImagePanel7, QStringLiteral("network"), QStringLiteral("网络诊断"), QSize(17, 17));
    suiImageButton4 = glyphButton(suiImagePanel7, QStringLiteral("zoom"), QStringLiteral("网页缩放"), QSize(17, 17));
    SpeedButton2 = glyphButton(suiImagePanel7, QStringLiteral("palette"), QStringLiteral("个性设置"), QSize(17, 17));
    btnzxh = glyphButton(suiImagePanel7, QStringLiteral("minimise"), QStringLiteral("最小化"), QSize(16, 16));
    btnzdd = glyphButton(suiImagePanel7, QStringLiteral("maximise"), QStringLiteral("最大化"), QSize(16, 16));
    btnzdh = glyphButton(suiImagePanel7, QStringLiteral("restore"), QStringLiteral("最大化"), QSize(16, 16));
    suiImageButton13 = glyphButton(suiImagePanel7, QStringLiteral("close"), QStringLiteral("关闭"), QSize(16, 16));
    btnzdh->raise();

    PclParent = new TabControl(img_c);
    PclParent->setObjectName(QStringLiteral("PclParent"));
    PclParent->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { border: 1px solid #C0C0C0; background: white; top: -1px; }"
        "QTabWidget::tab-bar { left: 24px; }"
        "QTabWidget { background: white; }"
        "QTabBar { background: white; }"
        "QTabBar::tab { background: white; color: grey; border: 1px solid #C0C0C0; border-bottom: none;"
        "  border-top-left-radius: 6px; border-top-right-radius: 6px; padding: 2px 10px; margin-right: 2px;"
        "  margin-top: 3px; min-height: 18px; }"
        "QTabBar::tab:selected { color: blue; border-top: 3px solid #152C51; margin-top: 0px; }"
        "QTabBar::tab:hover:!selected { color: navy; }"));
    PclParent->setAutoFillBackground(true);
    PclParent->strip()->setToolTip(QStringLiteral("单击右键关闭窗口"));
    PclParent->strip()->setContextMenuPolicy(Qt::CustomContextMenu);

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *sheetLayout = new QVBoxLayout(TabSheet1);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    FrameWebBrowserDefault = new TFrameWebBrowser(this, TabSheet1);
    FrameWebBrowserDefault->setObjectName(QStringLiteral("FrameWebBrowserDefault"));
    sheetLayout->addWidget(FrameWebBrowserDefault);
    PclParent->addTab(TabSheet1, QStringLiteral("about:blank"));

    suiImageButton5 = glyphButton(img_c, QStringLiteral("import"), QString(), QSize(15, 16));

    suiImagePanel9 = new QWidget(img_c);
    WindowHelpers::enableDragMove(suiImagePanel9, this);
    Label1 = new QLabel(QStringLiteral("         "), suiImagePanel9);
    Label1->setFont(songFont(12));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    suiImagePanel1 = new QWidget(suiImagePanel9);
    suiProgressBar1 = new QProgressBar(suiImagePanel1);
    suiProgressBar1->setRange(0, 100);
    suiProgressBar1->setValue(0);
    suiProgressBar1->setTextVisible(false);
    suiProgressBar1->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #7F9DB9; background: white; border-radius: 2px; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8FD18F, stop:1 #2F9A2F); }"));

    suiImageButton1 = new SkinButton(img_c);
    suiImageButton1->setText(QStringLiteral("×"));
    QFont bold = font();
    bold.setBold(true);
    suiImageButton1->setFont(bold);
    suiImageButton1->setTextColor(QColor(0x80, 0, 0));
    suiImageButton1->setToolTip(QStringLiteral("关闭当前页"));

    connect(SpeedButton1, &QAbstractButton::clicked, this, &TFormMain::SpeedButton1Click);
    connect(bbtnBack, &QAbstractButton::clicked, this, &TFormMain::bbtnBackClick);
    connect(bbtnUp, &QAbstractButton::clicked, this, &TFormMain::bbtnUpClick);
    connect(bbtnStop, &QAbstractButton::clicked, this, &TFormMain::bbtnStopClick);
    connect(bbtnRefresh, &QAbstractButton::clicked, this, &TFormMain::bbtnRefreshClick);
    connect(cmbAddr->lineEdit(), &QLineEdit::returnPressed, this, &TFormMain::cmbAddrKeyPress);
    connect(bbtnFind, &QAbstractButton::clicked, this, &TFormMain::bbtnFindClick);
    connect(btnScdq, &QAbstractButton::clicked, this, &TFormMain::btnScdqClick);
    connect(btnZtt, &QAbstractButton::clicked, this, &TFormMain::btnZttClick);
    connect(btnqc, &QAbstractButton::clicked, this, &TFormMain::btnqcClick);
    connect(suiImageButton10, &QAbstractButton::clicked, this, &TFormMain::suiImageButton10Click);
    connect(suiImageButton4, &QAbstractButton::clicked, this, &TFormMain::suiImageButton4Click);
    connect(SpeedButton2, &QAbstractButton::clicked, this, &TFormMain::SpeedButton2Click);
    connect(btnzxh, &QAbstractButton::clicked, this, &TFormMain::btnzxhClick);
    connect(btnzdd, &QAbstractButton::clicked, this, &TFormMain::btnzddClick);
    connect(btnzdh, &QAbstractButton::clicked, this, &TFormMain::btnzdhClick);
    connect(suiImageButton13, &QAbstractButton::clicked, this, &TFormMain::suiImageButton13Click);
    connect(suiImageButton1, &QAbstractButton::clicked, this, &TFormMain::suiImageButton1Click);
    connect(suiImageButton5, &QAbstractButton::clicked, this, &TFormMain::suiImageButton5Click);
    connect(PclParent->strip(), &TabStrip::clickedActive, this, &TFormMain::PclParentClick);
    // ActiveFrameIndex always names the active tab, however it became active.
    connect(PclParent, &QTabWidget::currentChanged, this, [this](int page) { ActiveFrameIndex = page - 1; });
    connect(PclParent->strip(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { suiPopupMenu1->popup(PclParent->strip()->mapToGlobal(pos)); });
}

void TFormMain::buildMenus()
{
    const MenuColours mainColours{Qt::white, QColor(0x0A, 0x24, 0x6A), QColor(0xA6, 0xCA, 0xF0), QColor(0x44, 0x4A, 0xA0)};
    const MenuColours plainColours{Qt::black, Qt::white, Qt::white, QColor(0x31, 0x69, 0xC6)};

    auto item = [this](QMenu *menu, QAction *&action, const char *name, const QString &caption, auto handler) {
        action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto submenu = [](QMenu *menu, QAction *&action, const char *name, const QString &caption) {
        QMenu *sub = menu->addMenu(caption);
        action = sub->menuAction();
        action->setObjectName(QLatin1String(name));
        return sub;
    };

    popMenuFile = new QMenu(this);
    styleMenu(popMenuFile, mainColours);

    QMenu *file = submenu(popMenuFile, N48, "N48", QStringLiteral("文件"));
    item(file, N56, "N56", QStringLiteral("在新窗口中打开"), &TFormMain::N56Click);
    item(file, N57, "N57", QStringLiteral("保存"), &TFormMain::N57Click)->setVisible(false);
    item(file, N58, "N58", QStringLiteral("另存为"), &TFormMain::N58Click);
    item(file, N59, "N59", QStringLiteral("关闭"), &TFormMain::N59Click);
    item(file, N60, "N60", QStringLiteral("关闭所有"), &TFormMain::N60Click);
    file->addSeparator();
    item(file, N62, "N62", QStringLiteral("打印"), &TFormMain::N62Click);
    item(file, N63, "N63", QStringLiteral("打印预览"), &TFormMain::N63Click);
    item(file, N64, "N64", QStringLiteral("属性"), &TFormMain::N64Click);

    QMenu *edit = submenu(popMenuFile, N49, "N49", QStringLiteral("编辑"));
    item(edit, N65, "N65", QStringLiteral("剪切"), &TFormMain::N65Click);
    item(edit, N66, "N66", QStringLiteral("复制"), &TFormMain::N66Click);
    item(edit, N67, "N67", QStringLiteral("粘贴"), &TFormMain::N67Click);
    edit->addSeparator();
    item(edit, N69, "N69", QStringLiteral("全选"), &TFormMain::N69Click);
    item(edit, N70, "N70", QStringLiteral("查找"), &TFormMain::N70Click);

    QMenu *view = submenu(popMenuFile, N50, "N50", QStringLiteral("查看"));
    QMenu *textSize = submenu(view, N71, "N71", QStringLiteral("文字大小"));
    textSizeGroup = new QActionGroup(this);
    item(textSize, N72, "N72", QStringLiteral("最大"), &TFormMain::N72Click);
    item(textSize, N73, "N73", QStringLiteral("较大"), &TFormMain::N73Click);
    item(textSize, N74, "N74", QStringLiteral("中"), &TFormMain::N74Click);
    item(textSize, N75, "N75", QStringLiteral("较小"), &TFormMain::N75Click);
    item(textSize, N76, "N76", QStringLiteral("最小"), &TFormMain::N76Click);
    for (QAction *a : {N72, N73, N74, N75, N76}) {
        a->setCheckable(true);
        textSizeGroup->addAction(a);
    }
    // The marks move only when a text size is really applied.
    textSizeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    N74->setChecked(true);
    view->addSeparator();
    item(view, N3, "N3", QStringLiteral("后退"), &TFormMain::N3Click);
    item(view, N4, "N4", QStringLiteral("向前"), &TFormMain::N4Click);
    item(view, N5, "N5", QStringLiteral("停止"), &TFormMain::N5Click);
    item(view, N6, "N6", QStringLiteral("刷新"), &TFormMain::N6Click);

    QMenu *fav = submenu(popMenuFile, N51, "N51", QStringLiteral("收藏"));
    item(fav, N77, "N77", QStringLiteral("我的收藏"), &TFormMain::N77Click);
    item(fav, N78, "N78", QStringLiteral("收藏当前页"), &TFormMain::N78Click);
    fav->addSeparator();
    item(fav, N80, "N80", QStringLiteral("电脑收藏夹导入岚舟"), &TFormMain::N80Click);

    QMenu *tools = submenu(popMenuFile, N52, "N52", QStringLiteral("工具"));
    item(tools, N81, "N81", QStringLiteral("清除地址栏记录"), &TFormMain::N81Click);
    item(tools, Ping1, "Ping1", QStringLiteral("网络诊断"), &TFormMain::Ping1Click);
    item(tools, N7, "N7", QStringLiteral("添加或删除程序"), &TFormMain::N7Click);
    item(tools, N82, "N82", QStringLiteral("记事本"), &TFormMain::N82Click);
    item(tools, N83, "N83", QStringLiteral("计算器"), &TFormMain::N83Click);
    item(tools, N2, "N2", QStringLiteral("画图"), &TFormMain::N2Click);
    tools->addSeparator();
    item(tools, Internet2, "Internet2", QStringLiteral("Internet 选项"), &TFormMain::Internet2Click);
    item(tools, LZ2, "LZ2", QStringLiteral("LZ 选项"), &TFormMain::LZ2Click);

    QMenu *help = submenu(popMenuFile, N53, "N53", QStringLiteral("帮助"));
    item(help, N85, "N85", QStringLiteral("在线升级"), &TFormMain::N85Click);
    help->addSeparator();
    item(help, N11, "N11", QStringLiteral("关于"), &TFormMain::N11Click);

    popMenuFile->addSeparator();
    item(popMenuFile, N55, "N55", QStringLiteral("退出"), &TFormMain::N55Click);
    for (QMenu *m : {file, edit, view, textSize, fav, tools, help})
        styleMenu(m, mainColours);

    suiPopupMenu1 = new QMenu(this);
    styleMenu(suiPopupMenu1, mainColours);
    item(suiPopupMenu1, C1, "C1", QStringLiteral("关闭当前页(&C)"), &TFormMain::C1Click);
    item(suiPopupMenu1, N9, "N9", QStringLiteral("关闭所有(&A)"), &TFormMain::N9Click);

    pup = new QMenu(this);
    styleMenu(pup, plainColours);
    zoomGroup = new QActionGroup(this);
    item(pup, e200, "e200", QStringLiteral("200%  最大"), &TFormMain::e200Click);
    item(pup, e150, "e150", QStringLiteral("150%  加大"), &TFormMain::e150Click);
    item(pup, e100, "e100", QStringLiteral("100%  正常"), &TFormMain::e100Click);
    item(pup, e50, "e50", QStringLiteral("50%   缩小"), &TFormMain::e50Click);
    for (QAction *a : {e200, e150, e100, e50}) {
        a->setCheckable(true);
        zoomGroup->addAction(a);
    }
    e100->setChecked(true);

    suiPopupMenu3 = new QMenu(this);
    styleMenu(suiPopupMenu3, plainColours);
    item(suiPopupMenu3, MenuItem7, "MenuItem7", QStringLiteral("全屏"), &TFormMain::MenuItem7Click);
    item(suiPopupMenu3, MenuItem8, "MenuItem8", QStringLiteral("区域"), &TFormMain::MenuItem8Click);
    for (SkinButton *b : {btnZtt, btnqc}) {
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this,
                [this](const QPoint &) { suiPopupMenu3->popup(QCursor::pos()); });
    }
}

void TFormMain::layoutChrome()
{
    const int w = width();
    const int h = height();
    img_c->setGeometry(rect());
    img_t->setGeometry(0, 0, w, 44);
    suiImagePanel7->setGeometry(0, 0, w, 44);
    place(SpeedButton1, 8, 7, 61, 24);
    place(bbtnBack, 130, 7, 30, 24);
    place(bbtnUp, 165, 7, 30, 24);
    place(bbtnStop, 200, 7, 30, 24);
    place(bbtnRefresh, 235, 7, 30, 24);
    place(cmbAddr, 265, 7, 449 + (w - DesignWidth), 24);
    place(bbtnFind, 714, 7, 24, 24, true, w);
    place(btnScdq, 739, 7, 24, 24, true, w);
    place(btnZtt, 804, 11, 19, 17, true, w);
    place(btnqc, 834, 11, 19, 17, true, w);
    place(suiImageButton10, 864, 11, 19, 17, true, w);
    // The zoom button grows to show its caption; the options button keeps its
    // distance after it.
    const QString zoomCaption = suiImageButton4->text();
    const int zoomGrowth = zoomCaption.isEmpty() ? 0 : suiImageButton4->fontMetrics().horizontalAdvance(zoomCaption) + 4;
    place(suiImageButton4, 896, 11, 17 + zoomGrowth, 17, true, w);
    place(SpeedButton2, 923 + zoomGrowth, 11, 19, 17, true, w);
    place(btnzxh, 1018, 1, 16, 16, true, w);
    place(btnzdd, 1039, 1, 16, 16, true, w);
    place(btnzdh, 1039, 1, 16, 16, true, w);
    place(suiImageButton13, 1061, 1, 16, 16, true, w);

    PclParent->setGeometry(0, 44, w, h - 44 - 25);
    place(suiImageButton5, 5, 54, 15, 16);
    suiImageButton5->raise();
    place(suiImageButton1, 1186, 50, 14, 18, true, w);

    suiImagePanel9->setGeometry(0, h - 25, w, 25);
    Label1->setGeometry(14, 4, qMax(0, w - 14 - 130 - 8), 17);
    suiImagePanel1->setGeometry(w - 130, 0, 130, 25);
    suiProgressBar1->setGeometry(15, 5, 100, 12);
}

// Start-up, part 1: the tab manager and the first tab's start page.
void TFormMain::FormCreate()
{
    TabManager = new TDownloadIEInterface(this);
    TabManager->SetPageControl(PclParent);
    FrameWebBrowserDefault->WebAction->Navigate(startPageAddress(m_serviceSite));
}

// Start-up, part 2: the store check, the address list, the background, the
// list's item height and the default text.
void TFormMain::FormShow()
{
    if (!QFileInfo::exists(AppPath + QStringLiteral("lzdat.dll"))) {
        MessageBox::show(this, QStringLiteral("软件已被破坏，请重新下载！"), QStringLiteral("提示"),
                         QMessageBox::Question, QMessageBox::Ok);
        return;
    }
    try {
        P_Cdzl();
        applyStoredBackground();
    } catch (const std::exception &) {
        // The list and background stay as far as they got.
    }
    cmbAddr->view()->setStyleSheet(QStringLiteral("QListView::item { height: 25px; }"));
    cmbAddr->setEditText(AddressRules::defaultAddressText(m_serviceSite));
}

void TFormMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QSize wanted = sizeRule(size());
    if (wanted != size() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        resize(wanted);
        return;
    }
    if (QScreen *s = screen())
        setMaximumHeight(s->availableGeometry().height());
    layoutChrome();
}

// A close request from the window system runs the exit routine; only a
// declined prompt keeps the window open.
void TFormMain::closeEvent(QCloseEvent *event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    if (exitRoutine()) {
        m_ending = true;
        event->accept();
        emit programEnded();
    } else {
        event->ignore();
    }
}

void TFormMain::SpeedButton1Click()
{
    popMenuFile->popup(QCursor::pos());
}

void TFormMain::btnzxhClick()
{
    showMinimized();
}

void TFormMain::btnzddClick()
{
    if (isMaximized())
        return;
    btnzdh->setVisible(true);
    btnzdd->setVisible(false);
    showMaximized();
}

void TFormMain::btnzdhClick()
{
    if (!isMaximized())
        return;
    showNormal();
    btnzdh->setVisible(false);
    btnzdd->setVisible(true);
}

void TFormMain::suiImageButton13Click()
{
    N55Click();
}

void TFormMain::C1Click()
{
    ActiveFrameIndex = PclParent->currentIndex() - 1;
    TabManager->CloseCurrentTab();
}

void TFormMain::suiImageButton1Click()
{
    C1Click();
}

void TFormMain::N9Click()
{
    TabManager->CloseAllTabs();
}

void TFormMain::N59Click()
{
    N9Click();
}

void TFormMain::N60Click()
{
    N9Click();
}

void TFormMain::PclParentClick()
{
    P_TimeAddUrl();
}

// Go: the address-bar address always opens in a new tab.
void TFormMain::bbtnFindClick()
{
    TabManager->PendingUrl = addressBarAddress();
    TabManager->AddTab();
    TabManager->GetNewTabDispatch();
}

void TFormMain::cmbAddrKeyPress()
{
    bbtnFindClick();
}

void TFormMain::N56Click()
{
    bbtnFindClick();
}

WebBrowser *TFormMain::activeAddedBrowser()
{
    ActiveFrameIndex = PclParent->currentIndex() - 1;
    if (ActiveFrameIndex < 0 || ActiveFrameIndex >= TabManager->FrameList.size())
        return nullptr;
    return TabManager->FrameList.at(ActiveFrameIndex)->WebAction;
}

// Back, forward, stop and refresh act on the active tab, the first one included.
WebBrowser *TFormMain::activeBrowser()
{
    if (PclParent->currentWidget() == TabSheet1)
        return FrameWebBrowserDefault->WebAction;
    return activeAddedBrowser();
}

void TFormMain::bbtnBackClick()
{
    if (WebBrowser *b = activeBrowser())
        b->GoBack();
}

void TFormMain::bbtnUpClick()
{
    if (WebBrowser *b = activeBrowser())
        b->GoForward();
}

void TFormMain::bbtnStopClick()
{
    if (WebBrowser *b = activeBrowser())
        b->ExecWB(WebBrowser::CmdStop, WebBrowser::PromptUser);
}

void TFormMain::bbtnRefreshClick()
{
    if (WebBrowser *b = activeBrowser())
        b->ExecWB(WebBrowser::CmdRefresh, WebBrowser::PromptUser);
}

void TFormMain::N5Click()
{
    bbtnStopClick();
}

void TFormMain::N6Click()
{
    bbtnRefreshClick();
}

void TFormMain::N3Click() {}
void TFormMain::N4Click() {}
void TFormMain::btnScdqClick() {}
void TFormMain::N78Click() {}
void TFormMain::N57Click() {}
