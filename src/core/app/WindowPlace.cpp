#include "WindowPlace.h"

#include <algorithm>

namespace wall {

namespace {

constexpr const char* kSection = "Unit1";
// The strip along the top edge that must stay reachable, and how much of it.
constexpr int kCaptionHeight = 24;
constexpr int kCaptionWidthShown = 120;

} // namespace

std::optional<WindowPlace> readWindowPlace(const SettingsScope& ini) {
    const std::optional<int> left = ini.readStoredInt(kSection, "FormLeft");
    const std::optional<int> top = ini.readStoredInt(kSection, "FormTop");
    const std::optional<int> width = ini.readStoredInt(kSection, "FormWidth");
    const std::optional<int> height = ini.readStoredInt(kSection, "FormHeight");
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return WindowPlace{*left, *top, *width, *height};
}

void writeWindowPlace(SettingsScope& ini, const WindowPlace& place) {
    ini.writeInt(kSection, "FormLeft", place.left);
    ini.writeInt(kSection, "FormTop", place.top);
    ini.writeInt(kSection, "FormWidth", place.width);
    ini.writeInt(kSection, "FormHeight", place.height);
}

bool windowPlaceUsable(const WindowPlace& place, QSize minimum, const QList<QRect>& screens) {
    if (place.width < minimum.width() || place.height < minimum.height())
        return false;
    const QRect caption(place.left, place.top, place.width, kCaptionHeight);
    const int needed = std::min(kCaptionWidthShown, place.width);
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect shown = caption & screen;
        return shown.width() >= needed && shown.height() >= kCaptionHeight / 2;
    });
}

} // namespace wall
