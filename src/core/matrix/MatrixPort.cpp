#include "MatrixPort.h"

#include "serial/SerialSettings.h"

namespace wall {

int matrixPort(PortRule rule, const PortRouting& r) {
    const bool muco = r.matrixUseComOnly != 0;
    switch (rule) {
    case PortRule::A:
        return muco || r.avMatrixUseComOnly ? 2 : 1;
    case PortRule::A1:
        return muco ? 2 : 1;
    case PortRule::V:
        return muco ? 2 : r.vgaMatrixUseComOnly ? 3 : 1;
    case PortRule::V3:
        return muco || r.vgaMatrixUseComOnly ? 3 : 1;
    case PortRule::D:
        return muco ? 2 : r.dviMatrixUseComOnly ? 4 : 1;
    case PortRule::D2:
        return muco || r.dviMatrixUseComOnly ? 2 : 1;
    case PortRule::Y:
        break;
    }
    return muco ? 2 : r.yuvMatrixUseComOnly ? 5 : 1;
}

PortRule defaultPortRule(MatrixKind kind) {
    switch (kind) {
    case MatrixKind::AV:
        return PortRule::A;
    case MatrixKind::VGA:
        return PortRule::V;
    case MatrixKind::DVI:
        return PortRule::D;
    case MatrixKind::YUV:
        break;
    }
    return PortRule::Y;
}

std::optional<MatrixKind> matrixKindForSource(int sourceCode) {
    if (sourceCode == 0 || sourceCode == 1)
        return MatrixKind::VGA;
    if (sourceCode >= 2 && sourceCode <= 6)
        return MatrixKind::AV;
    if (sourceCode == 8)
        return MatrixKind::YUV;
    if (sourceCode == 10 || sourceCode == 11)
        return MatrixKind::DVI;
    return std::nullopt;
}

} // namespace wall
