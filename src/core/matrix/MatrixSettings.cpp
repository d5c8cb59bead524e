#include "MatrixSettings.h"

#include "app/SettingsStore.h"

#include <algorithm>
#include <string>

namespace wall {

namespace {

constexpr const char* kSection = "Matrix";

constexpr std::array<std::string_view, kMatrixKindCount> kKeyNames = {"AV", "VGA", "DVI", "YUV"};

bool hasModelKey(MatrixKind kind) {
    return kind == MatrixKind::AV || kind == MatrixKind::VGA;
}

std::string join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string s;
    s.append(a).append(b).append(c);
    return s;
}

} // namespace

std::string_view matrixKeyName(MatrixKind kind) {
    return kKeyNames[size_t(kind)];
}

MatrixConfig::MatrixConfig() {
    for (auto& map : outputMap)
        for (int n = 0; n < kMatrixTableSize; ++n)
            map[size_t(n)] = n + 1;
    for (auto& routed : routedInput)
        routed.fill(1);
}

int MatrixConfig::entriesPerScreen(MatrixKind kind, int board) {
    return kind == MatrixKind::AV && board == 8 ? kAvPicturesOnBoard8 : 1;
}

void MatrixConfig::loadSettings(const SettingsScope& scope) {
    const MatrixSettings defaults;
    for (int k = 0; k < kMatrixKindCount; ++k) {
        const auto kind = static_cast<MatrixKind>(k);
        const std::string_view name = matrixKeyName(kind);
        MatrixSettings& s = kinds[size_t(k)];
        s.company = scope.readInt(kSection, join(name, "_Company"), defaults.company);
        if (hasModelKey(kind))
            s.type = scope.readInt(kSection, join(name, "_Type"), defaults.type);
        s.id = scope.readInt(kSection, join(name, "_ID"), defaults.id);
        s.inputMax = scope.readInt(kSection, join("Matrix_", name, "_InputMax"), defaults.inputMax);
        s.delayTime =
            scope.readInt(kSection, join("Matrix_", name, "_DelayTime"), defaults.delayTime);
    }
}

void MatrixConfig::loadOutputMaps(const SettingsScope& scope, int screens, int board) {
    screens = std::clamp(screens, 0, kMaxScreens);
    for (int k = 0; k < kMatrixKindCount; ++k) {
        const auto kind = static_cast<MatrixKind>(k);
        const std::string prefix = join("Matrix_", matrixKeyName(kind), "_OutputStr");
        const int per = entriesPerScreen(kind, board);
        MatrixTable& map = outputMap[size_t(k)];
        for (int n = 0; n < screens * per; ++n) {
            const int screen = n / per; // four entries of one screen share its default
            map[size_t(n)] = scope.readInt(kSection, indexedKey(prefix, n), screen + 1);
        }
    }
}

bool MatrixConfig::cameraMenusVisible() const {
    const int av = settings(MatrixKind::AV).company;
    return av == 5 || av == 16;
}

bool MatrixConfig::panasonicItemsVisible() const {
    return settings(MatrixKind::AV).company == 88;
}

} // namespace wall
