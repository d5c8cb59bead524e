#pragma once

#include "matrix/MatrixSettings.h"

#include <QString>

#include <optional>
#include <span>

namespace wall {

// The matrix settings window's rules, apart from its widgets.

// Which fields a page shows for its chosen protocol; the command delay is
// always shown.
struct MatrixFieldsShown {
    bool model = false;
    bool address = false;
    bool inputCount = false;
    bool operator==(const MatrixFieldsShown&) const = default;
};
MatrixFieldsShown matrixFieldsShown(MatrixKind kind, int protocolIndex);

// The command-delay list of a kind in milliseconds, its labels ("10 ms"),
// and the item that shows a stored delay (nothing when none does).
std::span<const int> matrixDelayChoices(MatrixKind kind);
QString matrixDelayLabel(int ms);
std::optional<int> matrixDelayItem(MatrixKind kind, int ms);
// The item the list shows before anything is chosen: "100 ms".
inline constexpr int kInitialDelayMs = 100;

// The input count OK stores: a TRIOLION model's own, 8 for AB8TO4, else the
// one chosen.
int confirmedInputCount(MatrixKind kind, const MatrixSettings& fields);

// The connection diagram's text for a screen: its output number, or on
// board 8 for AV its four pictures' outputs separated by blanks.
QString matrixOutputCellText(const MatrixTable& map, MatrixKind kind, int board, int screen);

// One To One and Cancel All: the first `screens` entries of a map set to
// n + 1, or to 0.
void setOneToOne(MatrixTable& map, int screens);
void clearOutputs(MatrixTable& map, int screens);

// What the window edits: the four records and the four output maps.
struct MatrixSetup {
    std::array<MatrixSettings, kMatrixKindCount> kinds;
    std::array<MatrixTable, kMatrixKindCount> outputMap;
};

} // namespace wall
