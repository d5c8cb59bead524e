#include "app/Access.h"
#include "app/Console.h"
#include "app/SettingsStore.h"
#include "serial/TraceIo.h"
#include "support/IniFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <vector>

#include "support/FixedCredentials.h"

using namespace wall;
using wall::test::IniFixture;

namespace {

using Pair = wall::test::Credentials;
using wall::test::kFullPair;
using wall::test::kHelpPair;
using wall::test::kLoginPair;
using wall::test::kOperatorPair;
using wall::test::kWrongPair;

QString u(const char* text) {
    return QString::fromUtf8(text);
}

TEST(AccessCredentials, EachPairOpensExactlyItsOwnDoor) {
    struct Case {
        Pair pair;
        bool login;
        int level;
    };
    const Case cases[] = {
        {kLoginPair, true, kAccessNone},
        {kHelpPair, false, kAccessHelp},
        {kFullPair, false, kAccessFull},
        {kOperatorPair, false, kAccessOperator},
        // Case, blanks and crossed pairs do not count.
        {{"Tulep", "tulep"}, false, kAccessNone},
        {{"tulep", "TULEP"}, false, kAccessNone},
        {{"tulep ", "tulep"}, false, kAccessNone},
        {{"pelkarin", "qk40918263750"}, false, kAccessNone},
        {{"vqt", "VQT8604"}, false, kAccessNone},
        {{"Pelkarin", "vqt8604"}, false, kAccessNone},
        {{"vqt", "qk40918263750"}, false, kAccessNone},
        {{"", ""}, false, kAccessNone},
        // The user name and password are not simply run together.
        {{"tuleptulep", ""}, false, kAccessNone},
        {{"tulep\ntulep", ""}, false, kAccessNone},
        {{"", "tulep\ntulep"}, false, kAccessNone},
        {{"vqtvqt8604", ""}, false, kAccessNone},
    };
    for (const Case& c : cases) {
        const QString user = u(c.pair.user), password = u(c.pair.password);
        SCOPED_TRACE(testing::Message()
                     << '"' << c.pair.user << "\" / \"" << c.pair.password << '"');
        EXPECT_EQ(loginAccepted(user, password), c.login);
        EXPECT_EQ(advancedAccessLevel(user, password), c.level);
    }
}

TEST(AccessCredentials, NoNameOrPasswordIsWrittenInTheSources) {
    // Beside this file's folder tests/core/app lies src/core/app.
    const QDir sources(QFileInfo(QString::fromUtf8(__FILE__))
                           .absoluteDir()
                           .filePath(QStringLiteral("../../../src/core/app")));
    for (const char* name : {"Access.cpp", "Access.h"}) {
        QFile file(sources.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray text = file.readAll();
        for (const char* secret : {"tulep", "Pelkarin", "qk40918263750", "vqt8604", "gravoni"})
            EXPECT_FALSE(text.contains(secret)) << name << " holds " << secret;
    }
}

TEST(AccessAdvancedGate, WrongEntriesAddUpOverTheRunAndTheThirdEndsIt) {
    struct Step {
        Pair pair;
        int level;
        int failures;
        bool ends;
    };
    struct Scenario {
        const char* name;
        std::vector<Step> steps;
    };
    const Scenario scenarios[] = {
        {"two wrong, then the operator pair",
         {{kWrongPair, 0, 1, false}, {kWrongPair, 0, 2, false}, {kOperatorPair, 1, 2, false}}},
        {"a success between does not reset the count",
         {{kWrongPair, 0, 1, false},
          {kFullPair, 20, 1, false},
          {kWrongPair, 0, 2, false},
          {kHelpPair, 10, 2, false},
          {kWrongPair, 0, 3, true},
          {kWrongPair, 0, 4, true}}},
        {"the login pair is no advanced pair", {{kLoginPair, 0, 1, false}}},
    };
    for (const Scenario& s : scenarios) {
        AdvancedAccessGate gate;
        int n = 0;
        for (const Step& step : s.steps) {
            SCOPED_TRACE(testing::Message() << s.name << ", entry " << ++n);
            const auto outcome = gate.attempt(u(step.pair.user), u(step.pair.password));
            EXPECT_EQ(outcome.level, step.level);
            EXPECT_EQ(outcome.failures, step.failures);
            EXPECT_EQ(gate.failures(), step.failures);
            EXPECT_EQ(outcome.endsProcess, step.ends);
        }
    }
}

TEST(AccessDelayEntry, DigitsAreReadAndCappedAtTenThousand) {
    struct Case {
        const char* text;
        int value;
        bool capped;
    };
    const Case cases[] = {
        {"", 0, false},
        {"0", 0, false},
        {"123", 123, false},
        {"10000", 10000, false},
        {"10001", 10000, true},
        {"12345", 10000, true},
        {"00012", 12, false},
        {"0000010000", 10000, false},
        {"1a2b", 12, false},
        {"-5", 5, false},
        {"99999999999999999999", 10000, true},
        {"\xEF\xBC\x91\xEF\xBC\x92", 0, false}, // full-width digits are no digits
    };
    for (const Case& c : cases) {
        const DelayEntry e = readDelayEntry(u(c.text));
        EXPECT_EQ(e.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(e.capped, c.capped) << '"' << c.text << '"';
    }
}

class AccessSystemSettings : public IniFixture {
protected:
    void start(const QByteArray& settings = {}) {
        writeFile(settings);
        store = std::make_unique<SettingsStore>(path());
        console = std::make_unique<Console>(*store, io);
        console->load(dirPath());
    }
    int stored(const char* key, int fallback = -1) {
        return store->open().readInt("SETTING", key, fallback);
    }
    TraceIo io;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Console> console;
};

TEST_F(AccessSystemSettings, OkWritesTheFiveKeysInOrderWithTheDelaysClamped) {
    start();
    setMatrixToScreenTime(*console, 15000);
    EXPECT_EQ(console->state().settings.MatrixToScreenTime, 10000);
    EXPECT_EQ(stored("MatrixToScreenTime"), -1) << "typing alone does not write";

    applySystemSettings(*console, {20000, -3, 3, 1});
    const GlobalSettings& g = console->state().settings;
    EXPECT_EQ(g.CmdDelayTime10Ms, 10000);
    EXPECT_EQ(g.PowerDelayTime10Ms, 0);
    EXPECT_EQ(g.CmdForm, 3);
    EXPECT_EQ(g.SwitchOrder, 1);
    EXPECT_EQ(readFile(), QByteArray("[SETTING]\nCmdDelayTime10Ms=10000\nPowerDelayTime10Ms=0\n"
                                     "CmdForm=3\nMatrixToScreenTime=10000\nSwitchOrder=1\n"));
}

TEST_F(AccessSystemSettings, CommandFormatThreeIsStoredAsChosenAndSendsSevenByteFrames) {
    start("[SETTING]\nCmdForm=1\n");
    applySystemSettings(*console, {0, 0, 3, 0});
    EXPECT_EQ(stored("CmdForm"), 3);
    console->grid().setSelection({1, 1, 1, 1});
    io.clear();
    ASSERT_TRUE(console->buttonWrite(0x12, 5).ok);
    ASSERT_EQ(io.lines().size(), 1);
    const QStringList bytes = io.lines().first().split(QLatin1Char(' ')).mid(2);
    EXPECT_EQ(bytes.size(), 7) << io.text().toStdString();
    EXPECT_EQ(bytes.value(0), QStringLiteral("FB"));
    EXPECT_EQ(bytes.value(6), QStringLiteral("AE"));
}

TEST_F(AccessSystemSettings, EachOptionWritesItsOwnKeyAtOnce) {
    struct Case {
        SystemOption option;
        const char* key;
        int GlobalSettings::*field;
    };
    const Case cases[] = {
        {SystemOption::AutoPowerOn, "AutoPowerOn", &GlobalSettings::AutoPowerOn},
        {SystemOption::bLogin, "bLogin", &GlobalSettings::bLogin},
        {SystemOption::bReadEn, "bReadEn", &GlobalSettings::bReadEn},
        {SystemOption::bManYou, "bManYou", &GlobalSettings::bManYou},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        for (const bool on : {true, false}) {
            setSystemOption(*console, c.option, on);
            EXPECT_EQ(stored(c.key), on ? 1 : 0);
            EXPECT_EQ(console->state().settings.*c.field, on ? 1 : 0);
            EXPECT_EQ(systemOption(*console, c.option), on);
        }
    }
    // Nothing else was touched.
    QStringList keys;
    for (const QByteArray& line : readFile().split('\n'))
        if (line.contains('='))
            keys << QString::fromLatin1(line.left(line.indexOf('=')));
    EXPECT_EQ(keys, (QStringList{QStringLiteral("AutoPowerOn"), QStringLiteral("bLogin"),
                                 QStringLiteral("bReadEn"), QStringLiteral("bManYou")}));
}

#ifndef Q_OS_WIN
// Points the user's configuration folder at a temporary one for a test.
class ConfigHome {
public:
    explicit ConfigHome(const QString& dir) : old_(qgetenv("XDG_CONFIG_HOME")) {
        hadOld_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.toLocal8Bit());
    }
    ~ConfigHome() {
        if (hadOld_)
            qputenv("XDG_CONFIG_HOME", old_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

private:
    QByteArray old_;
    bool hadOld_ = false;
};

TEST(AccessStartWithComputer, TheAutostartEntryIsCreatedAndRemoved) {
    QTemporaryDir config;
    ConfigHome home(config.path());
    const QString entry = config.filePath(QStringLiteral("autostart/wall.desktop"));
    EXPECT_EQ(autostartEntryPath(), entry);

    ASSERT_TRUE(setStartWithComputer(true, QStringLiteral("/opt/video wall/wallconsole")));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_THAT(text.toStdString(), testing::HasSubstr("\nType=Application\n"));
    EXPECT_THAT(text.toStdString(), testing::HasSubstr("\nExec=\"/opt/video wall/wallconsole\"\n"));

    // Again with another path: the one entry is replaced.
    ASSERT_TRUE(setStartWithComputer(true, QStringLiteral("/opt/wall/wallconsole")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_THAT(file.readAll().toStdString(), testing::HasSubstr("\nExec=/opt/wall/wallconsole\n"));
    file.close();

    EXPECT_TRUE(setStartWithComputer(false, QStringLiteral("/opt/wall/wallconsole")));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_TRUE(setStartWithComputer(false, QString())) << "nothing to remove is no failure";
}

TEST(AccessStartWithComputer, AnUnusableConfigurationFolderFailsQuietly) {
    QTemporaryDir config;
    // The autostart folder cannot be made: a file has its name.
    QFile blocker(config.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ConfigHome home(config.path());
    EXPECT_FALSE(setStartWithComputer(true, QStringLiteral("/opt/wall/wallconsole")));
}
#endif

TEST(AccessStartWithComputer, ExecValuesAreQuotedAndEscapedAsDesktopEntriesRequire) {
    struct Case {
        const char* path;
        const char* exec;
    };
    const Case cases[] = {
        {"/opt/wall/wallconsole", "/opt/wall/wallconsole"},
        {"/opt/video wall/wallconsole", "\"/opt/video wall/wallconsole\""},
        {"/opt/100%/wall", "/opt/100%%/wall"},
        // Inside quotes " ` $ \ take a backslash, and the string level
        // doubles every backslash once more.
        {"/opt/a$b", "\"/opt/a\\\\$b\""},
        {"/opt/say\"hi\"", "\"/opt/say\\\\\"hi\\\\\"\""},
        {"C:\\Wall\\wall.exe", "\"C:\\\\\\\\Wall\\\\\\\\wall.exe\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(desktopExecValue(u(c.path)), u(c.exec)) << c.path;
}

} // namespace
