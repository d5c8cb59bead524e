#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace wall {

class SettingsScope;

// Access to Setting.ini. Each handler opens a scope, reads and writes typed
// values, and releases the scope, which saves once and atomically when
// anything was written. The parsed file is kept between scopes and reused as
// long as the file on disk has not changed (size and time stamp), so an edit
// made outside the console is picked up by the next scope. Scopes opened
// while another is open (a handler calling a helper) share its document.
//
// Sections and keys are case-insensitive (ASCII). A missing, empty or
// unparsable value reads as the caller's default. Unknown sections, keys and
// comments survive every save, in their order.
class SettingsStore {
public:
    using ErrorSink = std::function<void(const QString& message)>;

    explicit SettingsStore(QString path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const QString& path() const { return path_; }

    // Opens a scope on the file, creating it empty when it is missing (not in
    // a dry run). A file that cannot be created gives a scope in which every
    // read yields its default; the reason goes to the error sink.
    //
    // A file that exists but cannot be read (no permission, an I/O error, a
    // folder, a pipe or device, over 64 MiB) is never written: the store works
    // on defaults in memory, refuses every save to that path, and says so
    // once. Once the file reads again, it is used as it is on disk.
    SettingsScope open();

    // Whether the file existed but could not be read at the last open, and why.
    bool unreadable() const { return unreadable_; }
    const QString& unreadableReason() const { return unreadableReason_; }
    // Whether this store created the missing file.
    bool createdFile() const { return createdFile_; }
    // How many saves failed (the file on disk then stayed as it was).
    int failedSaves() const { return failedSaves_; }

    // Where failures are reported that the caller did not collect itself:
    // a scope destroyed without release(), a file that cannot be created.
    // Without a sink they go to qWarning().
    void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }
    // A dry run: writes change the values this process reads but never the
    // file (wallctl --trace).
    void setDryRun(bool on) { dryRun_ = on; }

    // Reports a failed save through the sink. The refused saves of a file
    // that cannot be read are not said again: the open said so once.
    void reportError(const QString& message) const {
        if (!unreadable_)
            report(message);
    }

private:
    friend class SettingsScope;
    struct Document;

    void report(const QString& message) const;
    bool save(QString* error);
    void endScope(bool saveFailed);

    QString path_;
    ErrorSink errorSink_;
    std::unique_ptr<Document> doc_; // the parse shared by the open scopes and kept after
    int openScopes_ = 0;
    bool dirty_ = false; // written since the last successful save
    bool dryRun_ = false;
    bool unreadable_ = false;
    QString unreadableReason_;
    bool createdFile_ = false;
    int failedSaves_ = 0;
};

class SettingsScope {
public:
    SettingsScope(SettingsScope&& other) noexcept;
    SettingsScope& operator=(SettingsScope&&) = delete;
    SettingsScope(const SettingsScope&) = delete;
    ~SettingsScope();

    bool hasKey(std::string_view section, std::string_view key) const;
    int readInt(std::string_view section, std::string_view key, int fallback) const;
    // The stored integer, or nothing when the key is missing or not a number.
    std::optional<int> readStoredInt(std::string_view section, std::string_view key) const;
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;
    QString readText(std::string_view section, std::string_view key,
                     const QString& fallback = {}) const;

    void writeInt(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void writeText(std::string_view section, std::string_view key, const QString& value);

    // Saves once when anything was written. Returns false and fills `error`
    // when the file could not be replaced; the file on disk is then unchanged.
    // Further calls do nothing and return true.
    bool release(QString* error = nullptr);

private:
    friend class SettingsStore;
    explicit SettingsScope(SettingsStore* store);

    std::optional<std::string_view> rawValue(std::string_view section, std::string_view key) const;
    void writeRaw(std::string_view section, std::string_view key, std::string_view value);

    SettingsStore* store_;
    bool wrote_ = false;
};

// Builds an indexed key such as "Source12" or "H3V0" without allocations on
// the caller's side.
std::string indexedKey(std::string_view prefix, int index, std::string_view suffix = {});

// Parses a stored integer: optional blanks and sign, decimal digits, or hex
// written as 0x1F or $1F. Anything else, or a value outside 32 bits, fails.
bool parseStoredInt(std::string_view text, int& value);

} // namespace wall
