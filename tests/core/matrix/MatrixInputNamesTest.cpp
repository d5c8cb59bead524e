#include "matrix/MatrixInputNames.h"
#include "matrix/InputRouting.h"
#include "matrix/MatrixSetup.h"
#include "support/FileFaults.h"
#include "support/TraceConsoleFixture.h"

#include <gmock/gmock.h>

using namespace wall;

namespace {

class MatrixInputNamesTest : public wall::test::TraceConsoleFixture {
protected:
    MatrixInputNames& names() { return console->matrixInputNames(); }
};

TEST_F(MatrixInputNamesTest, NamesAreTheStoredOnesOrNumberedInTheConsolesLanguage) {
    struct Case {
        const char* what;
        QByteArray settings;
        MatrixKind kind;
        QStringList expected;
    };
    const Case cases[] = {
        {"no names, Chinese, 4 inputs",
         "",
         MatrixKind::AV,
         {QStringLiteral("矩阵输入1"), QStringLiteral("矩阵输入2"), QStringLiteral("矩阵输入3"),
          QStringLiteral("矩阵输入4")}},
        {"no names, English",
         "[SETTING]\nLanguage=1\n[Matrix]\nMatrix_VGA_InputMax=2\n",
         MatrixKind::VGA,
         {QStringLiteral("MatrixInput1"), QStringLiteral("MatrixInput2")}},
        {"YPbPr names are the YUV keys, an empty one is the default",
         "[Matrix]\nMatrix_YUV_InputMax=3\nYUV_InputName0=大厅\nYUV_InputName1=\n"
         "AV_InputName2=not YUV\n",
         MatrixKind::YUV,
         {QStringLiteral("大厅"), QStringLiteral("矩阵输入2"), QStringLiteral("矩阵输入3")}},
        {"names past the input count are not offered",
         "[Matrix]\nMatrix_DVI_InputMax=1\nDVI_InputName1=second\n",
         MatrixKind::DVI,
         {QStringLiteral("矩阵输入1")}},
    };
    for (const Case& c : cases) {
        load(c.settings);
        EXPECT_EQ(names().names(c.kind), c.expected) << c.what;
        EXPECT_EQ(console->inputRouting().inputItems(c.kind), c.expected)
            << c.what << ": the routing choosers show the same names";
    }
}

TEST_F(MatrixInputNamesTest, ARenameIsWrittenAtOnceAndReachesTheChoosersAtTheNextRebuild) {
    load("[Matrix]\nMatrix_AV_InputMax=4\n[Other]\nkeep=1\n");
    console->state().matrixInputListsCurrent = true;
    ASSERT_TRUE(names().rename(MatrixKind::AV, 2, QStringLiteral("Camera hall")).ok);
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("AV_InputName2=Camera hall\n"));
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("[Other]\nkeep=1"));
    EXPECT_FALSE(console->state().matrixInputListsCurrent) << "the choosers are rebuilt";
    EXPECT_EQ(console->inputRouting().inputItems(MatrixKind::AV)[2], QStringLiteral("Camera hall"));

    // A console started afresh on the file reads the same name.
    load(readFile());
    EXPECT_EQ(names().name(MatrixKind::AV, 2), QStringLiteral("Camera hall"));
}

// Every name is either stored so that it reads back as typed, or refused
// with a message and the file left byte for byte as it was.
TEST_F(MatrixInputNamesTest, NamesThatWouldNotReadBackAreRefusedAndTheFileIsKept) {
    struct Case {
        const char* what;
        QString name;
        bool stored;
    };
    const QString longName = QStringLiteral("很长的输入名").repeated(60);
    const Case cases[] = {
        {"Chinese", QStringLiteral("一号会议室摄像机"), true},
        {"punctuation that is harmless", QStringLiteral("Cam #1; hall (east) 'A'"), true},
        {"a comment sign first", QStringLiteral(";#x"), true},
        {"a quote on one side only", QStringLiteral("\"quoted"), true},
        {"longer than any screen", longName, true},
        {"a line break", QStringLiteral("line\nbreak"), false},
        {"a carriage return", QStringLiteral("line\rbreak"), false},
        {"a tab", QStringLiteral("a\tb"), false},
        {"a section opening", QStringLiteral("[Matrix]"), false},
        {"a closing bracket", QStringLiteral("a]"), false},
        {"an equals sign", QStringLiteral("AV_ID=9"), false},
        {"empty", QString(), false},
        {"only blanks", QStringLiteral("   "), false},
        {"a leading blank", QStringLiteral(" cam"), false},
        {"a trailing blank", QStringLiteral("cam "), false},
        {"in quotes", QStringLiteral("'cam'"), false},
    };
    const QByteArray original = "[Matrix]\nMatrix_AV_InputMax=4\nAV_ID=1\nAV_InputName1=old\n";
    for (int language : {0, 1})
        for (const Case& c : cases) {
            load(original + "[SETTING]\nLanguage=" + QByteArray::number(language) + "\n");
            const QByteArray before = readFile();
            console->state().matrixInputListsCurrent = true;
            const CommandResult r = names().rename(MatrixKind::AV, 1, c.name);
            EXPECT_EQ(r.ok, c.stored) << c.what;
            if (c.stored) {
                load(readFile());
                EXPECT_EQ(names().name(MatrixKind::AV, 1), c.name) << c.what;
                EXPECT_EQ(console->state().matrix.settings(MatrixKind::AV).id, 1) << c.what;
                continue;
            }
            EXPECT_EQ(readFile(), before) << c.what;
            EXPECT_TRUE(console->state().matrixInputListsCurrent) << c.what;
            // The message says what is wrong, in the console's language.
            EXPECT_FALSE(r.message.isEmpty()) << c.what;
            EXPECT_EQ(r.message.contains(QStringLiteral("输入名")), language == 0)
                << c.what << ": " << r.message.toStdString();
        }
}

TEST_F(MatrixInputNamesTest, ARenameOutsideTheInputsOrOnAFileThatCannotBeSavedIsRefused) {
    load("[Matrix]\nMatrix_DVI_InputMax=3\n");
    const QByteArray before = readFile();
    for (int n : {-1, 3, 1000})
        EXPECT_FALSE(names().rename(MatrixKind::DVI, n, QStringLiteral("x")).ok) << n;
    EXPECT_EQ(readFile(), before);

    using wall::test::FileFault;
    const wall::test::FaultyFile file(FileFault::ReadOnlyFolder, dirPath(),
                                      "[Matrix]\nMatrix_AV_InputMax=4\n");
    SettingsStore faulty(file.path());
    QStringList reported;
    faulty.setErrorSink([&](const QString& m) { reported << m; });
    Console onFaulty(faulty, io);
    file.run([&] {
        onFaulty.load(dirPath());
        onFaulty.state().matrixInputListsCurrent = true;
        const CommandResult r =
            onFaulty.matrixInputNames().rename(MatrixKind::AV, 0, QStringLiteral("cam"));
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.message.isEmpty());
    });
    EXPECT_FALSE(reported.isEmpty()) << "the failed save is reported, never silent";
    EXPECT_TRUE(onFaulty.state().matrixInputListsCurrent);
}

TEST(MatrixOutputChoices, ListsOfTheOutputDialogs) {
    const QStringList one = matrixOutputItems(kScreenOutputChoices, true, false);
    ASSERT_EQ(one.size(), 871);
    EXPECT_EQ(one[0], QStringLiteral("不接矩阵"));
    EXPECT_EQ(one[1], QStringLiteral("矩阵输出1  "));
    EXPECT_EQ(one[87], QStringLiteral("矩阵输出87 "));
    EXPECT_EQ(one[870], QStringLiteral("矩阵输出870"));
    for (qsizetype n = 1; n < one.size(); ++n)
        ASSERT_EQ(one[n].size(), one[870].size()) << "item " << n << " is padded to the longest";

    const QStringList four = matrixOutputItems(kPictureOutputChoices, false, false);
    ASSERT_EQ(four.size(), 513);
    EXPECT_EQ(four[1], QStringLiteral("矩阵输出1"));
    EXPECT_EQ(four[512], QStringLiteral("矩阵输出512"));

    const QStringList english = matrixOutputItems(2, false, true);
    EXPECT_EQ(english,
              (QStringList{QStringLiteral("Not Connected"), QStringLiteral("MatrixOutput1"),
                           QStringLiteral("MatrixOutput2")}));
}

TEST(MatrixOutputChoices, AScreensChosenOutputsGoToItsEntriesOfTheMap) {
    struct Case {
        const char* what;
        MatrixKind kind;
        int board, screen;
        std::vector<int> outputs;
        bool stored;
        QString cell; // the connection diagram's text for the screen afterwards
    };
    const Case cases[] = {
        {"one output", MatrixKind::VGA, 0, 5, {870}, true, QStringLiteral("870")},
        {"不接矩阵 stores 0", MatrixKind::DVI, 8, 2, {0}, true, QStringLiteral("0")},
        {"AV on another board: one entry", MatrixKind::AV, 3, 1, {7}, true, QStringLiteral("7")},
        {"board 8, AV: four pictures",
         MatrixKind::AV,
         8,
         2,
         {5, 6, 0, 8},
         true,
         QStringLiteral("5 6 0 8")},
        {"board 8, VGA: one entry per screen",
         MatrixKind::VGA,
         8,
         2,
         {9},
         true,
         QStringLiteral("9")},
        {"four outputs where the screen has one",
         MatrixKind::VGA,
         8,
         2,
         {1, 2, 3, 4},
         false,
         QStringLiteral("3")},
        {"one output where the screen has four",
         MatrixKind::AV,
         8,
         2,
         {1},
         false,
         QStringLiteral("9 10 11 12")},
        {"a screen past the largest wall", MatrixKind::VGA, 0, kMaxScreens, {1}, false, {}},
        {"a negative screen", MatrixKind::VGA, 0, -1, {1}, false, {}},
        {"a negative output", MatrixKind::VGA, 0, 2, {-1}, false, QStringLiteral("3")},
    };
    for (const Case& c : cases) {
        MatrixTable map{};
        setOneToOne(map, kMatrixTableSize);
        const MatrixTable before = map;
        EXPECT_EQ(setScreenOutputs(map, c.kind, c.board, c.screen, c.outputs), c.stored) << c.what;
        if (!c.stored) {
            EXPECT_TRUE(map == before) << c.what << ": the map is unchanged";
        }
        if (c.screen >= 0 && c.screen < kMaxScreens) {
            EXPECT_EQ(matrixOutputCellText(map, c.kind, c.board, c.screen), c.cell) << c.what;
        }
        // Only the screen's own entries change.
        const int per = MatrixConfig::entriesPerScreen(c.kind, c.board);
        for (int e = 0; e < kMatrixTableSize; ++e)
            if (e / per != c.screen) {
                ASSERT_EQ(map[size_t(e)], before[size_t(e)]) << c.what << ", entry " << e;
            }
    }
}

class UnwiredScreenTest : public wall::test::TraceConsoleFixture {};

TEST_F(UnwiredScreenTest, AScreenSetToNotConnectedIsSkippedByMatrixCommands) {
    load("[SETTING]\nRow=1\nCol=2\n[Matrix]\nAV_Company=4\nAV_ID=1\n");
    MatrixSetup setup{console->state().matrix.kinds, console->state().matrix.outputMap};
    const int none[] = {0};
    ASSERT_TRUE(
        setScreenOutputs(setup.outputMap[size_t(MatrixKind::AV)], MatrixKind::AV, 0, 0, none));
    ASSERT_TRUE(console->saveMatrixSetup(setup));
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("Matrix_AV_OutputStr0=0\n"));

    console->grid().setSelection({0, 0, 1, 0});
    io.clear();
    console->matrixControl(2, 3, 1);
    EXPECT_EQ(io.text(), QStringLiteral("write 1 FF 01 05 03 02 AA\npause 100\n"))
        << "only the second screen's output 2 is routed";
}

} // namespace
