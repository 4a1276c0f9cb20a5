#include "browser/shell/DownloadManager.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

DownloadManager::DownloadManager(QWebEngineProfile *profile, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmDownloads"));
    setWindowTitle(QStringLiteral("下载"));
    resize(460, 240);
    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *list = new QWidget(scroll);
    m_rows = new QVBoxLayout(list);
    m_rows->addStretch();
    scroll->setWidget(list);
    outer->addWidget(scroll);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    outer->addWidget(close, 0, Qt::AlignRight);

    // Direct: a download not accepted inside this signal is cancelled.
    connect(profile, &QWebEngineProfile::downloadRequested, this, &DownloadManager::downloadRequested,
            Qt::DirectConnection);
}

QString DownloadManager::suggestedName(const QString &name)
{
    QString n = QUrl::fromPercentEncoding(name.toUtf8());
    n = QFileInfo(n).fileName(); // never a path of its own
    static const QString bad = QStringLiteral("\\/:*?\"<>|");
    for (QChar &c : n) {
        if (bad.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    }
    n = n.trimmed();
    if (n.isEmpty() || n == QLatin1String(".") || n == QLatin1String(".."))
        return QStringLiteral("download");
    return n;
}

QString DownloadManager::stateText(int state, const QString &reason)
{
    switch (state) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        return QStringLiteral("已完成");
    case QWebEngineDownloadRequest::DownloadCancelled:
        return QStringLiteral("已取消");
    case QWebEngineDownloadRequest::DownloadInterrupted:
        return QStringLiteral("失败：%1").arg(reason);
    default:
        return QStringLiteral("正在下载");
    }
}

QString DownloadManager::askPath(const QString &suggestedPath)
{
    if (m_chooser)
        return m_chooser(suggestedPath);
    return QFileDialog::getSaveFileName(parentWidget(), QStringLiteral("文件下载"), suggestedPath);
}

void DownloadManager::downloadRequested(QWebEngineDownloadRequest *download)
{
    if (download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    // A page saved by "另存为" already has its file.
    if (download->isSavePageDownload()) {
        download->accept();
        addRow(download);
        return;
    }
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    const QString path = askPath(QDir(dir).filePath(suggestedName(download->downloadFileName())));
    if (path.isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo target(path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    download->accept();
    addRow(download);
    show();
    raise();
}

void DownloadManager::addRow(QWebEngineDownloadRequest *download)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *name = new QLabel(download->downloadFileName(), row);
    name->setMinimumWidth(140);
    auto *bar = new QProgressBar(row);
    bar->setRange(0, 0);
    auto *state = new QLabel(stateText(download->state(), QString()), row);
    auto *cancel = new QPushButton(QStringLiteral("取消"), row);
    layout->addWidget(name, 1);
    layout->addWidget(bar, 1);
    layout->addWidget(state);
    layout->addWidget(cancel);
    m_rows->insertWidget(m_rows->count() - 1, row);

    QPointer<QWebEngineDownloadRequest> item(download);
    connect(cancel, &QPushButton::clicked, this, [item] {
        if (item)
            item->cancel();
    });
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, bar, [bar, item] {
        if (!item)
            return;
        const qint64 total = item->totalBytes();
        if (total > 0) {
            bar->setRange(0, 1000);
            bar->setValue(int(item->receivedBytes() * 1000 / total));
        }
    });
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, item, bar, state, cancel] {
        if (!item || !item->isFinished())
            return;
        const bool completed = item->state() == QWebEngineDownloadRequest::DownloadCompleted;
        bar->setRange(0, 1000);
        bar->setValue(completed ? 1000 : 0);
        state->setText(stateText(item->state(), item->interruptReasonString()));
        cancel->setEnabled(false);
        emit downloadEnded(QDir(item->downloadDirectory()).filePath(item->downloadFileName()), completed);
    });
}
