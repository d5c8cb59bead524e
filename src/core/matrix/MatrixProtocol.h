#pragma once

#include "matrix/MatrixFrames.h"
#include "matrix/MatrixPort.h"

#include <QByteArrayView>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace wall {

class DeviceLink;
class Pacer;

// What one routing knows when it builds its frames.
struct MatrixRoute {
    MatrixKind kind = MatrixKind::AV;
    int sourceCode = 0;
    int input = 1;      // 1-based
    int id = 1;         // the switcher's address
    int switchType = 1; // 0 video and audio, 1 video, 2 audio
    int inputCount = 4; // the kind's number of inputs
    int model = 0;      // the kind's model index
    int screens = 0;    // Row x Col
    bool wholeWall = false;
    // A plan recall's replay: one frame per output, without the repeats and
    // their pauses some switchers are given when routed.
    bool once = false;

    // T[video+audio / video / audio]
    int t(int av, int video, int audio) const {
        return switchTypeByte(switchType, av, video, audio);
    }
};

// The frames and pauses of one routing, to the protocol's device.
class MatrixWriter {
public:
    MatrixWriter(DeviceLink& link, Pacer& pacer, int delay)
        : link_(link), pacer_(pacer), delay_(delay) {}

    void write(QByteArrayView frame);
    // The frame one byte per write; `pauseAfterEach` waits D after every byte.
    void writeBytewise(QByteArrayView frame, bool pauseAfterEach);
    void pause(int ms);
    void delay() { pause(delay_); } // D

private:
    DeviceLink& link_;
    Pacer& pacer_;
    int delay_;
};

// The frames of one output, before the D that follows every output.
using OutputFrames = void (*)(MatrixWriter&, const MatrixRoute&, int output);
// The frames of a whole routing, with their pauses.
using BatchFrames = void (*)(MatrixWriter&, const MatrixRoute&,
                             const std::vector<MatrixTarget>& targets);
// Frames sent once per routing.
using CallFrames = void (*)(MatrixWriter&, const MatrixRoute&);
// What follows the last output, given the number of outputs commanded.
using AfterWalk = void (*)(MatrixWriter&, const MatrixRoute&, int commands);

enum class MatrixShape {
    PerOutput, // a command per output, each followed by D
    Batch,     // one frame (or a few) for all outputs
};

// What a protocol does beyond its frames.
struct MatrixNotes {
    std::optional<PortRule> port; // the kind's rule unless set
    bool fourPicture = false;     // board 8: one picture of each screen (AV only)
    bool routedInputLessOne = false;
    WalkRules walk;                 // every screen, the output limit
    int maxInput = 0;               // inputs above send nothing (0 = no limit)
    bool ownPauses = false;         // the output frames make their own pauses, no D after them
    CallFrames first = nullptr;     // once, before the first output's frames
    CallFrames wholeWall = nullptr; // instead of the outputs when the whole wall is selected
    AfterWalk afterWalk = nullptr;  // once, after the outputs
};

struct MatrixProtocol {
    int index = 0; // the stored <kind>_Company value
    std::string_view name;
    MatrixShape shape = MatrixShape::PerOutput;
    OutputFrames output = nullptr; // per-output protocols
    BatchFrames batch = nullptr;   // batch protocols
    MatrixNotes notes;
};

// The protocol list of a kind in index order; entry 0 is "NotUsed".
std::span<const MatrixProtocol> matrixProtocols(MatrixKind kind);
// The kind's protocol with this index; nothing for "NotUsed" and unknown
// indexes.
const MatrixProtocol* findMatrixProtocol(MatrixKind kind, int index);
// The port rule a protocol writes with.
PortRule portRule(MatrixKind kind, const MatrixProtocol& protocol);

// TRIOLION model codes by model index, and the input count a model name
// gives ("24X16" has 24 inputs). Nothing for an unknown model.
std::optional<int> triolionModelCode(MatrixKind kind, int sourceCode, int model);
std::span<const std::string_view> matrixModelNames(MatrixKind kind); // AV and VGA only
int matrixModelInputs(MatrixKind kind, int model);

// The pair list of VGA AITE: 96 <ID> 01 2n+2 A0, the pairs, a closing NUL.
inline constexpr PairList kAitePairList{.kindByte = 0xA0, .nulClosed = true};

// The MAINVAN frame that routes `input` to `output`:
// F4 <I> 21 <O> 00 <E> S[1..5], E = 00 when I < 256, else 21.
QByteArray mainvanFrame(int input, int output);

// The 4x4 code pair of LKV344 and IDOT for output O and input I (1 … 4).
QByteArrayView fourByFourCode(int output, int input);

} // namespace wall
