#include "FileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wall::test {

namespace {
constexpr uid_t kOtherUser = 65534; // nobody

bool writeAll(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}
} // namespace

const char* faultName(FileFault fault) {
    switch (fault) {
    case FileFault::WriteOnly:
        return "write-only file";
    case FileFault::Folder:
        return "folder";
    case FileFault::Fifo:
        return "named pipe";
    case FileFault::Endless:
        return "endless device";
    case FileFault::DanglingLink:
        return "dangling link";
    case FileFault::Oversized:
        return "oversized file";
    case FileFault::ReadOnlyFile:
        return "read-only file";
    case FileFault::ReadOnlyFolder:
        return "read-only folder";
    case FileFault::FullDisk:
        return "full disk";
    }
    return "?";
}

bool unreadableFault(FileFault fault) {
    return fault != FileFault::ReadOnlyFile && fault != FileFault::ReadOnlyFolder &&
           fault != FileFault::FullDisk;
}

FaultyFile::FaultyFile(FileFault fault, const QString& dir, const QByteArray& content)
    : fault_(fault),
      dir_(dir + QStringLiteral("/") + QString::fromLatin1(faultName(fault)).replace(u' ', u'-')) {
    QDir().mkpath(dir_);
    path_ = dir_ + QStringLiteral("/Setting.ini");
    const QByteArray name = QFile::encodeName(path_);
    switch (fault) {
    case FileFault::WriteOnly:
        EXPECT_TRUE(writeAll(path_, content));
        ::chmod(name.constData(), 0200);
        ::chmod(QFile::encodeName(dir_).constData(), 0777);
        ::chmod(QFile::encodeName(dir).constData(), 0777);
        break;
    case FileFault::Folder:
        QDir().mkpath(path_);
        break;
    case FileFault::Fifo:
        EXPECT_EQ(::mkfifo(name.constData(), 0644), 0);
        break;
    case FileFault::Endless:
        EXPECT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path_));
        break;
    case FileFault::DanglingLink:
        EXPECT_TRUE(QFile::link(dir_ + QStringLiteral("/gone.ini"), path_));
        break;
    case FileFault::Oversized: {
        EXPECT_TRUE(writeAll(path_, content));
        QFile f(path_);
        EXPECT_TRUE(f.resize((64ll << 20) + 1)); // sparse: no real space taken
        break;
    }
    case FileFault::ReadOnlyFile:
        EXPECT_TRUE(writeAll(path_, content));
        ::chmod(name.constData(), 0444);
        break;
    case FileFault::ReadOnlyFolder:
        EXPECT_TRUE(writeAll(path_, content));
        ::chmod(QFile::encodeName(dir_).constData(), 0555);
        break;
    case FileFault::FullDisk: {
        // A file system of a few pages, filled up after the file is written.
        const QByteArray point = QFile::encodeName(dir_);
        if (::mount("tmpfs", point.constData(), "tmpfs", 0, "size=16k") == 0) {
            mountPoint_ = dir_;
            EXPECT_TRUE(writeAll(path_, content));
            QFile filler(dir_ + QStringLiteral("/filler"));
            EXPECT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(512, 'f');
            while (filler.write(block) == block.size()) {
            }
        } else {
            EXPECT_TRUE(writeAll(path_, content));
            sizeLimited_ = true;
        }
        break;
    }
    }
}

FaultyFile::~FaultyFile() {
    ::chmod(QFile::encodeName(dir_).constData(), 0755);
    if (QFileInfo(path_).isFile() && !QFileInfo(path_).isSymLink())
        ::chmod(QFile::encodeName(path_).constData(), 0644);
    if (!mountPoint_.isEmpty())
        ::umount(QFile::encodeName(mountPoint_).constData());
}

QByteArray FaultyFile::state() const {
    const QFileInfo info(path_);
    if (info.isSymLink())
        return "link to " + QFile::encodeName(info.symLinkTarget());
    struct stat st {};
    if (::lstat(QFile::encodeName(path_).constData(), &st) != 0)
        return "missing";
    if (S_ISDIR(st.st_mode))
        return "folder";
    if (S_ISFIFO(st.st_mode))
        return "pipe";
    if (st.st_size > (1 << 20))
        return "large file of " + QByteArray::number(qint64(st.st_size)) + " bytes";
    // Read as the administrator where the test is one; else as the owner.
    const mode_t mode = st.st_mode & 07777;
    ::chmod(QFile::encodeName(path_).constData(), mode | 0400);
    QFile f(path_);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
    ::chmod(QFile::encodeName(path_).constData(), mode);
    return bytes + "|mode " + QByteArray::number(mode, 8);
}

void FaultyFile::run(const std::function<void()>& action) const {
    if (fault_ == FileFault::WriteOnly && ::geteuid() == 0) {
        ASSERT_EQ(::seteuid(kOtherUser), 0) << std::strerror(errno);
        action();
        ASSERT_EQ(::seteuid(0), 0);
        return;
    }
    if (sizeLimited_) {
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
        action();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        return;
    }
    action();
}

QString FaultyFile::systemReason() const {
    switch (fault_) {
    case FileFault::WriteOnly:
        return QString::fromLocal8Bit(std::strerror(EACCES));
    case FileFault::Folder:
        return QStringLiteral("it is a folder");
    case FileFault::Fifo:
        return QStringLiteral("it is a pipe");
    case FileFault::Endless:
        return QStringLiteral("it is a device");
    case FileFault::DanglingLink:
        return QStringLiteral("which does not exist");
    case FileFault::Oversized:
        return QStringLiteral("larger than 64 MiB");
    case FileFault::ReadOnlyFile:
        return QStringLiteral("the file is read-only");
    case FileFault::ReadOnlyFolder:
        return QStringLiteral("is read-only");
    case FileFault::FullDisk:
        return QString::fromLocal8Bit(std::strerror(sizeLimited_ ? EFBIG : ENOSPC));
    }
    return {};
}

} // namespace wall::test
