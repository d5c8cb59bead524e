#include "MatrixControl.h"

#include "matrix/MatrixProtocol.h"
#include "serial/DeviceIo.h"
#include "wall/WallGrid.h"

namespace wall {

std::optional<int> MatrixPicture::picture() const {
    if (sourceItem >= 1 && sourceItem <= 4)
        return sourceItem;
    if (sourceItem == 5 && subSignalItem >= 1 && subSignalItem <= 4)
        return subSignalItem;
    return std::nullopt;
}

namespace {

bool wholeWallSelected(const WallGrid& grid) {
    return grid.selection() == Selection{0, 0, grid.cols() - 1, grid.rows() - 1};
}

} // namespace

void matrixControl(const MatrixContext& cx, int sourceCode, int input, int address) {
    const std::optional<MatrixKind> kind = matrixKindForSource(sourceCode);
    if (!kind)
        return;
    const MatrixSettings& settings = cx.config.settings(*kind);
    const MatrixProtocol* protocol = findMatrixProtocol(*kind, settings.company);
    if (!protocol)
        return;
    const MatrixNotes& notes = protocol->notes;
    if (notes.maxInput > 0 && input > notes.maxInput)
        return; // the protocol has no code for this input

    WalkRules walk = notes.walk;
    if (notes.fourPicture && *kind == MatrixKind::AV && cx.board == 8) {
        const std::optional<int> picture = cx.picture.picture();
        if (!picture)
            return;
        walk.picture = *picture - 1;
    }
    const std::vector<MatrixTarget> targets = walkOutputs(
        cx.grid, cx.config.outputMap[size_t(*kind)], cx.config.routedInput[size_t(*kind)],
        notes.routedInputLessOne ? input - 1 : input, walk);

    const MatrixRoute route{
        .kind = *kind,
        .sourceCode = sourceCode,
        .input = input,
        .id = address,
        .switchType = cx.switchType,
        .inputCount = settings.inputMax,
        .model = settings.type,
        .screens = cx.grid.screenCount(),
        .wholeWall = wholeWallSelected(cx.grid),
    };
    MatrixWriter out(cx.io.link(matrixPort(portRule(*kind, *protocol), cx.routing)), cx.io.pacer(),
                     settings.delayTime);

    if (protocol->shape == MatrixShape::Batch) {
        protocol->batch(out, route, targets);
        return;
    }
    if (notes.wholeWall && route.wholeWall) {
        notes.wholeWall(out, route);
        out.delay();
        return;
    }
    for (std::size_t n = 0; n < targets.size(); ++n) {
        if (n == 0 && notes.first)
            notes.first(out, route);
        protocol->output(out, route, targets[n].output);
        if (!notes.ownPauses)
            out.delay();
    }
    if (notes.afterWalk)
        notes.afterWalk(out, route, int(targets.size()));
}

} // namespace wall
