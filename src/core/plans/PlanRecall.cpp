#include "PlanRecall.h"

#include "PlanStore.h"
#include "PresetFrames.h"
#include "app/SettingsStore.h"
#include "matrix/MatrixPort.h"
#include "matrix/MatrixProtocol.h"
#include "serial/DeviceIo.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace wall {

namespace {

constexpr ReplayStyle P = ReplayStyle::PerOutput;

// clang-format off
constexpr ReplayEntry kVgaReplay[] = {
    {7, ReplayStyle::PairList}, {8, P}, {9, ReplayStyle::Triolion}, {16, P}, {17, P}, {21, P},
    {22, P}, {25, P}, {26, P}, {27, P}, {29, P}, {30, P}, {31, P}, {32, P}, {34, P}, {37, P},
    {38, P}, {40, P}, {41, P}, {43, P}, {44, P}, {46, P}, {50, P}, {51, P}, {53, P}, {54, P},
    {55, P}, {56, P}, {63, P}, {66, P}, {68, P}, {70, P},
};
constexpr ReplayEntry kAvReplay[] = {
    {5, P}, {6, P}, {7, P}, {8, P}, {11, ReplayStyle::Triolion}, {16, P}, {18, P}, {19, P},
    {20, P}, {21, P}, {22, P}, {23, P}, {24, P}, {27, P}, {28, P}, {30, P}, {33, P}, {34, P},
    {35, P}, {36, P}, {38, P}, {39, P}, {40, P}, {41, P}, {42, P}, {43, P}, {44, P}, {46, P},
    {47, P}, {48, P}, {51, P}, {52, P}, {53, P}, {54, P}, {56, P}, {57, P}, {58, P}, {59, P},
    {60, P}, {62, P}, {63, P}, {68, P}, {69, P}, {70, P}, {71, P}, {73, P}, {76, P}, {77, P},
    {78, P}, {79, P}, {81, P}, {82, P}, {83, P}, {84, P}, {86, P}, {87, P}, {88, P}, {89, P},
};
constexpr ReplayEntry kDviReplay[] = {
    {3, P}, {5, P}, {6, P}, {7, P}, {8, P}, {10, P}, {11, P}, {13, P}, {14, P}, {20, P}, {24, P},
};
constexpr ReplayEntry kYuvReplay[] = {
    {2, P},
};
// clang-format on

// The order in which the switchers are restored.
constexpr MatrixKind kRecallOrder[] = {MatrixKind::VGA, MatrixKind::AV, MatrixKind::DVI,
                                       MatrixKind::YUV};

// The wall source a kind's routing is made for; VGA TRIOLION's second pass
// uses the second VGA source.
int firstSourceOf(MatrixKind kind) {
    switch (kind) {
    case MatrixKind::VGA:
        return 0;
    case MatrixKind::AV:
        return 2;
    case MatrixKind::DVI:
        return 10;
    case MatrixKind::YUV:
        break;
    }
    return 8;
}
constexpr int kSecondVgaSource = 1;
constexpr int kNoSourceCode = 12;
// A checksum of EB would read as the head of a new TRIOLION frame.
constexpr int kTriolionHead = 0xEB;
constexpr int kTriolionHeadStandIn = 0x14;

bool validPlan(int n) {
    return n >= 0 && n < kPlanCount;
}

} // namespace

std::span<const ReplayEntry> replayTable(MatrixKind kind) {
    switch (kind) {
    case MatrixKind::AV:
        return kAvReplay;
    case MatrixKind::VGA:
        return kVgaReplay;
    case MatrixKind::DVI:
        return kDviReplay;
    case MatrixKind::YUV:
        break;
    }
    return kYuvReplay;
}

const ReplayEntry* findReplay(MatrixKind kind, int protocolIndex) {
    for (const ReplayEntry& e : replayTable(kind))
        if (e.index == protocolIndex)
            return &e;
    return nullptr;
}

QString PlanRecall::errorCaption() const {
    return console_.messageLanguage() != 0 ? QStringLiteral("Error") : QStringLiteral("错误提示");
}

QString PlanRecall::blocked() const {
    const bool english = console_.messageLanguage() != 0;
    if (console_.reading())
        return english ? QStringLiteral("a read is running") : QStringLiteral("正在读取");
    if (running_ || console_.plans().saving())
        return english ? QStringLiteral("a plan command is running")
                       : QStringLiteral("正在执行预案");
    return {};
}

namespace {

// Marks a recall as running for as long as it lives.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

notices::Label planLabel(const Console& console, int n, const char* chinese, const char* english) {
    const QString name = console.plans().names().value(n);
    return {QString::fromUtf8(chinese).arg(n + 1).arg(name),
            QString::fromUtf8(english).arg(n + 1).arg(name)};
}

} // namespace

CommandResult PlanRecall::matrixRecallyPlan() {
    if (const QString why = blocked(); !why.isEmpty())
        return CommandResult::refused(why);
    RunningFlag flag(running_);
    const CommandResult r = restore();
    if (r.ok) {
        const notices::Label label =
            planLabel(console_, console_.plans().current(), "已恢复预案 %1（%2）的矩阵",
                      "Restored the matrices of plan %1 (%2)");
        console_.notice(console_.messageLanguage() != 0 ? label.english : label.chinese);
    }
    return r;
}

QString PlanRecall::unsaved() const {
    return console_.messageLanguage() != 0 ? QStringLiteral("Do not save this plan!")
                                           : QStringLiteral("没有保存此预案");
}

QString PlanRecall::refusal(int n) const {
    const bool english = console_.messageLanguage() != 0;
    if (!validPlan(n))
        return english ? QStringLiteral("Plan %1 is outside 1-%2").arg(n + 1).arg(kPlanCount)
                       : QStringLiteral("预案 %1 超出 1-%2").arg(n + 1).arg(kPlanCount);
    if (const QString why = blocked(); !why.isEmpty())
        return why;
    return console_.plans().saved(n) ? QString() : unsaved();
}

CommandResult PlanRecall::recall(int n) {
    const QString why = refusal(n);
    if (validPlan(n) && blocked().isEmpty())
        console_.plans().setCurrent(n); // also when unsaved
    if (!why.isEmpty())
        return CommandResult::refused(why);

    RunningFlag flag(running_);
    const GlobalSettings& g = console_.state().settings;
    Pacer& pacer = console_.io().pacer();
    const int wait = std::clamp(g.MatrixToScreenTime, 0, INT_MAX / 10) * 10;
    auto wallFrame = [&] {
        console_.io().link(kWallLink).write(planWallFrame(g.CmdForm, kPlanRecallCode, n + 1));
    };
    CommandResult r;
    switch (g.SwitchOrder) {
    case 0: // the matrices first
        r = restore();
        if (!r.ok)
            return r;
        pacer.pause(wait);
        wallFrame();
        break;
    case 1: // the wall first
        wallFrame();
        pacer.pause(wait);
        r = restore();
        break;
    default:
        wallFrame();
        break;
    }
    console_.noticeSent(planLabel(console_, n, "调用预案 %1（%2）", "recall plan %1 (%2)"),
                        console_.state().grid.screenCount());
    return r;
}

CommandResult PlanRecall::restore() {
    const int n = console_.plans().current();
    if (!console_.plans().saved(n))
        return CommandResult::refused(unsaved());

    ConsoleState& state = console_.state();
    WallGrid& grid = state.grid;
    MatrixConfig& matrix = state.matrix;
    state.settings.wallMode = n;
    // What memory held, should the file refuse the recalled plan.
    const auto routedBefore = matrix.routedInput;
    std::vector<int> sourcesBefore;
    for (int k = 0; k < grid.screenCount(); ++k)
        sourcesBefore.push_back(grid.source(k));
    {
        SettingsScope ini = console_.settings().open();
        ini.writeInt("Wall", "Wall_Mode", n);

        // A value no switcher input can have reads as the default input 1.
        // TRIOLION and REA keep input - 1, so 0 is a stored input too.
        const int screens = grid.screenCount();
        auto readEntry = [&](MatrixKind kind, int k) {
            if (k < 0 || k >= kMatrixTableSize)
                return;
            const int v = ini.readInt("Matrix", PlanStore::matrixKey(n, kind, k), 1);
            matrix.routedInput[size_t(kind)][size_t(k)] = v >= 0 && v <= kMaxMatrixInputs ? v : 1;
        };
        if (state.settings.BoardSel == 8) {
            for (int k = 0; k < screens * kAvPicturesOnBoard8; ++k)
                readEntry(MatrixKind::AV, k);
            for (int k = 0; k < screens; ++k) {
                readEntry(MatrixKind::VGA, k);
                readEntry(MatrixKind::DVI, k);
            }
        } else {
            for (int k = 0; k < screens; ++k)
                for (MatrixKind kind :
                     {MatrixKind::AV, MatrixKind::VGA, MatrixKind::DVI, MatrixKind::YUV})
                    readEntry(kind, k);
        }

        // A source code is one byte; anything else reads as no source.
        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c) {
                const int k = grid.screenIndex(r, c);
                const int v = ini.readInt("Unit1", PlanStore::sourceKey(n, k), kNoSourceCode);
                const int source = v >= 0 && v <= 0xFF ? v : kNoSourceCode;
                grid.setSource(k, source);
                ini.writeInt("Unit1", indexedKey("Source", k), source);
            }

        QString error;
        if (!ini.release(&error)) {
            // The switchers are left as they are, and memory as the file
            // still has it: neither would say what the wall shows.
            matrix.routedInput = routedBefore;
            for (int k = 0; k < int(sourcesBefore.size()); ++k)
                grid.setSource(k, sourcesBefore[size_t(k)]);
            console_.settings().reportError(error);
            return CommandResult::refused(error);
        }
    }
    if (matrix.matrixUse == 1)
        restoreMatrices(n);
    return {};
}

void PlanRecall::restoreMatrices(int n) {
    ConsoleState& state = console_.state();
    DeviceIo& io = console_.io();
    const int screens = state.grid.screenCount();
    for (MatrixKind kind : kRecallOrder) {
        const MatrixSettings& s = state.matrix.settings(kind);
        if (progress_ && s.company != 0)
            progress_(kind, 0, screens);
        if (findPresetRow(kind, s.company)) {
            const MatrixProtocol* protocol = findMatrixProtocol(kind, s.company);
            const PortRule rule = protocol ? portRule(kind, *protocol) : defaultPortRule(kind);
            DeviceLink& link = io.link(matrixPort(rule, state.routing));
            // Nothing beyond the row's plan limit (DVI EXTRON: p above 6).
            for (const PresetWrite& w :
                 presetWrites(kind, s.company, PresetAction::Recall, s.id, n)) {
                link.write(w.bytes);
                io.pacer().pause(w.pauseMs);
            }
        } else if (const ReplayEntry* entry = findReplay(kind, s.company)) {
            replay(kind, *entry);
        }
        if (kind != MatrixKind::YUV && s.company != 0)
            io.pacer().pause(kKindPauseMs);
    }
}

// The walk of a routing over the whole wall, each output with the input its
// own screen had when the plan was saved; the routed-input tables are left
// as loaded.
//
// Board 8 with a four-picture AV protocol: every screen's four pictures are
// restored, each picture's output with that picture's own stored input
// (entries 4k … 4k + 3), so the operator gets back all four pictures as
// saved rather than only the one the routing window happens to show. Other
// protocols pair output entry k with input entry k, as their routing does.
void PlanRecall::replay(MatrixKind kind, const ReplayEntry& entry) {
    ConsoleState& state = console_.state();
    const MatrixSettings& s = state.matrix.settings(kind);
    const MatrixProtocol* protocol = findMatrixProtocol(kind, s.company);
    if (!protocol)
        return;
    const MatrixNotes& notes = protocol->notes;
    const MatrixTable& map = state.matrix.outputMap[size_t(kind)];
    const MatrixTable& routed = state.matrix.routedInput[size_t(kind)];
    const int screens = state.grid.screenCount();
    const int pictures = notes.fourPicture && kind == MatrixKind::AV && state.settings.BoardSel == 8
                             ? kAvPicturesOnBoard8
                             : 1;

    MatrixRoute route{
        .kind = kind,
        .sourceCode = firstSourceOf(kind),
        .input = 1,
        .id = s.id,
        .switchType = state.settings.matrixSwitchType,
        .inputCount = s.inputMax,
        .model = s.type,
        .screens = screens,
        .wholeWall = false, // each output has an input of its own
        .once = true,       // the routing's repeats belong to the routing alone
    };
    DeviceIo& io = console_.io();
    MatrixWriter out(io.link(matrixPort(portRule(kind, *protocol), state.routing)), io.pacer(),
                     s.delayTime);

    // The wired screens' pairs in ScreenIndex order (pictures in turn),
    // the input as the protocol's frame takes it.
    std::vector<std::pair<int, MatrixPair>> wired; // screen, pair
    for (int k = 0; k < screens; ++k)
        for (int picture = 0; picture < pictures; ++picture) {
            const int e = pictures == 1 ? k : k * kAvPicturesOnBoard8 + picture;
            if (e >= kMatrixTableSize)
                continue;
            const int o = map[size_t(e)];
            const int i = notes.routedInputLessOne ? routed[size_t(e)] + 1 : routed[size_t(e)];
            if (o <= 0 || (notes.walk.maxOutput > 0 && o > notes.walk.maxOutput))
                continue;
            wired.push_back({k, {o, i}});
        }

    // An input the protocol has no code for is not sent; its output still
    // belongs to the screen that stored it (the lower screen index wins).
    auto sendable = [&](const MatrixPair& pair) {
        return pair.input >= 1 && (notes.maxInput <= 0 || pair.input <= notes.maxInput);
    };
    auto report = [&](int screen) {
        if (progress_)
            progress_(kind, screen + 1, screens);
    };

    if (entry.style == ReplayStyle::Triolion) {
        auto pass = [&](int sourceCode) {
            const std::optional<int> code = triolionModelCode(kind, sourceCode, s.type);
            if (!code)
                return;
            for (const auto& [screen, pair] : wired) {
                if (!sendable(pair))
                    continue;
                report(screen);
                for (QByteArray frame : triolionFrames(*code, 1, {pair})) {
                    if (static_cast<unsigned char>(frame.back()) == kTriolionHead)
                        frame.back() = char(kTriolionHeadStandIn);
                    out.write(frame);
                    out.delay();
                }
            }
        };
        pass(route.sourceCode);
        if (kind == MatrixKind::VGA) {
            out.pause(kKindPauseMs);
            pass(kSecondVgaSource);
        }
        return;
    }

    // Each output once, with the input of the first screen that shows it.
    std::vector<MatrixPair> sent;
    for (const auto& [screen, pair] : wired) {
        const int o = pair.output;
        if (std::any_of(sent.begin(), sent.end(),
                        [o](const MatrixPair& p) { return p.output == o; }))
            continue;
        sent.push_back(pair);
        if (entry.style != ReplayStyle::PerOutput || !sendable(pair))
            continue;
        report(screen);
        route.input = pair.input;
        if (notes.first) // the part of the frame that names the input
            notes.first(out, route);
        protocol->output(out, route, o);
        if (!notes.ownPauses)
            out.delay();
    }
    if (entry.style == ReplayStyle::PairList) {
        std::erase_if(sent, [&](const MatrixPair& p) { return !sendable(p); });
        // One list, as long as a frame can carry (124 pairs); a longer one
        // goes out in parts, each followed by the kind's delay.
        for (const QByteArray& frame : pairListFrames(kAitePairList, s.id, sent)) {
            out.write(frame);
            out.delay();
        }
        return;
    }
    if (notes.afterWalk)
        notes.afterWalk(out, route, int(sent.size()));
}

} // namespace wall
