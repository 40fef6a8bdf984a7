#include "fldigi/XmlRpcCodec.h"

#include <gtest/gtest.h>

namespace {

// The one string parameter, typed or untyped; a fault, another type or a broken reply is
// no answer.
TEST(XmlRpcCodecTest, ReadsTheStringResultAndNothingElse) {
    const QByteArray head = "<methodResponse><params><param><value>",
                     tail = "</value></param></params></methodResponse>";
    EXPECT_EQ(XmlRpcStringResult(head + "<string>BPSK63</string>\n" + tail), "BPSK63");
    EXPECT_EQ(XmlRpcStringResult(head + "R&amp;X" + tail), "R&X");
    for (const QByteArray& wrong :
         {head + "<int>1</int>" + tail, head + "TX" + tail.chopped(8),
          QByteArray("<methodResponse><fault><value>no</value></fault></methodResponse>")})
        EXPECT_EQ(XmlRpcStringResult(wrong), std::nullopt) << wrong.toStdString();
}

}  // namespace
