#include "MatrixSetup.h"

#include "matrix/MatrixProtocol.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace wall {

namespace {

using Names = std::span<const std::string_view>;

// Protocols whose page shows the input count only.
constexpr std::string_view kAvInputOnly[] = {
    "MAINVAN", "LANMA",  "XJ",     "ADT",        "CREATEK", "YM001", "INFINOVA",  "KOVRAN",
    "HLM001",  "LANMA2", "VINET",  "PESKO16X16", "EXTRON",  "LWAD",  "CREATEK3",  "KEDI",
    "HOKUTO1", "SIERRA", "LANMA3", "LQAD",       "V1064",   "CH001", "ADEMCO",    "KEDI1",
    "KEDI2",   "SITO",   "EXTB",   "QB",         "SMTH2",   "SMTH1", "TECH",      "SFLAG",
    "PE5051K", "HXD1",   "QJ",     "BV6416",     "RUMBQ",   "SMTH5", "Panasonic", "SMTH7"};
constexpr std::string_view kVgaInputOnly[] = {
    "CREATEK", "HRCMS", "CREATEK3", "KOVRAN", "PESKO", "EXTRON",   "KEDI",  "FST",
    "CH001",   "KEDI1", "KEDI2",    "QB",     "SFLAG", "CREATEK5", "Erton", "RUMBQ"};
constexpr std::string_view kDviInputOnly[] = {"LKV344",  "HDMI0808", "CH001",  "ATYC",
                                              "SFLAG",   "IDOT",     "HDMx",   "EXTRON",
                                              "CREATEK", "CREATEK2", "MAINVAN"};

bool listed(Names names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::array<int, 22> kAvVgaDelays = {0,   10,  20,  30,   40,   50,  60,  70,
                                              80,  90,  100, 200,  300,  400, 500, 600,
                                              700, 800, 900, 1000, 1500, 2000};
constexpr std::array<int, 14> kDviYuvDelays = {0,   50,  100, 200, 300,  400,  500,
                                               600, 700, 800, 900, 1000, 1500, 2000};

} // namespace

MatrixFieldsShown matrixFieldsShown(MatrixKind kind, int protocolIndex) {
    const MatrixProtocol* p = findMatrixProtocol(kind, protocolIndex);
    if (!p)
        return {}; // "NotUsed"
    const std::string_view name = p->name;
    if (name == "TRIOLION" || name == "AB8TO4")
        return {.model = name == "TRIOLION"};
    switch (kind) {
    case MatrixKind::AV:
        return {.address = !listed(kAvInputOnly, name), .inputCount = true};
    case MatrixKind::VGA:
        return {.address = !listed(kVgaInputOnly, name), .inputCount = true};
    case MatrixKind::DVI:
        return {.address = !listed(kDviInputOnly, name), .inputCount = true};
    case MatrixKind::YUV:
        break;
    }
    return {.address = true, .inputCount = true};
}

std::span<const int> matrixDelayChoices(MatrixKind kind) {
    if (kind == MatrixKind::AV || kind == MatrixKind::VGA)
        return kAvVgaDelays;
    return kDviYuvDelays;
}

QString matrixDelayLabel(int ms) {
    return QStringLiteral("%1 ms").arg(ms);
}

std::optional<int> matrixDelayItem(MatrixKind kind, int ms) {
    const std::span<const int> choices = matrixDelayChoices(kind);
    const auto it = std::find(choices.begin(), choices.end(), ms);
    if (it == choices.end())
        return std::nullopt;
    return int(it - choices.begin());
}

int confirmedInputCount(MatrixKind kind, const MatrixSettings& fields) {
    const MatrixProtocol* p = findMatrixProtocol(kind, fields.company);
    if (p && p->name == "TRIOLION")
        if (const int inputs = matrixModelInputs(kind, fields.type); inputs > 0)
            return inputs;
    if (p && p->name == "AB8TO4")
        return 8;
    return fields.inputMax;
}

QString matrixOutputCellText(const MatrixTable& map, MatrixKind kind, int board, int screen) {
    const int per = MatrixConfig::entriesPerScreen(kind, board);
    QString text;
    for (int k = 0; k < per; ++k) {
        const int entry = screen * per + k;
        if (entry < 0 || entry >= kMatrixTableSize)
            break;
        if (k > 0)
            text += QLatin1Char(' ');
        text += QString::number(map[size_t(entry)]);
    }
    return text;
}

void setOneToOne(MatrixTable& map, int screens) {
    for (int n = 0; n < std::clamp(screens, 0, kMatrixTableSize); ++n)
        map[size_t(n)] = n + 1;
}

void clearOutputs(MatrixTable& map, int screens) {
    std::fill_n(map.begin(), std::clamp(screens, 0, kMatrixTableSize), 0);
}

QStringList matrixOutputItems(int outputs, bool padded, bool english) {
    const QString prefix = english ? QStringLiteral("MatrixOutput") : QStringLiteral("矩阵输出");
    const int count = std::max(outputs, 0);
    const qsizetype width = prefix.size() + QString::number(count).size();
    QStringList items;
    items.reserve(count + 1);
    items << (english ? QStringLiteral("Not Connected") : QStringLiteral("不接矩阵"));
    for (int n = 1; n <= count; ++n) {
        const QString label = prefix + QString::number(n);
        items << (padded ? label.leftJustified(width, QLatin1Char(' ')) : label);
    }
    return items;
}

bool setScreenOutputs(MatrixTable& map, MatrixKind kind, int board, int screen,
                      std::span<const int> outputs) {
    const int per = MatrixConfig::entriesPerScreen(kind, board);
    if (int(outputs.size()) != per || screen < 0 || screen >= kMaxScreens)
        return false;
    if (std::any_of(outputs.begin(), outputs.end(), [](int o) { return o < 0; }))
        return false;
    std::copy(outputs.begin(), outputs.end(), map.begin() + screen * per);
    return true;
}

} // namespace wall
