#include "SettingsStore.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "IniDocument.h"

#include <charconv>
#include <limits>

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
    QFileInfo info(path_);
    if (!info.exists()) {
        QFile create(path_);
        if (!create.open(QIODevice::WriteOnly))
            report(QStringLiteral("Cannot create %1: %2").arg(path_, create.errorString()));
        create.close();
        info.refresh();
    }

    // A scope opened inside another one (a handler calling a helper that
    // opens its own) works on a fresh parse rather than the shared cache.
    const bool cacheUsable = !inScope_ && cached_ && cached_->fromDisk && info.exists() &&
                             info.size() == cached_->size &&
                             info.lastModified() == cached_->modified;
    if (cacheUsable)
        return SettingsScope(this, std::move(cached_));

    cached_.reset();
    auto doc = std::make_unique<Document>();
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) {
        doc->ini = IniDocument(file.readAll());
        doc->size = info.size();
        doc->modified = info.lastModified();
        doc->fromDisk = true;
    } else if (info.exists()) {
        report(QStringLiteral("Cannot read %1: %2").arg(path_, file.errorString()));
    }
    return SettingsScope(this, std::move(doc));
}

bool SettingsStore::save(Document& doc, QString* error) {
    auto fail = [&](const QString& why) {
        const QString message = QStringLiteral("Cannot save %1: %2").arg(path_, why);
        if (error)
            *error = message;
        return false;
    };

    const QFileInfo before(path_);
    if (before.exists() && !before.isWritable())
        return fail(QStringLiteral("the file is read-only"));

    const std::string text = doc.ini.serialize();

    // Unbuffered, so that a short write (disk full, size limit) shows in the
    // count below instead of being lost in a flush that commit() ignores.
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(out.errorString());
    if (out.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        const QString why = out.errorString();
        out.cancelWriting();
        return fail(why);
    }
    if (!out.commit())
        return fail(out.errorString());

    const QFileInfo after(path_);
    doc.size = after.size();
    doc.modified = after.lastModified();
    doc.fromDisk = true;
    return true;
}

SettingsScope::SettingsScope(SettingsStore* store, std::unique_ptr<SettingsStore::Document> doc)
    : store_(store), doc_(std::move(doc)) {
    store_->inScope_ = true;
}

SettingsScope::SettingsScope(SettingsScope&& other) noexcept
    : store_(other.store_), doc_(std::move(other.doc_)), dirty_(other.dirty_) {
    other.store_ = nullptr;
    other.dirty_ = false;
}

SettingsScope::~SettingsScope() {
    SettingsStore* store = store_;
    if (!store)
        return;
    QString error;
    if (!release(&error))
        store->report(error);
}

bool SettingsScope::release(QString* error) {
    if (!store_ || !doc_)
        return true;
    bool ok = true;
    if (dirty_)
        ok = store_->save(*doc_, error);
    dirty_ = false;
    store_->inScope_ = false;
    // Keep the parse for the next scope only when it matches the disk; after
    // a failed save the next scope must see the file as it really is.
    if (ok && doc_->fromDisk)
        store_->cached_ = std::move(doc_);
    doc_.reset();
    store_ = nullptr;
    return ok;
}

std::optional<std::string_view> SettingsScope::rawValue(std::string_view section,
                                                        std::string_view key) const {
    if (!doc_)
        return std::nullopt;
    return doc_->ini.value(section, key);
}

bool SettingsScope::hasKey(std::string_view section, std::string_view key) const {
    return rawValue(section, key).has_value();
}

int SettingsScope::readInt(std::string_view section, std::string_view key, int fallback) const {
    const auto raw = rawValue(section, key);
    int value = 0;
    if (raw && parseStoredInt(*raw, value))
        return value;
    return fallback;
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
    if (doc_ && doc_->ini.setValue(section, key, value))
        dirty_ = true; // an unchanged value needs no save
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
