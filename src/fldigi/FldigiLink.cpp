#include "fldigi/FldigiLink.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "fldigi/XmlRpcCodec.h"

FldigiLink::FldigiLink(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)) {
    // fldigi listens on this machine or the shack's network; a desktop proxy would only
    // stand in the way.
    network_->setProxy(QNetworkProxy::NoProxy);
    timeout_.setSingleShot(true);
    timeout_.setInterval(kTimeoutMs);
    connect(&timeout_, &QTimer::timeout, this, [this] {
        if (reply_) reply_->abort();
    });
    SetAddress(kDefaultHost, kDefaultPort);
}

void FldigiLink::SetAddress(const QString& host, int port) {
    url_ = QUrl();
    url_.setScheme("http");
    url_.setHost(host);
    url_.setPort(port);
    url_.setPath("/RPC2");
}

void FldigiLink::Poll() {
    if (InFlight()) return;
    Ask("modem.get_name", [this](const QString& modem) {
        Ask("main.get_trx_state", [this, modem](const QString& trx) { emit Answered(modem, trx); });
    });
}

void FldigiLink::Ask(const QString& method, std::function<void(const QString&)> then) {
    QNetworkRequest request(url_);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "text/xml");
    QNetworkReply* reply = network_->post(request, XmlRpcCall(method));
    reply_ = reply;
    timeout_.start();
    connect(reply, &QNetworkReply::finished, this, [this, reply, then = std::move(then)] {
        Finish();
        reply->deleteLater();
        const std::optional<QString> value = reply->error() == QNetworkReply::NoError
                                                 ? XmlRpcStringResult(reply->readAll())
                                                 : std::nullopt;
        // Any failure ends the poll; the next cycle asks again.
        if (value)
            then(*value);
        else
            emit Failed();
    });
}

void FldigiLink::Finish() {
    timeout_.stop();
    reply_ = nullptr;
}
