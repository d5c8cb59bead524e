#pragma once

#include "matrix/MatrixSettings.h"

namespace wall {

struct PortRouting;

// Which serial device a matrix command goes to, by the protocol's rule and
// the port-routing flags (MUCO = MatrixUseComOnly).
enum class PortRule {
    A,  // AV: device 2 if MUCO or the AV flag, else 1
    A1, // AV SMTH5: device 2 if MUCO, else 1
    V,  // VGA: 2 if MUCO; else 3 if the VGA flag; else 1
    V3, // some VGA protocols: 3 if MUCO or the VGA flag, else 1
    D,  // DVI: 2 if MUCO; else 4 if the DVI flag; else 1
    D2, // DVI IDOT, SMTH3: 2 if MUCO or the DVI flag, else 1
    Y,  // YPbPr: 2 if MUCO; else 5 if the YPbPr flag; else 1
};

int matrixPort(PortRule rule, const PortRouting& routing);

// The rule a kind's protocols use unless their entry names another.
PortRule defaultPortRule(MatrixKind kind);

// The matrix kind that carries a wall source: 0-1 VGA, 2-6 AV, 8 YPbPr,
// 10-11 DVI; nothing for the others.
std::optional<MatrixKind> matrixKindForSource(int sourceCode);

} // namespace wall
