#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QNetworkAccessManager;

// One link of the favourites page: its address and its text.
struct FavouriteLink {
    QString href;
    QString text;
};

// Sends one filing request; done(ok) is called once, when the request ends.
class FilingSender
{
public:
    virtual ~FilingSender() = default;
    virtual void send(const QString &address, std::function<void(bool ok)> done) = 0;
};

// Plain GET requests over the network; each reply is released when it ends.
class NetworkFilingSender : public FilingSender
{
public:
    NetworkFilingSender();
    ~NetworkFilingSender() override;
    void send(const QString &address, std::function<void(bool ok)> done) override;

private:
    std::unique_ptr<QNetworkAccessManager> m_network;
};

// Files every link with the service, one request per interval (1000 ms), on
// the user-interface thread without blocking it. Finishes when the pause after
// the last link is over and every request has ended.
class FavouritesImport : public QObject
{
    Q_OBJECT
public:
    explicit FavouritesImport(std::unique_ptr<FilingSender> sender, QObject *parent = nullptr);
    ~FavouritesImport() override;

    void setInterval(int ms) { m_pause.setInterval(ms); }
    bool isRunning() const { return m_running; }

    void start(const QList<FavouriteLink> &links, const QString &site, const QString &password,
               const QDate &date);

signals:
    // The pause after one more link is over.
    void advanced();
    // The import is over; failed requests did not reach the service or were
    // refused by it.
    void finished(int failed);

private:
    void sendNext();
    void pauseOver();
    void finishWhenDone();

    std::unique_ptr<FilingSender> m_sender;
    QTimer m_pause;
    QList<FavouriteLink> m_links;
    QString m_site, m_password;
    QDate m_date;
    int m_next = 0;
    int m_pending = 0;
    int m_failed = 0;
    int m_run = 0;
    bool m_running = false;
    bool m_paced = false;
};
