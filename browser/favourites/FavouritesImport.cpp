#include "browser/favourites/FavouritesImport.h"

#include "browser/favourites/FavouritesPages.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

NetworkFilingSender::NetworkFilingSender()
    : m_network(std::make_unique<QNetworkAccessManager>())
{
}

NetworkFilingSender::~NetworkFilingSender() = default;

void NetworkFilingSender::send(const QString &address, std::function<void(bool ok)> done)
{
    QNetworkRequest request(QUrl(address, QUrl::StrictMode));
    request.setTransferTimeout(30000);
    QNetworkReply *reply = m_network->get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done] {
        const bool ok = reply->error() == QNetworkReply::NoError;
        reply->deleteLater();
        done(ok);
    });
}

FavouritesImport::FavouritesImport(std::unique_ptr<FilingSender> sender, QObject *parent)
    : QObject(parent), m_sender(std::move(sender))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(1000);
    connect(&m_pause, &QTimer::timeout, this, &FavouritesImport::pauseOver);
}

// The sender goes first: no reply may call back into a half-destroyed import.
FavouritesImport::~FavouritesImport()
{
    m_sender.reset();
}

void FavouritesImport::start(const QList<FavouriteLink> &links, const QString &site, const QString &password,
                             const QDate &date)
{
    if (m_running)
        return;
    m_links = links;
    m_site = site;
    m_password = password;
    m_date = date;
    m_next = 0;
    m_pending = 0;
    m_failed = 0;
    ++m_run;
    m_running = true;
    m_paced = m_links.isEmpty();
    if (m_paced)
        finishWhenDone();
    else
        sendNext();
}

void FavouritesImport::sendNext()
{
    const FavouriteLink &link = m_links.at(m_next++);
    ++m_pending;
    const int run = m_run;
    QPointer<FavouritesImport> self(this);
    m_sender->send(LzFav::filingAddress(m_site, link.text, link.href, m_password, m_date), [self, run](bool ok) {
        if (!self || self->m_run != run)
            return;
        --self->m_pending;
        if (!ok)
            ++self->m_failed;
        self->finishWhenDone();
    });
    m_pause.start();
}

void FavouritesImport::pauseOver()
{
    emit advanced();
    if (m_next < m_links.size()) {
        sendNext();
        return;
    }
    m_paced = true;
    finishWhenDone();
}

void FavouritesImport::finishWhenDone()
{
    if (!m_running || !m_paced || m_pending > 0)
        return;
    m_running = false;
    emit finished(m_failed);
}
