// The yardstick of the start-up benchmark: the least a Qt WebEngine program
// does to show one page in a window.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWebEngineView view;
    view.setUrl(QUrl(QString::fromLocal8Bit(argc > 1 ? argv[1] : "about:blank")));
    view.showMaximized();
    return app.exec();
}
