#include "BoardSources.h"

#include <array>
#include <string_view>

namespace wall {

namespace {

using NameRow = std::array<std::string_view, kSourceCount>;

// Short names per board type, indexed by SourceCode (code 12 is always empty).
constexpr std::array<NameRow, kBoardCount> kShortNames = {{
    /* 0 */ {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "HDMI",
             ""},
    /* 1 */
    {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "HDMI", ""},
    /* 2 */ {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "DP", ""},
    /* 3 */
    {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""},
    /* 4 */
    {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "HDMI", ""},
    /* 5 */ {"VGA1", "VGA2", "AV1", "AV2", "AV3", "AV4", "", "", "", "", "DVI1", "HDMI1", ""},
    /* 6 */
    {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "HDMI1", "HDMI2", ""},
    /* 7 */
    {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""},
    /* 8 */
    {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "QUAD", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""},
    /* 9 */
    {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "HDMI", ""},
    /* 10 */
    {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""},
    /* 11 */
    {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""},
}};

// Board 5 has long names of its own; every other board derives them from the
// short names.
constexpr NameRow kBoard5LongNames = {"VGA1",   "VGA2",  "AV1",    "AV2",  "AV3",   "AV4", "AV5",
                                      "SVIDEO", "YPBPR", "YPBPR2", "DVI1", "HDMI1", ""};

struct LongForm {
    std::string_view shortName, longName;
};
constexpr std::array<LongForm, 4> kLongForms = {
    {{"RGB", "RGBHV"}, {"SV", "SVIDEO"}, {"YUV", "YPBPR"}, {"YUV2", "YPBPR2"}}};

constexpr std::array<int, 2> kList0 = {0, 2};
constexpr std::array<int, 5> kList1 = {0, 2, 3, 10, 11};
constexpr std::array<int, 4> kList2 = {0, 2, 10, 11};
constexpr std::array<int, 8> kList3 = {0, 2, 3, 4, 7, 8, 10, 11};
constexpr std::array<int, 6> kList4 = {0, 2, 7, 8, 10, 11};
constexpr std::array<int, 8> kList5 = {0, 1, 2, 3, 4, 5, 10, 11};
constexpr std::array<int, 5> kList6 = {0, 2, 8, 10, 11};
constexpr std::array<int, 4> kList7 = {0, 2, 8, 10};
constexpr std::array<int, 9> kList8 = {0, 2, 3, 4, 5, 6, 7, 10, 11};
constexpr std::array<int, 8> kList9 = {0, 1, 2, 3, 7, 8, 10, 11};
constexpr std::array<int, 7> kList10 = {0, 1, 2, 8, 9, 10, 11};
constexpr std::array<int, 9> kList11 = {0, 1, 2, 3, 7, 8, 9, 10, 11};

const std::array<std::span<const int>, kBoardCount> kSourceLists = {
    kList0, kList1, kList2, kList3, kList4,  kList5,
    kList6, kList7, kList8, kList9, kList10, kList11};

constexpr std::array<int, 12> kToWire = {12, 13, 0, 1, 2, 3, 4, 9, 11, 16, 14, 15};

constexpr std::array<int, 30> kFromWire = {2,  3, 4, 5,  6,  0, 0, 0, 0, 7, 0, 8,  0,  1,  10,
                                           11, 9, 0, 12, 13, 0, 1, 2, 3, 4, 9, 11, 16, 14, 15};

bool known(int board, int code) {
    return board >= 0 && board < kBoardCount && code >= 0 && code < kSourceCount;
}

QString toQString(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QString boardSourceName(int board, int sourceCode) {
    if (!known(board, sourceCode))
        return {};
    return toQString(kShortNames[size_t(board)][size_t(sourceCode)]);
}

QString boardSourceLongName(int board, int sourceCode) {
    if (!known(board, sourceCode))
        return {};
    if (board == 5)
        return toQString(kBoard5LongNames[size_t(sourceCode)]);
    const std::string_view name = kShortNames[size_t(board)][size_t(sourceCode)];
    for (const LongForm& f : kLongForms)
        if (f.shortName == name)
            return toQString(f.longName);
    return toQString(name);
}

std::span<const int> boardSourceList(int board) {
    if (board < 0 || board >= kBoardCount)
        return {};
    return kSourceLists[size_t(board)];
}

std::optional<int> sourceToWire(int sourceCode) {
    if (sourceCode < 0 || sourceCode >= static_cast<int>(kToWire.size()))
        return std::nullopt;
    return kToWire[size_t(sourceCode)];
}

std::optional<int> sourceFromWire(int wire) {
    if (wire < 0 || wire >= static_cast<int>(kFromWire.size()))
        return std::nullopt;
    return kFromWire[size_t(wire)];
}

namespace {
// What sets each board type apart, in Chinese and English.
struct BoardTraits {
    const char* chinese;
    const char* english;
};
constexpr BoardTraits kBoardTraits[kBoardCount] = {
    {"基本", "basic"},
    {"温度控制", "temperature control"},
    {"基本", "basic"},
    {"回读", "read-back"},
    {"标准", "standard"},
    {"八路输入", "eight inputs"},
    {"基本", "basic"},
    {"回读", "read-back"},
    {"四画面", "four pictures"},
    {"光机, 测试画面", "optical engine, test pattern"},
    {"光机, 画中画", "optical engine, PIP"},
    {"测试画面, 画中画, 温度", "test pattern, PIP, temperature"},
};
} // namespace

QString boardProductName(int board, int language) {
    if (board < 0 || board >= kBoardCount)
        return {};
    const BoardTraits& t = kBoardTraits[board];
    return QStringLiteral("%1 (%2)").arg(board).arg(
        QString::fromUtf8(language == 0 ? t.chinese : t.english));
}

} // namespace wall
