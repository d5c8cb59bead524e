#include "SerialSettings.h"

#include "app/SettingsStore.h"

namespace wall {

namespace {

constexpr const char* kPortRoutingSection = "YbCommDevice";

// The nine keys in the order they are read and written.
struct Field {
    const char* key;
    int SerialSettings::*member;
};
constexpr std::array<Field, 9> kFields = {{
    {"PortNo", &SerialSettings::portNo},
    {"Baud", &SerialSettings::baud},
    {"Parity", &SerialSettings::parity},
    {"ByteSize", &SerialSettings::byteSize},
    {"StopBits", &SerialSettings::stopBits},
    {"FlowControl", &SerialSettings::flowControl},
    {"AutoAnswer", &SerialSettings::autoAnswer},
    {"InBufSize", &SerialSettings::inBufSize},
    {"OutBufSize", &SerialSettings::outBufSize},
}};

struct Flag {
    const char* key;
    int PortRouting::*member;
};
constexpr std::array<Flag, 5> kFlags = {{
    {"MatrixUseComOnly", &PortRouting::matrixUseComOnly},
    {"AVMatrixUseComOnly", &PortRouting::avMatrixUseComOnly},
    {"VGAMatrixUseComOnly", &PortRouting::vgaMatrixUseComOnly},
    {"DVIMatrixUseComOnly", &PortRouting::dviMatrixUseComOnly},
    {"YUVMatrixUseComOnly", &PortRouting::yuvMatrixUseComOnly},
}};

} // namespace

std::string serialSection(int device) {
    return indexedKey("YbCommDevice", device, " Com Set");
}

SerialSettings SerialSettings::defaultsFor(int device) {
    SerialSettings s;
    s.portNo = device == 1 ? 1 : 0;
    return s;
}

void SerialSettings::load(const SettingsScope& scope, int device) {
    const SerialSettings defaults = defaultsFor(device);
    const std::string section = serialSection(device);
    for (const Field& f : kFields)
        this->*f.member = scope.readInt(section, f.key, defaults.*f.member);
    portName = scope.readText(section, "PortName");
}

void SerialSettings::save(SettingsScope& scope, int device) const {
    const std::string section = serialSection(device);
    for (const Field& f : kFields)
        scope.writeInt(section, f.key, this->*f.member);
    // The port name follows the nine, and only where one is in use.
    if (!portName.isEmpty() || scope.hasKey(section, "PortName"))
        scope.writeText(section, "PortName", portName);
}

std::optional<int> SerialSettings::baudRate() const {
    if (baud < 0 || baud >= static_cast<int>(kBaudRates.size()))
        return std::nullopt;
    return kBaudRates[static_cast<size_t>(baud)];
}

QString systemPortName(const SerialSettings& settings) {
    if (!settings.portName.trimmed().isEmpty())
        return settings.portName.trimmed();
    if (settings.portNo <= 0)
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(settings.portNo);
#else
    return QStringLiteral("/dev/ttyS%1").arg(settings.portNo - 1);
#endif
}

void PortRouting::load(const SettingsScope& scope) {
    for (const Flag& f : kFlags)
        this->*f.member = scope.readInt(kPortRoutingSection, f.key, 0);
}

void PortRouting::save(SettingsScope& scope) const {
    for (const Flag& f : kFlags)
        scope.writeInt(kPortRoutingSection, f.key, this->*f.member);
}

} // namespace wall
