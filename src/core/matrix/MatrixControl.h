#pragma once

#include "matrix/MatrixSettings.h"

#include <optional>

namespace wall {

class DeviceIo;
class WallGrid;
struct PortRouting;

// The picture of a four-picture screen (board 8), as the input-routing
// window shows it: its source list item (1 … 4 "AV1" … "AV4", 5 "QUAD") and,
// for "QUAD", its sub-signal list item (0 "NULL", 1 … 4 "AV1" … "AV4").
struct MatrixPicture {
    int sourceItem = -1;
    int subSignalItem = 0;

    // The chosen picture 1 … 4, or nothing (no picture chosen, or "NULL").
    std::optional<int> picture() const;
};

// Everything one routing reads besides its arguments.
struct MatrixContext {
    const WallGrid& grid;
    MatrixConfig& config;
    const PortRouting& routing;
    DeviceIo& io;
    int board = 4;
    int switchType = 1; // 0 video and audio, 1 video, 2 audio
    MatrixPicture picture;
};

// Routes matrix input `input` (1-based) of the switcher that carries wall
// source `sourceCode` to the outputs feeding the selected screens, with the
// kind's protocol, at device address `address`, and records the input for
// every wired screen visited. Unknown sources and kinds without a protocol
// route nothing. Blocks for every pause.
void matrixControl(const MatrixContext& context, int sourceCode, int input, int address);

} // namespace wall
