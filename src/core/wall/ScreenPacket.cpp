#include "ScreenPacket.h"

namespace wall {

namespace {
// The last 0-based row or column a one-byte address can name.
constexpr int kLastNibbleIndex = 14;
} // namespace

FrameFormat frameFormatFor(int cmdForm) {
    switch (cmdForm) {
    case 1:
        return FrameFormat::Wide;
    case 2:
        return FrameFormat::RowCol;
    default:
        return FrameFormat::Short;
    }
}

int frameLength(FrameFormat format) {
    switch (format) {
    case FrameFormat::Wide:
        return 8;
    case FrameFormat::RowCol:
        return 9;
    case FrameFormat::Short:
        break;
    }
    return 7;
}

QString describe(FrameError error, int language) {
    const bool chinese = language == 0;
    switch (error) {
    case FrameError::None:
        return {};
    case FrameError::EmptySelection:
        return chinese ? QStringLiteral("没有选中的屏幕")
                       : QStringLiteral("the selection is empty");
    case FrameError::AddressOverflow:
        return chinese
                   ? QStringLiteral(
                         "7字节和8字节命令只能寻址第1至15行和列；更大的幕墙请使用9字节命令")
                   : QStringLiteral("frame formats 0 and 1 address rows and columns 1 to 15 only; "
                                    "use frame format 2 for larger walls");
    case FrameError::ValueOverflow:
        return chinese ? QStringLiteral("数值超出此命令格式的范围")
                       : QStringLiteral("the value does not fit this frame format");
    }
    return {};
}

ScreenFrame buildScreenFrame(FrameFormat format, ScreenCommand command, const Selection& target,
                             std::uint8_t parameter, unsigned value) {
    ScreenFrame frame;
    if (target.left < 0 || target.top < 0 || target.left > target.right ||
        target.top > target.bottom) {
        frame.error = FrameError::EmptySelection;
        return frame;
    }
    const bool nibbleAddress = format != FrameFormat::RowCol;
    if (nibbleAddress && (target.bottom > kLastNibbleIndex || target.right > kLastNibbleIndex)) {
        frame.error = FrameError::AddressOverflow;
        return frame;
    }
    if (format == FrameFormat::RowCol && (target.bottom > 254 || target.right > 254)) {
        frame.error = FrameError::AddressOverflow;
        return frame;
    }

    unsigned low = value;
    unsigned high = 0;
    if (format == FrameFormat::Wide && command == ScreenCommand::Write) {
        low = value % 256;
        high = value / 255;
    }
    if (low > 0xFF || high > 0xFF) {
        frame.error = FrameError::ValueOverflow;
        return frame;
    }

    QByteArray& b = frame.bytes;
    b.reserve(frameLength(format));
    auto put = [&b](unsigned byte) { b.append(static_cast<char>(byte & 0xFF)); };
    put(kFrameHead);
    put(static_cast<unsigned>(command));
    if (nibbleAddress) {
        put(static_cast<unsigned>(screenAddress(target.top, target.left)));
        put(static_cast<unsigned>(screenAddress(target.bottom, target.right)));
    } else {
        put(static_cast<unsigned>(target.top + 1));
        put(static_cast<unsigned>(target.left + 1));
        put(static_cast<unsigned>(target.bottom + 1));
        put(static_cast<unsigned>(target.right + 1));
    }
    put(parameter);
    put(low);
    if (format == FrameFormat::Wide)
        put(high);
    put(kFrameTail);
    return frame;
}

} // namespace wall
