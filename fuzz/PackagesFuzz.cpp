// Feeds random bytes as received packages to the reply decoders, as a frame
// stream to the simulated wall, and as command-file lines to APPLY's parser.
#include "SimulatedWall.h"
#include "wall/CommandFile.h"
#include "wall/ReadBack.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (size > 0) {
        const auto parameter = data[0];
        for (auto format :
             {wall::FrameFormat::Short, wall::FrameFormat::Wide, wall::FrameFormat::RowCol})
            (void)wall::decodeReply(format, parameter, bytes.sliced(1));
    }
    wall::SimulatedWall sim(size % 31, (size / 31) % 31, wall::frameFormatFor(int(size % 3)));
    for (const QByteArray& reply : sim.feed(bytes))
        if (reply.size() > 18)
            __builtin_trap(); // every reply fits the console's 20-byte read
    (void)wall::parseCommandLine(QString::fromUtf8(bytes));
    return 0;
}
