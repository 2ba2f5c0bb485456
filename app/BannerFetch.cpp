#include "app/BannerFetch.h"

#include "Addresses.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

class NoBannerSource final : public BannerSource
{
public:
    BannerRotation::Received fetch() override { return {}; }
};

NoBannerSource noBannerSource;
BannerSource *currentBannerSource = &noBannerSource;

std::optional<QByteArray> get(QNetworkAccessManager &manager, const QUrl &url, const QDeadlineTimer &deadline)
{
    if (!url.isValid() || deadline.hasExpired())
        return std::nullopt;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("text/html"));
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
    // A redirect is no success, as for the original client.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    QNetworkReply *reply = manager.get(request);
    // Qt stops reading from the socket once this much of the body waits unread,
    // so an endless answer costs little more memory than the limit. Twice the
    // limit, as Qt may stop short of the buffer's size and must get past the limit.
    reply->setReadBufferSize(2 * bannerMaxResponseBytes);
    bool tooLarge = false;
    auto refuse = [reply, &tooLarge] {
        tooLarge = true;
        reply->abort();
    };
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // An announced length past the limit is refused before any of the body is read.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, refuse] {
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > bannerMaxResponseBytes)
            refuse();
    });
    // Nothing reads the body before the end, so what waits unread is all received.
    // (Qt spaces out its progress signal, which may not come again once reading stops.)
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, refuse] {
        if (reply->bytesAvailable() > bannerMaxResponseBytes)
            refuse();
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, reply, &QNetworkReply::abort);
    timeout.start(std::max<qint64>(0, deadline.remainingTime()));
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timeout.stop();

    std::optional<QByteArray> body;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!tooLarge && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
        const QByteArray bytes = reply->readAll();
        if (bytes.size() <= bannerMaxResponseBytes)
            body = bytes;
    }
    reply->deleteLater();
    return body;
}

} // namespace

BannerRotation::Received fetchBanner(const QString &serverUrl, int deadlineMs)
{
    const QDeadlineTimer deadline(deadlineMs);
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    const QString server = serverUrl.endsWith(QLatin1Char('/')) ? serverUrl.chopped(1) : serverUrl;
    const QUrl listUrl(server + QLatin1String(bannerListPath));
    const QUrl flagUrl(server + QLatin1String(bannerFlagPath));

    BannerRotation::Received received;
    received.list = get(manager, listUrl, deadline);
    if (!received.list)
        return received;
    received.firstFlag = get(manager, flagUrl, deadline);
    // A first character that is not a digit already ends the preparation.
    if (!received.firstFlag || received.firstFlag->isEmpty() || received.firstFlag->at(0) < '0'
        || received.firstFlag->at(0) > '9')
        return received;
    received.secondFlag = get(manager, flagUrl, deadline);
    return received;
}

HttpBannerSource::HttpBannerSource() : m_serverUrl(QString::fromUtf8(Addresses::serverUrl)) {}

BannerSource &bannerSource()
{
    return *currentBannerSource;
}

void setBannerSource(BannerSource *source)
{
    currentBannerSource = source ? source : &noBannerSource;
}
