#pragma once

#include "app/Console.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace wall {

// One route of a polling group: matrix input to matrix output. Name, type
// and address are kept and shown but never sent: the frame has no room for
// them.
struct PollingEntry {
    bool used = false;
    int number = 0; // position in the group; not stored, so 0 after loading
    int name = 0;
    int type = 0;
    int address = 0; // 0 … 255
    int input = 0;   // 1 … 255
    int output = 0;  // 1 … 255
};

struct PollingGroup {
    bool enabled = false;
    std::vector<PollingEntry> entries; // the group's count is their number
};

// A number field of the polling window after each edit: only its digits,
// 0 raised to 1 and anything above `maximum` lowered to it. `clamped` says
// that a number was changed (the window beeps). Empty stays empty.
struct RangedText {
    QString text;
    bool clamped = false;
};
RangedText rangeChecked(const QString& text, int maximum);

// The name of group g (0-based) in the window's list: "001" … "100".
QString pollingGroupName(int group);

// Matrix polling: groups of input-to-output routes sent to the AV matrix in
// turn, one group every P seconds, as long as polling is on. The routes are
// MAINVAN frames whatever protocol the AV matrix is set to.
//
// Whoever owns the one-second timer calls step() once a second while
// running() holds; the running listener says when to start and stop it.
class MatrixPolling {
public:
    static constexpr int kMaxGroups = 100;
    static constexpr int kMaxEntries = 100;
    static constexpr int kMaxInterval = 3600; // seconds
    static constexpr int kMaxRoute = 255;     // highest input, output and address
    static constexpr int kFramePauseMs = 21;  // after every frame
    static constexpr int kStepMs = 1000;      // how often step() is due

    explicit MatrixPolling(Console& console);

    // Sections MatrixRoll (GroupCount, spTime) and MatrixRoll<g> for groups
    // 0 … G − 1 (Enable, Count, SubRoll_En<e> … SubRoll_Out<e>). Counts and
    // the interval out of range are brought into it.
    void readConfig();
    // Writes G, P and groups 0 … G − 1 with their entries; a failed save goes
    // to the settings' error sink.
    bool writeConfig();

    // G, the groups polled and saved (1 … 100). Lowering it keeps the groups
    // above in memory.
    int groupCount() const { return groupCount_; }
    void setGroupCount(int count);
    // P in seconds (1 … 3600): the interval the steps go by, and the one
    // saved. An interval typed in the window is taken by the next step.
    int interval() const { return interval_; }
    int typedInterval() const { return typedInterval_; }
    void setTypedInterval(int seconds);

    // Group 0 … 99.
    const PollingGroup& group(int g) const;
    void setGroupEnabled(int g, bool on);
    // Appends a route to the group and marks the group enabled. Refused, with
    // nothing changed: a group outside 0 … 99, a full group, an input or
    // output outside 1 … 255, an address outside 0 … 255.
    CommandResult addEntry(int group, int address, int input, int output);
    // Removes a route; the ones after it move up and are numbered 0, 1, 2 …
    CommandResult removeEntry(int group, int entry);

    // Takes the enabled groups among 0 … G − 1 as the active list and starts
    // counting steps from 0. With none enabled polling stays off and the
    // result says why. The polling switch in memory (MatrixRoll/OnOff)
    // follows either way.
    CommandResult start();
    void stop();
    bool running() const { return running_; }
    int activeGroupCount() const { return int(active_.size()); }

    // One second has passed: every P-th step sends the next active group,
    // each route one frame on the AV matrix's port followed by 21 ms.
    void step();
    // When the last group went out, by the console's clock.
    std::optional<QDateTime> lastSent() const { return lastSent_; }

    // Hears every start and stop (a refused start is a stop).
    using RunningListener = std::function<void(bool running)>;
    void setRunningListener(RunningListener l) { runningListener_ = std::move(l); }

private:
    struct Active {
        int group = 0;
        std::vector<PollingEntry> entries;
    };
    void setRunning(bool on);
    QString text(const char* chinese, const char* english) const;

    Console& console_;
    int groupCount_ = 1;
    int interval_ = 10;
    int typedInterval_ = 10;
    std::array<PollingGroup, kMaxGroups> groups_{};
    bool running_ = false;
    std::vector<Active> active_;
    int steps_ = 0;
    int next_ = 0;
    std::optional<QDateTime> lastSent_;
    RunningListener runningListener_;
};

} // namespace wall
