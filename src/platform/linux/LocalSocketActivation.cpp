#include "platform/linux/LocalSocketActivation.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/linux/InstanceFolder.h"

namespace {

// "raise", or "raise TOKEN" with the later instance's XDG_ACTIVATION_TOKEN: on Wayland the
// compositor lets a window take the focus only for a token from the launch.
const QByteArray kRequest = "raise";
const QByteArray kAnswer = "ok\n";
const char* const kTokenVariable = "XDG_ACTIVATION_TOKEN";

// The token of a request line, or nothing when the line is no request of ours.
std::optional<QByteArray> RequestToken(const QByteArray& line) {
    if (line == kRequest + "\n") return QByteArray();
    if (!line.startsWith(kRequest + " ") || !line.endsWith('\n')) return std::nullopt;
    const QByteArray token = line.mid(kRequest.size() + 1).chopped(1);
    const bool printable =
        std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7f; });
    if (token.isEmpty() || !printable) return std::nullopt;
    return token;
}

// The window comes forward with the token in the variable Qt's Wayland plugin reads when
// it asks for the focus; it goes again, used or not.
void BringForwardWith(const QByteArray& token, const std::function<void()>& bringForward) {
    if (!token.isEmpty()) qputenv(kTokenVariable, token);
    bringForward();
    qunsetenv(kTokenVariable);
}

QString PathIn(const std::string& folder, const std::string& name) {
    return QString::fromStdString(folder + "/" + name + ".socket");
}

void Drop(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

void Serve(QLocalSocket* socket, const std::function<void()>& bringForward) {
    if (!socket->canReadLine()) {
        // The read buffer holds no more than a line may have: anything longer is not ours.
        if (socket->bytesAvailable() >= LocalSocketActivation::kMaxLine) Drop(socket);
        return;
    }
    const std::optional<QByteArray> token = RequestToken(socket->readLine());
    if (token) {
        // Answer first, so the later instance can end while this one comes forward.
        socket->write(kAnswer);
        socket->flush();
    }
    socket->disconnectFromServer();
    if (token && bringForward) BringForwardWith(*token, bringForward);
}

}  // namespace

LocalSocketActivation::LocalSocketActivation() = default;

LocalSocketActivation::~LocalSocketActivation() {
    StopListening();
}

QString LocalSocketActivation::ServerPath(const std::string& name) {
    const std::string folder = PrivateInstanceFolder();
    return folder.empty() ? QString() : PathIn(folder, name);
}

bool LocalSocketActivation::Listen(const std::string& name, std::function<void()> bringForward) {
    StopListening();
    path_ = ServerPath(name);
    if (path_.isEmpty()) {
        std::fprintf(stderr, "quorvane: no private folder for the bring-forward socket\n");
        return false;
    }
    bringForward_ = std::move(bringForward);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->setMaxPendingConnections(kMaxConnections);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { Accept(); });
    if (!StartServer()) {
        std::fprintf(stderr, "quorvane: cannot listen on %s: %s\n", qPrintable(path_),
                     qPrintable(server_->errorString()));
        server_.reset();
        return false;
    }
    // Qt closes a server for good when accepting fails (out of file descriptors, say):
    // listen again once it can.
    relisten_ = std::make_unique<QTimer>();
    relisten_->setInterval(kRelistenMs);
    QObject::connect(relisten_.get(), &QTimer::timeout, relisten_.get(), [this] {
        if (!server_->isListening()) StartServer();
    });
    relisten_->start();
    return true;
}

bool LocalSocketActivation::StartServer() {
    // Only the instance that holds the claim listens, and only the user can write in the
    // folder, so a file left there is stale.
    QLocalServer::removeServer(path_);
    return server_->listen(path_);
}

void LocalSocketActivation::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (connections_ >= kMaxConnections) {
            Drop(socket);
            continue;
        }
        ++connections_;
        QObject::connect(socket, &QObject::destroyed, [this] { --connections_; });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->setReadBufferSize(kMaxLine);
        QTimer::singleShot(kIdleMs, socket, [socket] { Drop(socket); });
        QObject::connect(socket, &QLocalSocket::readyRead, socket,
                         [this, socket] { Serve(socket, bringForward_); });
        Serve(socket, bringForward_);  // the request may be here already
    }
}

void LocalSocketActivation::StopListening() {
    relisten_.reset();
    if (!server_) return;
    server_->close();
    server_.reset();
    connections_ = 0;
}

bool LocalSocketActivation::RequestBringForward(const std::string& name) {
    for (const std::string& folder : PrivateInstanceFolders()) {
        QLocalSocket socket;
        socket.connectToServer(PathIn(folder, name));
        if (!socket.waitForConnected(kWaitMs)) continue;
        const QByteArray token = qgetenv(kTokenVariable);
        socket.write(kRequest + (token.isEmpty() ? "" : " " + token) + "\n");
        if (!socket.waitForBytesWritten(kWaitMs)) continue;
        while (!socket.canReadLine() && socket.waitForReadyRead(kWaitMs)) {
        }
        if (socket.canReadLine() && socket.readLine() == kAnswer) return true;
    }
    return false;
}
