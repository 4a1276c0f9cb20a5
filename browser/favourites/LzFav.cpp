#include "browser/favourites/LzFav.h"

#include "browser/shell/TabStrip.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WebBrowser.h"
#include "browser/favourites/FavouritesWidgets.h"
#include "browser/shell/DialogStyle.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Pages up to this size go straight into the control with their encoding
// named; larger ones are opened as files.
constexpr qint64 ContentLimit = 1500 * 1024;

// Every link of the page in document order, as [address, text] pairs. The
// address is the text of the href attribute: what the shortcut held.
const char *const LinksScript =
    "Array.prototype.map.call(document.links, function (a) {"
    "  return [a.getAttribute('href') || '', a.textContent];"
    "})";

} // namespace

TfrmLzFav::TfrmLzFav(TFormMain *owner, std::unique_ptr<FilingSender> sender)
    : BorderlessDialog(owner, Centre::OnDesktop), m_main(owner)
{
    setStyleSheet(dialogStyleSheet());
    setWindowTitle(QStringLiteral("收藏夹"));
    setDesignSize(306, 476);

    suiImagePanel2 = new QWidget(this);
    suiImagePanel2->setGeometry(0, 0, 306, 18);
    addDragHandle(suiImagePanel2);

    suiImageButton13 = cornerCloseButton();
    suiImageButton13->setToolTip(QStringLiteral("关闭"));

    // The page is a local file: the shared off-the-record profile serves it and,
    // unlike the window's own profile, outlives this dialog.
    webFavorites = new WebBrowser(QWebEngineProfile::defaultProfile(), this);
    webFavorites->setGeometry(0, 18, 306, 342);
    webFavorites->page()->settings()->setDefaultTextEncoding(QStringLiteral("GB18030"));

    bottomPanel = new QWidget(this);
    bottomPanel->setGeometry(0, 360, 306, 116);
    addDragHandle(bottomPanel);

    Label1 = new QLabel(QStringLiteral("LZ 加密密码作为个人收藏的依据，以便日后个人查看。"), bottomPanel);
    Label1->setGeometry(8, 4, 290, 34);
    Label1->setWordWrap(true);

    suiCheckBox1 = new QCheckBox(QStringLiteral("是否输入加密密码"), bottomPanel);
    suiCheckBox1->setGeometry(8, 38, 150, 20);
    suiCheckBox1->setChecked(false);

    edtCheck = FavouritesWidgets::passwordEdit(bottomPanel, 160, 20);
    edtCheck->move(8, 62);
    edtCheck->setEnabled(false);

    suiProgressBar1 = new QProgressBar(bottomPanel);
    suiProgressBar1->setRange(0, 100);
    suiProgressBar1->setValue(0);
    suiProgressBar1->setTextVisible(true);
    suiProgressBar1->setGeometry(8, 89, 196, 20);
    suiProgressBar1->hide();

    bbtnOk = FavouritesWidgets::button(bottomPanel, QStringLiteral("开始导入"));
    bbtnOk->move(306 - 80 - 10, 116 - 27 - 5);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    m_import = new FavouritesImport(sender ? std::move(sender) : std::make_unique<NetworkFilingSender>(), this);

    connect(suiImageButton13, &QAbstractButton::clicked, this, &TfrmLzFav::suiImageButton13Click);
    connect(suiCheckBox1, &QCheckBox::toggled, this, &TfrmLzFav::suiCheckBox1Click);
    connect(bbtnOk, &QPushButton::clicked, this, &TfrmLzFav::bbtnOkClick);
    connect(Timer1, &QTimer::timeout, this, &TfrmLzFav::Timer1Timer);
    connect(m_import, &FavouritesImport::advanced, this, &TfrmLzFav::importAdvanced);
    connect(m_import, &FavouritesImport::finished, this, &TfrmLzFav::importOver);
    connect(webFavorites->page(), &QWebEnginePage::loadFinished, this, [this](bool) {
        m_pageReady = true;
        if (m_waitingForPage) {
            m_waitingForPage = false;
            readLinksAndStart();
        }
    });
}

QString TfrmLzFav::pageFile() const
{
    return m_main->AppPath + QStringLiteral("LzFav.htm");
}

void TfrmLzFav::showEvent(QShowEvent *event)
{
    BorderlessDialog::showEvent(event);
    FormShow();
}

// Each showing loads the page file anew.
void TfrmLzFav::FormShow()
{
    m_pageReady = false;
    const QUrl fileUrl = QUrl::fromLocalFile(pageFile());
    QFile file(pageFile());
    if (file.size() <= ContentLimit && file.open(QIODevice::ReadOnly))
        webFavorites->page()->setContent(file.readAll(), QStringLiteral("text/html;charset=GB18030"), fileUrl);
    else
        webFavorites->view()->setUrl(fileUrl);
}

void TfrmLzFav::suiImageButton13Click()
{
    hide();
}

// Ticked: the password may be typed. Cleared: the password is gone.
void TfrmLzFav::suiCheckBox1Click()
{
    if (suiCheckBox1->isChecked()) {
        edtCheck->setEnabled(true);
    } else {
        edtCheck->clear();
        edtCheck->setEnabled(false);
    }
}

// "开始导入": the dialog goes into its running state and, once its page has
// loaded, files the page's links.
void TfrmLzFav::bbtnOkClick()
{
    if (m_busy)
        return;
    m_busy = true;
    bbtnOk->setEnabled(false);
    Timer1->start();
    suiProgressBar1->setValue(0);
    suiProgressBar1->show();
    m_importDate = QDate::currentDate();
    if (m_pageReady)
        readLinksAndStart();
    else
        m_waitingForPage = true;
}

void TfrmLzFav::readLinksAndStart()
{
    QPointer<TfrmLzFav> self(this);
    const QString password = edtCheck->text();
    webFavorites->page()->runJavaScript(
        QString::fromLatin1(LinksScript), QWebEngineScript::ApplicationWorld, [self, password](const QVariant &v) {
            if (!self)
                return;
            QList<FavouriteLink> links;
            for (const QVariant &item : v.toList()) {
                const QVariantList pair = item.toList();
                if (pair.size() == 2)
                    links.append({pair.at(0).toString(), pair.at(1).toString()});
            }
            self->m_import->start(links, self->m_main->serviceSite(), password, self->m_importDate);
        });
}

// The counter on the start button: the bar's position plus 1, then " 秒".
void TfrmLzFav::Timer1Timer()
{
    bbtnOk->setText(QString::number(suiProgressBar1->value() + 1) + QStringLiteral(" 秒"));
}

// One more link is done: the bar climbs and starts again from 0 at 100.
void TfrmLzFav::importAdvanced()
{
    const int next = suiProgressBar1->value() + 1;
    suiProgressBar1->setValue(next >= 100 ? 0 : next);
}

void TfrmLzFav::importOver(int failed)
{
    suiProgressBar1->setValue(100);
    Timer1->stop();
    suiProgressBar1->hide();
    QString text = QStringLiteral("电脑收藏夹导入岚舟完毕！!");
    if (failed > 0)
        text += QStringLiteral("\n其中 %1 个收藏未能导入。").arg(failed);
    MessageBox::show(this, text, QStringLiteral("提示"), QMessageBox::Information, QMessageBox::Ok);
    if (m_main->PclParent && m_main->TabSheet1)
        m_main->PclParent->setCurrentWidget(m_main->TabSheet1);
    hide();
    // Ready for another import in this run.
    bbtnOk->setText(QStringLiteral("开始导入"));
    bbtnOk->setEnabled(true);
    m_busy = false;
    emit importFinished(failed);
}
