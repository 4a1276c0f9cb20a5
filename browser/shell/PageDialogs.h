#pragma once

#include "platform/WebDialogs.h"

#include <QObject>
#include <QPointer>

class DownloadManager;
class QWebEngineProfile;
class QWidget;

// The browser's answers to what pages ask of their user, in the browser's
// language: save, print and preview dialogs, page properties, the find bar,
// logins, certificate errors, permissions, full screen, JavaScript dialogs,
// file choosers, and the downloads of the profile. Made once by the main
// window; it installs itself for every browser control.
class PageDialogs : public QObject, public WebDialogs
{
    Q_OBJECT
public:
    PageDialogs(QWebEngineProfile *profile, QWidget *owner);
    ~PageDialogs() override;

    DownloadManager *downloads() const { return m_downloads; }

    // Loads the Chinese translations of Qt and Qt WebEngine (the page's
    // context menu, the standard dialogs) once per program.
    static void installTranslations();

    bool chooseSaveAs(WebBrowser *browser, QString *path,
                      QWebEngineDownloadRequest::SavePageFormat *format) override;
    bool choosePrinter(WebBrowser *browser, QPrinter *printer) override;
    void showPrintPreview(WebBrowser *browser) override;
    void showProperties(WebBrowser *browser, const WebPageProperties &properties) override;
    void showFind(WebBrowser *browser) override;
    bool authenticate(WebBrowser *browser, const QUrl &url, const QString &realm, bool proxy,
                      QString *user, QString *password) override;
    bool acceptCertificateError(WebBrowser *browser, const QUrl &url, const QString &description) override;
    bool allowFeature(WebBrowser *browser, const QUrl &origin, QWebEnginePage::Feature feature) override;
    bool allowFullScreen(WebBrowser *browser, const QUrl &origin) override;
    void javaScriptAlert(WebBrowser *browser, const QUrl &origin, const QString &message) override;
    bool javaScriptConfirm(WebBrowser *browser, const QUrl &origin, const QString &message) override;
    bool javaScriptPrompt(WebBrowser *browser, const QUrl &origin, const QString &message,
                          const QString &defaultValue, QString *result) override;
    QStringList chooseFiles(WebBrowser *browser, QWebEnginePage::FileSelectionMode mode,
                            const QStringList &oldFiles, const QStringList &acceptedMimeTypes) override;

    // The description of a permission a page asks for.
    static QString featureText(QWebEnginePage::Feature feature);

private:
    bool askYesNo(WebBrowser *browser, const QString &text, const QString &caption);

    QPointer<QWidget> m_owner;
    DownloadManager *m_downloads;
};
