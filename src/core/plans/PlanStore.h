#pragma once

#include "app/Console.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace wall {

// The plans: 48 numbered snapshots of the whole wall (every screen's main
// source and every matrix route), kept in Setting.ini, in the switchers'
// preset memories and in the display units. Plan n (PlanIndex 0 … 47) is
// shown and sent as p = n + 1.
//
// In the file: Wall/Wall_Mode the current plan, Wall/Wall_Mode<n>_En "1"
// once plan n was saved, Wall/Wall_Mode<n> its name, Unit1/SrcMode<n>Source<k>
// and Matrix/Wall_Mode<n>Matrix_<kind>_InputStr<k> its content.
class PlanStore {
public:
    explicit PlanStore(Console& console) : console_(console) {}

    // The wait after the preset frames of each matrix kind in use.
    static constexpr int kKindPauseMs = 500;

    // The current plan: the one last saved, recalled or scheduled. A value
    // outside 0 … 47 in the file counts as plan 0.
    int current() const;
    void setCurrent(int n);
    // Whether plan n was ever saved (a saved plan stays saved).
    bool saved(int n) const;

    // The plan list: each stored name, or "模式"/"Mode" n + 1 in the
    // console's language where there is none (or an empty one), as the
    // window lists them whoever asks.
    QStringList names() const;
    static QString defaultName(int n, bool english);

    // Saves the wall as plan n: the current plan and its flag, the matrix
    // tables and the screens' sources in the file (saved once, the cells
    // relabelled), then with Matrix_Use 1 each kind's preset save frame on
    // its device (VGA, AV, DVI, YPbPr, kKindPauseMs after each kind in use),
    // then the wall frame 0xC9 p. Refused, with nothing changed or sent: a
    // plan outside 0 … 47, a save while a read or another save runs, and a
    // file that cannot be saved.
    CommandResult save(int n);

    // Names plan n. Refused with the list's messages: an empty name, one
    // that any entry of the list already shows (its own included), and one
    // that would not read back from the file as typed.
    CommandResult rename(int n, const QString& name);
    // Why a name cannot be given to a plan, or nothing.
    std::optional<QString> nameProblem(int n, const QString& name) const;

    // Settings keys of plan n.
    static std::string nameKey(int n);  // Wall_Mode<n>
    static std::string savedKey(int n); // Wall_Mode<n>_En
    static std::string sourceKey(int n, int screen);
    static std::string matrixKey(int n, MatrixKind kind, int entry);

    // A save is sending its frames.
    bool saving() const { return saving_; }

private:
    Console& console_;
    bool saving_ = false;
};

// The all-screens write of a plan command (0xC9 save, 0xCA recall) with
// value p, addressed 0x11 … 0xFF in the frame layout of CmdForm:
//   0 (and any other): FB B0 11 FF P p AE
//   1:                 FB B1 11 FF P p 00 AE
//   2:                 FB B0 01 01 FF FF P p AE
QByteArray planWallFrame(int cmdForm, int parameter, int p);
inline constexpr int kPlanSaveCode = 0xC9;
inline constexpr int kPlanRecallCode = 0xCA;

} // namespace wall
