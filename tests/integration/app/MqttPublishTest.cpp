// Publishing to Debian's mosquitto broker, watched by its mosquitto_sub: what arrives is what
// the status line showed, once per interval; a broker killed and restarted is found again; a
// wrong password shows, retries and opens no box; the log never holds the password.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <set>

#include "desktop/TrayIcon.h"
#include "support/MqttBroker.h"
#include "support/app/MainWindowHarness.h"

namespace {

// Each message as {arrival time, retained, topic, payload}.
std::vector<QStringList> Heard(const MqttSubscriber& subscriber) {
    std::vector<QStringList> heard;
    for (const std::string& line : subscriber.Lines())
        heard.push_back(QString::fromStdString(line).split(' ').mid(0, 3) +
                        QStringList(QString::fromStdString(line).section(' ', 3)));
    return heard;
}

// A state message's figures as the status line shows them.
std::vector<std::string> AsShown(const QString& json) {
    const auto field = [&json](const char* name) {
        return QRegularExpression(QString("\"%1\":\"?([^\",}]*)").arg(name))
            .match(json)
            .captured(1)
            .toStdString();
    };
    return {field("status"),
            "PEAK: " + field("peak_volts") + "V",
            field("watts") + "W",
            "IMD:" + field("imd_db") + "db",
            "RMS:" + field("rms_error_percent") + "%",
            "LEVEL:" + field("level_percent") + "%",
            field("psk_mode")};
}

TEST(MqttPublishTest, PublishesTheStatusLineAndOutlastsBrokerAndWrongPassword) {
    MainWindowHarness h({});
    const std::string dir = h.Home().Root();
    MqttBroker broker(dir);
    broker.Start();
    const MqttSubscriber states(broker, "test/state", dir + "/states");
    h.Home().WriteSettings(
        "[MISC]\r\nDebug=1\r\n[SHOW POWER]\r\nShow Power=1\r\n[MQTT]\r\nEnabled=1\r\n"
        "Host=127.0.0.1\r\nTopic=test\r\nUsername=shack\r\nPassword=s3cret\r\n"
        "Interval=300\r\nPort=" +
        std::to_string(broker.port) + "\r\n");
    ASSERT_TRUE(h.Start());
    const QLabel* link = h.Dialogs().mqttDialog->linkState;
    const auto await = [link](const char* text) {
        return QTest::qWaitFor([&] { return link->text().contains(text); }, 30000);
    };
    ASSERT_TRUE(await("connected to 127.0.0.1")) << link->text().toStdString();

    // Clean and splatter by turns, so that figures of two cycles cannot pass for one.
    std::set<std::vector<std::string>> shown;
    int cycles = 0;
    for (QElapsedTimer t; !t.isValid() || t.elapsed() < 2000; ++cycles, QTest::qWait(20)) {
        if (!t.isValid()) t.start();
        h.Meter().SetScenario(cycles % 2 ? "splatter" : "clean");
        h.Cycle();
        shown.insert({h.StatusWord(), h.Label("peakVolts"),
                      QString::fromStdString(h.Label("power")).trimmed().toStdString(),
                      h.Label("imd"), h.Label("rms"), h.Label("level"), h.Label("mode")});
    }
    QTest::qWait(400);
    const std::vector<QStringList> heard = Heard(states);
    ASSERT_GE(heard.size(), 4u);
    for (std::size_t i = 0; i < heard.size(); ++i) {
        EXPECT_TRUE(shown.contains(AsShown(heard[i][3]))) << heard[i][3].toStdString();
        EXPECT_GT(heard[i][0].toDouble() - heard[i ? i - 1 : i][0].toDouble(), i ? 0.2 : -1)
            << "within the interval";
    }

    // After the broker's restart the program is back by itself, "online" (retained) and publishing.
    broker.Kill();
    ASSERT_TRUE(await("retrying"));
    broker.Start();
    ASSERT_TRUE(await("connected to 127.0.0.1"));
    const MqttSubscriber after(broker, "test/#", dir + "/after");
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.Cycle(), Heard(after).size() >= 2; }, 30000));
    EXPECT_EQ(Heard(after)[0].mid(1), QStringList({"1", "test/availability", "online"}));
    EXPECT_EQ(Heard(after)[1][2], "test/state");

    // A wrong password from the dialog (Enter takes it): refused, shown, tried again.
    ASSERT_TRUE(h.Operate(h.Command("chooseMqtt"), *h.Dialogs().mqttDialog, [&h] {
        h.Dialogs().mqttDialog->passwordEdit->setText("wrong");
        QTest::keyClick(h.Dialogs().mqttDialog->passwordEdit, Qt::Key_Return);
    }));
    ASSERT_TRUE(await("login refused"));
    EXPECT_NE(h.Probe().TrayLight()->Hint().find("\nMQTT: login refused"), std::string::npos);
    EXPECT_TRUE(await("retrying in 2 s")) << "no second try";
    EXPECT_TRUE(h.Messages().empty());
    h.Shutdown();
    EXPECT_EQ(h.Saved("MQTT", "Password"), "wrong");
    const std::string log = FileText(h.WorkDir() + "/quorvane.log");
    EXPECT_NE(log.find("MQTT: connected to 127.0.0.1"), std::string::npos);
    EXPECT_EQ(log.find("s3cret"), std::string::npos);
    EXPECT_EQ(log.find("wrong"), std::string::npos);
}

}  // namespace
