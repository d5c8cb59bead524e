#include "FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wall {

namespace {

QString megabytes(qint64 bytes) {
    return QStringLiteral("%1 MiB").arg(bytes >> 20);
}

FileRead refused(QString reason) {
    FileRead r;
    r.status = FileRead::Refused;
    r.reason = std::move(reason);
    return r;
}

#ifdef Q_OS_UNIX

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString fileTypeReason(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a file");
    return QStringLiteral("it is not a regular file");
}

// Temporary files of this console's saves are named "<file>.save-<pid>".
QString temporaryName(const QString& path, qint64 pid) {
    return QStringLiteral("%1.save-%2").arg(path).arg(pid);
}

// Removes the temporaries of saves whose process no longer runs: it was
// killed between writing and renaming. A running process's file is its own.
void removeStaleTemporaries(const QString& path) {
    const QFileInfo info(path);
    const QString prefix = info.fileName() + QStringLiteral(".save-");
    const QDir dir = info.absoluteDir();
    const QStringList names =
        dir.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        bool ok = false;
        const qint64 pid = name.mid(prefix.size()).toLongLong(&ok);
        if (!ok || pid <= 0 || pid == QCoreApplication::applicationPid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;
        QFile::remove(dir.filePath(name));
    }
}

#endif

} // namespace

FileRead readRegularFile(const QString& path, qint64 maxBytes) {
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    // Only a regular file is opened at all: opening a terminal or a serial
    // port could change its lines.
    struct stat before {};
    if (::stat(name.constData(), &before) != 0) {
        const int error = errno;
        struct stat link {};
        if (error == ENOENT && ::lstat(name.constData(), &link) == 0)
            return refused(QStringLiteral("it is a link to %1, which does not exist")
                               .arg(QFileInfo(path).symLinkTarget()));
        if (error == ENOENT)
            return {};
        return refused(systemReason(error));
    }
    if (!S_ISREG(before.st_mode))
        return refused(fileTypeReason(before.st_mode));
    // Non-blocking, so that a pipe swapped in meanwhile cannot hold the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refused(systemReason(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return refused(systemReason(errno));
    if (!S_ISREG(st.st_mode))
        return refused(fileTypeReason(st.st_mode));
    if (st.st_size > maxBytes)
        return refused(QStringLiteral("it is larger than %1").arg(megabytes(maxBytes)));

    // One byte more than the file's size, so that a file that grew since it
    // was measured is noticed; never more than the limit allows.
    const qint64 capacity = maxBytes + 1;
    FileRead r;
    r.status = FileRead::Ok;
    r.bytes.resize(static_cast<qsizetype>(std::min<qint64>(st.st_size + 1, capacity)));
    qint64 got = 0;
    for (;;) {
        if (got == r.bytes.size()) {
            if (got >= capacity)
                return refused(QStringLiteral("it is larger than %1").arg(megabytes(maxBytes)));
            r.bytes.resize(static_cast<qsizetype>(std::min<qint64>(got * 2 + 4096, capacity)));
        }
        const ssize_t n = ::read(fd, r.bytes.data() + got, size_t(r.bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refused(systemReason(errno));
        if (n == 0)
            break;
        got += n;
    }
    r.bytes.resize(static_cast<qsizetype>(got));
    return r;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.isDir())
        return refused(QStringLiteral("it is a folder"));
    if (!info.isFile())
        return refused(QStringLiteral("it is not a regular file"));
    if (info.size() > maxBytes)
        return refused(QStringLiteral("it is larger than %1").arg(megabytes(maxBytes)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    FileRead r;
    r.status = FileRead::Ok;
    r.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(file.errorString());
    if (r.bytes.size() > maxBytes)
        return refused(QStringLiteral("it is larger than %1").arg(megabytes(maxBytes)));
    return r;
#endif
}

bool replaceFile(const QString& requested, QByteArrayView bytes, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // A link is followed: the file it names is replaced, the link stays.
    const QFileInfo link(requested);
    const QString path = link.isSymLink() ? link.symLinkTarget() : requested;
    const QFileInfo target(path);
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (target.exists()) {
        if (!target.isFile())
            return fail(QStringLiteral("it is not a regular file"));
        if (!(target.permissions() & anyWrite) || !target.isWritable())
            return fail(QStringLiteral("the file is read-only"));
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return fail(QStringLiteral("the folder %1 does not exist").arg(folder.filePath()));
    if (!(folder.permissions() & anyWrite) || !folder.isWritable())
        return fail(QStringLiteral("the folder %1 is read-only").arg(folder.filePath()));

#ifdef Q_OS_UNIX
    removeStaleTemporaries(path);
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    const QByteArray temp =
        QFile::encodeName(temporaryName(path, QCoreApplication::applicationPid()));
    // A new file is created with the usual mode; a replacement starts private
    // and takes the old file's mode below.
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW,
                          existed ? 0600 : 0666);
    if (fd < 0)
        return fail(systemReason(errno));
    auto abandon = [&](int errorNumber) {
        ::close(fd);
        ::unlink(temp.constData());
        return fail(systemReason(errorNumber));
    };
    const char* data = bytes.data();
    qint64 left = bytes.size();
    while (left > 0) {
        // A short write is retried, so that a full disk reports its own reason.
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return abandon(errno);
        data += n;
        left -= n;
    }
    if (existed) {
        // Only the administrator can give a file away. Anyone else who may
        // replace another user's file keeps at least its group, so that the
        // people sharing it through the group still can.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            if (errno != EPERM)
                return abandon(errno);
            ::fchown(fd, uid_t(-1), old.st_gid);
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return abandon(errno);
    }
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        return fail(systemReason(e));
    }
    if (::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        return fail(systemReason(e));
    }
    // The rename itself reaches the disk with the folder.
    if (const int dirFd =
            ::open(QFile::encodeName(folder.absoluteFilePath()).constData(), O_RDONLY | O_CLOEXEC);
        dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
#else
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(out.errorString());
    if (out.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return fail(why);
    }
    if (!out.commit())
        return fail(out.errorString());
    return true;
#endif
}

} // namespace wall
