#pragma once

#include "app/WindowPlace.h"
#include "matrix/MatrixControl.h"
#include "matrix/MatrixSettings.h"
#include "plans/TimerRecord.h"
#include "serial/DeviceIo.h"
#include "serial/SerialSettings.h"
#include "wall/WallGrid.h"
#include "windows/WallPop.h"

#include <QString>
#include <QStringList>

#include <array>

namespace wall {

class SettingsStore;

inline constexpr int kPlanCount = 48;
inline constexpr int kColourCoordinateCount = 21;

// The globals of section SETTING and their neighbours, as the console holds
// them after start-up.
struct GlobalSettings {
    int Language = 0;
    int CmdDelayTime10Ms = 0;
    int MatrixToScreenTime = 200;
    int SwitchOrder = 0;
    int PowerDelayTime10Ms = 0;
    int AutoPowerOn = 1;
    int bLogin = 0;
    int Pifu = 0;
    int matrixSwitchType = 1; // Unit14/suiRadioGroup1
    QString ImageFile;
    int BoardSel = 4;
    int bReadEn = 0;
    int bManYou = 1;
    int CmdForm = 0;
    bool timerSystemEnabled = false; // TimerSystem/Enable
    bool matrixRollOn = false;       // MatrixRoll/OnOff
    int wallMode = 0;                // Wall/Wall_Mode, current plan (0-based)
    std::array<int, kPlanCount> wallModeEnabled{};

    static int defaultReadEnable(int board);
    static int defaultCmdForm(int board);
};

// The roaming page's controls restored from section Unit1.
struct RoamingControls {
    int positionMode = 0;   // suiComboBox2
    int sizeMode = 0;       // suiComboBox3
    bool useMatrix = false; // suiCheckBox1
    bool useRoaming = true; // suiCheckBox2, checked at start-up
};

// Everything the console holds in memory: read from Setting.ini at start-up
// and changed by the operations of the core.
struct ConsoleState {
    GlobalSettings settings;
    std::array<SerialSettings, kDeviceCount> serial;
    PortRouting routing;
    MatrixConfig matrix;
    MatrixPicture matrixPicture; // the input-routing window's picture choice (board 8)
    // The input choosers hold the present input names and counts.
    bool matrixInputListsCurrent = false;
    WallGrid grid;
    TimerTable timers{};
    WallPopTable pops;
    RoamingControls roaming;
    // Where the main window stood when it was last closed, if it was saved.
    std::optional<WindowPlace> mainWindowPlace;
    int accessLevel = 0;
    std::array<int, kColourCoordinateCount> colourCoordinates{};

    ConsoleState();
    // device is 1 … kDeviceCount.
    SerialSettings& serialDevice(int device) { return serial.at(size_t(device - 1)); }
    const SerialSettings& serialDevice(int device) const { return serial.at(size_t(device - 1)); }
};

// What start-up had to correct in the file, one message per fact, for the
// console or wallctl to show.
struct StartupReport {
    QStringList warnings;
};

// The start-up read of Setting.ini in its fixed order, creating the file
// empty when it is missing. `executableDir` gives the default of ImageFile.
StartupReport loadConsoleState(SettingsStore& store, ConsoleState& state,
                               const QString& executableDir);

} // namespace wall
