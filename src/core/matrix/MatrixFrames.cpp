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

} // namespace

std::vector<int> walkOutputs(const WallGrid& grid, MatrixConfig& config, MatrixKind kind,
                             int recordedInput) {
    std::vector<int> sent;
    const Selection s = grid.selection();
    const MatrixTable& map = config.outputMap[size_t(kind)];
    MatrixTable& routed = config.routedInput[size_t(kind)];
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) {
            if (r < s.top || r > s.bottom || c < s.left || c > s.right)
                continue;
            const int screen = grid.screenIndex(r, c);
            const int output = map[size_t(screen)];
            if (output <= 0)
                continue;
            routed[size_t(screen)] = recordedInput;
            if (std::find(sent.begin(), sent.end(), output) == sent.end())
                sent.push_back(output);
        }
    return sent;
}

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

std::vector<QByteArray> pairListFrames(int first, int id, int kindByte, int input,
                                       const std::vector<int>& outputs, bool inputLessOne,
                                       int maxPairs) {
    // Header 5 bytes and the checksum: at most 124 pairs fit the buffer.
    maxPairs = std::min(maxPairs, (kMaxMatrixFrame - 6) / 2);
    std::vector<QByteArray> frames;
    for (std::size_t from = 0; from < outputs.size(); from += std::size_t(maxPairs)) {
        const std::size_t n = std::min(outputs.size() - from, std::size_t(maxPairs));
        QByteArray b;
        for (int v : {first, id, 0x01, int(2 * n + 2), kindByte})
            put(b, v);
        for (std::size_t i = 0; i < n; ++i) {
            put(b, outputs[from + i] - 1);
            put(b, inputLessOne ? input - 1 : input);
        }
        const int check = sum(b, 0);
        put(b, check == 0x96 ? 0x6A : check);
        frames.push_back(b);
    }
    return frames;
}

} // namespace wall
