#include "browser/shell/PageDialogs.h"

#include "browser/shell/DownloadManager.h"
#include "browser/shell/FindBar.h"
#include "browser/shell/PagePropertiesDialog.h"
#include "platform/MessageBox.h"
#include "platform/WebBrowser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace {

// Keeps a print preview, and the printer it owns, alive while the page is
// printing into it: a preview closed during a paint goes once the paint is
// over, not from inside the wait for the print.
class PreviewKeeper : public QObject
{
public:
    explicit PreviewKeeper(QWidget *preview) : QObject(preview) { preview->installEventFilter(this); }

    bool painting = false;
    bool deletePending = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::DeferredDelete && painting) {
            deletePending = true;
            return true;
        }
        return false;
    }
};

} // namespace

PageDialogs::PageDialogs(QWebEngineProfile *profile, QWidget *owner)
    : QObject(owner), m_owner(owner), m_downloads(new DownloadManager(profile, owner))
{
    WebBrowser::setDialogs(this);
    WebBrowser::setCrashTexts({QStringLiteral("网页已停止"),
                               QStringLiteral("显示此网页的进程意外结束了。"),
                               QStringLiteral("重新加载 %1")});
}

PageDialogs::~PageDialogs()
{
    if (WebBrowser::dialogs() == this)
        WebBrowser::setDialogs(nullptr);
}

void PageDialogs::installTranslations()
{
    static bool done = false;
    if (done || !qApp)
        return;
    done = true;
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *name : {"qtbase_zh_CN", "qtwebengine_zh_CN"}) {
        auto *t = new QTranslator(qApp);
        if (t->load(QLatin1String(name), dir))
            QCoreApplication::installTranslator(t);
        else
            delete t;
    }
}

bool PageDialogs::chooseSaveAs(WebBrowser *browser, QString *path,
                               QWebEngineDownloadRequest::SavePageFormat *format)
{
    const QString complete = QStringLiteral("网页，全部 (*.htm *.html)");
    const QString single = QStringLiteral("网页，仅 HTML (*.htm *.html)");
    const QString archive = QStringLiteral("Web 档案，单个文件 (*.mht *.mhtml)");
    QString filter = archive;
    const QString chosen = QFileDialog::getSaveFileName(browser->window(), QStringLiteral("保存网页"), *path,
                                                        QStringList{complete, single, archive}.join(QStringLiteral(";;")),
                                                        &filter);
    if (chosen.isEmpty())
        return false;
    QString file = chosen;
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (filter == archive) {
        *format = QWebEngineDownloadRequest::MimeHtmlSaveFormat;
        if (suffix != QLatin1String("mht") && suffix != QLatin1String("mhtml"))
            file += QStringLiteral(".mht");
    } else {
        *format = filter == complete ? QWebEngineDownloadRequest::CompleteHtmlSaveFormat
                                     : QWebEngineDownloadRequest::SingleHtmlSaveFormat;
        if (suffix != QLatin1String("htm") && suffix != QLatin1String("html"))
            file += QStringLiteral(".htm");
    }
    *path = file;
    return true;
}

bool PageDialogs::choosePrinter(WebBrowser *browser, QPrinter *printer)
{
    QPrintDialog dialog(printer, browser->window());
    dialog.setWindowTitle(QStringLiteral("打印"));
    return dialog.exec() == QDialog::Accepted;
}

void PageDialogs::showPrintPreview(WebBrowser *browser)
{
    auto *preview = new QPrintPreviewDialog(browser->window());
    preview->setObjectName(QStringLiteral("frmPrintPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("打印预览"));
    preview->resize(900, 700);
    QPointer<WebBrowser> page(browser);
    auto *keeper = new PreviewKeeper(preview);
    // Every repaint of the preview prints the page anew through the view.
    connect(preview, &QPrintPreviewDialog::paintRequested, preview, [preview, page, keeper](QPrinter *printer) {
        keeper->painting = true;
        if (page)
            page->printAndWait(printer);
        keeper->painting = false;
        if (keeper->deletePending)
            preview->deleteLater();
    });
    preview->open();
}

void PageDialogs::showProperties(WebBrowser *browser, const WebPageProperties &properties)
{
    QWidget *owner = m_owner ? m_owner.data() : browser->window();
    auto *dialog = owner->findChild<PagePropertiesDialog *>(QStringLiteral("frmProperties"));
    if (!dialog)
        dialog = new PagePropertiesDialog(owner);
    dialog->setProperties(properties);
    dialog->show();
    dialog->raise();
}

void PageDialogs::showFind(WebBrowser *browser)
{
    FindBar::open(browser);
}

bool PageDialogs::authenticate(WebBrowser *browser, const QUrl &url, const QString &realm, bool proxy,
                               QString *user, QString *password)
{
    QDialog dialog(browser->window());
    dialog.setWindowTitle(proxy ? QStringLiteral("代理服务器需要验证") : QStringLiteral("需要验证"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *intro = new QLabel(QStringLiteral("%1 要求输入用户名和密码。站点说：“%2”")
                                 .arg(url.host().toHtmlEscaped(), realm.toHtmlEscaped()),
                             &dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    auto *userEdit = new QLineEdit(&dialog);
    auto *passwordEdit = new QLineEdit(&dialog);
    passwordEdit->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("用户名："), userEdit);
    form->addRow(QStringLiteral("密码："), passwordEdit);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *user = userEdit->text();
    *password = passwordEdit->text();
    return true;
}

// A question whose default answer is "否".
bool PageDialogs::askYesNo(WebBrowser *browser, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, browser->window());
    QPushButton *yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

bool PageDialogs::acceptCertificateError(WebBrowser *browser, const QUrl &url, const QString &description)
{
    return askYesNo(browser,
                    QStringLiteral("%1 的安全证书有问题：\n%2\n\n是否继续浏览此网站(不推荐)？")
                        .arg(url.host(), description),
                    QStringLiteral("安全警报"));
}

QString PageDialogs::featureText(QWebEnginePage::Feature feature)
{
    switch (feature) {
    case QWebEnginePage::Notifications:
        return QStringLiteral("显示通知");
    case QWebEnginePage::Geolocation:
        return QStringLiteral("获取您的位置");
    case QWebEnginePage::MediaAudioCapture:
        return QStringLiteral("使用您的麦克风");
    case QWebEnginePage::MediaVideoCapture:
        return QStringLiteral("使用您的摄像头");
    case QWebEnginePage::MediaAudioVideoCapture:
        return QStringLiteral("使用您的摄像头和麦克风");
    case QWebEnginePage::MouseLock:
        return QStringLiteral("锁定鼠标指针");
    case QWebEnginePage::DesktopVideoCapture:
        return QStringLiteral("录制您的屏幕");
    case QWebEnginePage::DesktopAudioVideoCapture:
        return QStringLiteral("录制您的屏幕和声音");
    }
    return QStringLiteral("使用特殊功能");
}

bool PageDialogs::allowFeature(WebBrowser *browser, const QUrl &origin, QWebEnginePage::Feature feature)
{
    return askYesNo(browser,
                    QStringLiteral("网站 %1 请求%2。是否允许？").arg(origin.host(), featureText(feature)),
                    QStringLiteral("权限请求"));
}

bool PageDialogs::allowFullScreen(WebBrowser *browser, const QUrl &origin)
{
    return askYesNo(browser, QStringLiteral("网站 %1 请求全屏显示。是否允许？").arg(origin.host()),
                    QStringLiteral("全屏"));
}

void PageDialogs::javaScriptAlert(WebBrowser *browser, const QUrl &, const QString &message)
{
    MessageBox::show(browser->window(), message, QStringLiteral("来自网页的消息"), QMessageBox::Warning,
                     QMessageBox::Ok);
}

bool PageDialogs::javaScriptConfirm(WebBrowser *browser, const QUrl &, const QString &message)
{
    return MessageBox::show(browser->window(), message, QStringLiteral("来自网页的消息"), QMessageBox::Question,
                            QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

bool PageDialogs::javaScriptPrompt(WebBrowser *browser, const QUrl &, const QString &message,
                                   const QString &defaultValue, QString *result)
{
    bool ok = false;
    const QString text = QInputDialog::getText(browser->window(), QStringLiteral("来自网页的消息"), message,
                                               QLineEdit::Normal, defaultValue, &ok);
    if (ok)
        *result = text;
    return ok;
}

QStringList PageDialogs::chooseFiles(WebBrowser *browser, QWebEnginePage::FileSelectionMode mode,
                                     const QStringList &oldFiles, const QStringList &)
{
    const QString start = oldFiles.isEmpty() ? QString() : oldFiles.first();
    if (mode == QWebEnginePage::FileSelectOpenMultiple)
        return QFileDialog::getOpenFileNames(browser->window(), QStringLiteral("选择要上载的文件"), start);
    const QString file = QFileDialog::getOpenFileName(browser->window(), QStringLiteral("选择要上载的文件"), start);
    return file.isEmpty() ? QStringList() : QStringList{file};
}
