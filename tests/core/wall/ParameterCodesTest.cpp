#include "wall/ParameterCodes.h"

#include <gtest/gtest.h>

using namespace wall;

namespace {

TEST(ParameterCodes, CommandFileNamesMapToCodesBothWays) {
    struct Case {
        const char* name;
        int code;
    };
    const Case cases[] = {
        {"CmdVidoContrast", 64},
        {"CmdVidoBrightness", 65},
        {"CmdVido3DNR", 69},
        {"CmdRGBPhase", 83},
        {"CmdPIPSource", 97},
        {"CmdPIPVSize", 104},
        {"CmdImageOrientaionFLip", 112},
        {"CmdSysVscale", 156},
        {"CmdBackLight", 179},
        {"CmdNosignalMode", 188},
        {"CmdDlpColorRx", 208},
        {"CmdDlpColorGy", 212},
        {"CmdDlpColorWg", 228},
        {"CmdDlpColorYx", 223},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parameterFromFileName(c.name), c.code) << c.name;
        EXPECT_EQ(parameterFileName(c.code), QLatin1String(c.name)) << c.code;
    }
    EXPECT_FALSE(parameterFromFileName("CmdDlpColorXx"));
    EXPECT_FALSE(parameterFromFileName(""));
    EXPECT_TRUE(parameterFileName(0x10).isEmpty());
}

TEST(ParameterCodes, RunsOfCodesAreFound) {
    ASSERT_NE(findParameter(0x57), nullptr);
    EXPECT_EQ(findParameter(0x57)->first, 0x54);
    EXPECT_EQ(findParameter(0x41)->commands, CmdW | CmdS | CmdR);
    EXPECT_EQ(findParameter(0x10)->commands, CmdS);
    EXPECT_EQ(findParameter(0x00), nullptr);
    // Codes with two meanings find their own row before the colour run.
    EXPECT_EQ(findParameter(0xDA)->commands, CmdS);
    EXPECT_EQ(findParameter(0xD7)->commands, CmdW | CmdR);
    EXPECT_EQ(findParameter(0xD1)->first, 0xD1);
    EXPECT_EQ(findParameter(0xE0)->first, 0xD0);
}

} // namespace
