#pragma once
// The few XML-RPC messages the program exchanges with fldigi: a call without parameters,
// and a reply carrying one string.

#include <QByteArray>
#include <QString>
#include <optional>

// <methodCall> of `method` with no parameters.
QByteArray XmlRpcCall(const QString& method);

// The string a <methodResponse> carries as its one parameter, typed <string> or untyped
// (XML-RPC's default type). Nothing for a fault, a value of another type or a body that is
// not such a response.
std::optional<QString> XmlRpcStringResult(const QByteArray& body);
