#include "app/Console.h"
#include "app/SettingsStore.h"
#include "serial/TraceIo.h"
#include "support/TraceConsoleFixture.h"
#include "wall/CommandFile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace wall;

namespace {

class ConsoleOnTrace : public wall::test::TraceConsoleFixture {};

TEST_F(ConsoleOnTrace, MainSourcesAreReadScreenByScreenInEachFormat) {
    // Three screens in a row; the middle one does not answer.
    struct Case {
        int cmdForm;
        const char* replies[2];
        const char* frames[3];
    };
    const Case cases[] = {
        {0,
         {"11 30 0E AE", "13 30 0F AE"},
         {"FB B2 11 11 30 01 AE", "FB B2 12 12 30 01 AE", "FB B2 13 13 30 01 AE"}},
        {1,
         {"E5 00 30 0E 00 E0", "E5 00 30 0F 00 E0"},
         {"FB B2 11 11 30 01 00 AE", "FB B2 12 12 30 01 00 AE", "FB B2 13 13 30 01 00 AE"}},
        {2,
         {"01 01 30 0E AE", "01 03 30 0F AE"},
         {"FB B2 01 01 01 01 30 01 AE", "FB B2 01 02 01 02 30 01 AE",
          "FB B2 01 03 01 03 30 01 AE"}},
    };
    for (const Case& c : cases) {
        load("[SETTING]\nCmdDelayTime10Ms=2\nRow=1\nCol=3\nCmdForm=" +
             QByteArray::number(c.cmdForm) + "\n[Unit1]\nSource1=2\n");
        io.clear();
        console->grid().setSelection({0, 0, 2, 0});
        // The middle screen finds nothing in its two polls; the third answers.
        io.queueReply(1, hex(c.replies[0]));
        io.queueReply(1, QByteArray());
        io.queueReply(1, QByteArray());
        io.queueReply(1, hex(c.replies[1]));
        EXPECT_FALSE(console->getMainSource())
            << "format " << c.cmdForm << ": one screen did not answer";
        EXPECT_EQ(console->grid().source(0), 10) << c.cmdForm;
        EXPECT_EQ(console->grid().source(1), 2) << "the silent screen keeps its source";
        EXPECT_EQ(console->grid().source(2), 11) << c.cmdForm;
        EXPECT_EQ(console->grid().cellText(0, 2, 4), QStringLiteral("1:3  HDMI"));
        EXPECT_EQ(readFile().count("Source0=10"), 1) << c.cmdForm;
        const QStringList expected{QStringLiteral("write 1 ") + QLatin1String(c.frames[0]),
                                   QStringLiteral("pause 2"),
                                   QStringLiteral("write 1 ") + QLatin1String(c.frames[1]),
                                   QStringLiteral("pause 10"),
                                   QStringLiteral("pause 10"),
                                   QStringLiteral("pause 2"),
                                   QStringLiteral("write 1 ") + QLatin1String(c.frames[2]),
                                   QStringLiteral("pause 2")};
        EXPECT_EQ(io.lines(), expected) << "format " << c.cmdForm;
    }
}

TEST_F(ConsoleOnTrace, AStopDuringANineScreenReadEndsAfterTheScreenBeingRead) {
    load("[SETTING]\nCmdDelayTime10Ms=1\n");
    console->grid().setSelection({0, 0, 2, 2});
    const char* replies[] = {"11 30 0C AE", "12 30 0C AE", "13 30 0C AE", "21 30 0C AE"};
    for (const char* r : replies)
        io.queueReply(1, hex(r));
    console->setSourceListener([&](int screen) {
        if (screen == 3)
            console->requestStop();
    });
    EXPECT_FALSE(console->getMainSource());
    EXPECT_EQ(io.lines().filter(QStringLiteral("FB B2")).size(), 4)
        << "stopped after the fourth screen";
    EXPECT_EQ(console->grid().source(3), 0);
}

TEST_F(ConsoleOnTrace, UnnamedWireCodesShowInBrackets) {
    load("[SETTING]\nCmdDelayTime10Ms=1\n[Unit1]\nSource1=0\n");
    console->grid().setSelection({0, 0, 1, 0});
    io.queueReply(1, hex("11 30 1C AE")); // 28: source 14, which has no name
    io.queueReply(1, hex("12 30 2A AE")); // 42: no translation at all
    console->getMainSource();
    EXPECT_EQ(console->grid().cellText(0, 0, 4), QStringLiteral("1:1  [28]"));
    EXPECT_EQ(console->grid().source(0), 14);
    EXPECT_EQ(console->grid().cellText(0, 1, 4), QStringLiteral("1:2  [42]"));
    EXPECT_EQ(console->grid().source(1), 0) << "nothing to store for an untranslatable code";

    // Board 5 names no source 7 (S-video): the answer shows as its wire code.
    load("[SETTING]\nCmdDelayTime10Ms=1\n[System]\nBoardSel=5\n");
    console->grid().setSelection({0, 0, 0, 0});
    io.queueReply(1, hex("11 30 09 AE"));
    console->getMainSource();
    EXPECT_EQ(console->grid().cellText(0, 0, 5), QStringLiteral("1:1  [9]"));
    console->grid().setSource(0, 10);
    EXPECT_EQ(console->grid().cellText(0, 0, 5), QStringLiteral("1:1  DVI1"))
        << "a named source again";
}

TEST_F(ConsoleOnTrace, ScreensTheFormatCannotAddressAreSkippedAndTheRestRead) {
    load("[SETTING]\nCmdDelayTime10Ms=1\nRow=1\nCol=17\n");
    console->grid().setSelection({14, 0, 16, 0});
    io.queueReply(1, hex("1F 30 0E AE"));
    EXPECT_FALSE(console->getMainSource()) << "columns 16 and 17 cannot be read in format 0";
    EXPECT_EQ(console->grid().source(14), 10) << "column 15 is read";
    EXPECT_EQ(io.lines().filter(QStringLiteral("FB B2")).size(), 1);
}

TEST_F(ConsoleOnTrace, SwitchingRecordsTheSourceOfEverySelectedScreen) {
    load("");
    console->grid().setSelection({0, 0, 1, 1});
    ASSERT_TRUE(console->switchMainSource(11, false).ok);
    ASSERT_TRUE(console->switchMainSource(0, true).ok);
    EXPECT_EQ(io.text(),
              QStringLiteral("write 1 FB B0 11 22 30 0F AE\nwrite 1 FB B0 11 22 31 0C AE\n"));
    EXPECT_EQ(console->grid().source(4), 0);
    EXPECT_EQ(console->grid().source(2), 12) << "outside the selection";
    EXPECT_FALSE(console->switchMainSource(12, false).ok) << "no wire code for none";
}

TEST_F(ConsoleOnTrace, ApplyWritesEachKnownLineTenMillisecondsApart) {
    load("");
    console->grid().setSelection({0, 0, 0, 0});
    console->commandList() = {QStringLiteral("CmdVidoBrightness:50"),
                              QStringLiteral("CmdBackLight:200"),
                              QStringLiteral("CmdVidoHue:-5a"),
                              QString(),
                              QStringLiteral("Unknown:9"),
                              QStringLiteral("CmdDlpColorWg:7"),
                              QStringLiteral("CmdVidoContrast:300")};
    const Console::ApplyReport r = console->applyCommandList();
    EXPECT_EQ(io.text(), QStringLiteral("write 1 FB B1 11 11 41 32 AE\npause 10\n"
                                        "write 1 FB B1 11 11 B3 C8 AE\npause 10\n"
                                        "write 1 FB B1 11 11 43 05 AE\npause 10\n"
                                        "write 1 FB B1 11 11 E4 07 AE\npause 10\n"));
    EXPECT_EQ(r.written, 4);
    EXPECT_EQ(r.skipped, 2) << "the empty line and the unknown name";
    EXPECT_EQ(r.refused, 1) << "300 does not fit the 7-byte frame";

    io.clear();
    console->commandList().clear();
    EXPECT_EQ(console->applyCommandList().written, 0);
    EXPECT_TRUE(io.lines().isEmpty()) << "an empty list sends nothing";
}

TEST_F(ConsoleOnTrace, CommandFilesRoundTripAndReadTheLegacyCodePage) {
    const QString file = dirPath() + QStringLiteral("/myFile.cfg");
    EXPECT_EQ(commandFileName(dirPath() + QStringLiteral("/myFile")), file);
    EXPECT_EQ(commandFileName(file), file) << "one .cfg, not two";
    const QStringList lines{QStringLiteral("CmdVidoBrightness:50"),
                            QStringLiteral("CmdPIPSource:14"), QStringLiteral("CmdPIPSource:33")};
    ASSERT_TRUE(saveCommandFile(file, lines, nullptr));
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(),
              QByteArray("CmdVidoBrightness:50\r\nCmdPIPSource:14\r\nCmdPIPSource:33\r\n"));
    EXPECT_EQ(loadCommandFile(file, nullptr), lines);

    QFile bareCr(dirPath() + QStringLiteral("/cr.cfg"));
    ASSERT_TRUE(bareCr.open(QIODevice::WriteOnly));
    bareCr.write("CmdVidoHue:1\rCmdFanRun:1\r");
    bareCr.close();
    EXPECT_EQ(loadCommandFile(bareCr.fileName(), nullptr),
              (QStringList{QStringLiteral("CmdVidoHue:1"), QStringLiteral("CmdFanRun:1")}));

    QFile legacy(dirPath() + QStringLiteral("/old.cfg"));
    ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
    QStringEncoder gb("GB18030");
    legacy.write(QByteArray(gb(QStringLiteral("亮度:5"))) + "\r\nCmdVidoHue:7");
    legacy.close();
    EXPECT_EQ(loadCommandFile(legacy.fileName(), nullptr),
              (QStringList{QStringLiteral("亮度:5"), QStringLiteral("CmdVidoHue:7")}));
    QString error;
    EXPECT_FALSE(loadCommandFile(dirPath() + QStringLiteral("/missing.cfg"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ConsoleOnTrace, OnlyARegularCommandFileUpToItsLimitIsRead) {
    // Each is refused at once, with the reason, before anything is read.
    const QString dir = dirPath();
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + QStringLiteral("/pipe.cfg")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir + QStringLiteral("/zero.cfg")));
    QDir().mkdir(dir + QStringLiteral("/folder.cfg"));
    QFile huge(dir + QStringLiteral("/huge.cfg"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize((16ll << 20) + 1)); // sparse
    huge.close();
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"pipe.cfg", "it is a pipe"},
                 {"zero.cfg", "it is a device"},
                 {"folder.cfg", "it is a folder"},
                 {"huge.cfg", "larger than 16 MiB"}};
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(loadCommandFile(dir + QLatin1Char('/') + QLatin1String(c.name), &error))
            << c.name;
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
    }
}

TEST(CommandLine, NameBeforeTheFirstColonAndTheDigitsAfterIt) {
    struct Case {
        const char* line;
        const char* name;
        std::optional<unsigned> value;
    };
    const Case cases[] = {
        {"CmdVidoBrightness:50", "CmdVidoBrightness", 50u},
        {"CmdVidoHue:-5a", "CmdVidoHue", 5u},
        {"a:b:12", "a", 12u},
        {"no colon 42", "", 42u},
        {"CmdFanRun:", "CmdFanRun", 0u},
        {"x:99999999999", "x", std::nullopt},
    };
    for (const Case& c : cases) {
        const CommandLine l = parseCommandLine(QString::fromUtf8(c.line));
        EXPECT_EQ(l.name, QString::fromUtf8(c.name)) << c.line;
        EXPECT_EQ(l.value, c.value) << c.line;
    }
}

} // namespace
