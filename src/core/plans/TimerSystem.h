#pragma once

#include "app/Console.h"
#include "plans/TimerRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace wall {

// What the timer dialog's choosers hold when an add button is pressed, as
// stored values: month 1 … 12, day 1 … 30, weekday 0 = Sunday … 6, repeat
// kind 0 … 6. Every field is stored whatever the repeat kind.
struct TaskSchedule {
    int year = 2010;
    int month = 1;
    int day = 1;
    int weekday = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int repeat = 3; // every day, as the dialog opens

    // The date picker's date set into the lists: year, month, day and
    // weekday. The day list offers 1 … 30, so the 31st selects day 30.
    void setDate(const QDate& date);
};

// The timer system: the 50 task slots of ConsoleState::timers, the list of
// task lines the dialog shows, and the global switch. Memory and Setting.ini
// stay in step on every change (section NO.<slot>, TimerSystem/Enable).
class TimerTasks {
public:
    explicit TimerTasks(Console& console) : console_(console) {}

    // The outcome of an add: the slot filled, or none with the refusal's
    // message (a full table, an unsaved plan, an empty custom text).
    struct Added {
        CommandResult result;
        std::optional<int> slot;
    };

    // The four add buttons, for the grid's selection at this moment.
    Added addPowerOn(const TaskSchedule& when);
    Added addPowerOff(const TaskSchedule& when);
    // Plan `position` of the plan chooser (0 … 47) becomes the current plan;
    // an unsaved plan is refused and nothing is stored.
    Added addPlanRecall(const TaskSchedule& when, int position);
    // Command and parameter typed as hex: each gives one byte from its last
    // two characters, anything but a hex digit counting as 0. An empty text
    // is refused.
    Added addCustom(const TaskSchedule& when, const QString& command, const QString& parameter);
    static std::uint8_t typedHexByte(const QString& text);

    // The slot a task line names at its end ("… NO.12 "), or nothing when
    // the end is not a slot number.
    static std::optional<int> slotOfLine(const QString& line);
    // Delete for a line of the list: frees the slot its end names, removes
    // the line and writes the slot's flag. Nothing for a row not in the list.
    void deleteLine(int row);
    // Frees a slot and removes the list lines naming it.
    void deleteSlot(int slot);

    // The global switch, written at once.
    bool enabled() const;
    void setEnabled(bool on);

    // The lines the dialog lists: live tasks in the order they were loaded
    // and added. A fired one-shot task keeps its line until the next start.
    const QStringList& listLines() const { return list_; }
    // Rebuilds the list from the file's flags (start-up).
    void reloadList();
    // The live tasks' lines in slot order, in the console's language.
    QStringList liveLines() const;

    // One task's line in a language and address layout.
    static QString taskLine(const TimerSystem& task, bool english, int cmdForm);

    // Writes a slot's 16 keys, or only its flag.
    void writeSlot(int slot);
    void writeSlotFlag(int slot);

private:
    Added add(const TaskSchedule& when, std::uint8_t command, std::uint8_t parameter);

    Console& console_;
    QStringList list_;
};

} // namespace wall
