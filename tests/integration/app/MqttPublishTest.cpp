// Publishing over MQTT against Debian's mosquitto broker with a password file, watched by its
// mosquitto_sub: what arrives is what the status line showed, at the interval; a broker that
// goes away is found again; a wrong password shows, retries and is no error box.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <chrono>
#include <set>

#include "desktop/TrayIcon.h"
#include "support/MqttBroker.h"
#include "support/app/MainWindowHarness.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs the message loop until `done`, for 30 s at most.
bool Await(const std::function<bool()>& done) {
    for (const auto end = Clock::now() + std::chrono::seconds(30); !done(); ::usleep(10'000)) {
        if (Clock::now() > end) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// A state message's figures as the status line would show them; the field's text as sent.
std::vector<std::string> AsShown(const QString& json) {
    const auto field = [&json](const char* name) {
        const QRegularExpression pattern(QString("\"%1\":\"?([^\",}]*)").arg(name));
        return pattern.match(json).captured(1).toStdString();
    };
    return {field("status"),
            "PEAK: " + field("peak_volts") + "V",
            field("watts") + "W",
            "IMD:" + field("imd_db") + "db",
            "RMS:" + field("rms_error_percent") + "%",
            "LEVEL:" + field("level_percent") + "%",
            field("psk_mode")};
}

// The topic and payload of each line mosquitto_sub wrote, with its arrival time and whether
// it was retained.
struct Received {
    double time;
    bool retained;
    QString topic, payload;
};
std::vector<Received> Messages(const MqttSubscriber& subscriber) {
    std::vector<Received> messages;
    for (const std::string& line : subscriber.Lines()) {
        const QStringList parts = QString::fromStdString(line).split(' ');
        if (parts.size() >= 4)
            messages.push_back(
                {parts[0].toDouble(), parts[1] == "1", parts[2], parts.mid(3).join(' ')});
    }
    return messages;
}

TEST(MqttPublishTest, PublishesTheStatusLineAndOutlastsBrokerAndWrongPassword) {
    MainWindowHarness h({});
    const std::string dir = h.Home().Root();
    MqttBroker broker(dir);
    broker.Start();
    MqttSubscriber states(broker, "test/shack/state", dir + "/states");
    h.Home().WriteSettings(
        "[MISC]\r\nDebug=1\r\n[SHOW POWER]\r\nShow Power=1\r\n[MQTT]\r\nEnabled=1\r\n"
        "Host=127.0.0.1\r\nTopic=test/shack\r\nUsername=shack\r\nPassword=s3cret\r\n"
        "Interval=300\r\nPort=" +
        std::to_string(broker.port) + "\r\n");
    ASSERT_TRUE(h.Start());
    const QLabel* link = h.Dialogs().mqttDialog->linkState;
    const auto linkSays = [link](const char* text) {
        return [link, text] { return link->text().contains(text); };
    };
    ASSERT_TRUE(Await(linkSays("connected to 127.0.0.1"))) << link->text().toStdString();

    // Clean and splatter by turns, so that figures of two cycles cannot pass for one.
    std::set<std::vector<std::string>> shown;
    int cycles = 0;
    for (const auto end = Clock::now() + std::chrono::seconds(2); Clock::now() < end; ++cycles) {
        h.Meter().SetScenario(cycles % 2 ? "splatter" : "clean");
        h.Cycle();
        const QString power = QString::fromStdString(h.Label("power")).trimmed();
        shown.insert({h.StatusWord(), h.Label("peakVolts"), power.toStdString(), h.Label("imd"),
                      h.Label("rms"), h.Label("level"), h.Label("mode")});
        QTest::qWait(20);
    }
    QTest::qWait(500);
    const std::vector<Received> received = Messages(states);
    ASSERT_GE(received.size(), 4u);
    EXPECT_LT(received.size(), std::size_t(cycles / 2)) << "sent per cycle, not per interval";
    for (std::size_t i = 0; i < received.size(); ++i) {
        EXPECT_TRUE(shown.contains(AsShown(received[i].payload)))
            << received[i].payload.toStdString();
        const double gap = i > 0 ? received[i].time - received[i - 1].time : 1.0;
        EXPECT_GT(gap, 0.2) << "closer than the interval";
    }

    // The broker killed and started again on its port: the program finds it by itself, says
    // "online" again (retained) and publishes on.
    broker.Stop();
    ASSERT_TRUE(Await(linkSays("retrying")));
    broker.Start();
    ASSERT_TRUE(Await(linkSays("connected to 127.0.0.1")));
    MqttSubscriber after(broker, "test/shack/#", dir + "/after");
    h.Cycle();
    ASSERT_TRUE(Await([&] { return Messages(after).size() >= 2; }));
    const std::vector<Received> resumed = Messages(after);
    EXPECT_TRUE(resumed[0].retained && resumed[0].payload == "online");
    EXPECT_EQ(resumed[1].topic, "test/shack/state");

    // A wrong password from the dialog (Enter takes it): refused, shown, tried again.
    ASSERT_TRUE(h.Operate(h.Command("chooseMqtt"), *h.Dialogs().mqttDialog, [&h] {
        QLineEdit* password = h.Dialogs().mqttDialog->passwordEdit;
        password->setText("wrong");
        QTest::keyClick(password, Qt::Key_Return);
    }));
    ASSERT_TRUE(Await(linkSays("login refused")));
    EXPECT_NE(h.Probe().TrayLight()->Hint().find("\nMQTT: login refused"), std::string::npos);
    ASSERT_TRUE(Await(linkSays("retrying in 2 s"))) << "no second try";
    EXPECT_TRUE(h.Messages().empty());
    h.Shutdown();
    EXPECT_EQ(h.Saved("MQTT", "Password"), "wrong");
    const std::string log = FileText(h.WorkDir() + "/quorvane.log");
    EXPECT_NE(log.find("MQTT: connected to 127.0.0.1"), std::string::npos);
    EXPECT_EQ(log.find("s3cret"), std::string::npos);
    EXPECT_EQ(log.find("wrong"), std::string::npos);
}

}  // namespace
