#pragma once

#include "app/Console.h"
#include "matrix/MatrixSettings.h"

#include <QString>

#include <functional>
#include <span>

namespace wall {

// How a switcher without a preset memory gets a plan's routing back.
enum class ReplayStyle {
    PerOutput, // the protocol's route frame for each distinct output, with its own input
    PairList,  // AITE: the pairs of all distinct outputs in one pair list
    Triolion,  // one single-pair TRIOLION frame per wired screen
};

// The protocols of a kind restored screen by screen, in list order.
struct ReplayEntry {
    int index = 0;
    ReplayStyle style = ReplayStyle::PerOutput;
};
std::span<const ReplayEntry> replayTable(MatrixKind kind);
// The kind's replay entry for a protocol, or nothing: the protocol has a
// preset memory or is not restored at all.
const ReplayEntry* findReplay(MatrixKind kind, int protocolIndex);

// Recalling a plan (see PlanStore for what a plan holds): the wall grid and
// the routed-input tables come back from Setting.ini, every configured
// matrix switcher is re-routed, and the display units are told to restore
// their own state (the wall frame 0xCA p).
class PlanRecall {
public:
    explicit PlanRecall(Console& console) : console_(console) {}

    // The wait after the VGA, AV and DVI switchers (when in use), and between
    // the two passes of VGA TRIOLION.
    static constexpr int kKindPauseMs = 1000;

    // Restores the current plan on the grid, in the file and on the matrix
    // switchers; sends no screen command. Each kind in the order VGA, AV,
    // DVI, YPbPr: the preset recall frame where the protocol has a preset
    // memory, else a replay over the whole wall where the replay table names
    // the protocol, else nothing. An unsaved plan is refused with the plan
    // list's message and nothing is changed or sent; callers that recall
    // silently (the timer, a remote recall) ignore the result.
    CommandResult matrixRecallyPlan();

    // The plan list's double-click: plan n becomes the current plan, then
    // with SwitchOrder 0 the matrices, MatrixToScreenTime x 10 ms, the wall
    // frame; with 1 the wall frame, the wait, the matrices; with any other
    // value the wall frame alone. An unsaved plan is refused with the list's
    // message (the current plan has changed all the same, the file has not).
    CommandResult recall(int n);

    // Why plan n cannot be recalled now (outside the list, another plan
    // command or a read running, never saved), or an empty text.
    QString refusal(int n) const;

    // The message box caption of a refused recall.
    QString errorCaption() const;

    // A recall is running: no other plan command may start.
    bool running() const { return running_; }

    // What a running recall is doing, for the window: the kind being
    // restored, and the screen reached of the wall's screens.
    using Progress = std::function<void(MatrixKind kind, int screen, int screens)>;
    void setProgressListener(Progress p) { progress_ = std::move(p); }

private:
    // Why no plan command may start now, or an empty text.
    QString blocked() const;
    QString unsaved() const;
    CommandResult restore();
    void restoreMatrices(int n);
    void replay(MatrixKind kind, const ReplayEntry& entry);

    Console& console_;
    bool running_ = false;
    Progress progress_;
};

} // namespace wall
