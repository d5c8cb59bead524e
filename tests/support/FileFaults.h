#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace wall::test {

// The ways a settings file can be unusable, each made for real in a folder of
// the test's own: what cannot be read, and what cannot be replaced.
enum class FileFault {
    WriteOnly,      // mode 0200; read by another user when the test runs as root
    Folder,         // the path is a folder
    Fifo,           // the path is a named pipe nobody writes to
    Endless,        // the path leads to /dev/zero
    DanglingLink,   // the path is a link to a file that does not exist
    Oversized,      // a regular file over the size limit
    ReadOnlyFile,   // mode 0444
    ReadOnlyFolder, // the folder's mode 0555
    FullDisk, // a small file system with no room left (a size limit where none can be mounted)
};

const char* faultName(FileFault fault);
// Whether the file cannot be read at all (rather than not replaced).
bool unreadableFault(FileFault fault);

// A settings path below `dir` with the fault made, and the file's old content
// (where it has one). Undone (permissions, mount) when destroyed.
class FaultyFile {
public:
    FaultyFile(FileFault fault, const QString& dir, const QByteArray& content);
    ~FaultyFile();
    FaultyFile(const FaultyFile&) = delete;
    FaultyFile& operator=(const FaultyFile&) = delete;

    const QString& path() const { return path_; }
    // What is at the path now, comparable before and after: the bytes of a
    // file, or a word for a folder, a pipe or a link.
    QByteArray state() const;
    // Runs `action` as the user the fault is meant for, and with the limits
    // it needs: another user for a write-only file when the test runs as the
    // administrator, a file-size limit where no small file system could be
    // mounted.
    void run(const std::function<void()>& action) const;
    // The words the system uses for the fault where it is the system's.
    QString systemReason() const;

private:
    FileFault fault_;
    QString dir_;
    QString path_;
    QString mountPoint_;
    bool sizeLimited_ = false;
};

} // namespace wall::test
