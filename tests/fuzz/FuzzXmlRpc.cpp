// The decoder takes whatever arrives on the socket, and finds a value only in a reply.

#include <QByteArray>

#include "FuzzInput.h"
#include "fldigi/XmlRpcCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check(!XmlRpcStringResult(body) || body.contains("methodResponse"));
    return 0;
}
