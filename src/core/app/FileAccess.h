#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace wall {

// The largest files the console reads whole. Anything bigger is not one of
// its files (or is a runaway one) and is refused before a byte is read.
inline constexpr qint64 kMaxSettingsFileBytes = 64ll << 20;
inline constexpr qint64 kMaxCommandFileBytes = 16ll << 20;

struct FileRead {
    enum Status { Ok, Missing, Refused };
    Status status = Missing;
    QByteArray bytes; // with Ok
    QString reason;   // with Refused: why, in the system's words where it gave any
};

// Reads a whole regular file of at most `maxBytes`. Folders, pipes, devices
// and sockets are refused without being opened for a blocking read, and so
// is a file over the limit. A path that does not exist is Missing.
FileRead readRegularFile(const QString& path, qint64 maxBytes);

// Replaces the file with `bytes` so that it is either wholly old or wholly
// new: the bytes go to a temporary file beside it, which is flushed to disk
// and then renamed over it. The file keeps its owner, group and mode; a new
// file gets the usual mode for new files. A file or folder with no write
// permission at all is refused, even for the administrator, whose saves the
// system would otherwise let through. Temporary files left by saves that
// were killed before their rename are removed. On failure `error` holds the
// system's reason and the file on disk is untouched.
bool replaceFile(const QString& path, QByteArrayView bytes, QString* error);

} // namespace wall
