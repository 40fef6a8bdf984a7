#include "fldigi/XmlRpcCodec.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

QByteArray XmlRpcCall(const QString& method) {
    QByteArray body;
    QXmlStreamWriter writer(&body);
    writer.writeStartDocument();
    writer.writeStartElement("methodCall");
    writer.writeTextElement("methodName", method);
    writer.writeEmptyElement("params");
    writer.writeEndElement();
    writer.writeEndDocument();
    return body;
}

namespace {

// Moves to the next start element named `name` among the current element's children.
bool EnterChild(QXmlStreamReader& xml, const char* name) {
    return xml.readNextStartElement() && xml.name() == QLatin1String(name);
}

// Inside <value>: its text, or the text of a <string> child; nothing for any other type.
std::optional<QString> ReadStringValue(QXmlStreamReader& xml) {
    QString text;
    bool typed = false;  // the blanks around a <string> child are layout, not value
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::Characters:
                if (!typed) text += xml.text();
                break;
            case QXmlStreamReader::StartElement:
                if (typed || xml.name() != QLatin1String("string")) return std::nullopt;
                typed = true;
                text = xml.readElementText();
                if (xml.hasError()) return std::nullopt;
                break;
            case QXmlStreamReader::EndElement:
                return text;
            default:
                break;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> XmlRpcStringResult(const QByteArray& body) {
    QXmlStreamReader xml(body);
    // A <fault> in place of <params> fails the first step that looks for <params>.
    if (!EnterChild(xml, "methodResponse") || !EnterChild(xml, "params") ||
        !EnterChild(xml, "param") || !EnterChild(xml, "value"))
        return std::nullopt;
    std::optional<QString> value = ReadStringValue(xml);
    // The rest of the document must be well formed too: a truncated reply is no answer.
    while (value && !xml.atEnd()) xml.readNext();
    if (xml.hasError()) return std::nullopt;
    return value;
}
