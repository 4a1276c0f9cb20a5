#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

class QVBoxLayout;
class QWebEngineDownloadRequest;
class QWebEngineProfile;

// The downloads of one profile: a link to a file asks where to save it, and
// the small window "下载" lists each download with its progress, its end and
// a button that cancels it.
class DownloadManager : public QDialog
{
    Q_OBJECT
public:
    // Answers where a download goes: the chosen file path, or empty to cancel.
    using PathChooser = std::function<QString(const QString &suggestedPath)>;

    DownloadManager(QWebEngineProfile *profile, QWidget *owner);

    // Replaces the save dialog (tests answer in its place).
    void setPathChooser(PathChooser chooser) { m_chooser = std::move(chooser); }

    // The file name a download suggests, decoded and safe to use as a name.
    static QString suggestedName(const QString &name);
    // The text of a download's state in the list.
    static QString stateText(int state, const QString &reason);

signals:
    // A download ended (completed, cancelled or interrupted).
    void downloadEnded(const QString &path, bool completed);

private:
    void downloadRequested(QWebEngineDownloadRequest *download);
    void addRow(QWebEngineDownloadRequest *download);
    QString askPath(const QString &suggestedPath);

    PathChooser m_chooser;
    QVBoxLayout *m_rows;
};
