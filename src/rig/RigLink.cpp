#include "rig/RigLink.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <algorithm>

RigLink::RigLink(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this)) {
    // rigctld listens on this machine or the shack's network; a desktop proxy would only
    // stand in the way.
    socket_->setProxy(QNetworkProxy::NoProxy);
    timeout_.setSingleShot(true);
    timeout_.setInterval(kTimeoutMs);
    connect(&timeout_, &QTimer::timeout, this, &RigLink::Fail);
    connect(socket_, &QTcpSocket::connected, this, &RigLink::Connected);
    connect(socket_, &QTcpSocket::readyRead, this, &RigLink::ReadReply);
    // Refused, reset or closed by rigctld: a poll under way fails; between polls the next
    // one connects again.
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] {
        if (inFlight_) Fail();
    });
    SetAddress(kDefaultHost, kDefaultPort);
}

void RigLink::SetAddress(const QString& host, int port) {
    host_ = host;
    port_ = quint16(port);
    Reset();
}

void RigLink::Poll() {
    if (inFlight_) return;
    inFlight_ = true;
    reading_ = RigReading();
    timeout_.start();
    if (socket_->state() == QAbstractSocket::ConnectedState) {
        steps_ = ReadingSteps();
        NextStep();
        return;
    }
    socket_->abort();
    buffer_.clear();
    socket_->connectToHost(host_, port_);
}

void RigLink::Connected() {
    steps_ = {{"l ?", 1, false, [this](const RigReply& reply) {
                   // A rig without levels, or a rigctld that does not list them, is read
                   // without meters.
                   levels_ = reply.error || reply.lines.empty()
                                 ? std::vector<std::string>()
                                 : ParseLevelNames(reply.lines.front());
                   steps_ = ReadingSteps();
               }}};
    NextStep();
}

bool RigLink::Offers(const char* level) const {
    return std::ranges::find(levels_, level) != levels_.end();
}

std::vector<RigLink::Step> RigLink::ReadingSteps() {
    const auto value = [](const RigReply& reply) {
        return reply.error || reply.lines.empty() ? std::nullopt : ParseRigNumber(reply.lines[0]);
    };
    std::vector<Step> steps = {
        {"t", 1, false,
         [this](const RigReply& reply) {
             const std::optional<bool> ptt =
                 reply.error || reply.lines.empty() ? std::nullopt : ParsePtt(reply.lines[0]);
             reading_.ptt = ptt.value_or(false);
             // Without the transmit state nothing else counts: the poll fails.
             if (!ptt) Fail();
         }},
        {"f", 1, false,
         [this, value](const RigReply& reply) { reading_.frequencyHz = value(reply); }},
        {"m", 2, false,
         [this](const RigReply& reply) {
             if (!reply.error && !reply.lines.empty()) reading_.mode = ParseRigMode(reply.lines[0]);
         }},
    };
    const auto percent = [value](const RigReply& reply) {
        const std::optional<double> fraction = value(reply);
        return fraction ? std::optional<double>(*fraction * 100.0) : std::nullopt;
    };
    if (Offers("ALC"))
        steps.push_back({"l ALC", 1, true, [this, percent](const RigReply& reply) {
                             reading_.alcPercent = percent(reply);
                         }});
    if (Offers("SWR"))
        steps.push_back({"l SWR", 1, true,
                         [this, value](const RigReply& reply) { reading_.swr = value(reply); }});
    if (Offers("RFPOWER_METER_WATTS"))
        steps.push_back({"l RFPOWER_METER_WATTS", 1, true,
                         [this, value](const RigReply& reply) { reading_.watts = value(reply); }});
    else if (Offers("RFPOWER_METER"))
        steps.push_back({"l RFPOWER_METER", 1, true, [this, percent](const RigReply& reply) {
                             reading_.powerPercent = percent(reply);
                         }});
    return steps;
}

void RigLink::NextStep() {
    // Meters only while transmitting; the transmit state is the first answer of a poll.
    while (!steps_.empty() && steps_.front().whileTransmitting && !reading_.ptt)
        steps_.erase(steps_.begin());
    if (steps_.empty()) {
        timeout_.stop();
        inFlight_ = false;
        emit Answered(reading_);
        return;
    }
    timeout_.start();
    socket_->write(QByteArray::fromStdString(steps_.front().command + "\n"));
}

void RigLink::ReadReply() {
    buffer_ += socket_->readAll().toStdString();
    while (inFlight_ && !steps_.empty()) {
        const std::optional<RigReply> reply = TakeRigReply(buffer_, steps_.front().lines);
        if (!reply) return;
        buffer_.erase(0, reply->consumed);
        const Step step = std::move(steps_.front());
        steps_.erase(steps_.begin());
        step.take(*reply);
        if (!inFlight_) return;
        NextStep();
    }
    // Bytes that answer nothing asked (a late answer after a time-out ends the connection
    // anyway) are dropped.
    if (!inFlight_) buffer_.clear();
}

void RigLink::Fail() {
    if (!inFlight_) return;
    // The connection is out of step with its commands: start again on a fresh one.
    Reset();
    emit Failed();
}

void RigLink::Reset() {
    timeout_.stop();
    inFlight_ = false;
    steps_.clear();
    socket_->abort();
    buffer_.clear();
    levels_.clear();
}
