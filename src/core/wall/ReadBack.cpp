#include "ReadBack.h"

namespace wall {

namespace {

constexpr int kRecordHead = 0xE5;
constexpr int kRecordTail = 0xE0;

bool isPosition(int p) {
    return p == 0x80 || p == 0x81;
}
bool isPipGeometry(int p) {
    return p >= 0x65 && p <= 0x68;
}

} // namespace

std::optional<ReadReply> decodeReply(FrameFormat format, std::uint8_t parameter,
                                     QByteArrayView package) {
    const auto at = [&](qsizetype i) { return int(static_cast<unsigned char>(package[i])); };
    const qsizetype n = package.size();
    const int p = parameter;
    switch (format) {
    case FrameFormat::Short:
        if (n >= 4 && at(1) == p && at(3) == kFrameTail)
            return ReadReply{at(2), {}, {}};
        return std::nullopt;
    case FrameFormat::RowCol:
        if (n >= 5 && at(2) == p && at(4) == kFrameTail)
            return ReadReply{at(3), {}, {}};
        return std::nullopt;
    case FrameFormat::Wide:
        break;
    }
    if (isPosition(p)) {
        // Record 1 carries the range, record 2 the value.
        if (n >= 12 && at(0) == kRecordHead && at(5) == kRecordTail && at(8) == p)
            return ReadReply{at(10) * 255 + at(9), {}, at(4) * 255 + at(3)};
        return std::nullopt;
    }
    if (isPipGeometry(p)) {
        // Value, minimum and maximum, one record each, counted in 256s.
        if (n >= 18 && at(0) == kRecordHead && at(6) == kRecordHead && at(12) == kRecordHead &&
            at(5) == kRecordTail && at(11) == kRecordTail && at(17) == kRecordTail && at(2) == p)
            return ReadReply{at(4) * 256 + at(3), at(10) * 256 + at(9), at(16) * 256 + at(15)};
        return std::nullopt;
    }
    if (n >= 6 && at(0) == kRecordHead && at(2) == p && at(5) == kRecordTail)
        return ReadReply{at(4) * 255 + at(3), {}, {}};
    return std::nullopt;
}

QString readStateText(int language, ReadState state) {
    const bool chinese = language == 0;
    switch (state) {
    case ReadState::Reading:
        return chinese ? QStringLiteral("读取状态: ") : QStringLiteral("Read State: ");
    case ReadState::Success:
        return chinese ? QStringLiteral("读取状态: 成功") : QStringLiteral("Read State: Success");
    case ReadState::Failure:
        break;
    }
    return chinese ? QStringLiteral("读取状态: 失败") : QStringLiteral("Read State: Failure");
}

} // namespace wall
