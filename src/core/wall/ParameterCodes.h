#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace wall {

// Which screen commands a parameter is used with.
enum ParameterCommands : std::uint8_t {
    CmdW = 1, // write 0xB1
    CmdS = 2, // step / trigger 0xB0
    CmdR = 4, // read 0xB2
};

// One row of the parameter code table: a code, or a run of codes that share
// a meaning, and the name under which command files store it.
struct ParameterCode {
    std::uint8_t first;
    std::uint8_t last;         // == first for a single code
    std::string_view fileName; // command-file name; empty when not stored
    std::uint8_t commands;     // ParameterCommands
    std::string_view meaning;
};

std::span<const ParameterCode> parameterCodes();

// The most specific row that holds `code` (several codes have two meanings;
// which applies follows from the board type).
const ParameterCode* findParameter(int code);

// Command-file names, including the 21 optical-engine colour coordinates
// CmdDlpColor<colour><coordinate> = 208 + 3 x colour + coordinate.
std::optional<int> parameterFromFileName(std::string_view name);
QString parameterFileName(int code);

} // namespace wall
