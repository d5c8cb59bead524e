#include "app/SettingsStore.h"
#include "support/FileFaults.h"
#include "support/IniFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>

#include <gmock/gmock.h>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace wall;
using wall::test::FaultyFile;
using wall::test::FileFault;
using wall::test::IniFixture;

namespace {

class SettingsStoreTest : public IniFixture {};

TEST_F(SettingsStoreTest, MissingFileIsCreatedEmptyAndEveryReadGivesItsDefault) {
    ASSERT_FALSE(fileExists());
    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        EXPECT_EQ(ini.readInt("SETTING", "Row", 3), 3);
        EXPECT_TRUE(ini.readBool("SETTING", "AutoPowerOn", true));
        EXPECT_EQ(ini.readText("SETTING", "Caption", QStringLiteral("x")), QStringLiteral("x"));
        EXPECT_TRUE(ini.release());
    }
    EXPECT_TRUE(fileExists());
    EXPECT_TRUE(readFile().isEmpty()) << "reading alone must not write anything";
}

TEST_F(SettingsStoreTest, UnusableValuesGiveTheDefault) {
    writeFile("[SETTING]\n"
              "Empty=\n"
              "Word=abc\n"
              "Trailing=12abc\n"
              "Huge=99999999999\n"
              "Spaces=  42  \n"
              "Negative=-7\n"
              "Hex=0x1F\n"
              "Pascal=$10\n"
              "garbage line without equals\n"
              "=no key\n");
    SettingsStore store(path());
    SettingsScope ini = store.open();
    struct Case {
        const char* key;
        int expected;
    };
    const Case cases[] = {{"Empty", -1}, {"Word", -1},   {"Trailing", -1},
                          {"Huge", -1},  {"Spaces", 42}, {"Negative", -7},
                          {"Hex", 31},   {"Pascal", 16}, {"Missing", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(ini.readInt("SETTING", c.key, -1), c.expected) << c.key;
    EXPECT_EQ(ini.readInt("NoSuchSection", "Row", 5), 5);
}

TEST_F(SettingsStoreTest, BooleansReadNonZeroAsTrueAndWriteOneOrZero) {
    writeFile("[B]\nTwo=2\nZero=0\nMinus=-1\n");
    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        EXPECT_TRUE(ini.readBool("B", "Two", false));
        EXPECT_FALSE(ini.readBool("B", "Zero", true));
        EXPECT_TRUE(ini.readBool("B", "Minus", false));
        ini.writeBool("B", "Two", true);
        ini.writeBool("B", "Zero", false);
        ini.writeInt("B", "Minus", -123);
    }
    EXPECT_EQ(readFile(), QByteArray("[B]\nTwo=1\nZero=0\nMinus=-123\n"));
}

TEST_F(SettingsStoreTest, SectionsAndKeysAreCaseInsensitive) {
    writeFile("[setting]\nrow=7\n[YbCommDevice1 Com Set]\nPORTNO=4\n");
    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        EXPECT_EQ(ini.readInt("SETTING", "Row", 0), 7);
        EXPECT_EQ(ini.readInt("ybcommdevice1 com set", "PortNo", 0), 4);
        ini.writeInt("Setting", "ROW", 8);
    }
    // The existing spelling is kept; no second key appears.
    EXPECT_EQ(readFile(), QByteArray("[setting]\nrow=8\n[YbCommDevice1 Com Set]\nPORTNO=4\n"));
}

TEST_F(SettingsStoreTest, EverythingElseInTheFileSurvivesASaveByteForByte) {
    const QByteArray original = "; written by an installer\r\n"
                                "\r\n"
                                "[Vendor]\r\n"
                                "Serial = ABC-123\r\n"
                                "a line that is neither\r\n"
                                "; the wall\r\n"
                                "[SETTING]\r\n"
                                "Zeta=1\r\n"
                                "Row=3\r\n"
                                "Alpha=2\r\n"
                                "\r\n"
                                "[Unit1]\r\n"
                                "Source0=2\r\n";
    writeFile(original);
    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        ini.writeInt("SETTING", "Row", 4);           // rewrites its own line only
        ini.writeInt("SETTING", "Col", 5);           // after the section's last key
        ini.writeInt("Wall", "WallCustomColors", 1); // a new section at the end
    }
    QByteArray expected = original;
    expected.replace("Row=3\r\nAlpha=2\r\n", "Row=4\r\nAlpha=2\r\nCol=5\r\n");
    expected += "[Wall]\r\nWallCustomColors=1\r\n";
    EXPECT_EQ(readFile(), expected);
}

TEST_F(SettingsStoreTest, FilesFromOtherEditorsAreRead) {
    struct Case {
        const char* what;
        QByteArray file;
        int row;
    };
    const Case cases[] = {
        {"a byte-order mark", "\xEF\xBB\xBF[SETTING]\nRow=4\n", 4},
        {"blanks around the name and the sign", "  [ SETTING ]  \n  Row =  5 \n", 5},
        {"a quoted value", "[SETTING]\nRow=\"6\"\n", 6},
        {"a repeated section: the first key wins", "[SETTING]\nRow=7\n[X]\n[setting]\nRow=8\n", 7},
        {"keys before any section belong to none", "Row=9\n[SETTING]\n", -1},
        {"no final line break", "[SETTING]\nRow=10", 10},
    };
    for (const Case& c : cases) {
        writeFile(c.file);
        SettingsStore store(path());
        EXPECT_EQ(store.open().readInt("SETTING", "Row", -1), c.row) << c.what;
    }

    // A byte-order mark and a repeated section are kept on saving.
    writeFile("\xEF\xBB\xBF[SETTING]\nRow=7\n[setting]\nCol=1\n");
    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        ini.writeInt("SETTING", "Col", 2);
        ini.writeInt("SETTING", "Caption", 3);
    }
    EXPECT_EQ(readFile(),
              QByteArray("\xEF\xBB\xBF[SETTING]\nRow=7\nCaption=3\n[setting]\nCol=2\n"));
}

TEST_F(SettingsStoreTest, ScopeSavesOnceWhenReleasedAndNotBefore) {
    SettingsStore store(path());
    SettingsScope ini = store.open();
    ini.writeInt("SETTING", "Row", 5);
    ini.writeInt("SETTING", "Col", 6);
    EXPECT_TRUE(readFile().isEmpty()) << "writes are kept until the scope is released";
    ASSERT_TRUE(ini.release());
    EXPECT_EQ(readFile(), QByteArray("[SETTING]\nRow=5\nCol=6\n"));
}

TEST_F(SettingsStoreTest, AnOutsideEditIsSeenByTheNextScope) {
    writeFile("[SETTING]\nRow=3\n");
    SettingsStore store(path());
    EXPECT_EQ(store.open().readInt("SETTING", "Row", 0), 3);
    writeFile("[SETTING]\nRow=12\nCol=9\n");
    SettingsScope ini = store.open();
    EXPECT_EQ(ini.readInt("SETTING", "Row", 0), 12);
    EXPECT_EQ(ini.readInt("SETTING", "Col", 0), 9);
}

TEST_F(SettingsStoreTest, TextIsWrittenAsUtf8AndLegacyChineseIsReadAsGb18030) {
    const QString plan = QStringLiteral("方案一");
    QStringEncoder toGb("GB18030");
    writeFile("[Wall]\nWall_Mode0=" + QByteArray(toGb(QStringLiteral("会议模式"))) +
              "\nWall_Mode1=" + plan.toUtf8() + "\n");
    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        EXPECT_EQ(ini.readText("Wall", "Wall_Mode0"), QStringLiteral("会议模式"));
        EXPECT_EQ(ini.readText("Wall", "Wall_Mode1"), plan);
        ini.writeText("Wall", "Wall_Mode2", QStringLiteral("夜间\n模式"));
    }
    EXPECT_TRUE(readFile().endsWith(QStringLiteral("Wall_Mode2=夜间 模式\n").toUtf8()))
        << "UTF-8, and a line break cannot split the key";
}

#ifdef Q_OS_UNIX
TEST_F(SettingsStoreTest, AFailedSaveIsReportedAndLeavesTheOldFileWhole) {
    // A file-size limit makes the disk "full" for this process, even as root.
    const QByteArray original = "[SETTING]\nRow=3\n";
    writeFile(original);
    SettingsStore store(path());
    QStringList reported;
    store.setErrorSink([&](const QString& m) { reported << m; });

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    QString error;
    bool saved = true;
    {
        SettingsScope ini = store.open();
        ini.writeText("SETTING", "Caption", QString(200, QLatin1Char('x')));
        saved = ini.release(&error);
    }
    {
        // The same through the destructor: reported to the sink, never silent.
        SettingsScope ini = store.open();
        ini.writeText("SETTING", "Caption", QString(300, QLatin1Char('y')));
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(error.contains(path())) << error.toStdString();
    EXPECT_EQ(reported.size(), 1);
    EXPECT_EQ(readFile(), original);
    EXPECT_EQ(store.open().readText("SETTING", "Caption"), QString())
        << "after a failed save the next scope sees the file as it is";
}

#endif

TEST_F(SettingsStoreTest, AFileThatCannotBeReadOrReplacedIsLeftAsItIsAndSaidOnce) {
    const QByteArray original = "[SETTING]\nRow=5\nCol=6\n[Wall]\nWall_Mode0=Morning\n";
    for (FileFault fault :
         {FileFault::WriteOnly, FileFault::Folder, FileFault::Fifo, FileFault::DanglingLink,
          FileFault::Endless, FileFault::Oversized, FileFault::ReadOnlyFile,
          FileFault::ReadOnlyFolder, FileFault::FullDisk}) {
        SCOPED_TRACE(wall::test::faultName(fault));
        const FaultyFile file(fault, dirPath(), original);
        const QByteArray before = file.state();
        SettingsStore store(file.path());
        QStringList reported;
        store.setErrorSink([&](const QString& m) { reported << m; });
        const bool unreadable = wall::test::unreadableFault(fault);

        QString error;
        bool saved = true;
        file.run([&] {
            SettingsScope ini = store.open();
            EXPECT_EQ(ini.readInt("SETTING", "Row", 3), unreadable ? 3 : 5);
            ini.writeInt("SETTING", "Row", 7);
            EXPECT_EQ(ini.readInt("SETTING", "Row", 3), 7) << "kept in memory";
            saved = ini.release(&error);
        });
        EXPECT_FALSE(saved);
        EXPECT_EQ(store.failedSaves(), 1);
        EXPECT_EQ(store.unreadable(), unreadable);
        if (unreadable) {
            ASSERT_EQ(reported.size(), 1) << reported.join(u'\n').toStdString();
            EXPECT_THAT(reported.first().toStdString(), testing::HasSubstr("cannot be read"));
            EXPECT_THAT(reported.first().toStdString(),
                        testing::HasSubstr(file.systemReason().toStdString()));
            EXPECT_THAT(error.toStdString(), testing::HasSubstr("cannot be read"));
            // Later scopes keep the memory and stay quiet.
            file.run([&] {
                SettingsScope ini = store.open();
                EXPECT_EQ(ini.readInt("SETTING", "Row", 3), 7);
                ini.writeInt("SETTING", "Col", 8);
            });
            EXPECT_EQ(reported.size(), 1) << "said once";
        } else {
            EXPECT_THAT(error.toStdString(), testing::HasSubstr(file.systemReason().toStdString()));
        }
        EXPECT_THAT(error.toStdString(), testing::Not(testing::HasSubstr("Unknown error")));
        EXPECT_EQ(file.state(), before) << "the file on disk is untouched";
    }
}

TEST_F(SettingsStoreTest, ASaveKeepsEachLinesEndingAndAnUnterminatedLastLine) {
    struct Case {
        const char* what;
        QByteArray file;
        std::function<void(SettingsScope&)> edit;
        QByteArray expected;
    };
    const Case cases[] = {
        {"mixed endings, a changed value in place", "[A]\r\nx=1\ny=2\r\n[B]\nz=3",
         [](SettingsScope& s) {
             s.writeInt("A", "y", 5);
             s.writeInt("B", "z", 9);
         },
         "[A]\r\nx=1\ny=5\r\n[B]\nz=9"},
        {"new lines take the first line's ending", "[A]\r\nx=1\n[B]\nz=3",
         [](SettingsScope& s) {
             s.writeInt("A", "new", 1);
             s.writeInt("B", "w", 7);
             s.writeInt("C", "v", 2);
         },
         "[A]\r\nx=1\nnew=1\r\n[B]\nz=3\r\nw=7\r\n[C]\r\nv=2\r\n"},
        {"a lone CR ending the file is completed when a line follows", "[A]\nx=1\r",
         [](SettingsScope& s) { s.writeInt("A", "y", 5); }, "[A]\nx=1\r\ny=5\n"},
        {"a byte-order mark and CR LF throughout", "\xEF\xBB\xBF[A]\r\nx=1\r\n",
         [](SettingsScope& s) { s.writeInt("A", "x", 2); }, "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
    };
    for (const Case& c : cases) {
        writeFile(c.file);
        SettingsStore store(path());
        {
            SettingsScope ini = store.open();
            c.edit(ini);
        }
        EXPECT_EQ(readFile(), c.expected) << c.what;
    }
}

#ifdef Q_OS_UNIX
TEST_F(SettingsStoreTest, ASaveKeepsTheFilesOwnerAndMode) {
    writeFile("[SETTING]\nRow=3\n");
    const QByteArray name = QFile::encodeName(path());
    const bool root = ::geteuid() == 0;
    const uid_t owner = root ? 65534 : ::geteuid();
    const gid_t group = root ? 65534 : ::getegid();
    ASSERT_EQ(::chown(name.constData(), owner, group), 0);
    ASSERT_EQ(::chmod(name.constData(), 0640), 0);

    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        ini.writeInt("SETTING", "Row", 4);
        ASSERT_TRUE(ini.release());
    }
    struct stat st {};
    ASSERT_EQ(::stat(name.constData(), &st), 0);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readFile(), QByteArray("[SETTING]\nRow=4\n"));
}

TEST_F(SettingsStoreTest, ATemporaryFileOfAKilledSaveIsRemovedByTheNextSave) {
    // The temporary of a process that has ended, and one of a running process.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    const QString stale = path() + QStringLiteral(".save-%1").arg(endedPid);
    const QString live = path() + QStringLiteral(".save-%1").arg(qint64(::getppid()));
    for (const QString& temp : {stale, live}) {
        QFile f(temp);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[SETTING]\nRow=");
    }
    SettingsStore store(path());
    store.open().writeInt("SETTING", "Row", 4);
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(live)) << "another running save's file is its own";
    EXPECT_EQ(QDir(dirPath()).entryList(QDir::Files).size(), 2);
}
#endif

TEST_F(SettingsStoreTest, NestedScopesShareOneDocument) {
    SettingsStore store(path());
    {
        SettingsScope outer = store.open();
        outer.writeInt("SETTING", "Row", 4);
        {
            SettingsScope inner = store.open();
            EXPECT_EQ(inner.readInt("SETTING", "Row", 0), 4) << "sees the outer write";
            inner.writeInt("SETTING", "Col", 5);
        }
        EXPECT_EQ(outer.readInt("SETTING", "Col", 0), 5);
        outer.writeInt("SETTING", "Row", 6);
    }
    EXPECT_EQ(readFile(), QByteArray("[SETTING]\nRow=6\nCol=5\n"));
}

TEST_F(SettingsStoreTest, NamesThatWouldReadBackDifferentlyAreNotWritten) {
    SettingsStore store(path());
    {
        SettingsScope ini = store.open();
        ini.writeInt("SETTING", "a=b", 1);
        ini.writeInt("SETTING", ";key", 1);
        ini.writeInt("SET]TING", "Row", 1);
        ini.writeInt("", "Row", 1);
        ini.writeInt("SETTING", "Row", 2);
    }
    EXPECT_EQ(readFile(), QByteArray("[SETTING]\nRow=2\n"));
}

TEST_F(SettingsStoreTest, AFolderThatCannotHoldTheFileIsReported) {
    // A path below a regular file can be neither created nor saved.
    writeFile("[SETTING]\n");
    SettingsStore store(path() + QStringLiteral("/Setting.ini"));
    QStringList reported;
    store.setErrorSink([&](const QString& m) { reported << m; });
    SettingsScope ini = store.open();
    EXPECT_EQ(ini.readInt("SETTING", "Row", 3), 3);
    ini.writeInt("SETTING", "Row", 4);
    QString error;
    EXPECT_FALSE(ini.release(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(reported.isEmpty()) << "the failed creation is reported";
}

TEST(IndexedKey, BuildsTheStoredKeyForms) {
    EXPECT_EQ(indexedKey("Source", 12), "Source12");
    EXPECT_EQ(indexedKey("Wall_Mode", 47, "_En"), "Wall_Mode47_En");
    EXPECT_EQ(indexedKey("", 3, "PopStart"), "3PopStart");
}

} // namespace
