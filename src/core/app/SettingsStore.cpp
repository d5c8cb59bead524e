#include "SettingsStore.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "FileAccess.h"
#include "IniDocument.h"

#include <charconv>
#include <limits>
#include <utility>

namespace wall {

struct SettingsStore::Document {
    IniDocument ini;
    // What the file looked like when it was parsed; a difference on the next
    // open means somebody else changed it.
    qint64 size = -1;
    QDateTime modified;
    bool fromDisk = false;
};

namespace {

QString decodeText(std::string_view raw) {
    const QByteArrayView bytes(raw.data(), static_cast<qsizetype>(raw.size()));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Not UTF-8: a file written by a Chinese Windows installation.
    QStringDecoder gb("GB18030");
    if (gb.isValid())
        return gb(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

std::string indexedKey(std::string_view prefix, int index, std::string_view suffix) {
    std::string key;
    key.reserve(prefix.size() + 12 + suffix.size());
    key.append(prefix);
    key.append(std::to_string(index));
    key.append(suffix);
    return key;
}

bool parseStoredInt(std::string_view text, int& value) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    long long magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size() || magnitude < 0)
        return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int>::min() ||
        signedValue > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {}

SettingsStore::~SettingsStore() = default;

void SettingsStore::report(const QString& message) const {
    if (errorSink_)
        errorSink_(message);
    else
        qWarning().noquote() << message;
}

SettingsScope SettingsStore::open() {
    if (openScopes_ > 0)
        return SettingsScope(this); // nested: share the document in use

    QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink() && !dryRun_) {
        QFile create(path_);
        if (create.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            createdFile_ = true;
        else if (!QFileInfo::exists(path_))
            report(QStringLiteral("Cannot create %1: %2").arg(path_, create.errorString()));
        create.close();
        info.refresh();
    }

    const bool cacheUsable = doc_ && doc_->fromDisk && info.exists() && info.size() == doc_->size &&
                             info.lastModified() == doc_->modified;
    if (cacheUsable)
        return SettingsScope(this);

    FileRead read = readRegularFile(path_, kMaxSettingsFileBytes);
    switch (read.status) {
    case FileRead::Ok:
        doc_ = std::make_unique<Document>();
        dirty_ = false;
        unreadable_ = false;
        doc_->ini = IniDocument(std::move(read.bytes));
        doc_->size = info.size();
        doc_->modified = info.lastModified();
        doc_->fromDisk = true;
        break;
    case FileRead::Missing:
        // Not created (a dry run, or the folder refused it): what this process
        // wrote in memory stays until the file appears.
        unreadable_ = false;
        if (!doc_ || doc_->fromDisk) {
            doc_ = std::make_unique<Document>();
            dirty_ = false;
        }
        break;
    case FileRead::Refused:
        if (!std::exchange(unreadable_, true)) {
            unreadableReason_ = read.reason;
            report(QStringLiteral("%1 cannot be read: %2. Its settings are not used, and "
                                  "nothing is saved to it.")
                       .arg(path_, read.reason));
        }
        if (!doc_ || doc_->fromDisk) {
            doc_ = std::make_unique<Document>();
            dirty_ = false;
        }
        break;
    }
    return SettingsScope(this);
}

bool SettingsStore::save(QString* error) {
    auto fail = [&](const QString& why) {
        ++failedSaves_;
        if (error)
            *error = QStringLiteral("Cannot save %1: %2").arg(path_, why);
        return false;
    };

    if (dryRun_) {
        dirty_ = false;
        return true;
    }
    if (unreadable_)
        return fail(
            QStringLiteral("it cannot be read (%1), so it is not replaced").arg(unreadableReason_));

    QString why;
    if (!replaceFile(path_, doc_->ini.serialize(), &why))
        return fail(why);

    const QFileInfo after(path_);
    doc_->size = after.size();
    doc_->modified = after.lastModified();
    doc_->fromDisk = true;
    dirty_ = false;
    return true;
}

void SettingsStore::endScope(bool saveFailed) {
    --openScopes_;
    // After a failed save the next scope must see the file as it really is;
    // the unsaved writes stay only while an enclosing scope may still save.
    if (openScopes_ == 0 && saveFailed && !unreadable_) {
        doc_.reset();
        dirty_ = false;
    }
}

SettingsScope::SettingsScope(SettingsStore* store) : store_(store) {
    ++store_->openScopes_;
}

SettingsScope::SettingsScope(SettingsScope&& other) noexcept
    : store_(other.store_), wrote_(other.wrote_) {
    other.store_ = nullptr;
    other.wrote_ = false;
}

SettingsScope::~SettingsScope() {
    SettingsStore* store = store_;
    if (!store)
        return;
    QString error;
    if (!release(&error))
        store->reportError(error);
}

bool SettingsScope::release(QString* error) {
    SettingsStore* store = std::exchange(store_, nullptr);
    if (!store)
        return true;
    bool ok = true;
    // A scope saves what it wrote; the outermost one also retries what an
    // inner scope failed to save.
    const bool outermost = store->openScopes_ == 1;
    if (store->dirty_ && store->doc_ && (wrote_ || outermost))
        ok = store->save(error);
    store->endScope(!ok);
    wrote_ = false;
    return ok;
}

std::optional<std::string_view> SettingsScope::rawValue(std::string_view section,
                                                        std::string_view key) const {
    if (!store_ || !store_->doc_)
        return std::nullopt;
    return store_->doc_->ini.value(section, key);
}

bool SettingsScope::hasKey(std::string_view section, std::string_view key) const {
    return rawValue(section, key).has_value();
}

std::optional<int> SettingsScope::readStoredInt(std::string_view section,
                                                std::string_view key) const {
    const auto raw = rawValue(section, key);
    int value = 0;
    if (raw && parseStoredInt(*raw, value))
        return value;
    return std::nullopt;
}

int SettingsScope::readInt(std::string_view section, std::string_view key, int fallback) const {
    return readStoredInt(section, key).value_or(fallback);
}

bool SettingsScope::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInt(section, key, fallback ? 1 : 0) != 0;
}

QString SettingsScope::readText(std::string_view section, std::string_view key,
                                const QString& fallback) const {
    const auto raw = rawValue(section, key);
    return raw ? decodeText(*raw) : fallback;
}

void SettingsScope::writeRaw(std::string_view section, std::string_view key,
                             std::string_view value) {
    if (!store_ || !store_->doc_)
        return;
    if (store_->doc_->ini.setValue(section, key, value)) {
        store_->dirty_ = true; // an unchanged value needs no save
        wrote_ = true;
    }
}

void SettingsScope::writeInt(std::string_view section, std::string_view key, int value) {
    writeRaw(section, key, std::to_string(value));
}

void SettingsScope::writeBool(std::string_view section, std::string_view key, bool value) {
    writeRaw(section, key, value ? "1" : "0");
}

void SettingsScope::writeText(std::string_view section, std::string_view key,
                              const QString& value) {
    // Values are single-line: a line break would split the key in two.
    QString line = value;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    writeRaw(section, key, line.toUtf8().toStdString());
}

} // namespace wall
