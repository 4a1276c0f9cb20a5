#include "platform/WebDialogs.h"

bool WebDialogs::chooseSaveAs(WebBrowser *, QString *, QWebEngineDownloadRequest::SavePageFormat *)
{
    return false;
}

bool WebDialogs::choosePrinter(WebBrowser *, QPrinter *)
{
    return false;
}

void WebDialogs::showPrintPreview(WebBrowser *) {}

void WebDialogs::showProperties(WebBrowser *, const WebPageProperties &) {}

void WebDialogs::showFind(WebBrowser *) {}

bool WebDialogs::authenticate(WebBrowser *, const QUrl &, const QString &, bool, QString *, QString *)
{
    return false;
}

bool WebDialogs::acceptCertificateError(WebBrowser *, const QUrl &, const QString &)
{
    return false;
}

bool WebDialogs::allowFeature(WebBrowser *, const QUrl &, QWebEnginePage::Feature)
{
    return false;
}

bool WebDialogs::allowFullScreen(WebBrowser *, const QUrl &)
{
    return false;
}

void WebDialogs::javaScriptAlert(WebBrowser *, const QUrl &, const QString &) {}

bool WebDialogs::javaScriptConfirm(WebBrowser *, const QUrl &, const QString &)
{
    return false;
}

bool WebDialogs::javaScriptPrompt(WebBrowser *, const QUrl &, const QString &, const QString &, QString *)
{
    return false;
}

QStringList WebDialogs::chooseFiles(WebBrowser *, QWebEnginePage::FileSelectionMode, const QStringList &,
                                    const QStringList &)
{
    return {};
}
