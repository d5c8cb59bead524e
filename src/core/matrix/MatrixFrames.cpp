#include "MatrixFrames.h"

#include "wall/WallGrid.h"

#include <algorithm>

namespace wall {

namespace {

void put(QByteArray& b, int v) {
    b.append(static_cast<char>(v & 0xFF));
}

int sum(const QByteArray& b, qsizetype from) {
    int s = 0;
    for (qsizetype i = from; i < b.size(); ++i)
        s += static_cast<unsigned char>(b[i]);
    return s & 0xFF;
}

// The low `width` digits of v in the given base, leading zeros kept.
QByteArray digits(int v, int width, int base) {
    long long modulus = 1;
    for (int i = 0; i < width; ++i)
        modulus *= base;
    const long long low = ((v % modulus) + modulus) % modulus;
    return QByteArray::number(low, base).toUpper().rightJustified(width, '0');
}

} // namespace

// --- Frame ---------------------------------------------------------------

Frame& Frame::b(std::initializer_list<int> values) {
    for (int v : values)
        put(data_, v);
    return *this;
}

Frame& Frame::s(std::string_view text) {
    data_.append(text.data(), qsizetype(text.size()));
    return *this;
}

Frame& Frame::dec(int v) {
    data_.append(QByteArray::number(v));
    return *this;
}

Frame& Frame::dec(int v, int width) {
    data_.append(digits(v, width, 10));
    return *this;
}

Frame& Frame::hex(int v, int width) {
    data_.append(digits(v, width, 16));
    return *this;
}

int Frame::sumOf(int from, int to) const {
    int s = 0;
    for (int i = from; i <= to && i < size(); ++i)
        s += at(i);
    return s & 0xFF;
}

Frame& Frame::sum(int from, int to) {
    return b({sumOf(from, to)});
}

Frame& Frame::neg(int from, int to) {
    return b({-sumOf(from, to)});
}

Frame& Frame::xorOf(int from, int to) {
    int x = 0;
    for (int i = from; i <= to && i < size(); ++i)
        x ^= at(i);
    return b({x});
}

Frame& Frame::sumMasked(int from, int to, int mask) {
    return b({sumOf(from, to) & mask});
}

// --- The walk ------------------------------------------------------------

std::vector<MatrixTarget> walkOutputs(const WallGrid& grid, const MatrixTable& map,
                                      MatrixTable& routed, int recordedInput,
                                      const WalkRules& rules) {
    std::vector<MatrixTarget> targets;
    const Selection s = grid.selection();
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) {
            if (r < s.top || r > s.bottom || c < s.left || c > s.right)
                continue;
            const int screen = grid.screenIndex(r, c);
            const int entry =
                rules.picture < 0 ? screen : screen * kAvPicturesOnBoard8 + rules.picture;
            if (entry < 0 || entry >= kMatrixTableSize)
                continue;
            const int output = map[size_t(entry)];
            if (output <= 0 || (rules.maxOutput > 0 && output > rules.maxOutput))
                continue;
            routed[size_t(entry)] = recordedInput;
            const bool commanded =
                std::any_of(targets.begin(), targets.end(),
                            [&](const MatrixTarget& t) { return t.output == output; });
            if (rules.everyScreen || !commanded)
                targets.push_back({output, r == s.bottom && c == s.right});
        }
    return targets;
}

// --- Shared shapes -------------------------------------------------------

std::vector<QByteArray> zrqBatchFrames(int id, int category, int inputCount, int switchType,
                                       int input, const std::vector<int>& outputs) {
    const bool wide = inputCount > 255;
    auto number = [&](QByteArray& b, int v) {
        if (wide)
            put(b, v >> 8);
        put(b, v);
    };
    auto start = [&] {
        QByteArray b;
        for (int v : {0xC5, 0xB1, id, category, 0, wide ? 0x25 : 0x15,
                      switchTypeByte(switchType, 'Q', 'R', 'S')})
            put(b, v);
        number(b, input);
        return b;
    };
    auto finish = [&](QByteArray b) {
        b[4] = static_cast<char>(b.size() - 5); // L: bytes 5 … the last output
        int check = sum(b, 2);
        put(b, check == 0xC5 ? 0x3A : check);
        return b;
    };
    std::vector<QByteArray> frames;
    QByteArray frame = start();
    for (int output : outputs) {
        number(frame, output);
        if (frame.size() - 5 >= 150) {
            frames.push_back(finish(frame));
            frame = start();
        }
    }
    frames.push_back(finish(frame)); // the last frame, also without outputs
    return frames;
}

namespace {

std::vector<MatrixPair> pairsOf(int input, const std::vector<int>& outputs) {
    std::vector<MatrixPair> pairs;
    pairs.reserve(outputs.size());
    for (int output : outputs)
        pairs.push_back({output, input});
    return pairs;
}

} // namespace

std::vector<QByteArray> pairListFrames(const PairList& shape, int id, int input,
                                       const std::vector<int>& outputs) {
    return pairListFrames(shape, id, pairsOf(input, outputs));
}

std::vector<QByteArray> pairListFrames(const PairList& shape, int id,
                                       const std::vector<MatrixPair>& pairs) {
    // Header 5 bytes and the checksum: at most 124 pairs fit the buffer.
    const int maxPairs = std::clamp(shape.maxPairs, 1, (kMaxMatrixFrame - 6) / 2);
    std::vector<QByteArray> frames;
    for (std::size_t from = 0; from < pairs.size(); from += std::size_t(maxPairs)) {
        const std::size_t n = std::min(pairs.size() - from, std::size_t(maxPairs));
        QByteArray b;
        for (int v : {shape.first, id, 0x01, int(2 * n + 2), shape.kindByte})
            put(b, v);
        for (std::size_t i = 0; i < n; ++i) {
            const MatrixPair& pair = pairs[from + i];
            put(b, pair.output - 1);
            put(b, shape.inputLessOne ? pair.input - 1 : pair.input);
        }
        if (shape.nulClosed) {
            put(b, 0);
        } else {
            const int check = sum(b, 0);
            put(b, check == 0x96 ? 0x6A : check);
        }
        frames.push_back(b);
    }
    return frames;
}

std::vector<QByteArray> triolionFrames(int modelCode, int maxPairs, int input,
                                       const std::vector<int>& outputs) {
    return triolionFrames(modelCode, maxPairs, pairsOf(input, outputs));
}

std::vector<QByteArray> triolionFrames(int modelCode, int maxPairs,
                                       const std::vector<MatrixPair>& pairs) {
    maxPairs = std::clamp(maxPairs, 1, (kMaxMatrixFrame - 5) / 2);
    std::vector<QByteArray> frames;
    for (std::size_t from = 0; from < pairs.size(); from += std::size_t(maxPairs)) {
        const std::size_t n = std::min(pairs.size() - from, std::size_t(maxPairs));
        QByteArray b;
        for (int v : {0xEB, modelCode, 0x02, int(2 * n)})
            put(b, v);
        for (std::size_t i = 0; i < n; ++i) {
            put(b, pairs[from + i].output - 1);
            put(b, pairs[from + i].input - 1);
        }
        put(b, sum(b, 1));
        frames.push_back(b);
    }
    return frames;
}

std::vector<QByteArray> asciiListFrames(const QByteArray& head, const AsciiList& shape,
                                        const std::vector<MatrixTarget>& targets) {
    const qsizetype tail = qsizetype(shape.tail.size());
    std::vector<QByteArray> frames;
    QByteArray frame = head;
    for (const MatrixTarget& t : targets) {
        const QByteArray item = QByteArray::number(t.output) + (t.lastCell ? '.' : shape.separator);
        if (frame.size() > head.size() && frame.size() + item.size() + tail > kMaxMatrixFrame) {
            frame.back() = '.'; // a full list still closes as one command
            frame.append(shape.tail.data(), tail);
            frames.push_back(frame);
            frame = head;
        }
        frame += item;
    }
    if (frame.size() > head.size()) {
        if (shape.closeWithDot)
            frame.back() = '.';
        frame.append(shape.tail.data(), tail);
        frames.push_back(frame);
    }
    return frames;
}

} // namespace wall
