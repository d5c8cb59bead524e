#include "IniDocument.h"

#include <algorithm>
#include <utility>

namespace wall {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Indexed by IniDocument::Ending.
constexpr std::string_view kEndings[] = {"\n", "\r\n", "\r", ""};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "[name]" -> name; nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// "key = value" -> both parts trimmed; nothing for comments and other lines.
std::optional<KeyValue> keyValue(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trim(t.substr(0, eq));
    if (key.empty())
        return std::nullopt;
    std::string_view value = trim(t.substr(eq + 1));
    // Windows drops one pair of quotes around a value.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return KeyValue{key, value};
}

// Names and values that would read back as something else are not written.
bool storable(std::string_view section, std::string_view key, std::string_view value) {
    const auto has = [](std::string_view s, std::string_view chars) {
        return s.find_first_of(chars) != std::string_view::npos;
    };
    const bool sectionOk = !section.empty() && trim(section) == section && !has(section, "]\r\n");
    const bool keyOk = !key.empty() && trim(key) == key && !has(key, "=\r\n") &&
                       key.front() != ';' && key.front() != '#' && key.front() != '[';
    return sectionOk && keyOk && !has(value, "\r\n");
}

} // namespace

std::size_t IniDocument::NoCaseHash::operator()(std::string_view s) const {
    std::size_t h = 1469598103934665603ull; // FNV-1a over the folded bytes
    for (char c : s)
        h = (h ^ static_cast<unsigned char>(fold(c))) * 1099511628211ull;
    return h;
}

std::size_t IniDocument::NoCaseHash::operator()(const KeyRef& k) const {
    return (*this)(k.key) ^ (std::size_t(k.section) * 0x9E3779B97F4A7C15ull);
}

bool IniDocument::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i]))
            return false;
    return true;
}

bool IniDocument::NoCaseEqual::operator()(const KeyRef& a, const KeyRef& b) const {
    return a.section == b.section && (*this)(a.key, b.key);
}

IniDocument::IniDocument() : IniDocument(QByteArray()) {}

IniDocument::IniDocument(QByteArray content) : content_(std::move(content)) {
    parse();
}

void IniDocument::parse() {
    std::string_view rest(content_.constData(), static_cast<std::size_t>(content_.size()));
    bom_ = rest.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (bom_)
        rest.remove_prefix(kUtf8Bom.size());

    // Every line may be a key: size the index once.
    keys_.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 16);

    sections_.emplace_back(); // the text before the first section
    std::uint32_t firstOccurrence = 0;
    bool firstLine = true;
#ifdef Q_OS_WIN
    eol_ = CrLf; // a new file
#endif
    while (!rest.empty()) {
        const auto nl = rest.find('\n');
        std::string_view text = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        Ending ending = nl == std::string_view::npos ? None : Lf;
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            ending = ending == Lf ? CrLf : Cr;
        }
        if (std::exchange(firstLine, false))
#ifdef Q_OS_WIN
            eol_ = ending == Lf ? Lf : CrLf;
#else
            eol_ = ending == CrLf ? CrLf : Lf;
#endif

        if (const auto name = sectionName(text)) {
            const auto index = static_cast<std::uint32_t>(sections_.size());
            sections_.emplace_back();
            sections_.back().lines.push_back({text, -1, ending});
            sections_.back().insertAt = 1;
            // A repeated section shares the key index of its first occurrence.
            firstOccurrence = sectionIndex_.try_emplace(*name, index).first->second;
            continue;
        }
        Section& current = sections_.back();
        current.lines.push_back({text, -1, ending});
        if (const auto kv = keyValue(text)) {
            current.insertAt = current.lines.size();
            if (sections_.size() == 1)
                continue; // keys before any section belong to no section
            const Locator at{static_cast<std::uint32_t>(sections_.size() - 1),
                             static_cast<std::uint32_t>(current.lines.size() - 1), false};
            if (keys_.try_emplace(KeyRef{firstOccurrence, kv->key}, at).second)
                ++keyCount_;
        }
    }
}

const IniDocument::Line& IniDocument::lineAt(const Locator& at) const {
    const Section& s = sections_[at.section];
    return at.added ? s.added[at.line] : s.lines[at.line];
}

IniDocument::Line& IniDocument::lineAt(const Locator& at) {
    Section& s = sections_[at.section];
    return at.added ? s.added[at.line] : s.lines[at.line];
}

std::string_view IniDocument::ownText(Line& line, std::string text) {
    if (line.owned < 0) {
        line.owned = static_cast<std::int32_t>(owned_.size());
        owned_.push_back(std::move(text));
    } else {
        owned_[static_cast<std::size_t>(line.owned)] = std::move(text);
    }
    line.text = owned_[static_cast<std::size_t>(line.owned)];
    return line.text;
}

std::optional<std::uint32_t> IniDocument::findSection(std::string_view name) const {
    const auto s = sectionIndex_.find(name);
    if (s == sectionIndex_.end())
        return std::nullopt;
    return s->second;
}

std::optional<std::string_view> IniDocument::value(std::string_view section,
                                                   std::string_view key) const {
    const auto s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto k = keys_.find(KeyRef{*s, key});
    if (k == keys_.end())
        return std::nullopt;
    const auto kv = keyValue(lineAt(k->second).text);
    return kv ? std::optional(kv->value) : std::nullopt;
}

std::uint32_t IniDocument::sectionFor(std::string_view name) {
    if (const auto s = findSection(name))
        return *s;
    const auto index = static_cast<std::uint32_t>(sections_.size());
    sections_.emplace_back();
    Section& created = sections_.back();
    created.lines.push_back({{}, -1, eol_});
    const std::string_view stableName = stableText_.emplace_back(name);
    std::string header;
    header.append("[").append(name).append("]");
    ownText(created.lines.back(), std::move(header));
    created.insertAt = 1;
    sectionIndex_.emplace(stableName, index);
    return index;
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!storable(section, key, value))
        return false;
    const std::uint32_t sectionNumber = sectionFor(section);
    Section& sec = sections_[sectionNumber];
    if (const auto k = keys_.find(KeyRef{sectionNumber, key}); k != keys_.end()) {
        Line& line = lineAt(k->second);
        const KeyValue old = keyValue(line.text).value_or(KeyValue{key, {}});
        if (old.value == value && trim(value) == value)
            return false;
        std::string text;
        text.append(old.key).append("=").append(value); // keeps the stored spelling
        ownText(line, std::move(text));
        return true;
    }
    sec.added.push_back({{}, -1, eol_});
    std::string text;
    text.append(key).append("=").append(value);
    ownText(sec.added.back(), std::move(text));
    const std::string_view stableKey = stableText_.emplace_back(key);
    keys_.emplace(KeyRef{sectionNumber, stableKey},
                  Locator{sectionNumber, static_cast<std::uint32_t>(sec.added.size() - 1), true});
    ++keyCount_;
    return true;
}

std::string IniDocument::serialize() const {
    std::string out;
    out.reserve(static_cast<std::size_t>(content_.size()) + owned_.size() * 32 + 16);
    if (bom_)
        out.append(kUtf8Bom);
    // A line that ended the file without an ending gets one when anything
    // follows it now.
    // (A lone CR only ends the file's last line: a line break then
    // completes it.)
    Ending previous = Lf;
    auto put = [&](const Line& line) {
        if (previous == None)
            out.append(kEndings[eol_]);
        else if (previous == Cr)
            out.append("\n");
        out.append(line.text).append(kEndings[line.ending]);
        previous = line.ending;
    };
    for (const Section& s : sections_) {
        for (std::size_t i = 0; i < s.lines.size(); ++i) {
            if (i == s.insertAt)
                for (const Line& a : s.added)
                    put(a);
            put(s.lines[i]);
        }
        if (s.insertAt >= s.lines.size())
            for (const Line& a : s.added)
                put(a);
    }
    return out;
}

} // namespace wall
