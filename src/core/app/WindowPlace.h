#pragma once

#include "app/SettingsStore.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

namespace wall {

// The main window's place on the desktop between runs: its frame's top-left
// corner and its inner size, kept in section Unit1 beside the other window
// keys (FormLeft, FormTop, FormWidth, FormHeight).
struct WindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowPlace&) const = default;
};

// The stored place, or none when a key is missing or the size is not positive.
std::optional<WindowPlace> readWindowPlace(const SettingsScope& ini);
void writeWindowPlace(SettingsScope& ini, const WindowPlace& place);

// Whether a stored place can be used again: at least `minimum` in size, and
// its top edge (where the caption is taken hold of) on one of `screens` for a
// good part of its width.
bool windowPlaceUsable(const WindowPlace& place, QSize minimum, const QList<QRect>& screens);

} // namespace wall
