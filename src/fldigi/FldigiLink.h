#pragma once
// Asks fldigi over XML-RPC for its modem and transmit state, without ever waiting: the
// requests run on the event loop, one at a time, each given up after a time-out.

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

class FldigiLink : public QObject {
    Q_OBJECT
public:
    // fldigi's own defaults.
    static constexpr const char* kDefaultHost = "127.0.0.1";
    static constexpr int kDefaultPort = 7362;
    static constexpr int kTimeoutMs = 1000;

    explicit FldigiLink(QObject* parent = nullptr);

    void SetAddress(const QString& host, int port);
    // Starts one poll (modem.get_name, then main.get_trx_state) unless one is in flight:
    // a slow fldigi is asked again only once it has answered or timed out.
    void Poll();
    bool InFlight() const { return reply_ != nullptr; }

signals:
    void Answered(const QString& modemName, const QString& trxState);
    void Failed();

private:
    void Ask(const QString& method, std::function<void(const QString&)> then);
    void Finish();

    QNetworkAccessManager* network_;
    QTimer timeout_;
    QUrl url_;
    QNetworkReply* reply_ = nullptr;
};
