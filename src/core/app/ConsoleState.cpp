#include "ConsoleState.h"

#include "SettingsStore.h"

#include <QDir>

#include <algorithm>

namespace wall {

namespace {
constexpr const char* kSetting = "SETTING";

// A size or count of the wall's geometry. A stored value outside [min, max]
// is clamped and one that is not a number takes the default; either way the
// start-up report says which key held what and what is used instead.
int readGeometry(const SettingsScope& ini, const char* section, const char* key, int fallback,
                 int min, int max, QStringList& warnings) {
    if (!ini.hasKey(section, key))
        return fallback;
    const std::optional<int> stored = ini.readStoredInt(section, key);
    const int used = stored ? std::clamp(*stored, min, max) : fallback;
    if (!stored || used != *stored)
        warnings << QStringLiteral("%1/%2=%3 in Setting.ini is not a number from %4 to %5; "
                                   "using %6")
                        .arg(QLatin1String(section), QLatin1String(key), ini.readText(section, key))
                        .arg(min)
                        .arg(max)
                        .arg(used);
    return used;
}

} // namespace

int GlobalSettings::defaultReadEnable(int board) {
    switch (board) {
    case 3:
    case 7:
    case 8:
    case 10:
    case 11:
        return 1;
    default:
        return 0;
    }
}

int GlobalSettings::defaultCmdForm(int board) {
    return board == 10 || board == 11 ? 1 : 0;
}

ConsoleState::ConsoleState() {
    for (int d = 1; d <= kDeviceCount; ++d)
        serialDevice(d) = SerialSettings::defaultsFor(d);
}

StartupReport loadConsoleState(SettingsStore& store, ConsoleState& state,
                               const QString& executableDir) {
    StartupReport report;
    SettingsScope ini = store.open();
    GlobalSettings& g = state.settings;

    // SETTING globals, then the matrix switching type, then the wall size.
    g.Language = ini.readInt(kSetting, "Language", 0);
    g.CmdDelayTime10Ms = ini.readInt(kSetting, "CmdDelayTime10Ms", 0);
    g.MatrixToScreenTime = ini.readInt(kSetting, "MatrixToScreenTime", 200);
    g.SwitchOrder = ini.readInt(kSetting, "SwitchOrder", 0);
    g.PowerDelayTime10Ms = ini.readInt(kSetting, "PowerDelayTime10Ms", 0);
    g.AutoPowerOn = ini.readInt(kSetting, "AutoPowerOn", 1);
    g.bLogin = ini.readInt(kSetting, "bLogin", 0);
    g.Pifu = ini.readInt(kSetting, "Pifu", 0);
    g.matrixSwitchType = ini.readInt("Unit14", "suiRadioGroup1", 1);
    const int rows =
        readGeometry(ini, kSetting, "Row", kDefaultWallSide, 1, kMaxWallSide, report.warnings);
    const int cols =
        readGeometry(ini, kSetting, "Col", kDefaultWallSide, 1, kMaxWallSide, report.warnings);
    state.grid.resize(rows, cols);
    g.ImageFile = ini.readText(
        kSetting, "ImageFile",
        QDir::toNativeSeparators(QDir(executableDir).filePath(QStringLiteral("bmp/default.bmp"))));

    for (int d = 1; d <= kDeviceCount; ++d)
        state.serialDevice(d).load(ini, d);

    state.routing.load(ini);
    state.matrix.loadSettings(ini);

    g.timerSystemEnabled = ini.readBool("TimerSystem", "Enable", false);
    g.matrixRollOn = ini.readBool("MatrixRoll", "OnOff", false);
    g.BoardSel = ini.readInt("System", "BoardSel", 4);
    g.bReadEn = ini.readInt(kSetting, "bReadEn", GlobalSettings::defaultReadEnable(g.BoardSel));
    g.bManYou = ini.readInt(kSetting, "bManYou", 1);
    g.CmdForm = ini.readInt(kSetting, "CmdForm", GlobalSettings::defaultCmdForm(g.BoardSel));

    state.matrix.loadOutputMaps(ini, state.grid.screenCount(), g.BoardSel);

    g.wallMode = ini.readInt("Wall", "Wall_Mode", 0);
    for (int n = 0; n < kPlanCount; ++n)
        g.wallModeEnabled[size_t(n)] = ini.readInt("Wall", indexedKey("Wall_Mode", n, "_En"), 0);
    state.matrix.matrixUse = ini.readInt("Matrix", "Matrix_Use", 1);

    loadTimerTable(ini, state.timers);

    state.grid.setCustomColours(ini.readInt("Wall", "WallCustomColors", 0) == 1);
    state.grid.loadColours(ini);

    state.roaming.positionMode = ini.readInt("Unit1", "suiComboBox2", 0);
    state.roaming.sizeMode = ini.readInt("Unit1", "suiComboBox3", 0);
    state.roaming.useMatrix = ini.readInt("Unit1", "suiCheckBox1", 0) != 0;
    state.roaming.useRoaming = true;

    state.colourCoordinates.fill(0);

    readGeometry(ini, "WallPopList", "ListLeng", 0, 0, kPopTableSize, report.warnings);
    state.pops.load(ini);

    // The cell sources, which the first board application reads; loading them
    // here gives wallctl and the tests the same state the window shows.
    state.grid.loadSources(ini);
    state.mainWindowPlace = readWindowPlace(ini);

    QString error;
    if (!ini.release(&error))
        report.warnings << error;
    return report;
}

} // namespace wall
