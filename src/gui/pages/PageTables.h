#pragma once

#include <span>

namespace wall {

// The controls of the nine parameter pages as data: one row gives one panel
// of widgets and its behaviour. Captions are Chinese source texts of the
// "wall::Pages" translation context.

// A slider with its number box, "-"/"+", "写" and "读".
struct SliderDef {
    int page;
    const char* caption;
    const char* slider;
    const char* edit;
    int parameter; // on the optical-engine page: 208 + coordinate, plus 3 x colour
    int minimum;
    int maximum;
    const char* write;
    const char* minus;
    const char* plus;
    const char* read;
};

// What choosing an item sends when read-back is off.
enum class ListChoice { Write, Step };

// A list with "写" and "读" (no "读" where the list cannot be read).
struct ListDef {
    int page;
    const char* caption;
    const char* list;
    int parameter;
    const char* write;
    const char* read; // nullptr: its read button is disabled
    ListChoice onChoose;
    std::span<const char* const> items;
};

// A button that sends one frame with a fixed value.
struct ActionDef {
    int page; // -1: beside the pages
    const char* control;
    const char* caption;
    int parameter;
    int value;
    bool write; // a write frame; otherwise a step frame
};

std::span<const SliderDef> sliderDefs();
std::span<const ListDef> listDefs();
std::span<const ActionDef> actionDefs();

// The test-pattern page: the pattern buttons (write 0xB1 with their number)
// and the grey-level steps.
struct PatternDef {
    const char* control;
    const char* caption;
    int number;
};
std::span<const PatternDef> patternDefs();

// The colours of the optical-engine page, in the order of their buttons, with
// their index in the parameter arithmetic (red 0 … yellow 5, white 6).
struct ColourDef {
    const char* control;
    const char* caption;
    int colour;
};
std::span<const ColourDef> colourDefs();

} // namespace wall
