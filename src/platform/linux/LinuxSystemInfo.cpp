#include "platform/linux/LinuxSystemInfo.h"

#include <QString>
#include <QSysInfo>

#include <charconv>

// Set by the build from the project version; a part the version leaves out reads 0.
#ifndef QUORVANE_VERSION_MAJOR
#define QUORVANE_VERSION_MAJOR 0
#endif
#ifndef QUORVANE_VERSION_MINOR
#define QUORVANE_VERSION_MINOR 0
#endif
#ifndef QUORVANE_VERSION_PATCH
#define QUORVANE_VERSION_PATCH 0
#endif
#ifndef QUORVANE_VERSION_TWEAK
#define QUORVANE_VERSION_TWEAK 0
#endif

namespace {

struct PrimaryLanguage {
    QLocale::Language language;
    uint16_t id;
};

// Windows' primary language numbers for the languages a Qt locale may name.
constexpr PrimaryLanguage kPrimary[] = {
    {QLocale::Arabic, 0x01},
    {QLocale::Bulgarian, 0x02},
    {QLocale::Catalan, 0x03},
    {QLocale::Chinese, 0x04},
    {QLocale::Czech, 0x05},
    {QLocale::Danish, 0x06},
    {QLocale::German, 0x07},
    {QLocale::Greek, 0x08},
    {QLocale::English, 0x09},
    {QLocale::Spanish, 0x0A},
    {QLocale::Finnish, 0x0B},
    {QLocale::French, 0x0C},
    {QLocale::Hebrew, 0x0D},
    {QLocale::Hungarian, 0x0E},
    {QLocale::Icelandic, 0x0F},
    {QLocale::Italian, 0x10},
    {QLocale::Japanese, 0x11},
    {QLocale::Korean, 0x12},
    {QLocale::Dutch, 0x13},
    {QLocale::NorwegianBokmal, 0x14},
    {QLocale::NorwegianNynorsk, 0x14},
    {QLocale::Polish, 0x15},
    {QLocale::Portuguese, 0x16},
    {QLocale::Romansh, 0x17},
    {QLocale::Romanian, 0x18},
    {QLocale::Russian, 0x19},
    {QLocale::Croatian, 0x1A},
    {QLocale::Serbian, 0x1A},
    {QLocale::Bosnian, 0x1A},
    {QLocale::Slovak, 0x1B},
    {QLocale::Albanian, 0x1C},
    {QLocale::Swedish, 0x1D},
    {QLocale::Thai, 0x1E},
    {QLocale::Turkish, 0x1F},
    {QLocale::Urdu, 0x20},
    {QLocale::Indonesian, 0x21},
    {QLocale::Ukrainian, 0x22},
    {QLocale::Belarusian, 0x23},
    {QLocale::Slovenian, 0x24},
    {QLocale::Estonian, 0x25},
    {QLocale::Latvian, 0x26},
    {QLocale::Lithuanian, 0x27},
    {QLocale::Persian, 0x29},
    {QLocale::Vietnamese, 0x2A},
    {QLocale::Armenian, 0x2B},
    {QLocale::Azerbaijani, 0x2C},
    {QLocale::Basque, 0x2D},
    {QLocale::Macedonian, 0x2F},
    {QLocale::Afrikaans, 0x36},
    {QLocale::Georgian, 0x37},
    {QLocale::Faroese, 0x38},
    {QLocale::Hindi, 0x39},
    {QLocale::Maltese, 0x3A},
    {QLocale::Irish, 0x3C},
    {QLocale::Malay, 0x3E},
    {QLocale::Kazakh, 0x3F},
    {QLocale::Swahili, 0x41},
    {QLocale::Uzbek, 0x43},
    {QLocale::Bengali, 0x45},
    {QLocale::Tamil, 0x49},
    {QLocale::Welsh, 0x52},
    {QLocale::Galician, 0x56},
    {QLocale::Filipino, 0x64},
    {QLocale::Luxembourgish, 0x6E},
};

struct Sublanguage {
    QLocale::Language language;
    QLocale::Territory territory;
    uint16_t sub;
};

// Where Windows tells countries apart; any other territory gets the default variant, 1.
constexpr Sublanguage kSublanguages[] = {
    {QLocale::English, QLocale::UnitedStates, 1},    {QLocale::English, QLocale::UnitedKingdom, 2},
    {QLocale::English, QLocale::Australia, 3},       {QLocale::English, QLocale::Canada, 4},
    {QLocale::English, QLocale::NewZealand, 5},      {QLocale::English, QLocale::Ireland, 6},
    {QLocale::English, QLocale::SouthAfrica, 7},     {QLocale::English, QLocale::India, 0x10},
    {QLocale::French, QLocale::France, 1},           {QLocale::French, QLocale::Belgium, 2},
    {QLocale::French, QLocale::Canada, 3},           {QLocale::French, QLocale::Switzerland, 4},
    {QLocale::French, QLocale::Luxembourg, 5},       {QLocale::German, QLocale::Germany, 1},
    {QLocale::German, QLocale::Switzerland, 2},      {QLocale::German, QLocale::Austria, 3},
    {QLocale::German, QLocale::Luxembourg, 4},       {QLocale::Spanish, QLocale::Spain, 3},
    {QLocale::Spanish, QLocale::Mexico, 2},          {QLocale::Spanish, QLocale::Argentina, 0x0B},
    {QLocale::Italian, QLocale::Italy, 1},           {QLocale::Italian, QLocale::Switzerland, 2},
    {QLocale::Portuguese, QLocale::Brazil, 1},       {QLocale::Portuguese, QLocale::Portugal, 2},
    {QLocale::Dutch, QLocale::Netherlands, 1},       {QLocale::Dutch, QLocale::Belgium, 2},
    {QLocale::Chinese, QLocale::Taiwan, 1},          {QLocale::Chinese, QLocale::China, 2},
    {QLocale::Chinese, QLocale::HongKong, 3},        {QLocale::Chinese, QLocale::Singapore, 4},
    {QLocale::NorwegianNynorsk, QLocale::Norway, 2},
};

}  // namespace

uint16_t LinuxSystemInfo::WindowsLanguageId(QLocale::Language language,
                                            QLocale::Territory territory) {
    uint16_t primary = 0;
    for (const auto& entry : kPrimary)
        if (entry.language == language) primary = entry.id;
    if (primary == 0) return 0;
    uint16_t sub = 1;
    for (const auto& entry : kSublanguages)
        if (entry.language == language && entry.territory == territory) sub = entry.sub;
    return static_cast<uint16_t>(sub << 10 | primary);
}

uint32_t LinuxSystemInfo::VersionWordFromKernel(const std::string& release) {
    unsigned major = 0;
    unsigned minor = 0;
    const char* end = release.data() + release.size();
    const auto first = std::from_chars(release.data(), end, major);
    if (first.ec == std::errc() && first.ptr != end && *first.ptr == '.')
        std::from_chars(first.ptr + 1, end, minor);
    major = std::min(major, 255u);
    minor = std::min(minor, 255u);
    return 0x80000000u | minor << 8 | major;
}

uint32_t LinuxSystemInfo::VersionWord() const {
    return VersionWordFromKernel(QSysInfo::kernelVersion().toStdString());
}

std::string LinuxSystemInfo::OsName() const {
    return QSysInfo::prettyProductName().toStdString();
}

std::string LinuxSystemInfo::ProgramVersion() const {
    return std::to_string(QUORVANE_VERSION_MAJOR) + "." + std::to_string(QUORVANE_VERSION_MINOR) +
           "." + std::to_string(QUORVANE_VERSION_PATCH) + "." +
           std::to_string(QUORVANE_VERSION_TWEAK);
}

uint16_t LinuxSystemInfo::UserLanguageId() const {
    const QLocale locale = QLocale::system();
    return WindowsLanguageId(locale.language(), locale.territory());
}

char LinuxSystemInfo::LocaleDecimalSeparator() const {
    const QString point = QLocale::system().decimalPoint();
    if (point.isEmpty() || point.at(0).unicode() > 0x7F) return '.';
    return static_cast<char>(point.at(0).unicode());
}
