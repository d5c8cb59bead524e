#include "SimulatedWall.h"

#include <utility>

#include "serial/TraceIo.h"

#include <algorithm>

namespace wall {

namespace {
constexpr int kMainSource = 0x30;
constexpr int kMainSourceSingle = 0x31;
constexpr int kPower = 0x10;

int byteAt(QByteArrayView b, qsizetype i) {
    return static_cast<unsigned char>(b[i]);
}
// The screen commands that store and recall a unit's whole state as a plan.
constexpr int kPlanStore = 0xC9;
constexpr int kPlanRecall = 0xCA;
} // namespace

SimulatedWall::SimulatedWall(int rows, int cols, FrameFormat format)
    : format_(format), units_(size_t(kMaxWallSide * kMaxWallSide)) {
    reshape(rows, cols, format);
}

void SimulatedWall::reshape(int rows, int cols, FrameFormat format) {
    rows_ = std::clamp(rows, 1, kMaxWallSide);
    cols_ = std::clamp(cols, 1, kMaxWallSide);
    if (format != format_)
        pending_.clear(); // a frame begun in the old format is not one in the new
    format_ = format;
}

const SimulatedWall::Unit& SimulatedWall::unit(int row, int col) const {
    return units_.at(size_t(row * kMaxWallSide + col));
}

SimulatedWall::Unit& SimulatedWall::unit(int row, int col) {
    return units_.at(size_t(row * kMaxWallSide + col));
}

QList<QByteArray> SimulatedWall::feed(QByteArrayView bytes) {
    pending_.append(bytes.data(), bytes.size());
    QList<QByteArray> replies;
    const int length = frameLength(format_);
    // Bytes that are no frame for the units (a matrix switcher's frames on a
    // shared link, noise) are logged too, so that the operator sees them.
    QByteArray other;
    auto logOther = [&] {
        if (!other.isEmpty())
            log_ << QStringLiteral("other %1").arg(hexBytes(std::exchange(other, {})));
    };
    for (;;) {
        const qsizetype head = pending_.indexOf(char(kFrameHead));
        if (head < 0) {
            other += std::exchange(pending_, {});
            break;
        }
        other += pending_.left(head);
        pending_.remove(0, head);
        if (pending_.size() < length)
            break;
        Frame frame{};
        if (!decode(QByteArrayView(pending_).first(length), frame)) {
            other += pending_.left(1);
            pending_.remove(0, 1); // not a frame: look for the next head
            continue;
        }
        logOther();
        log_ << QStringLiteral("frame %1").arg(hexBytes(QByteArrayView(pending_).first(length)));
        pending_.remove(0, length);
        replies += apply(frame);
    }
    logOther();
    return replies;
}

bool SimulatedWall::decode(QByteArrayView b, Frame& f) const {
    if (byteAt(b, 0) != kFrameHead || byteAt(b, b.size() - 1) != kFrameTail)
        return false;
    f.command = byteAt(b, 1);
    if (f.command != int(ScreenCommand::Write) && f.command != int(ScreenCommand::Step) &&
        f.command != int(ScreenCommand::Read))
        return false;
    if (format_ == FrameFormat::RowCol) {
        f.target = {byteAt(b, 3) - 1, byteAt(b, 2) - 1, byteAt(b, 5) - 1, byteAt(b, 4) - 1};
        f.parameter = byteAt(b, 6);
        f.value = byteAt(b, 7);
    } else {
        const int start = byteAt(b, 2), end = byteAt(b, 3);
        f.target = {(start & 0x0F) - 1, (start >> 4) - 1, (end & 0x0F) - 1, (end >> 4) - 1};
        f.parameter = byteAt(b, 4);
        f.value = byteAt(b, 5);
        if (format_ == FrameFormat::Wide && f.command == int(ScreenCommand::Write))
            f.value += byteAt(b, 6) * 255;
    }
    // The whole-wall forms (all zero, or up to 0xFF) reach every unit.
    if (f.target.left < 0 && f.target.top < 0 && f.target.right < 0 && f.target.bottom < 0)
        f.target = {0, 0, cols_ - 1, rows_ - 1};
    return true;
}

int SimulatedWall::valueOf(const Unit& u, int parameter) const {
    if (parameter == kMainSource)
        return u.sourceWire;
    if (parameter == kPower)
        return u.power ? 1 : 0;
    const auto it = u.values.find(parameter);
    return it == u.values.end() ? kDefaultValue : it->second;
}

QList<QByteArray> SimulatedWall::apply(const Frame& f) {
    const int top = std::max(f.target.top, 0), left = std::max(f.target.left, 0);
    // Every unit up to the largest wall answers, whatever size the wall was
    // given: the console may have grown it since.
    const int bottom = std::min(f.target.bottom, kMaxWallSide - 1);
    const int right = std::min(f.target.right, kMaxWallSide - 1);
    if (top > bottom || left > right)
        return {};
    if (f.command == int(ScreenCommand::Read))
        return {reply(top, left, f.parameter)}; // the first addressed unit answers
    // A plan: each unit keeps its own state under the number, and takes it
    // back when asked (a plan it never stored changes nothing).
    if (f.parameter == kPlanStore || f.parameter == kPlanRecall) {
        int units = 0;
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c) {
                const int key = (r * kMaxWallSide + c) * 256 + f.value;
                if (f.parameter == kPlanStore) {
                    storedPlans_[key] = unit(r, c);
                    ++units;
                } else if (const auto it = storedPlans_.find(key); it != storedPlans_.end()) {
                    unit(r, c) = it->second;
                    ++units;
                }
            }
        log_ << QStringLiteral("plan %1 %2 by %3 unit(s)")
                    .arg(f.value)
                    .arg(f.parameter == kPlanStore ? QStringLiteral("stored")
                                                   : QStringLiteral("recalled"))
                    .arg(units);
        return {};
    }
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) {
            Unit& u = unit(r, c);
            if (f.command == int(ScreenCommand::Write)) {
                u.values[f.parameter] = f.value;
                continue;
            }
            switch (f.parameter) {
            case kPower:
                u.power = f.value != 0;
                break;
            case kMainSource:
            case kMainSourceSingle:
                u.sourceWire = f.value;
                log_ << QStringLiteral("unit %1:%2 main source %3")
                            .arg(r + 1)
                            .arg(c + 1)
                            .arg(f.value);
                break;
            default: {
                // Steps move a value by one; other triggers are only noted.
                const int now = valueOf(u, f.parameter);
                if (f.value == 0 || f.value == 1)
                    u.values[f.parameter] = std::clamp(now + (f.value ? 1 : -1), 0, 255);
            }
            }
        }
    return {};
}

QByteArray SimulatedWall::reply(int row, int col, int parameter) const {
    const int value = valueOf(unit(row, col), parameter);
    QByteArray b;
    auto put = [&b](int v) { b.append(static_cast<char>(v & 0xFF)); };
    // One record of the 8-byte format: E5, a spare byte, P, low, high, E0.
    auto record = [&](int v, int base) {
        put(0xE5);
        put(0x00);
        put(parameter);
        put(v % base);
        put(v / base);
        put(0xE0);
    };
    switch (format_) {
    case FrameFormat::Short:
        put(screenAddress(row, col));
        put(parameter);
        put(value);
        put(kFrameTail);
        break;
    case FrameFormat::Wide:
        if (parameter == 0x80 || parameter == 0x81) {
            record(kSliderMaximum, 255); // the positions' range, then the value
            record(value, 255);
        } else if (parameter >= 0x65 && parameter <= 0x68) {
            record(value, 256); // value, minimum and maximum, counted in 256s
            record(parameter <= 0x66 ? 1 : 0, 256);
            record(kSliderMaximum, 256);
        } else {
            record(value, 255);
        }
        break;
    case FrameFormat::RowCol:
        put(row + 1);
        put(col + 1);
        put(parameter);
        put(value);
        put(kFrameTail);
        break;
    }
    return b;
}

} // namespace wall
