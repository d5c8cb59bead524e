#pragma once

#include <QString>

namespace wall {

class Console;

// ---- Login and access levels ----------------------------------------------

// The access levels the advanced-functions dialog grants.
inline constexpr int kAccessNone = 0;
inline constexpr int kAccessOperator = 1;
inline constexpr int kAccessHelp = 10;
inline constexpr int kAccessFull = 20;

// The wrong advanced-function entries of one run after which the console ends.
inline constexpr int kAdvancedAttemptLimit = 3;

// Whether the pair opens the console when SETTING/bLogin asks for a login.
// Compared exactly, case included.
bool loginAccepted(const QString& user, const QString& password);

// The access level a pair grants in the advanced-functions dialog: the pairs
// are tried for level 10, 20 and 1 in that order; 0 when none matches.
int advancedAccessLevel(const QString& user, const QString& password);

// The advanced-functions entries of one run. The count of wrong entries is
// never reset, not even by a successful entry.
class AdvancedAccessGate {
public:
    struct Outcome {
        int level = kAccessNone; // 0: refused
        int failures = 0;        // wrong entries so far, this one included
        bool endsProcess = false;
    };

    Outcome attempt(const QString& user, const QString& password);
    int failures() const { return failures_; }

private:
    int failures_ = 0;
};

// ---- System settings --------------------------------------------------------

// The delay boxes of the system settings hold 0 … 10000 (units of 10 ms, or
// milliseconds for the matrix-to-wall delay).
inline constexpr int kDelayMax = 10000;

// A delay box's text after a change: the digits read as a decimal number,
// capped at kDelayMax. `capped` says the text asked for more.
struct DelayEntry {
    int value = 0;
    bool capped = false;
};
DelayEntry readDelayEntry(const QString& text);

// The values the system settings dialog's OK stores. The delays are clamped
// to 0 … kDelayMax.
struct SystemSettingsInput {
    int cmdDelayTime10Ms = 0;
    int powerDelayTime10Ms = 0;
    int cmdForm = 0;     // item position of the command format list, 0 … 3
    int switchOrder = 0; // 0 matrix first, 1 wall first
};

// OK of the system settings: takes the input into the console and writes
// CmdDelayTime10Ms, PowerDelayTime10Ms, CmdForm, MatrixToScreenTime and
// SwitchOrder to SETTING, in that order. MatrixToScreenTime is the value in
// effect (see setMatrixToScreenTime).
void applySystemSettings(Console& console, const SystemSettingsInput& input);

// The matrix-to-wall delay typed in the dialog: in effect at once, clamped to
// 0 … kDelayMax, written only by applySystemSettings.
void setMatrixToScreenTime(Console& console, int ms);

// The option check boxes of the system settings; each writes its key at once.
enum class SystemOption { AutoPowerOn, bLogin, bReadEn, bManYou };
void setSystemOption(Console& console, SystemOption option, bool on);
bool systemOption(const Console& console, SystemOption option);

// ---- Start with the computer --------------------------------------------------

// Adds the executable to the session's start-up list or removes it from
// there: on Windows the machine's Run key (value "WALL"), elsewhere an XDG
// autostart entry wall.desktop in the user's configuration folder. Returns
// false when that failed; nobody is told.
bool setStartWithComputer(bool on, const QString& executablePath);

// The autostart entry used outside Windows (it need not exist).
QString autostartEntryPath();

// The Exec= value of the autostart entry: the path, quoted and escaped as
// desktop entries require when it holds blanks or reserved characters.
QString desktopExecValue(const QString& executablePath);

} // namespace wall
