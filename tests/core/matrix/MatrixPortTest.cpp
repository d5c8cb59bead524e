#include "matrix/MatrixPort.h"
#include "serial/SerialSettings.h"

#include <gtest/gtest.h>

using namespace wall;

namespace {

TEST(MatrixPort, EveryRuleWithEachFlag) {
    // Flags: none, MUCO, and the kind's own flag (AV, VGA, DVI, YUV).
    struct Case {
        PortRule rule;
        int none, muco, own;
        int PortRouting::*flag;
    };
    const Case cases[] = {
        {PortRule::A, 1, 2, 2, &PortRouting::avMatrixUseComOnly},
        {PortRule::A1, 1, 2, 1, &PortRouting::avMatrixUseComOnly},
        {PortRule::V, 1, 2, 3, &PortRouting::vgaMatrixUseComOnly},
        {PortRule::V3, 1, 3, 3, &PortRouting::vgaMatrixUseComOnly},
        {PortRule::D, 1, 2, 4, &PortRouting::dviMatrixUseComOnly},
        {PortRule::D2, 1, 2, 2, &PortRouting::dviMatrixUseComOnly},
        {PortRule::Y, 1, 2, 5, &PortRouting::yuvMatrixUseComOnly},
    };
    for (const Case& c : cases) {
        PortRouting r;
        EXPECT_EQ(matrixPort(c.rule, r), c.none) << int(c.rule);
        r.matrixUseComOnly = 1;
        EXPECT_EQ(matrixPort(c.rule, r), c.muco) << int(c.rule);
        r = PortRouting{};
        r.*c.flag = 1;
        EXPECT_EQ(matrixPort(c.rule, r), c.own) << int(c.rule);
    }
}

TEST(MatrixPort, TheSourceChoosesTheKind) {
    const std::optional<MatrixKind> expected[13] = {
        MatrixKind::VGA, MatrixKind::VGA, MatrixKind::AV, MatrixKind::AV,  MatrixKind::AV,
        MatrixKind::AV,  MatrixKind::AV,  std::nullopt,   MatrixKind::YUV, std::nullopt,
        MatrixKind::DVI, MatrixKind::DVI, std::nullopt};
    for (int code = 0; code < 13; ++code)
        EXPECT_EQ(matrixKindForSource(code), expected[code]) << code;
    EXPECT_EQ(matrixKindForSource(-1), std::nullopt);
    EXPECT_EQ(defaultPortRule(MatrixKind::DVI), PortRule::D);
}

} // namespace
