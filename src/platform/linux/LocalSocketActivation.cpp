#include "platform/linux/LocalSocketActivation.h"

#include <QLocalServer>
#include <QLocalSocket>

#include "platform/linux/InstanceScope.h"

namespace {

const QByteArray Request = "raise\n";
const QByteArray Answer = "ok\n";

void Serve(QLocalSocket* socket, const std::function<void()>& bringForward) {
    if (!socket->canReadLine()) return;
    const bool known = socket->readLine() == Request;
    if (known) {
        // Answer first, so the later instance can end while this one comes forward.
        socket->write(Answer);
        socket->flush();
    }
    socket->disconnectFromServer();
    if (known && bringForward) bringForward();
}

}  // namespace

LocalSocketActivation::LocalSocketActivation() = default;

LocalSocketActivation::~LocalSocketActivation() {
    stopListening();
}

QString LocalSocketActivation::serverName(const std::string& name) {
    return QString::fromStdString(name + "-" + InstanceScope());
}

bool LocalSocketActivation::listen(const std::string& name, std::function<void()> bringForward) {
    stopListening();
    const QString server = serverName(name);
    // Only the instance that holds the claim listens, so a file left there is stale.
    QLocalServer::removeServer(server);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer* s = server_.get();
    QObject::connect(s, &QLocalServer::newConnection, s, [s, bringForward] {
        while (QLocalSocket* socket = s->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [socket, bringForward] { Serve(socket, bringForward); });
            Serve(socket, bringForward);  // the request may be here already
        }
    });
    if (server_->listen(server)) return true;
    server_.reset();
    return false;
}

void LocalSocketActivation::stopListening() {
    if (!server_) return;
    server_->close();
    server_.reset();
}

bool LocalSocketActivation::requestBringForward(const std::string& name) {
    QLocalSocket socket;
    socket.connectToServer(serverName(name));
    if (!socket.waitForConnected(WaitMs)) return false;
    socket.write(Request);
    if (!socket.waitForBytesWritten(WaitMs)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(WaitMs)) return false;
    }
    return socket.readLine() == Answer;
}
