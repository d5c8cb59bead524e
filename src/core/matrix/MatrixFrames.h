#pragma once

#include "matrix/MatrixSettings.h"

#include <QByteArray>

#include <initializer_list>
#include <string_view>
#include <vector>

namespace wall {

class WallGrid;

// Every matrix frame fits one 255-byte block write.
inline constexpr int kMaxMatrixFrame = 255;

// Builds one frame in the protocol notation: bytes (low 8 bits), ASCII
// text, decimal and hexadecimal digit fields, and sums over byte ranges.
class Frame {
public:
    Frame& b(std::initializer_list<int> values);  // <V> …
    Frame& s(std::string_view text);              // 'TEXT'
    Frame& dec(int v);                            // {V}: no leading zeros
    Frame& dec(int v, int width);                 // {V:w}: exactly w digits, the low ones
    Frame& hex(int v, int width);                 // {V:Xw}: upper-case, the low digits
    Frame& sum(int from, int to);                 // S[from..to]
    Frame& neg(int from, int to);                 // N[from..to]
    Frame& xorOf(int from, int to);               // X[from..to]
    Frame& sumMasked(int from, int to, int mask); // S[from..to] AND mask

    int at(int i) const { return static_cast<unsigned char>(data_.at(i)); }
    int size() const { return int(data_.size()); }
    const QByteArray& data() const { return data_; }
    operator QByteArrayView() const { return data_; }

private:
    int sumOf(int from, int to) const;
    QByteArray data_;
};

// The switch type byte T[video+audio / video / audio].
inline int switchTypeByte(int switchType, int av, int video, int audio) {
    return switchType == 1 ? video : switchType == 2 ? audio : av;
}

// One output a routing commands, and whether it came from the selection's
// last cell (Bottom, Right), after which some lists close with '.'.
struct MatrixTarget {
    int output = 0;
    bool lastCell = false;
    bool operator==(const MatrixTarget&) const = default;
};

// How a protocol walks the selected screens.
struct WalkRules {
    // Board 8, four pictures: the screen's entry 4s + picture (0 … 3) of the
    // AV tables; -1 uses entry s.
    int picture = -1;
    // Every wired screen, also when its output was commanded already.
    bool everyScreen = false;
    // Outputs above this are not defined by the protocol: the screen is
    // skipped. 0 = no limit.
    int maxOutput = 0;
};

// The outputs of the selected screens, row by row: each screen's output
// from the map (0 or less: not wired), each output once. Every visited wired
// screen records `recordedInput` in `routed`, also when its output was
// commanded already.
std::vector<MatrixTarget> walkOutputs(const WallGrid& grid, const MatrixTable& map,
                                      MatrixTable& routed, int recordedInput,
                                      const WalkRules& rules = {});

// --- The frame shapes several protocols share --------------------------

// ZRQ batch frames: C5 B1 <ID> category L width T['Q'/'R'/'S'] input
// outputs checksum, a new frame whenever L reaches 150; at least one frame.
std::vector<QByteArray> zrqBatchFrames(int id, int category, int inputCount, int switchType,
                                       int input, const std::vector<int>& outputs);

// Pair-list frames: first <ID> 01 2n+2 kind, n pairs <O-1> <I-1> (or <I>),
// then S[0..] (96 is sent as 6A) or a closing NUL; split into frames of at
// most `maxPairs` pairs and never beyond the buffer; none without a pair.
struct PairList {
    int first = 0x96;
    int kindByte = 0;
    bool inputLessOne = true;
    int maxPairs = kMaxMatrixFrame;
    bool nulClosed = false;
};
std::vector<QByteArray> pairListFrames(const PairList& shape, int id, int input,
                                       const std::vector<int>& outputs);

// An output and the input switched to it (both 1-based), for the lists in
// which every output carries an input of its own (a plan recall).
struct MatrixPair {
    int output = 0;
    int input = 1;
    bool operator==(const MatrixPair&) const = default;
};
std::vector<QByteArray> pairListFrames(const PairList& shape, int id,
                                       const std::vector<MatrixPair>& pairs);

// TRIOLION frames: EB model 02 2n, n pairs <O-1> <I-1>, S[1..], at most
// `maxPairs` pairs each; none without a pair.
std::vector<QByteArray> triolionFrames(int modelCode, int maxPairs, int input,
                                       const std::vector<int>& outputs);
std::vector<QByteArray> triolionFrames(int modelCode, int maxPairs,
                                       const std::vector<MatrixPair>& pairs);

// ASCII lists: head, then each output in decimal followed by the
// separator, or by '.' after the output of the selection's last cell; with
// `closeWithDot` the last separator is always '.'. Then the tail. A list
// that would outgrow the buffer goes on in a new frame with the same head,
// the full one closed by '.'. None without an output.
struct AsciiList {
    char separator = ',';
    bool closeWithDot = false;
    std::string_view tail;
};
std::vector<QByteArray> asciiListFrames(const QByteArray& head, const AsciiList& shape,
                                        const std::vector<MatrixTarget>& targets);

} // namespace wall
