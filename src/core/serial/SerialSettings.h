#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace wall {

class SettingsScope;

// The nine stored settings of one serial device, with the encodings of
// Setting.ini (indexes, not rates), plus the optional port name used where
// ports are not numbered (Linux device paths, pseudo-terminals).
struct SerialSettings {
    int portNo = 0;      // 0 = no port; the device stays closed
    int baud = 6;        // index into kBaudRates
    int parity = 0;      // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int byteSize = 8;    // data bits
    int stopBits = 0;    // 0 one, 1 one and a half, 2 two
    int flowControl = 0; // 0 none, 1 RTS/CTS, 2 XON/XOFF, 3 transmit-only XON/XOFF, 4 both
    int autoAnswer = 0;  // passed to the port unchanged
    int inBufSize = 8192;
    int outBufSize = 8192;
    QString portName; // "PortName" key; empty = derive from portNo

    static SerialSettings defaultsFor(int device);

    // Reads the nine keys in their fixed order, then PortName.
    void load(const SettingsScope& scope, int device);
    // Writes the nine keys in their fixed order, then PortName where one is
    // set or was stored.
    void save(SettingsScope& scope, int device) const;

    // The rate for the stored index, or nothing for an index outside the list.
    std::optional<int> baudRate() const;
};

inline constexpr std::array<int, 15> kBaudRates = {110,   300,   600,    1200,   2400,
                                                   4800,  9600,  14400,  19200,  38400,
                                                   56000, 57600, 115200, 128000, 256000};

// "YbCommDevice1 Com Set" … "YbCommDevice5 Com Set".
std::string serialSection(int device);

// The system name of the port a device uses: PortName when set, else COMn on
// Windows and /dev/ttyS(n-1) elsewhere. Empty for PortNo 0 without a name.
QString systemPortName(const SerialSettings& settings);

// Which serial device carries the matrix commands (section YbCommDevice).
struct PortRouting {
    int matrixUseComOnly = 0;
    int avMatrixUseComOnly = 0;
    int vgaMatrixUseComOnly = 0;
    int dviMatrixUseComOnly = 0;
    int yuvMatrixUseComOnly = 0;

    void load(const SettingsScope& scope);
    void save(SettingsScope& scope) const;
};

} // namespace wall
