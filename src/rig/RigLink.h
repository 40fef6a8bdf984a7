#pragma once
// Asks rigctld for the rig's transmit state, frequency and mode, and while it transmits for
// its meters, without ever waiting: the commands go out on the event loop one at a time,
// each given up after a time-out, and a lost connection is made again by the next poll.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "rig/RigFollow.h"
#include "rig/RigProtocol.h"

class QTcpSocket;

class RigLink : public QObject {
    Q_OBJECT
public:
    // rigctld's own defaults.
    static constexpr const char* kDefaultHost = "127.0.0.1";
    static constexpr int kDefaultPort = 4532;
    static constexpr int kTimeoutMs = 1000;

    explicit RigLink(QObject* parent = nullptr);

    // Takes effect from the next connection on; a connection open now is closed.
    void SetAddress(const QString& host, int port);
    // Starts one poll unless one is in flight: a slow rigctld is asked again only once it
    // has answered or timed out. A new connection first asks which levels the rig offers.
    void Poll();
    bool InFlight() const { return inFlight_; }

signals:
    void Answered(const RigReading& reading);
    void Failed();

private:
    struct Step {
        std::string command;
        int lines;
        bool whileTransmitting;  // a meter: read only while the rig transmits
        std::function<void(const RigReply&)> take;
    };

    void Connected();
    void NextStep();
    void ReadReply();
    void Fail();
    void Reset();
    std::vector<Step> ReadingSteps();
    bool Offers(const char* level) const;

    QTcpSocket* socket_;
    QTimer timeout_;
    QString host_;
    quint16 port_ = 0;
    std::string buffer_;
    std::vector<std::string> levels_;  // offered by the rig, asked once a connection
    std::vector<Step> steps_;          // the poll's commands still to answer
    RigReading reading_;
    bool inFlight_ = false;
};
