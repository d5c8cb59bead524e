// Saving and naming plans: what goes into Setting.ini, what goes out to the
// switchers and the wall, in which order, and what is refused.

#include "plans/PlanStore.h"
#include "app/SettingsStore.h"
#include "core/matrix/MatrixCase.h"
#include "support/FileFaults.h"

#include <gtest/gtest.h>

#include <string>

using namespace wall;
using namespace wall::test;

namespace {

class PlanStoreTest : public TraceConsoleFixture {
protected:
    PlanStore& plans() { return console->plans(); }

    // A fresh store on the file as it is on disk now.
    std::unique_ptr<SettingsStore> reread() { return std::make_unique<SettingsStore>(path()); }
};

// --- Save: the devices --------------------------------------------------

TEST_F(PlanStoreTest, SaveSendsEachKindsPresetThenTheWallFrameInItsLayout) {
    struct Case {
        const char* what;
        std::string settings;
        int n;
        std::string expected;
    };
    const std::string zrqVga = "[Matrix]\nVGA_Company=1\nVGA_ID=1\n";
    const Case cases[] = {
        {"plan 1, no switcher, CmdForm 0", "[SETTING]\nCmdForm=0\n", 0,
         Trace().write(1, Bytes("FB B0 11 FF C9 01 AE")).str()},
        {"CmdForm 1", "[SETTING]\nCmdForm=1\n", 4,
         Trace().write(1, Bytes("FB B1 11 FF C9 05 00 AE")).str()},
        {"CmdForm 2", "[SETTING]\nCmdForm=2\n", 47,
         Trace().write(1, Bytes("FB B0 01 01 FF FF C9 30 AE")).str()},
        {"CmdForm 3 is the 7-byte layout", "[SETTING]\nCmdForm=3\n", 1,
         Trace().write(1, Bytes("FB B0 11 FF C9 02 AE")).str()},
        {"VGA ZRQ001, ID 1, plan 1", zrqVga + "[SETTING]\nCmdForm=0\n", 0,
         Trace()
             .write(1, Bytes("C5 B1 01 A3 03 10 00 01 B8"))
             .pause(500)
             .write(1, Bytes("C5 B1 01 A4 03 10 00 01 B9"))
             .pause(500)
             .write(1, Bytes("FB B0 11 FF C9 01 AE"))
             .str()},
        {"plan 12 past CREATEK's limit: the kind's pause, no frame",
         "[SETTING]\nCmdForm=0\n[Matrix]\nVGA_Company=4\n", 11,
         Trace().pause(500).write(1, Bytes("FB B0 11 FF C9 0C AE")).str()},
        {"DVI EXTRON plan 3", "[SETTING]\nCmdForm=0\n[Matrix]\nDVI_Company=16\n", 2,
         Trace()
             .write(1, Bytes().ascii("3,"))
             .pause(500)
             .write(1, Bytes("FB B0 11 FF C9 03 AE"))
             .str()},
        {"a kind without presets still pauses", "[SETTING]\nCmdForm=0\n[Matrix]\nAV_Company=5\n", 0,
         Trace().pause(500).write(1, Bytes("FB B0 11 FF C9 01 AE")).str()},
        {"VGA, AV, DVI, YPbPr in turn, each on its port",
         "[SETTING]\nCmdForm=0\n[Matrix]\nAV_Company=74\nAV_ID=1\nVGA_Company=47\nVGA_ID=1\n"
         "DVI_Company=4\nDVI_ID=2\nYUV_Company=1\nYUV_ID=1\n"
         "[YbCommDevice]\nVGAMatrixUseComOnly=1\nAVMatrixUseComOnly=1\nDVIMatrixUseComOnly=1\n"
         "YUVMatrixUseComOnly=1\n",
         1,
         Trace()
             // PROV follows rule V3: device 3 with the VGA flag; its own 500 ms.
             .write(3, Bytes("BA 01 11 03 00 02").appendSum(0, 5))
             .pause(500)
             .pause(500)
             .write(2, Bytes("96 01 11 03 00 02").appendSum(0, 5))
             .pause(500)
             .write(4, Bytes("FF 02 05 01 00 AA"))
             .pause(500)
             .write(5, Bytes("C5 B1 01 A6 03 10 00 02").appendSum(2, 7))
             .pause(500)
             .write(1, Bytes("FB B0 11 FF C9 02 AE"))
             .str()},
        {"MatrixUseComOnly sends VGA to device 2",
         zrqVga + "[SETTING]\nCmdForm=0\n[YbCommDevice]\nMatrixUseComOnly=1\n", 0,
         Trace()
             .write(2, Bytes("C5 B1 01 A3 03 10 00 01 B8"))
             .pause(500)
             .write(2, Bytes("C5 B1 01 A4 03 10 00 01 B9"))
             .pause(500)
             .write(1, Bytes("FB B0 11 FF C9 01 AE"))
             .str()},
        {"S1: a sum of C5 goes out as A3 (ID 13, the second VGA frame)",
         "[SETTING]\nCmdForm=0\n[Matrix]\nVGA_Company=1\nVGA_ID=13\n", 0,
         Trace()
             .write(1, Bytes("C5 B1 0D A3 03 10 00 01 C4"))
             .pause(500)
             .write(1, Bytes("C5 B1 0D A4 03 10 00 01 A3"))
             .pause(500)
             .write(1, Bytes("FB B0 11 FF C9 01 AE"))
             .str()},
        {"S2: a sum of 96 goes out as 6A (VGA XZ001, ID 199)",
         "[SETTING]\nCmdForm=0\n[Matrix]\nVGA_Company=58\nVGA_ID=199\n", 0,
         Trace()
             .write(1, Bytes("BA C7 11 03 00 01 6A"))
             .pause(500)
             .write(1, Bytes("FB B0 11 FF C9 01 AE"))
             .str()},
        {"without the matrix only the YPbPr pause is left",
         "[SETTING]\nCmdForm=0\n[Matrix]\nMatrix_Use=0\nVGA_Company=1\nAV_Company=1\n"
         "YUV_Company=1\n",
         0, Trace().pause(500).write(1, Bytes("FB B0 11 FF C9 01 AE")).str()},
    };
    for (const Case& c : cases) {
        load(QByteArray::fromStdString(c.settings));
        io.clear();
        const CommandResult r = plans().save(c.n);
        EXPECT_TRUE(r.ok) << c.what << ": " << r.message.toStdString();
        EXPECT_EQ(io.text().toStdString(), c.expected) << c.what;
        // The snapshot is written whatever the switchers take.
        EXPECT_NE(readFile().indexOf(QStringLiteral("Wall_Mode%1_En=1").arg(c.n).toUtf8()), -1)
            << c.what;
    }
}

// --- Save: the file -----------------------------------------------------

TEST_F(PlanStoreTest, SaveWritesTheSnapshotTheFlagAndTheCurrentPlan) {
    load("[SETTING]\nRow=2\nCol=3\n[Wall]\nWall_Mode=7\nWall_Mode0=Morning\n");
    MatrixConfig& m = console->state().matrix;
    for (int k = 0; k < 6; ++k) {
        console->grid().setSource(k, k + 1);
        m.routedInput[size_t(MatrixKind::AV)][size_t(k)] = 10 + k;
        m.routedInput[size_t(MatrixKind::VGA)][size_t(k)] = 20 + k;
        m.routedInput[size_t(MatrixKind::DVI)][size_t(k)] = 30 + k;
        m.routedInput[size_t(MatrixKind::YUV)][size_t(k)] = 40 + k;
    }
    console->grid().setUnnamedWire(4, 99);
    ASSERT_TRUE(plans().save(2).ok);

    EXPECT_EQ(plans().current(), 2);
    EXPECT_TRUE(plans().saved(2));
    EXPECT_FALSE(plans().saved(3));
    // The cell of screen 4 shows its source's name again, not the code it answered.
    EXPECT_FALSE(console->grid().cellText(1, 1, 4).contains(u'['));

    auto file = reread();
    SettingsScope ini = file->open();
    EXPECT_EQ(ini.readInt("Wall", "Wall_Mode", -1), 2);
    EXPECT_EQ(ini.readText("Wall", "Wall_Mode2_En"), QStringLiteral("1"));
    EXPECT_EQ(ini.readText("Wall", "Wall_Mode0"), QStringLiteral("Morning")); // kept
    // Plan 3, screen 5: the keys the file documents.
    EXPECT_EQ(ini.readInt("Matrix", "Wall_Mode2Matrix_VGA_InputStr5", -1), 25);
    EXPECT_EQ(ini.readInt("Unit1", "SrcMode2Source5", -1), 6);
    for (int k = 0; k < 6; ++k) {
        const std::string s = std::to_string(k);
        EXPECT_EQ(ini.readInt("Unit1", "SrcMode2Source" + s, -1), k + 1);
        EXPECT_EQ(ini.readInt("Matrix", "Wall_Mode2Matrix_AV_InputStr" + s, -1), 10 + k);
        EXPECT_EQ(ini.readInt("Matrix", "Wall_Mode2Matrix_DVI_InputStr" + s, -1), 30 + k);
        EXPECT_EQ(ini.readInt("Matrix", "Wall_Mode2Matrix_YUV_InputStr" + s, -1), 40 + k);
    }
    EXPECT_FALSE(ini.hasKey("Unit1", "SrcMode2Source6"));
    EXPECT_FALSE(ini.hasKey("Matrix", "Wall_Mode2Matrix_VGA_InputStr6"));
}

TEST_F(PlanStoreTest, OnBoard8TheAvTableHasFourEntriesPerScreenAndYPbPrNone) {
    load("[SETTING]\nRow=2\nCol=2\n[System]\nBoardSel=8\n");
    for (int k = 0; k < 16; ++k)
        console->state().matrix.routedInput[size_t(MatrixKind::AV)][size_t(k)] = 100 + k;
    ASSERT_TRUE(plans().save(0).ok);
    auto file = reread();
    SettingsScope ini = file->open();
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(ini.readInt("Matrix", "Wall_Mode0Matrix_AV_InputStr" + std::to_string(k), -1),
                  100 + k);
    EXPECT_FALSE(ini.hasKey("Matrix", "Wall_Mode0Matrix_AV_InputStr16"));
    for (const char* kind : {"VGA", "DVI"}) {
        EXPECT_TRUE(ini.hasKey("Matrix", std::string("Wall_Mode0Matrix_") + kind + "_InputStr3"));
        EXPECT_FALSE(ini.hasKey("Matrix", std::string("Wall_Mode0Matrix_") + kind + "_InputStr4"));
    }
    for (int k = 0; k < 16; ++k)
        EXPECT_FALSE(ini.hasKey("Matrix", "Wall_Mode0Matrix_YUV_InputStr" + std::to_string(k)));
}

TEST_F(PlanStoreTest, ARefusedSaveSendsNothingAndChangesNothing) {
    const QByteArray settings = "[Matrix]\nVGA_Company=1\n[Wall]\nWall_Mode=3\n";
    load(settings);
    for (int n : {-1, 48, 1000}) {
        const CommandResult r = plans().save(n);
        EXPECT_FALSE(r.ok) << n;
        EXPECT_FALSE(r.message.isEmpty()) << n;
    }
    EXPECT_EQ(io.text(), QString());
    EXPECT_EQ(readFile(), settings);
    EXPECT_EQ(plans().current(), 3);
}

TEST_F(PlanStoreTest, AFileThatCannotBeSavedLeavesThePlanUnsavedAndSendsNothing) {
    const FaultyFile file(FileFault::ReadOnlyFolder, dirPath(), "[Matrix]\nVGA_Company=1\n");
    SettingsStore faulty(file.path());
    QStringList reported;
    faulty.setErrorSink([&](const QString& m) { reported << m; });
    Console onFaulty(faulty, io);
    const QByteArray before = file.state();
    file.run([&] {
        onFaulty.load(dirPath());
        const CommandResult r = onFaulty.plans().save(4);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.message.isEmpty());
    });
    EXPECT_FALSE(reported.isEmpty()) << "the failed save is reported, never silent";
    EXPECT_FALSE(onFaulty.plans().saved(4));
    EXPECT_EQ(onFaulty.plans().current(), 0);
    EXPECT_EQ(io.text(), QString());
    EXPECT_EQ(file.state(), before);
}

// --- Current plan, flags and names from the file ------------------------

TEST_F(PlanStoreTest, GarbledOrMissingPlanKeysReadAsTheirDefaults) {
    load("[Wall]\nWall_Mode=99\nWall_Mode3_En=yes\nWall_Mode4_En=1\nWall_Mode1=\n"
         "Wall_Mode2=Night\n");
    EXPECT_EQ(plans().current(), 0);
    EXPECT_FALSE(plans().saved(3));
    EXPECT_TRUE(plans().saved(4));
    EXPECT_FALSE(plans().saved(48));
    const QStringList names = plans().names();
    ASSERT_EQ(names.size(), 48);
    EXPECT_EQ(names[0], QStringLiteral("模式1"));
    EXPECT_EQ(names[1], QStringLiteral("模式2")); // empty counts as none
    EXPECT_EQ(names[2], QStringLiteral("Night"));
    EXPECT_EQ(names[47], QStringLiteral("模式48"));

    load("[Wall]\nWall_Mode=abc\n");
    EXPECT_EQ(plans().current(), 0);
}

TEST_F(PlanStoreTest, StoredNamesSurviveALanguageSwitchAndDefaultsFollowIt) {
    load("[Wall]\nWall_Mode5=会议模式\n");
    console->setLanguage(1);
    QStringList names = plans().names();
    EXPECT_EQ(names[0], QStringLiteral("Mode1"));
    EXPECT_EQ(names[5], QStringLiteral("会议模式"));
    console->setLanguage(0);
    names = plans().names();
    EXPECT_EQ(names[0], QStringLiteral("模式1"));
    EXPECT_EQ(names[5], QStringLiteral("会议模式"));
}

// --- Rename -------------------------------------------------------------

TEST_F(PlanStoreTest, RenameRefusesEmptyDuplicateAndUnstorableNamesAndWritesNothing) {
    struct Case {
        const char* what;
        QString name;
        QString chinese;
        QString english;
        QString englishName; // the name in English where it differs
    };
    const QString notEmpty = QStringLiteral("预案名不能为空");
    const QString repeat = QStringLiteral("  有重命名");
    const QString characters = QStringLiteral("预案名不能含有换行、[、]或=");
    const QString blanks = QStringLiteral("预案名首尾不能有空格");
    const Case cases[] = {
        {"empty", QString(), notEmpty, QStringLiteral("Name can not be empty")},
        {"another entry's stored name", QStringLiteral("Night"), repeat,
         QStringLiteral("Repeat name")},
        {"another entry's default name", QStringLiteral("模式1"), repeat,
         QStringLiteral("Repeat name"), QStringLiteral("Mode1")},
        {"its own name", QStringLiteral("模式3"), repeat, QStringLiteral("Repeat name"),
         QStringLiteral("Mode3")},
        {"another entry's default name in the other language", QStringLiteral("Mode5"), repeat,
         QStringLiteral("Repeat name"), QStringLiteral("模式5")},
        {"a line break", QStringLiteral("a\nb"), characters,
         QStringLiteral("Name can not contain a line break, [, ] or =")},
        {"a section head", QStringLiteral("[Wall]"), characters, QString()},
        {"a closing bracket", QStringLiteral("x]"), characters, QString()},
        {"an equals sign", QStringLiteral("a=b"), characters, QString()},
        {"a tab", QStringLiteral("a\tb"), characters, QString()},
        {"a leading blank", QStringLiteral(" x"), blanks,
         QStringLiteral("Name can not begin or end with a blank")},
        {"a trailing blank", QStringLiteral("x "), blanks, QString()},
        {"blanks only", QStringLiteral("   "), blanks, QString()},
        {"quotes", QStringLiteral("\"x\""), QStringLiteral("预案名不能用引号括起来"),
         QStringLiteral("Name can not be enclosed in quotes")},
    };
    const QByteArray settings = "[Wall]\nWall_Mode1=Night\n";
    load(settings);
    for (const Case& c : cases) {
        for (int language : {0, 1}) {
            const QString expected = language == 0 ? c.chinese : c.english;
            console->setMessageLanguage(language);
            console->state().settings.Language = language; // the list's own names
            const QString name = language == 1 && !c.englishName.isEmpty() ? c.englishName : c.name;
            const CommandResult r = plans().rename(2, name);
            EXPECT_FALSE(r.ok) << c.what;
            if (!expected.isEmpty()) {
                EXPECT_EQ(r.message, expected) << c.what << " in language " << language;
            }
        }
    }
    EXPECT_EQ(readFile(), settings);
}

TEST_F(PlanStoreTest, RenameStoresANameThatReadsBackAsTyped) {
    load("[Wall]\nWall_Mode1=Night\n");
    for (const QString& name : {QStringLiteral("会议模式"), QStringLiteral("Plan A (day), 50%"),
                                QStringLiteral("早班 B")}) {
        ASSERT_TRUE(plans().rename(7, name).ok) << name.toStdString();
        SettingsStore fresh(path());
        Console other(fresh, io);
        other.load(dirPath());
        EXPECT_EQ(other.plans().names().value(7), name);
        EXPECT_EQ(other.plans().names().value(1), QStringLiteral("Night"));
    }
    EXPECT_EQ(io.text(), QString()); // no device is told
    EXPECT_FALSE(plans().saved(7));
}

} // namespace
