#include "ParameterCodes.h"

namespace wall {

namespace {

constexpr std::uint8_t W = CmdW, S = CmdS, R = CmdR;

constexpr ParameterCode kCodes[] = {
    {0x10, 0x10, "", S, "wall power: 1 on, 0 off"},
    {0x20, 0x20, "", S, "remote-control key code"},
    {0x21, 0x21, "", S, "debug-page remote keys"},
    {0x30, 0x30, "", S | R, "main source (SourceWireCode)"},
    {0x31, 0x31, "", S, "main source, single-screen mode"},
    {0x38, 0x38, "", W, "colour system: 1 PAL, 0 NTSC"},
    {0x40, 0x40, "CmdVidoContrast", W | S | R, "contrast 0-100"},
    {0x41, 0x41, "CmdVidoBrightness", W | S | R, "brightness 0-100"},
    {0x42, 0x42, "CmdVidoSaturation", W | S | R, "saturation 0-100"},
    {0x43, 0x43, "CmdVidoHue", W | S | R, "hue 0-100"},
    {0x44, 0x44, "CmdVidoSharpness", W | S | R, "sharpness 0-100"},
    {0x45, 0x45, "CmdVido3DNR", W | R, "noise reduction 0-3"},
    {0x52, 0x52, "CmdRGBClock", W | S | R, "clock 0-100"},
    {0x53, 0x53, "CmdRGBPhase", W | S | R, "phase 0-63"},
    {0x54, 0x59, "", W | S | R, "ADC adjustment 0-255"},
    {0x5A, 0x5A, "", S, "automatic position adjustment"},
    {0x5B, 0x5B, "", S, "automatic colour adjustment"},
    {0x60, 0x60, "", S, "picture-in-picture"},
    {0x61, 0x61, "CmdPIPSource", W | S | R, "sub picture / sub-source"},
    {0x62, 0x62, "", S, "PIP border colour"},
    {0x63, 0x63, "", W | S | R, "PIP size; position mode x 16 + size mode"},
    {0x64, 0x64, "", S, "swap main and sub picture"},
    {0x65, 0x65, "CmdPIPHPos", W | S | R, "window horizontal position 1-100"},
    {0x66, 0x66, "CmdPIPVPos", W | S | R, "window vertical position 1-100"},
    {0x67, 0x67, "CmdPIPHSize", W | S | R, "window horizontal size 0-100"},
    {0x68, 0x68, "CmdPIPVSize", W | S | R, "window vertical size 0-100"},
    {0x6D, 0x6D, "", W | S, "close the sub window"},
    {0x6E, 0x6E, "", S, "reset the roaming window"},
    {0x70, 0x70, "CmdImageOrientaionFLip", W | R, "projection direction 0-3"},
    {0x71, 0x71, "", W | R, "gamma mode 0-4"},
    {0x72, 0x72, "", W | R, "colour temperature 0-7"},
    {0x80, 0x80, "CmdHPosition", W | S | R, "horizontal position 0-100"},
    {0x81, 0x81, "CmdVPosition", W | S | R, "vertical position 0-100"},
    {0x86, 0x8B, "", W | S | R, "white balance 0-255"},
    {0x9A, 0x9A, "CmdSysRedisplay", W | S | R, "frame switch 0 off, 1 on"},
    {0x9B, 0x9B, "CmdSysHscale", W | S | R, "horizontal frame 0-100"},
    {0x9C, 0x9C, "CmdSysVscale", W | S | R, "vertical frame 0-100"},
    {0x9E, 0xA2, "", W | S | R, "overscan"},
    {0xA3, 0xAB, "", W | S | R, "arbitrary splicing"},
    {0xB1, 0xB1, "", W | S, "test pattern"},
    {0xB2, 0xB2, "", S, "picture freeze"},
    {0xB3, 0xB3, "CmdBackLight", W | S | R, "backlight 0-254"},
    {0xB4, 0xB4, "CmdFanRun", W | S | R, "fan 0 off, 1 on"},
    {0xBA, 0xBA, "", W, "dynamic mode 1 on, 0 off"},
    {0xBC, 0xBC, "CmdNosignalMode", W | S | R, "behaviour without signal 0-3"},
    {0xBD, 0xBD, "", W, "source mode 1 on, 0 off"},
    {0xBE, 0xBE, "", S, "show temperature information"},
    {0xC0, 0xC0, "", S, "show system information"},
    {0xC1, 0xC1, "", S, "show version information"},
    {0xC5, 0xC5, "", S, "save system parameters"},
    {0xC6, 0xC6, "", S, "factory initialisation"},
    {0xC9, 0xC9, "", S, "store the present state as plan n (write in format 1)"},
    {0xCA, 0xCA, "", S, "recall plan n (write in format 1)"},
    {0xCE, 0xCE, "", W, "horizontal address of the unit 1-30"},
    {0xCF, 0xCF, "", W, "vertical address of the unit 1-30"},
    {0xD0, 0xE4, "", W | S | R, "optical-engine colour coordinates 0-100"},
    {0xD1, 0xD2, "", W | S | R, "temperature control"},
    {0xD7, 0xD7, "", W | R, "image rotation 0-3"},
    {0xD8, 0xD8, "", W, "picture quality mode 0-4"},
    {0xD9, 0xD9, "", W, "edge brightness 0-4"},
    {0xDA, 0xDA, "", S, "LVDS signal standard 0 JEIDA, 1 VESA"},
};

// The optical-engine coordinates are named CmdDlpColor + colour + coordinate.
constexpr int kDlpColourBase = 0xD0;
constexpr std::string_view kDlpPrefix = "CmdDlpColor";
constexpr std::string_view kDlpColours = "RGBCMYW";
constexpr std::string_view kDlpCoordinates = "xyg";

} // namespace

std::span<const ParameterCode> parameterCodes() {
    return kCodes;
}

const ParameterCode* findParameter(int code) {
    // Where a single code also lies in a run, the single code's own row is
    // the more specific one.
    const ParameterCode* best = nullptr;
    for (const ParameterCode& row : parameterCodes())
        if (code >= row.first && code <= row.last &&
            (!best || row.last - row.first < best->last - best->first))
            best = &row;
    return best;
}

std::optional<int> parameterFromFileName(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    for (const ParameterCode& row : parameterCodes())
        if (row.fileName == name)
            return row.first;
    if (name.size() == kDlpPrefix.size() + 2 && name.substr(0, kDlpPrefix.size()) == kDlpPrefix) {
        const auto colour = kDlpColours.find(name[kDlpPrefix.size()]);
        const auto coordinate = kDlpCoordinates.find(name[kDlpPrefix.size() + 1]);
        if (colour != std::string_view::npos && coordinate != std::string_view::npos)
            return kDlpColourBase + 3 * int(colour) + int(coordinate);
    }
    return std::nullopt;
}

QString parameterFileName(int code) {
    for (const ParameterCode& row : parameterCodes())
        if (row.first == code && !row.fileName.empty())
            return QString::fromLatin1(row.fileName.data(), qsizetype(row.fileName.size()));
    const int offset = code - kDlpColourBase;
    if (offset >= 0 && offset < 21)
        return QString::fromLatin1(kDlpPrefix.data(), qsizetype(kDlpPrefix.size())) +
               QLatin1Char(kDlpColours[size_t(offset / 3)]) +
               QLatin1Char(kDlpCoordinates[size_t(offset % 3)]);
    return {};
}

} // namespace wall
