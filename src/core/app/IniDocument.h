#pragma once

#include <QByteArray>

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace wall {

// An INI file kept as its own lines, with an index over sections and keys.
//
// Everything the file holds is written back byte for byte: sections and keys
// this console does not know, comments, blank lines, lines that are neither,
// the order and each line's own ending (a last line without one keeps none).
// A changed value rewrites its line only; a new key goes after the last key
// of its section, a new section at the end. New lines end as the file's
// first line does.
//
// Sections and keys compare case-insensitively (ASCII), as Windows INI files
// do. A section that appears twice is one section: the first occurrence of a
// key wins and new keys go into the first occurrence.
class IniDocument {
public:
    IniDocument();
    explicit IniDocument(QByteArray content);
    // The index views the document's own text: moving keeps it valid, a copy
    // would not.
    IniDocument(IniDocument&&) = default;
    IniDocument& operator=(IniDocument&&) = default;
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    // Returns false when the key already held exactly this value, or when the
    // section or key cannot be stored (empty, a line break, '=' in a key, ']'
    // in a section, a key that starts like a comment or a section).
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string serialize() const;

    std::size_t keyCount() const { return keyCount_; }

private:
    // How a line ends; an index into the table of endings.
    enum Ending : std::uint8_t { Lf, CrLf, Cr, None };
    struct Line {
        std::string_view text; // into content_, or into owned_[owned]
        std::int32_t owned = -1;
        Ending ending = Lf;
    };
    struct Locator {
        std::uint32_t section;
        std::uint32_t line;
        bool added;
    };
    struct Section {
        std::vector<Line> lines;  // the header first (none for the text before any section)
        std::vector<Line> added;  // new keys, written after the last key line
        std::size_t insertAt = 0; // index in `lines` where `added` goes
    };
    // A key of the index: the first occurrence of its section and the key's
    // text, viewed in place (in content_ or in stableText_).
    struct KeyRef {
        std::uint32_t section;
        std::string_view key;
    };
    struct NoCaseHash {
        std::size_t operator()(std::string_view s) const;
        std::size_t operator()(const KeyRef& k) const;
    };
    struct NoCaseEqual {
        bool operator()(std::string_view a, std::string_view b) const;
        bool operator()(const KeyRef& a, const KeyRef& b) const;
    };

    void parse();
    std::uint32_t sectionFor(std::string_view name);
    std::optional<std::uint32_t> findSection(std::string_view name) const;
    const Line& lineAt(const Locator& at) const;
    Line& lineAt(const Locator& at);
    std::string_view ownText(Line& line, std::string text);

    QByteArray content_;
    std::deque<std::string> owned_;      // rewritten and new lines; elements never move
    std::deque<std::string> stableText_; // names of new sections and keys, never changed
    std::vector<Section> sections_;
    std::unordered_map<std::string_view, std::uint32_t, NoCaseHash, NoCaseEqual> sectionIndex_;
    std::unordered_map<KeyRef, Locator, NoCaseHash, NoCaseEqual> keys_;
    Ending eol_ = Lf; // the ending of the file's first line, given to new lines
    bool bom_ = false;
    std::size_t keyCount_ = 0;
};

} // namespace wall
