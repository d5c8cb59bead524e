#pragma once

#include "matrix/MatrixSettings.h"

#include <QString>
#include <QStringList>

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

// The output dialogs: the lists offer item 0 "不接矩阵" (not wired) and then
// one item per output, item n for output n. The one-output dialog offers 870
// outputs with labels padded to the longest, the four-picture dialog of
// board 8 offers 512 outputs per picture.
inline constexpr int kScreenOutputChoices = 870;
inline constexpr int kPictureOutputChoices = 512;
QStringList matrixOutputItems(int outputs, bool padded, bool english);

// An output dialog's OK: the chosen outputs of one screen into a kind's map,
// one entry per picture of the screen (four for AV on board 8, at 4s … 4s + 3,
// else one at s). False, with the map unchanged, when the count of outputs
// is not the screen's or an entry or output is out of range.
bool setScreenOutputs(MatrixTable& map, MatrixKind kind, int board, int screen,
                      std::span<const int> outputs);

// What the window edits: the four records and the four output maps.
struct MatrixSetup {
    std::array<MatrixSettings, kMatrixKindCount> kinds;
    std::array<MatrixTable, kMatrixKindCount> outputMap;
};

} // namespace wall
