#include "meter/MeterProtocol.h"

#include <algorithm>
#include <iterator>

std::string ComPortName(int comPort) {
    return "COM" + std::to_string(comPort);
}

std::string ComPortOpenName(int comPort) {
    return comPort >= 10 ? "\\\\.\\" + ComPortName(comPort) : ComPortName(comPort);
}

std::string MonitoringCaption(bool psk63, int comPort) {
    return FilledIn(Translated("Caption", "%1 RF Monitoring on %2"),
                    {psk63 ? "PSK63" : "PSK31", ComPortName(comPort)});
}

bool IsIdentificationText(const std::string& reply) {
    return reply.starts_with("QUORVANE");
}

std::string FirmwareVersionIn(const std::string& identification) {
    static const std::string marker = "Version ";
    const auto at = identification.find(marker);
    if (at == std::string::npos) return {};
    return identification.substr(at + marker.size(), 4);
}

bool FirmwareSupportsPsk63(const std::string& firmwareVersion) {
    const bool digitsAndAPoint =
        std::ranges::all_of(firmwareVersion,
                            [](char c) { return (c >= '0' && c <= '9') || c == '.'; }) &&
        std::ranges::count(firmwareVersion, '.') <= 1;
    // std::string compares through char_traits<char>, which orders bytes as unsigned.
    return digitsAndAPoint && firmwareVersion > std::string("1.00");
}

std::string PrintableText(const std::string& reply) {
    std::string text;
    std::ranges::copy_if(reply, std::back_inserter(text),
                         [](char c) { return c >= ' ' && c <= '~'; });
    return text;
}

PskModeDisplay PskModeAfterFirmwareQuery(const std::string& firmwareVersion, bool psk63Checked,
                                         int comPort) {
    PskModeDisplay display;
    if (!FirmwareSupportsPsk63(firmwareVersion)) return display;
    display.Psk63Enabled = true;
    display.ModeLabel = psk63Checked ? "PSK63" : "PSK31";
    display.CaptionChanges = true;
    display.Caption = MonitoringCaption(psk63Checked, comPort);
    return display;
}
