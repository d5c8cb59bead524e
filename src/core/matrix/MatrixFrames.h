#pragma once

#include "matrix/MatrixSettings.h"

#include <QByteArray>

#include <vector>

namespace wall {

class WallGrid;

// The matrix outputs one routing commands: the selected screens row by row,
// each screen's output from the kind's map (0 or less: not wired), each
// output once. Every visited wired screen records the input in the kind's
// routed-input table, also when its output was commanded already.
std::vector<int> walkOutputs(const WallGrid& grid, MatrixConfig& config, MatrixKind kind,
                             int recordedInput);

// Switch type bytes: T[video+audio / video / audio].
inline int switchTypeByte(int switchType, int av, int video, int audio) {
    return switchType == 1 ? video : switchType == 2 ? audio : av;
}

// The shared batch shapes. Frames never exceed kMaxMatrixFrame bytes.
inline constexpr int kMaxMatrixFrame = 255;

// ZRQ batch frames: C5 B1 <ID> category L width T['Q'/'R'/'S'] input
// outputs checksum, a new frame whenever L reaches 150; at least one frame.
std::vector<QByteArray> zrqBatchFrames(int id, int category, int inputCount, int switchType,
                                       int input, const std::vector<int>& outputs);

// Pair-list frames: first <ID> 01 2n+2 kind, n pairs <O-1> <I-1> (or <I>),
// then S[0..] (first byte 96 -> 6A), split into frames of at most
// `maxPairs` pairs (and never beyond the buffer); none when there is no pair.
std::vector<QByteArray> pairListFrames(int first, int id, int kindByte, int input,
                                       const std::vector<int>& outputs, bool inputLessOne,
                                       int maxPairs);

} // namespace wall
