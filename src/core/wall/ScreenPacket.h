#pragma once

#include "WallGrid.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace wall {

// The three frame layouts, chosen by CmdForm: 1 and 2 select their own
// layout, every other value the 7-byte one.
enum class FrameFormat {
    Short = 0,  // FB CMD start end P V AE
    Wide = 1,   // FB CMD start end P Vlow Vhigh AE
    RowCol = 2, // FB CMD top+1 left+1 bottom+1 right+1 P V AE
};
FrameFormat frameFormatFor(int cmdForm);
int frameLength(FrameFormat format);

inline constexpr std::uint8_t kFrameHead = 0xFB;
inline constexpr std::uint8_t kFrameTail = 0xAE;

enum class ScreenCommand : std::uint8_t {
    Step = 0xB0,  // change P one step, or trigger action P with argument V
    Write = 0xB1, // set P to V
    Read = 0xB2,  // ask each addressed screen for P
};

// Why a frame was not built. Nothing is ever sent with an overflowed
// address or a truncated value.
enum class FrameError {
    None,
    EmptySelection,  // the rectangle is inverted or negative
    AddressOverflow, // formats 0 and 1 name rows and columns 1 … 15 only
    ValueOverflow,   // the value does not fit the format's value bytes
};
// What the operator is told, in Chinese (language 0) or English.
QString describe(FrameError error, int language = 1);

struct ScreenFrame {
    QByteArray bytes;
    FrameError error = FrameError::None;
    bool ok() const { return error == FrameError::None; }
};

// One-byte address of formats 0 and 1: row x 16 + column + 0x11.
inline int screenAddress(int row, int col) {
    return row * 16 + col + 0x11;
}

// Builds a frame for the rectangle. For a write in format 1 the value goes
// out as value mod 256 and value / 255 (the display units' own encoding);
// elsewhere the value must fit one byte.
ScreenFrame buildScreenFrame(FrameFormat format, ScreenCommand command, const Selection& target,
                             std::uint8_t parameter, unsigned value);

// The read frame: command 0xB2 with V = 1.
inline ScreenFrame buildReadFrame(FrameFormat format, const Selection& target,
                                  std::uint8_t parameter) {
    return buildScreenFrame(format, ScreenCommand::Read, target, parameter, 1);
}

} // namespace wall
