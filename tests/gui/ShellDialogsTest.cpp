// The login, advanced-functions, system settings, about and help windows,
// each built on a console of its own with a traced wall link.
#include "app/AboutDialog.h"
#include "app/Access.h"
#include "app/AdvancedDialog.h"
#include "app/Console.h"
#include "app/HelpWindow.h"
#include "app/LoginDialog.h"
#include "app/Modal.h"
#include "app/SettingsStore.h"
#include "app/SystemSettingsDialog.h"
#include "serial/TraceIo.h"
#include "support/IniFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gmock/gmock.h>

#include <functional>

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

struct Message {
    Modal::Icon icon;
    QString title, text;
    bool operator==(const Message&) const = default;
};

void PrintTo(const Message& m, std::ostream* os) {
    *os << (m.icon == Modal::Icon::Plain ? "plain " : "information ") << '"'
        << m.title.toStdString() << "\" \"" << m.text.toStdString() << '"';
}

Message plain(const char* title, const char* text) {
    return {Modal::Icon::Plain, QString::fromUtf8(title), QString::fromUtf8(text)};
}

class ShellDialogFixture : public IniFixture {
protected:
    void SetUp() override {
        Modal::setMessageHook([this](Modal::Icon icon, const QString& title, const QString& text) {
            messages << Message{icon, title, text};
        });
        // No test may touch the start-up list of the account running it.
        hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        oldConfigHome_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    }
    void TearDown() override {
        Modal::setMessageHook({});
        if (hadConfigHome_)
            qputenv("XDG_CONFIG_HOME", oldConfigHome_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    void start(const QByteArray& settings = {}) {
        writeFile(settings);
        store = std::make_unique<SettingsStore>(path());
        console = std::make_unique<Console>(*store, io);
        console->load(dirPath());
    }
    int stored(const char* key, int fallback = -1) {
        return store->open().readInt("SETTING", key, fallback);
    }

    static void enter(QDialog& d, Pair pair) {
        d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::fromUtf8(pair.user));
        d.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QString::fromUtf8(pair.password));
    }
    static QString box(QDialog& d, const char* name) {
        return d.findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    static void click(QDialog& d, const char* name) {
        d.findChild<QAbstractButton*>(QLatin1String(name))->click();
    }

    QTemporaryDir configHome;
    TraceIo io;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Console> console;
    QList<Message> messages;

private:
    bool hadConfigHome_ = false;
    QByteArray oldConfigHome_;
};

// ---- Login ----------------------------------------------------------------

using ShellDialogLoginTest = ShellDialogFixture;

TEST_F(ShellDialogLoginTest, EveryWayOutWithoutALoginEndsTheProcess) {
    struct Case {
        const char* name;
        std::function<void(LoginDialog&)> leave;
    };
    const Case cases[] = {
        {"取 消", [](LoginDialog& d) { click(d, "BitBtn2"); }},
        {"closing the window", [](LoginDialog& d) { d.close(); }},
        {"Escape", [](LoginDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    start("[SETTING]\nbLogin=1\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoginDialog dialog(*console, nullptr);
        QSignalSpy ends(&dialog, &LoginDialog::endProcess);
        dialog.show();
        c.leave(dialog);
        EXPECT_EQ(ends.count(), 1);
        EXPECT_FALSE(dialog.loggedIn());
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ShellDialogLoginTest, TwoWrongPasswordsThenTheRightOneContinues) {
    start("[SETTING]\nbLogin=1\n");
    LoginDialog dialog(*console, nullptr);
    QSignalSpy ends(&dialog, &LoginDialog::endProcess);
    dialog.show();
    EXPECT_EQ(box(dialog, "Edit1"), QStringLiteral("tulep")) << "the user name is filled in";
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->echoMode(),
              QLineEdit::Password);

    for (const Pair wrong : {kWrongPair, kOperatorPair}) {
        enter(dialog, wrong);
        click(dialog, "BitBtn1");
        EXPECT_TRUE(dialog.isVisible()) << wrong.password;
    }
    const Message failed = plain("提示", "登录失败！用户名或密码错误!");
    EXPECT_EQ(messages, (QList<Message>{failed, failed}));

    enter(dialog, kLoginPair);
    click(dialog, "BitBtn1");
    EXPECT_TRUE(dialog.loggedIn());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(messages.size(), 2);
}

// ---- Advanced functions -----------------------------------------------------

using ShellDialogAdvancedTest = ShellDialogFixture;

TEST_F(ShellDialogAdvancedTest, TwoWrongEntriesThenTheOperatorPairGrantLevelOne) {
    start();
    AdvancedDialog dialog(*console, nullptr);
    QSignalSpy granted(&dialog, &AdvancedDialog::accessGranted);
    QSignalSpy ends(&dialog, &AdvancedDialog::endProcess);
    dialog.show();
    for (int i = 0; i < 2; ++i) {
        enter(dialog, kWrongPair);
        click(dialog, "suitempBitBtn1");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(box(dialog, "Edit1"), QString()) << "emptied after a failure";
        EXPECT_EQ(box(dialog, "Edit2"), QString());
    }
    const Message wrong = plain("失败", "用户名或密码错误!");
    EXPECT_EQ(messages, (QList<Message>{wrong, wrong}));

    enter(dialog, kOperatorPair);
    click(dialog, "suitempBitBtn1");
    ASSERT_EQ(granted.count(), 1);
    EXPECT_EQ(granted.first().first().toInt(), kAccessOperator);
    EXPECT_EQ(console->state().accessLevel, kAccessOperator);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(ShellDialogAdvancedTest, TheThirdWrongEntryEndsTheProcessEvenAfterASuccess) {
    start();
    AdvancedDialog dialog(*console, nullptr);
    QSignalSpy ends(&dialog, &AdvancedDialog::endProcess);
    const Pair entries[] = {kWrongPair, kFullPair, kWrongPair};
    for (const Pair entry : entries) {
        dialog.show();
        enter(dialog, entry);
        click(dialog, "suitempBitBtn1");
    }
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(console->state().accessLevel, kAccessFull);

    dialog.show();
    enter(dialog, kWrongPair);
    click(dialog, "suitempBitBtn1");
    EXPECT_EQ(ends.count(), 1);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages.last(), plain("失败", "用户名或密码出错，累积三次将关闭系统!"));
}

TEST_F(ShellDialogAdvancedTest, OnlyTheHelpLevelKeepsTheEntryInTheBoxes) {
    struct Case {
        Pair pair;
        int level;
        bool kept;
    };
    const Case cases[] = {
        {kHelpPair, kAccessHelp, true},
        {kFullPair, kAccessFull, false},
        {kOperatorPair, kAccessOperator, false},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        AdvancedDialog dialog(*console, nullptr);
        QSignalSpy granted(&dialog, &AdvancedDialog::accessGranted);
        dialog.show();
        enter(dialog, c.pair);
        click(dialog, "suitempBitBtn1");
        ASSERT_EQ(granted.count(), 1);
        EXPECT_EQ(granted.first().first().toInt(), c.level);
        EXPECT_EQ(console->state().accessLevel, c.level);
        EXPECT_EQ(box(dialog, "Edit1"), c.kept ? QString::fromUtf8(c.pair.user) : QString());
        EXPECT_EQ(box(dialog, "Edit2"), c.kept ? QString::fromUtf8(c.pair.password) : QString());
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ShellDialogAdvancedTest, CancelClosesWithoutCountingAnAttempt) {
    start();
    AdvancedDialog dialog(*console, nullptr);
    QSignalSpy granted(&dialog, &AdvancedDialog::accessGranted);
    dialog.show();
    enter(dialog, kWrongPair);
    click(dialog, "suitempBitBtn2");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.failures(), 0);
    EXPECT_EQ(granted.count(), 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ShellDialogAdvancedTest, MessagesFollowTheLanguageWhenShown) {
    struct Case {
        int language;
        QList<Message> expected;
    };
    const Case cases[] = {
        {0,
         {plain("提示", "登录失败！用户名或密码错误!"), plain("失败", "用户名或密码错误!"),
          plain("失败", "用户名或密码错误!"),
          plain("失败", "用户名或密码出错，累积三次将关闭系统!")}},
        {2,
         {plain("Tips", "Login Failure！User name or password error!"),
          plain("Failure", "User name or password error!"),
          plain("Failure", "User name or password error!"),
          plain("Failure",
                "User name or password error，Accumulated three times the system will shut "
                "down!")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        start("[SETTING]\nLanguage=" + QByteArray::number(c.language) + "\n");
        messages.clear();
        LoginDialog login(*console, nullptr);
        enter(login, kWrongPair);
        click(login, "BitBtn1");
        AdvancedDialog advanced(*console, nullptr);
        for (int i = 0; i < 3; ++i) {
            enter(advanced, kWrongPair);
            click(advanced, "suitempBitBtn1");
        }
        EXPECT_EQ(messages, c.expected);
    }
}

// ---- System settings --------------------------------------------------------

using ShellDialogSystemSettingsTest = ShellDialogFixture;

QLineEdit* edit(QDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(QLatin1String(name));
}
QComboBox* combo(QDialog& d, const char* name) {
    return d.findChild<QComboBox*>(QLatin1String(name));
}
QCheckBox* check(QDialog& d, const char* name) {
    return d.findChild<QCheckBox*>(QLatin1String(name));
}

TEST_F(ShellDialogSystemSettingsTest, LoadFieldsShowsTheConsoleSettings) {
    start("[SETTING]\nAutoPowerOn=0\nbLogin=1\nbReadEn=1\nbManYou=0\nCmdDelayTime10Ms=12\n"
          "PowerDelayTime10Ms=34\nMatrixToScreenTime=56\nSwitchOrder=1\nCmdForm=2\n");
    SystemSettingsDialog dialog(*console, nullptr);
    dialog.loadFields();
    EXPECT_FALSE(check(dialog, "suiCheckBox1")->isChecked());
    EXPECT_TRUE(check(dialog, "suiCheckBox2")->isChecked());
    EXPECT_TRUE(check(dialog, "suiCheckBox3")->isChecked());
    EXPECT_FALSE(check(dialog, "suiCheckBox4")->isChecked());
    EXPECT_TRUE(check(dialog, "suiCheckBox4")->isHidden());
    EXPECT_FALSE(check(dialog, "suiCheckBox4")->isEnabled());
    EXPECT_EQ(edit(dialog, "Edit1")->text(), QStringLiteral("12"));
    EXPECT_EQ(edit(dialog, "Edit2")->text(), QStringLiteral("34"));
    EXPECT_EQ(edit(dialog, "Edit3")->text(), QStringLiteral("56"));
    EXPECT_EQ(combo(dialog, "suiComboBox1")->currentIndex(), 2);
    EXPECT_EQ(combo(dialog, "suiComboBox2")->currentIndex(), 1);

    // Changed since: the next showing takes the new values. A format outside
    // the list shows nothing and survives OK.
    console->state().settings.CmdDelayTime10Ms = 99;
    console->state().settings.CmdForm = 7;
    dialog.loadFields();
    EXPECT_EQ(edit(dialog, "Edit1")->text(), QStringLiteral("99"));
    EXPECT_EQ(combo(dialog, "suiComboBox1")->currentIndex(), -1);
    click(dialog, "BitBtn1");
    EXPECT_EQ(stored("CmdForm"), 7);
    EXPECT_EQ(stored("CmdDelayTime10Ms"), 99);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ShellDialogSystemSettingsTest, DelayBoxesTakeDigitsOnlyAndCapAtTenThousand) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"12345", "10000"}, {"10000", "10000"}, {"1a2", "12"}, {"007", "7"}, {"4 5", "45"},
    };
    start();
    for (const char* name : {"Edit1", "Edit2", "Edit3"})
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << name << " typed " << c.typed);
            SystemSettingsDialog dialog(*console, nullptr);
            dialog.show();
            QLineEdit* e = edit(dialog, name);
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Backspace);
            EXPECT_EQ(e->text(), QStringLiteral("0")) << "an empty box reads 0";
            QTest::keyClicks(e, QLatin1String(c.typed));
            EXPECT_EQ(e->text(), QLatin1String(c.shown));
        }
}

TEST_F(ShellDialogSystemSettingsTest, CancelStoresNothingButTheMatrixDelayStaysInEffect) {
    start("[SETTING]\nCmdDelayTime10Ms=7\nPowerDelayTime10Ms=8\nMatrixToScreenTime=9\n");
    const QByteArray before = readFile();
    SystemSettingsDialog dialog(*console, nullptr);
    dialog.loadFields();
    dialog.show();
    for (const char* name : {"Edit1", "Edit2", "Edit3"}) {
        edit(dialog, name)->selectAll();
        QTest::keyClicks(edit(dialog, name), QStringLiteral("12345"));
        EXPECT_EQ(edit(dialog, name)->text(), QStringLiteral("10000")) << name;
    }
    combo(dialog, "suiComboBox1")->setCurrentIndex(2);
    EXPECT_EQ(console->state().settings.MatrixToScreenTime, 10000) << "in effect at once";
    click(dialog, "BitBtn2");
    EXPECT_FALSE(dialog.isVisible());
    const GlobalSettings& g = console->state().settings;
    EXPECT_EQ(g.CmdDelayTime10Ms, 7);
    EXPECT_EQ(g.PowerDelayTime10Ms, 8);
    EXPECT_EQ(g.CmdForm, 0);
    EXPECT_EQ(g.MatrixToScreenTime, 10000);
    EXPECT_EQ(readFile(), before);
}

TEST_F(ShellDialogSystemSettingsTest, TenBytesIsStoredAsThreeAndTheScreensGetSevenByteFrames) {
    start("[SETTING]\nCmdForm=1\n");
    SystemSettingsDialog dialog(*console, nullptr);
    dialog.loadFields();
    dialog.show();
    QComboBox* format = combo(dialog, "suiComboBox1");
    format->setCurrentIndex(format->findText(QStringLiteral("10个字节")));
    combo(dialog, "suiComboBox2")->setCurrentIndex(1);
    edit(dialog, "Edit1")->setText(QStringLiteral("25"));
    edit(dialog, "Edit2")->setText(QStringLiteral("30"));
    edit(dialog, "Edit3")->setText(QStringLiteral("40"));
    click(dialog, "BitBtn1");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(readFile(), QByteArray("[SETTING]\nCmdForm=3\nCmdDelayTime10Ms=25\n"
                                     "PowerDelayTime10Ms=30\nMatrixToScreenTime=40\n"
                                     "SwitchOrder=1\n"));
    EXPECT_EQ(console->state().settings.CmdForm, 3);

    console->grid().setSelection({0, 0, 0, 0});
    io.clear();
    ASSERT_TRUE(console->buttonWrite(0x12, 5).ok);
    ASSERT_EQ(io.lines().size(), 1);
    EXPECT_EQ(io.lines().first().split(QLatin1Char(' ')).mid(2).size(), 7)
        << io.text().toStdString();
}

TEST_F(ShellDialogSystemSettingsTest, TickingAnOptionWritesItsKeyAtOnce) {
    struct Case {
        const char* box;
        const char* key;
        bool reappliesBoard;
    };
    const Case cases[] = {
        {"suiCheckBox1", "AutoPowerOn", false},
        {"suiCheckBox2", "bLogin", false},
        {"suiCheckBox3", "bReadEn", true},
    };
    start("[SETTING]\nAutoPowerOn=0\nbLogin=0\nbReadEn=0\n");
    SystemSettingsDialog dialog(*console, nullptr);
    QSignalSpy board(&dialog, &SystemSettingsDialog::boardNeedsReapplying);
    dialog.loadFields();
    dialog.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        board.clear();
        for (const int expected : {1, 0}) {
            check(dialog, c.box)->click();
            EXPECT_EQ(stored(c.key), expected);
        }
        EXPECT_EQ(board.count(), c.reappliesBoard ? 2 : 0);
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ShellDialogSystemSettingsTest, StartWithTheComputerAddsAndRemovesTheAutostartEntry) {
    start("[SETTING]\nAutoPowerOn=0\n");
    const QString entry = configHome.filePath(QStringLiteral("autostart/wall.desktop"));
    SystemSettingsDialog dialog(*console, nullptr);
    dialog.loadFields();
    EXPECT_FALSE(QFile::exists(entry)) << "showing the setting changes nothing";
    dialog.show();
    check(dialog, "suiCheckBox1")->click();
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString exec = QStringLiteral("\nExec=%1\n")
                             .arg(desktopExecValue(QCoreApplication::applicationFilePath()));
    EXPECT_THAT(file.readAll().toStdString(), testing::HasSubstr(exec.toStdString()));
    EXPECT_EQ(console->state().settings.AutoPowerOn, 1);
    check(dialog, "suiCheckBox1")->click();
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_EQ(stored("AutoPowerOn"), 0);
}

// ---- About ------------------------------------------------------------------

using ShellDialogAboutTest = ShellDialogFixture;

TEST_F(ShellDialogAboutTest, ClickingTheProductNameOrItsFrameCloses) {
    struct Case {
        const char* name;
        bool atCorner; // inside the frame but beside its contents
    };
    for (const Case c : {Case{"Label5", false}, Case{"GroupBox1", true}}) {
        SCOPED_TRACE(c.name);
        AboutDialog dialog(nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        auto* target = dialog.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(target, nullptr);
        const QPoint at = c.atCorner ? QPoint(3, target->height() - 3) : target->rect().center();
        ASSERT_EQ(target->childAt(at), nullptr) << "the click lands on the target itself";
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        EXPECT_FALSE(dialog.isVisible());
    }
}

// ---- Captions ---------------------------------------------------------------

using ShellDialogCaptionTest = ShellDialogFixture;

QString captionOf(QWidget& form, const char* name) {
    if (!*name)
        return form.windowTitle();
    QWidget* w = form.findChild<QWidget*>(QLatin1String(name));
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items.join(QLatin1Char('|'));
    }
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

TEST_F(ShellDialogCaptionTest, CaptionsInBothLanguages) {
    struct Case {
        const char* form;
        const char* name; // empty: the window title
        const char* chinese;
        const char* english;
    };
    const Case cases[] = {
        {"Form16", "", "用户登录", "Login"},
        {"Form16", "Label1", "用户名：", "User name:"},
        {"Form16", "Label2", "密    码：", "Password:"},
        {"Form16", "BitBtn1", "确  认", "Ok"},
        {"Form16", "BitBtn2", "取 消", "Cancel"},
        {"Form13", "", "高级功能", "Advanced Features"},
        {"Form13", "Label1", "用户名：", "User name:"},
        {"Form13", "Label2", "密    码：", "Password:"},
        {"Form13", "suitempBitBtn1", "确  认", "Ok"},
        {"Form13", "suitempBitBtn2", "取 消", "Cancel"},
        {"Form9", "", "系统设置", "Options"},
        {"Form9", "BitBtn1", "确 定", "Ok"},
        {"Form9", "BitBtn2", "取 消", "Cancel"},
        {"Form9", "suiComboBox1", "7个字节|8个字节|9个字节|10个字节",
         "7 BYTE|8 BYTE|9 BYTE|10 BYTE"},
        {"Form5", "", "关于", "About"},
        {"Form5", "Label5", "Tavrel", "Tavrel"},
        {"Form5", "Label1", "版本：", "Version:"},
        {"Form5", "Label2", "V6.007PR", "V6.007PR"},
        {"Form12", "", "帮助", "Help"},
    };
    start();
    LoginDialog form16(*console, nullptr);
    AdvancedDialog form13(*console, nullptr);
    SystemSettingsDialog form9(*console, nullptr);
    AboutDialog form5(nullptr);
    HelpWindow form12(nullptr);
    QList<QWidget*> forms{&form16, &form13, &form9, &form5, &form12};
    auto formNamed = [&](const char* name) -> QWidget& {
        for (QWidget* f : forms)
            if (f->objectName() == QLatin1String(name))
                return *f;
        return *forms.first();
    };
    form9.loadFields();
    combo(form9, "suiComboBox1")->setCurrentIndex(3);

    for (const Case& c : cases)
        EXPECT_EQ(captionOf(formNamed(c.form), c.name), QString::fromUtf8(c.chinese))
            << c.form << ' ' << c.name;

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/wallconsole_en.qm")));
    QCoreApplication::installTranslator(&english);
    for (QWidget* f : forms) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(f, &change);
    }
    const bool translated = form16.windowTitle() != QStringLiteral("用户登录");
    if (translated) {
        for (const Case& c : cases)
            EXPECT_EQ(captionOf(formNamed(c.form), c.name), QString::fromUtf8(c.english))
                << c.form << ' ' << c.name;
        EXPECT_EQ(combo(form9, "suiComboBox1")->currentIndex(), 3) << "the choice is kept";
    }
    QCoreApplication::removeTranslator(&english);
    if (!translated)
        GTEST_SKIP() << "wallconsole_en.ts has no English texts for these windows yet";
}

} // namespace
