#include "PageReads.h"

namespace wall {

namespace {

constexpr auto S = ReadKind::Slider;
constexpr auto L = ReadKind::List;
constexpr auto Colour = PageReadEffect::ColourCoordinate;

constexpr PageReadStep kImage[] = {
    {0x41, "CmdVidoBrightness", S}, {0x40, "CmdVidoContrast", S}, {0x44, "CmdVidoSharpness", S},
    {0x42, "CmdVidoSaturation", S}, {0x45, "CmdVido3DNR", L},     {0x43, "CmdVidoHue", S},
};
constexpr PageReadStep kWindow[] = {
    {0x80, "CmdHPosition", S},    {0x81, "CmdVPosition", S}, {0x52, "CmdRGBClock", S},
    {0x53, "CmdRGBPhase", S},     {0x9B, "CmdSysHscale", S}, {0x9C, "CmdSysVscale", S},
    {0x9A, "CmdSysRedisplay", L},
};
constexpr PageReadStep kPip[] = {{0x65, "CmdPIPHPos", S},
                                 {0x66, "CmdPIPVPos", S},
                                 {0x67, "CmdPIPHSize", S},
                                 {0x68, "CmdPIPVSize", S}};
constexpr PageReadStep kSystem[] = {
    {0xB3, "CmdBackLight", S}, {0xB4, "CmdFanRun", L}, {0xBC, "CmdNosignalMode", L}};
// Projection, then X of white, red, green, blue, cyan, magenta, yellow, then
// Y of the same, then gain: P = 208 + 3 x colour + coordinate, white = 6.
constexpr PageReadStep kOptical[] = {
    {0x70, "CmdImageOrientaionFLip", L}, {226, "CmdDlpColorWx", S, Colour},
    {208, "CmdDlpColorRx", S, Colour},   {211, "CmdDlpColorGx", S, Colour},
    {214, "CmdDlpColorBx", S, Colour},   {217, "CmdDlpColorCx", S, Colour},
    {220, "CmdDlpColorMx", S, Colour},   {223, "CmdDlpColorYx", S, Colour},
    {227, "CmdDlpColorWy", S, Colour},   {209, "CmdDlpColorRy", S, Colour},
    {212, "CmdDlpColorGy", S, Colour},   {215, "CmdDlpColorBy", S, Colour},
    {218, "CmdDlpColorCy", S, Colour},   {221, "CmdDlpColorMy", S, Colour},
    {224, "CmdDlpColorYy", S, Colour},   {228, "CmdDlpColorWg", S, Colour},
    {210, "CmdDlpColorRg", S, Colour},   {213, "CmdDlpColorGg", S, Colour},
    {216, "CmdDlpColorBg", S, Colour},   {219, "CmdDlpColorCg", S, Colour},
    {222, "CmdDlpColorMg", S, Colour},   {225, "CmdDlpColorYg", S, Colour},
};
// The roaming page reads the sub-source twice: once as a source, once as the
// pop window's size and position mode.
constexpr PageReadStep kRoaming[] = {
    {0x65, "CmdPIPHPos", S},
    {0x66, "CmdPIPVPos", S},
    {0x67, "CmdPIPHSize", S},
    {0x68, "CmdPIPVSize", S},
    {0x61, "CmdPIPSource", L, PageReadEffect::SubSource},
    {0x61, "CmdPIPSource", L, PageReadEffect::PopModes},
};
constexpr PageReadStep kAdjust[] = {
    {0x41, "CmdVidoBrightness", S}, {0x40, "CmdVidoContrast", S}, {0x44, "CmdVidoSharpness", S},
    {0x42, "CmdVidoSaturation", S}, {0x80, "CmdHPosition", S},    {0x81, "CmdVPosition", S},
    {0x52, "CmdRGBClock", S},
};

// Noise reduction, rotation, picture quality, frame switch, fan, no signal,
// edge brightness, projection, colour temperature, gamma, sub-source, the pop
// window's modes.
constexpr int kListParameters[] = {0x45, 0xD7, 0xD8, 0x9A, 0xB4, 0xBC,
                                   0xD9, 0x70, 0x72, 0x71, 0x61, 0x63};

} // namespace

ReadKind readKindOf(int parameter) {
    for (int p : kListParameters)
        if (p == parameter)
            return ReadKind::List;
    return ReadKind::Slider;
}

std::span<const PageReadStep> pageReads(int page) {
    switch (page) {
    case 0:
        return kImage;
    case 1:
        return kWindow;
    case 2:
        return kPip;
    case 3:
        return kSystem;
    case 5:
        return kOptical;
    case 7:
        return kRoaming;
    case 8:
        return kAdjust;
    default:
        return {};
    }
}

} // namespace wall
