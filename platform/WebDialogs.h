#pragma once

#include <QStringList>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>

class QPrinter;
class QWidget;
class WebBrowser;

// What a page shows of itself in a properties dialog; a field left empty or
// negative is not known.
struct WebPageProperties {
    QString title;
    QString address;
    QString protocol;
    QString type;
    QString encoding;
    QString lastModified;
    qint64 size = -1;
};

// Everything the browser control has to ask its user or show to them. The
// application installs one (WebBrowser::setDialogs); tests install one that
// answers in their place. This base answers every question with "no" and
// shows nothing, so a control without dialogs refuses whatever a page asks.
class WebDialogs
{
public:
    virtual ~WebDialogs() = default;

    // Save as: *path holds a suggested file path on entry; true to save to
    // *path in *format.
    virtual bool chooseSaveAs(WebBrowser *browser, QString *path,
                              QWebEngineDownloadRequest::SavePageFormat *format);
    // Print: true when printer is set up and the page is to be printed.
    virtual bool choosePrinter(WebBrowser *browser, QPrinter *printer);
    // A preview that paints through WebBrowser::printAndWait.
    virtual void showPrintPreview(WebBrowser *browser);
    virtual void showProperties(WebBrowser *browser, const WebPageProperties &properties);
    // The user asked to find text in the page (Ctrl+F on the page).
    virtual void showFind(WebBrowser *browser);

    virtual bool authenticate(WebBrowser *browser, const QUrl &url, const QString &realm, bool proxy,
                              QString *user, QString *password);
    // A certificate error: true to go on to the page anyway.
    virtual bool acceptCertificateError(WebBrowser *browser, const QUrl &url, const QString &description);
    virtual bool allowFeature(WebBrowser *browser, const QUrl &origin, QWebEnginePage::Feature feature);
    virtual bool allowFullScreen(WebBrowser *browser, const QUrl &origin);

    virtual void javaScriptAlert(WebBrowser *browser, const QUrl &origin, const QString &message);
    virtual bool javaScriptConfirm(WebBrowser *browser, const QUrl &origin, const QString &message);
    virtual bool javaScriptPrompt(WebBrowser *browser, const QUrl &origin, const QString &message,
                                  const QString &defaultValue, QString *result);
    virtual QStringList chooseFiles(WebBrowser *browser, QWebEnginePage::FileSelectionMode mode,
                                    const QStringList &oldFiles, const QStringList &acceptedMimeTypes);
};
