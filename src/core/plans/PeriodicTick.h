#pragma once

#include "app/Console.h"
#include "plans/TimerRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace wall {

// The remote recall frame a controller on the wall link sends:
// FA F5 "Recall" x 2E, x the plan to recall (0 = plan 1).
inline constexpr int kRemoteRecallLength = 10;
QByteArray remoteRecallFrame(std::uint8_t plan);

// The decision for one task at one moment, before and after: the current
// value C, the target T, and whether it fires and what its latch becomes.
struct TaskDecision {
    bool fires = false;
    std::uint8_t latch = 0;
};
// C and T of a repeat kind (months count 30 days). The moment's parts are
// those of the clock: weekday 0 = Sunday.
struct Moment {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, weekday = 0;
    static Moment of(const QDateTime& t);
};
std::uint32_t currentValue(int kind, const Moment& now);
std::uint32_t targetValue(const TimerSystem& task);
TaskDecision decideTask(const TimerSystem& task, const Moment& now, std::uint8_t latch);

// The periodic tick: every 100 ms the window's timer (or the service) calls
// tick(), which takes the clock once, watches the wall link's input for
// remote recalls, and runs the due tasks in slot order. The latches live as
// long as the process; a task whose moment has passed at start-up waits for
// its next period.
class PeriodicTick {
public:
    explicit PeriodicTick(Console& console) : console_(console) {}

    // The receive buffer: one read takes at most this many bytes.
    static constexpr int kReceiveBuffer = 1000;
    static constexpr int kRecallPauseMs = 200;
    static constexpr int kFollowUpPauseMs = 1000;

    // The serial display window's two flags: the receive watch runs while the
    // display flag is set; received bytes are shown as characters or as hex.
    bool displayOn() const { return display_; }
    void setDisplayOn(bool on) { display_ = on; }
    bool characterMode() const { return characters_; }
    void setCharacterMode(bool on) { characters_ = on; }

    // What one tick did.
    struct Report {
        QDateTime at;              // the moment the tick took
        QStringList memoLines;     // the serial display's new line, if anything arrived
        QByteArray received;       // the bytes read
        std::vector<int> recalled; // plans recalled from the wall side, 0-based
        std::vector<int> fired;    // task slots that fired, in order
    };
    // A tick asked for while one is still waiting inside (a window that
    // keeps running its timers during a pause) does nothing: ticks are not
    // nested or queued, so no frame lands between a recall and its follow-up.
    Report tick();

    std::uint8_t latch(int slot) const { return latches_.at(size_t(slot)); }

    // The screen frame of a task in the layout of CmdForm.
    static QByteArray taskFrame(const TimerSystem& task, int cmdForm);
    // The matrix follow-up of a scheduled recall: the SISO route frame for
    // input 0, output 0, device address 1.
    static QByteArray followUpFrame();

private:
    void watchInput(Report& report);
    void runTask(int slot, Report& report);
    void recall(int plan);

    Console& console_;
    bool ticking_ = false;
    bool display_ = true;
    bool characters_ = true;
    std::array<std::uint8_t, kTimerSlots> latches_{};
};

} // namespace wall
