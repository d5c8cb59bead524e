#pragma once

#include "matrix/MatrixSettings.h"

#include <QString>

namespace wall {

class DeviceIo;
class SettingsStore;
struct ConsoleState;
struct SerialSettings;

// What the open procedure asks of the window that runs it.
class PortSetupUi {
public:
    virtual ~PortSetupUi() = default;
    // Shows a failed open in a plain message box: the device, the system's
    // reason and what to do next, as openFailure() words them.
    virtual void showOpenError(int device, const QString& title, const QString& text) = 0;
    // Shows the port's own settings dialog for `settings`. Returns true when
    // the operator confirmed and the port opened with the edited settings,
    // which are then in `settings`.
    virtual bool editAndOpen(int device, SerialSettings& settings) = 0;
};

// The box that explains a device that did not open, in the console's
// language: which device and port, the system's reason, and that a port can
// be chosen in the dialog that follows (or the console runs without it).
struct OpenFailure {
    QString title;
    QString text;
};
OpenFailure openFailure(int language, int device, const SerialSettings& settings,
                        const QString& reason);

// The devices that carry each matrix kind when it has a port of its own.
int separatePortDevice(MatrixKind kind); // AV 2, VGA 3, DVI 4, YUV 5

// The open procedure for one device: open it if it is closed; on an error
// show the text, then the settings dialog; a confirmed dialog writes the
// device's nine settings. Returns whether the device is open at the end.
bool openDevice(int device, ConsoleState& state, DeviceIo& io, SettingsStore& store,
                PortSetupUi& ui);

// The open procedure for device 1 and for each of devices 2 … 5 whose PortNo
// is not 0, in device order.
void openSerialDevices(ConsoleState& state, DeviceIo& io, SettingsStore& store, PortSetupUi& ui);

// Sets a device's PortNo; 0 closes the device at once.
void setPortNumber(ConsoleState& state, DeviceIo& io, int device, int portNo);

// The check-box rules of the serial settings dialog, applied to the flags and
// port numbers in memory.
void setMatrixUsesSeparatePort(ConsoleState& state, DeviceIo& io, bool ticked);
void setKindUsesSeparatePort(ConsoleState& state, DeviceIo& io, MatrixKind kind, bool ticked);
// Reads the flag of a kind / writes it.
int& kindFlag(ConsoleState& state, MatrixKind kind);

// Save of the serial settings dialog: PortNo of devices 2 … 5, the five
// flags, then the open procedure.
void saveSerialSetup(ConsoleState& state, DeviceIo& io, SettingsStore& store, PortSetupUi& ui);

// The three status-bar panels that report the wall link, by language.
struct WallLinkStatus {
    QString port;  // panel 0
    QString baud;  // panel 1
    QString state; // panel 2
};
WallLinkStatus wallLinkStatus(int language, const SerialSettings& wallLink, bool open);

} // namespace wall
