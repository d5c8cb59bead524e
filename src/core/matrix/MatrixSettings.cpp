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

namespace {

// The five keys of a kind's record, in the order they are read and written.
struct FieldKey {
    std::string_view prefix;
    std::string_view suffix;
    int MatrixSettings::*member;
};
constexpr FieldKey kFieldKeys[] = {
    {"", "_Company", &MatrixSettings::company},
    {"", "_Type", &MatrixSettings::type}, // AV and VGA only
    {"", "_ID", &MatrixSettings::id},
    {"Matrix_", "_InputMax", &MatrixSettings::inputMax},
    {"Matrix_", "_DelayTime", &MatrixSettings::delayTime},
};

bool hasField(MatrixKind kind, const FieldKey& f) {
    return f.member != &MatrixSettings::type || hasModelKey(kind);
}

std::string outputMapPrefix(MatrixKind kind) {
    return join("Matrix_", matrixKeyName(kind), "_OutputStr");
}

// The entries of a kind's output map that the file holds for this wall.
int storedEntries(MatrixKind kind, int screens, int board) {
    return std::clamp(screens, 0, kMaxScreens) * MatrixConfig::entriesPerScreen(kind, board);
}

} // namespace

void MatrixConfig::loadSettings(const SettingsScope& scope) {
    const MatrixSettings defaults;
    for (int k = 0; k < kMatrixKindCount; ++k) {
        const auto kind = static_cast<MatrixKind>(k);
        for (const FieldKey& f : kFieldKeys)
            if (hasField(kind, f))
                kinds[size_t(k)].*f.member = scope.readInt(
                    kSection, join(f.prefix, matrixKeyName(kind), f.suffix), defaults.*f.member);
    }
}

void MatrixConfig::saveSettings(SettingsScope& scope) const {
    for (int k = 0; k < kMatrixKindCount; ++k) {
        const auto kind = static_cast<MatrixKind>(k);
        for (const FieldKey& f : kFieldKeys)
            if (hasField(kind, f))
                scope.writeInt(kSection, join(f.prefix, matrixKeyName(kind), f.suffix),
                               kinds[size_t(k)].*f.member);
    }
}

void MatrixConfig::loadOutputMaps(const SettingsScope& scope, int screens, int board) {
    for (int k = 0; k < kMatrixKindCount; ++k) {
        const auto kind = static_cast<MatrixKind>(k);
        const std::string prefix = outputMapPrefix(kind);
        const int per = entriesPerScreen(kind, board);
        MatrixTable& map = outputMap[size_t(k)];
        for (int n = 0; n < storedEntries(kind, screens, board); ++n) {
            const int screen = n / per; // four entries of one screen share its default
            map[size_t(n)] = scope.readInt(kSection, indexedKey(prefix, n), screen + 1);
        }
    }
}

void MatrixConfig::saveOutputMaps(SettingsScope& scope, int screens, int board) const {
    for (int k = 0; k < kMatrixKindCount; ++k) {
        const auto kind = static_cast<MatrixKind>(k);
        const std::string prefix = outputMapPrefix(kind);
        for (int n = 0; n < storedEntries(kind, screens, board); ++n)
            scope.writeInt(kSection, indexedKey(prefix, n), outputMap[size_t(k)][size_t(n)]);
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
