#include "fldigi/XmlRpcCodec.h"

#include <gtest/gtest.h>

namespace {

// The one string parameter, typed or untyped; a fault, another type or a broken reply is
// no answer.
TEST(XmlRpcCodecTest, ReadsTheStringResultAndNothingElse) {
    const auto reply = [](const char* value) {
        return "<methodResponse><params><param><value>" + QByteArray(value) +
               "</value></param></params></methodResponse>";
    };
    EXPECT_EQ(XmlRpcStringResult(reply("<string>BPSK63</string>\n")), "BPSK63");
    EXPECT_EQ(XmlRpcStringResult(reply("R&amp;X")), "R&X");
    for (const QByteArray& wrong :
         {reply("<int>1</int>"), reply("<string>A</string><string>B</string>"),
          reply("TX").chopped(8),
          QByteArray("<methodResponse><fault><value>no</value></fault></methodResponse>")})
        EXPECT_EQ(XmlRpcStringResult(wrong), std::nullopt) << wrong.toStdString();
}

}  // namespace
