#pragma once

#include "matrix/MatrixSettings.h"

#include <QByteArray>

#include <span>
#include <string_view>
#include <vector>

namespace wall {

// The preset memories of the matrix switchers: the frame that makes a
// switcher store its whole routing as preset p (a plan save) or restore it
// (a plan recall). Only the protocols listed in the preset table have one;
// the others are restored screen by screen.

enum class PresetAction { Save, Recall };

// One write to the switcher's device and the wait that follows it.
struct PresetWrite {
    QByteArray bytes;
    int pauseMs = 0;
    bool operator==(const PresetWrite&) const = default;
};

// What a preset frame is checked with, appended as its last byte (bytes
// numbered from 1):
enum class PresetCheck {
    None,
    S1, // sum of bytes 3 … 8; C5 is sent as A3
    S2, // sum of bytes 1 … 6; 96 is sent as 6A
    S3, // sum of bytes 1 … 6
    S4, // 256 minus the sum of bytes 1 … 5: the six bytes add up to 0
};

// What a row's builder is given. `code` is the part that tells a save from
// a recall (a byte or a word), `text` and `head` are the row's own.
struct PresetArgs {
    int id = 0; // the low byte of the switcher's address
    int n = 0;  // PlanIndex 0 … 47
    int p() const { return n + 1; }
    std::string_view code;
    std::string_view text;
    int head = 0;
    PresetAction action = PresetAction::Save;
};
using PresetBuilder = QByteArray (*)(const PresetArgs&);

// A protocol of a kind, by its index in the kind's protocol list.
struct PresetProtocol {
    MatrixKind kind = MatrixKind::AV;
    int index = 0;
};

inline constexpr int kNoPlanLimit = -1;
// The wait between the two frames of a two-frame preset.
inline constexpr int kPresetFramePauseMs = 500;
// The wait after each byte of the rows written a byte at a time.
inline constexpr int kPresetBytePauseMs = 100;

// One row of the preset table: the protocols it serves, how its frames are
// built, and the rules around them.
struct PresetRow {
    std::span<const PresetProtocol> protocols;
    PresetBuilder build = nullptr;
    std::string_view saveCode;
    std::string_view recallCode;
    PresetCheck check = PresetCheck::None;
    // The row's own bytes: a category or head byte, a second category for
    // two-frame presets (0: one frame), a lead text.
    int head = 0;
    int secondHead = 0;
    std::string_view text;
    int maxPlanIndex = kNoPlanLimit; // larger n send nothing
    int pauseAfterMs = 0;            // after the (last) frame
    bool bytewise = false;           // a byte per write, kPresetBytePauseMs after each
};

// The whole table, one row per protocol group.
std::span<const PresetRow> presetTable();
// The row that serves a kind's protocol; nothing for protocols without a
// preset memory.
const PresetRow* findPresetRow(MatrixKind kind, int protocolIndex);

// The writes (and waits) of one preset save or recall: nothing when the
// protocol has no preset memory or n is beyond the row's limit.
std::vector<PresetWrite> presetWrites(MatrixKind kind, int protocolIndex, PresetAction action,
                                      int id, int n);

} // namespace wall
