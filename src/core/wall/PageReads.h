#pragma once

#include <span>

namespace wall {

// How a read fills its control: a slider read waits CmdDelayTime10Ms
// milliseconds after its answer; a list read does not.
enum class ReadKind { Slider, List };

// What a step of a page read does beyond the read itself.
enum class PageReadEffect {
    None,
    ColourCoordinate, // stored in the colour-coordinate cache
    SubSource,        // decoded from the wire code into the sub-source list
    PopModes,         // decoded as size mode (low 4 bits) and position mode
};

struct PageReadStep {
    int parameter;
    const char* name; // the command-list name
    ReadKind kind;
    PageReadEffect effect = PageReadEffect::None;
};

inline constexpr int kPageCount = 9;
inline constexpr int kOpticalPage = 5;
inline constexpr int kPipPage = 2;
inline constexpr int kRoamingPage = 7;
inline constexpr int kAdjustPage = 8;

// How the pages read a parameter: a list read for the parameters chosen from
// lists, a slider read for every other.
ReadKind readKindOf(int parameter);

// The reads of one page, in order; empty for pages 4 and 6.
std::span<const PageReadStep> pageReads(int page);

} // namespace wall
