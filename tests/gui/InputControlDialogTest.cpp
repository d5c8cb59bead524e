#include "ConsoleWindowFixture.h"
#include "support/PtyPair.h"
#include "wall/WallGridWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

class InputControlDialogTest : public ConsoleWindowFixture {
protected:
    void startWith(const QByteArray& settings) {
        writeFile("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() + "\n" +
                  settings);
        start(true);
        find<QAction>(QStringLiteral("N16"))->trigger(); // the grid's pop-up menu
        dialog = window->window(QStringLiteral("Form14"));
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
    }
    template <typename T> T* control(const char* name) {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    void chooseSource(const QString& longName) {
        auto* sources = control<QComboBox>("ComboBox18");
        const int item = sources->findText(longName);
        ASSERT_GE(item, 0) << longName.toStdString();
        sources->setCurrentIndex(item);
    }

    PtyPair pty;
    QWidget* dialog = nullptr;
};

TEST_F(InputControlDialogTest, OnlyTheSourcesKindShowsItsChooserEnabledWhenTheMatrixIsInUse) {
    startWith("[Matrix]\nAV_Company=4\nVGA_Company=2\nDVI_Company=0\n");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("输入控制"));
    struct Case {
        const char* source;
        const char* chooser; // nullptr: none shown
    };
    const Case cases[] = {{"AV", "ComboBox2"}, {"VGA", "ComboBox1"}, {"DVI", nullptr}};
    for (bool matrixOn : {true, false}) {
        if (control<QCheckBox>("CheckBox2")->isChecked() != matrixOn)
            control<QCheckBox>("CheckBox2")->click();
        for (const Case& c : cases) {
            chooseSource(QString::fromUtf8(c.source));
            for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) {
                const bool shown = c.chooser && QByteArray(name) == c.chooser;
                EXPECT_EQ(control<QComboBox>(name)->isVisible(), shown) << c.source << name;
                if (shown) {
                    EXPECT_EQ(control<QComboBox>(name)->isEnabled(), matrixOn) << c.source;
                }
            }
            EXPECT_EQ(control<QLabel>("Label4")->isVisible(), c.chooser != nullptr) << c.source;
            EXPECT_EQ(control<QGroupBox>("suiRadioGroup1")->isVisible(), c.chooser != nullptr);
        }
    }
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("Matrix_Use=0"))
        << "\"使用矩阵\" is written at once";

    // A picture of the window with its AV chooser, in both languages.
    control<QCheckBox>("CheckBox2")->click();
    chooseSource(QStringLiteral("AV"));
    QDir().mkpath(QStringLiteral(WALL_GRAB_DIR));
    dialog->grab().save(QStringLiteral(WALL_GRAB_DIR "/Form14-av-zh.png"));
    window->SetLanguage(1);
    find<QAction>(QStringLiteral("N16"))->trigger();
    dialog->grab().save(QStringLiteral(WALL_GRAB_DIR "/Form14-av-en.png"));
    EXPECT_EQ(control<QComboBox>("ComboBox2")->itemText(0), QStringLiteral("MatrixInput1"))
        << "a language switch rebuilds the lists";
}

TEST_F(InputControlDialogTest, BoardEightNarrowsTheSourceListForTheQuadPicture) {
    startWith("[System]\nBoardSel=8\n[Matrix]\nAV_Company=77\n");
    auto* sources = control<QComboBox>("ComboBox18");
    auto* subSignal = control<QComboBox>("suiComboBox1");
    sources->setCurrentIndex(5); // QUAD
    EXPECT_EQ(sources->width(), 105);
    EXPECT_TRUE(subSignal->isVisible()) << "the picture is chosen beside it";
    sources->setCurrentIndex(2); // AV2
    EXPECT_EQ(sources->width(), 265);
    EXPECT_EQ(subSignal->currentIndex(), 2) << "the sub-signal follows AV1 … AV4";
    EXPECT_FALSE(subSignal->isVisible());
}

TEST_F(InputControlDialogTest, ChoicesAreStoredAtOnceAndOkRoutesTheSelection) {
    startWith("[SETTING]\nMatrixToScreenTime=0\n[Matrix]\nAV_Company=4\nAV_ID=1\n"
              "Matrix_AV_DelayTime=0\nAV_InputName2=Lobby camera\n");
    console->grid().setSelection({0, 0, 1, 0});
    chooseSource(QStringLiteral("AV"));
    auto* av = control<QComboBox>("ComboBox2");
    EXPECT_EQ(av->itemText(2), QStringLiteral("Lobby camera")) << "the input names";
    EXPECT_EQ(av->itemText(0), QStringLiteral("矩阵输入1"));
    av->setCurrentIndex(2);
    const auto radios = control<QGroupBox>("suiRadioGroup1")->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 3);
    radios[0]->click(); // video and audio
    control<QCheckBox>("CheckBox1")->click();
    const std::string stored = readFile().toStdString();
    EXPECT_THAT(stored, testing::HasSubstr("ComboBox2=2"));
    EXPECT_THAT(stored, testing::HasSubstr("suiRadioGroup1=0"));
    EXPECT_THAT(stored, testing::HasSubstr("NoWallMode=1"));
    control<QCheckBox>("CheckBox1")->click(); // back to the wall-wide switch

    control<QPushButton>("Button1")->click();
    EXPECT_FALSE(dialog->isVisible()) << "OK closes";
    // Matrix input 3 to outputs 1 and 2 (video and audio: 03), then the wall.
    EXPECT_EQ(pty.read(19, 3000).toHex(' '),
              QByteArray("ff 01 03 03 01 aa ff 01 03 03 02 aa fb b0 11 12 30 00 ae"));
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("Source0=2\nSource1=2\n"));
    EXPECT_EQ(find<WallGridWidget>(QStringLiteral("StringGrid1"))->cellText(0, 1),
              QStringLiteral("1:2  AV"));
    EXPECT_EQ(window->statusText(4), QStringLiteral("已发送 信号源 AV，矩阵输入 3 → 2 个屏幕"));
}

} // namespace

namespace {

TEST_F(InputControlDialogTest, TheRoamingPageShowsTheSubSourcesChooserForPopWindows) {
    startWith("[Matrix]\nAV_Company=4\nMatrix_AV_InputMax=8\n[Unit1]\nsuiComboBox5=6\n");
    dialog->close();
    auto* subSource = find<QComboBox>(QStringLiteral("suiComboBox1"));
    auto* useMatrix = find<QCheckBox>(QStringLiteral("suiCheckBox1"));
    auto* av = find<QComboBox>(QStringLiteral("suiComboBox5"));
    ASSERT_TRUE(subSource && useMatrix && av);
    subSource->setCurrentIndex(subSource->findText(QStringLiteral("AV")));
    Q_EMIT subSource->activated(subSource->currentIndex());
    EXPECT_FALSE(av->isHidden()) << "the AV chooser for an AV sub-source";
    EXPECT_TRUE(find<QComboBox>(QStringLiteral("suiComboBox4"))->isHidden());
    EXPECT_FALSE(av->isEnabled()) << "until \"使用矩阵\" is ticked";
    EXPECT_EQ(av->currentIndex(), 6) << "the stored choice";
    EXPECT_EQ(av->count(), 8);
    useMatrix->click();
    EXPECT_TRUE(av->isEnabled());
    av->setCurrentIndex(3);
    Q_EMIT av->activated(3);
    const std::string stored = readFile().toStdString();
    EXPECT_THAT(stored, testing::HasSubstr("suiCheckBox1=1"));
    EXPECT_THAT(stored, testing::HasSubstr("suiComboBox5=3"));
}

} // namespace
