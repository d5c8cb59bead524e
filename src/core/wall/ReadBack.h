#pragma once

#include "ScreenPacket.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace wall {

// A decoded reply to a read: the value, and for some parameters of the
// 8-byte format the slider's range as the units report it.
struct ReadReply {
    int value = 0;
    std::optional<int> minimum;
    std::optional<int> maximum;
    bool operator==(const ReadReply&) const = default;
};

// Whether `package` answers a read of `parameter` in `format`, and what it
// says. Positions (0x80, 0x81) come as two records and the picture-in-picture
// geometry (0x65 … 0x68) as three in the 8-byte format.
std::optional<ReadReply> decodeReply(FrameFormat format, std::uint8_t parameter,
                                     QByteArrayView package);

// The outcome of one read as the status bar reports it.
enum class ReadState { Reading, Success, Failure };
QString readStateText(int language, ReadState state);

} // namespace wall
