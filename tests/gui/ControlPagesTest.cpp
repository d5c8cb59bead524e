#include "ConsoleWindowFixture.h"
#include "PtySimulator.h"
#include "pages/PageTables.h"
#include "pages/ParameterPanels.h"
#include "support/PtyPair.h"
#include "wall/WallGridWidget.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

QByteArray frame(int command, int parameter, int value) {
    // Format 0 to the first screen.
    return QByteArray::fromHex("FB") + char(command) + hex("1111") + char(parameter) + char(value) +
           hex("AE");
}

class ControlPagesTest : public ConsoleWindowFixture {
protected:
    void startOnPty(const QByteArray& more = {}) {
        writeFile("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() + "\n" + more);
        start(true);
    }
    QWidget* page(int i) { return find<QTabWidget>(QStringLiteral("PageControl1"))->widget(i); }
    template <typename T> T* on(int p, const char* name) {
        return page(p)->findChild<T*>(QLatin1String(name));
    }
    // Clicks and returns the bytes that reached the wall link.
    QByteArray click(QPushButton* b, int expected) {
        b->click();
        return pty.read(expected, 2000);
    }
    PtyPair pty;
};

TEST_F(ControlPagesTest, EveryControlOfTheTablesStandsOnItsPageUnderItsName) {
    startOnPty();
    for (const SliderDef& d : sliderDefs()) {
        EXPECT_NE(on<QScrollBar>(d.page, d.slider), nullptr) << d.slider;
        ASSERT_NE(on<QLineEdit>(d.page, d.edit), nullptr) << d.edit;
        EXPECT_EQ(on<QPushButton>(d.page, d.write)->text(), QStringLiteral("写")) << d.write;
        EXPECT_EQ(on<QPushButton>(d.page, d.read)->text(), QStringLiteral("读")) << d.read;
        EXPECT_EQ(on<QPushButton>(d.page, d.minus)->text(), QStringLiteral("-")) << d.minus;
        EXPECT_EQ(on<QPushButton>(d.page, d.plus)->text(), QStringLiteral("+")) << d.plus;
        EXPECT_EQ(on<QScrollBar>(d.page, d.slider)->maximum(), d.maximum) << d.slider;
        auto* panel = qobject_cast<SliderPanel*>(on<QScrollBar>(d.page, d.slider)->parentWidget());
        ASSERT_NE(panel, nullptr) << d.slider;
        EXPECT_EQ(panel->caption()->text(), QString::fromUtf8(d.caption)) << d.slider;
    }
    for (const ListDef& d : listDefs()) {
        auto* list = on<QComboBox>(d.page, d.list);
        ASSERT_NE(list, nullptr) << d.list;
        EXPECT_EQ(list->count(), int(d.items.size())) << d.list;
        EXPECT_EQ(on<QPushButton>(d.page, d.write)->text(), QStringLiteral("写")) << d.write;
        if (d.read) {
            EXPECT_TRUE(on<QPushButton>(d.page, d.read)->isEnabled()) << d.read;
        }
    }
    for (const ActionDef& a : actionDefs()) {
        if (a.page >= 0) {
            EXPECT_EQ(on<QPushButton>(a.page, a.control)->text(),
                      QCoreApplication::translate("wall::Pages", a.caption))
                << a.control;
        }
    }
    EXPECT_EQ(on<QPushButton>(0, "suiButton15")->text(), QStringLiteral("读"));
    EXPECT_EQ(on<QComboBox>(3, "ComboBox2")->itemText(3), QStringLiteral("关背光"));
    EXPECT_EQ(on<QComboBox>(0, "suiComboBox10")->itemText(3), QStringLiteral("高"));
    EXPECT_EQ(find<QPushButton>(QStringLiteral("Button1"))->text(), QStringLiteral("读取所有"));
    EXPECT_EQ(find<QPushButton>(QStringLiteral("suiButton97"))->text(), QStringLiteral("停止读取"));

    window->SetLanguage(1); // lists are rebuilt, keeping the chosen entry
    on<QComboBox>(3, "ComboBox2")->setCurrentIndex(2);
    window->SetLanguage(1);
    EXPECT_EQ(on<QComboBox>(3, "ComboBox2")->currentText(), QStringLiteral("Black"));
    EXPECT_EQ(on<QPushButton>(0, "suiButton15")->text(), QStringLiteral("R"));
}

TEST_F(ControlPagesTest, WriteStepAndActionButtonsSendTheirFrames) {
    startOnPty();
    console->grid().setSelection({0, 0, 0, 0});
    for (const SliderDef& d : sliderDefs()) {
        const int p = d.page == 5 ? d.parameter + 3 * 6 : d.parameter; // white is chosen at start
        on<QScrollBar>(d.page, d.slider)->setValue(d.maximum);
        EXPECT_EQ(click(on<QPushButton>(d.page, d.write), 7).toHex(' '),
                  frame(0xB1, p, d.maximum).toHex(' '))
            << d.write;
        EXPECT_EQ(click(on<QPushButton>(d.page, d.minus), 7), frame(0xB0, p, 0)) << d.minus;
        EXPECT_EQ(click(on<QPushButton>(d.page, d.plus), 7), frame(0xB0, p, 1)) << d.plus;
    }
    for (const ListDef& d : listDefs()) {
        on<QComboBox>(d.page, d.list)->setCurrentIndex(1);
        EXPECT_EQ(click(on<QPushButton>(d.page, d.write), 7), frame(0xB1, d.parameter, 1))
            << d.write;
    }
    for (const ActionDef& a : actionDefs()) {
        auto* b = a.page >= 0 ? on<QPushButton>(a.page, a.control)
                              : find<QPushButton>(QLatin1String(a.control));
        ASSERT_NE(b, nullptr) << a.control;
        EXPECT_EQ(click(b, 7), frame(a.write ? 0xB1 : 0xB0, a.parameter, a.value)) << a.control;
    }
    for (const PatternDef& p : patternDefs())
        EXPECT_EQ(click(on<QPushButton>(4, p.control), 7), frame(0xB1, 0xB1, p.number))
            << p.control;
    EXPECT_EQ(click(on<QPushButton>(4, "BitBtn79"), 7), frame(0xB0, 0xB1, 1));
}

TEST_F(ControlPagesTest, ChoosingAListItemSendsOnlyWithoutReadBack) {
    startOnPty("[SETTING]\nbReadEn=0\n");
    auto* fan = on<QComboBox>(3, "suiComboBox9");
    fan->setCurrentIndex(1);
    Q_EMIT fan->activated(1);
    EXPECT_EQ(pty.read(7, 2000), frame(0xB0, 0xB4, 1)) << "the fan list steps";
    auto* noise = on<QComboBox>(0, "suiComboBox10");
    Q_EMIT noise->activated(2);
    EXPECT_EQ(pty.read(7, 2000), frame(0xB1, 0x45, 2)) << "noise reduction writes";

    console->state().settings.bReadEn = 1;
    Q_EMIT noise->activated(3);
    EXPECT_TRUE(pty.read(7, 300).isEmpty()) << "with read-back the 写 button sends it";
}

TEST_F(ControlPagesTest, TheNumberBoxKeepsDigitsAndTheSliderRange) {
    startOnPty();
    auto* edit = on<QLineEdit>(0, "suiEdit1");
    auto* slider = on<QScrollBar>(0, "suiScrollBar1");
    struct Case {
        const char* typed;
        const char* shown;
        int position;
    };
    for (const Case& c : {Case{"1a2", "12", 12}, Case{"300", "100", 100}, Case{"x", "", 100}}) {
        edit->setText(QString());
        edit->insert(QLatin1String(c.typed));
        Q_EMIT edit->textEdited(edit->text());
        EXPECT_EQ(edit->text(), QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(slider->value(), c.position) << c.typed;
    }
}

TEST_F(ControlPagesTest, WithoutReadBackNoReadControlIsVisible) {
    startOnPty("[SETTING]\nbReadEn=0\n");
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        if (b->window() != window.get())
            continue; // the dialogs have buttons of these names of their own
        if (b->text() == QStringLiteral("读") || b->objectName() == QStringLiteral("Button1") ||
            b->objectName() == QStringLiteral("suiButton97")) {
            EXPECT_TRUE(b->isHidden()) << b->objectName().toStdString();
        }
    }
    EXPECT_FALSE(find<QAction>(QStringLiteral("N49"))->isVisible());
    EXPECT_FALSE(find<QAction>(QStringLiteral("N55"))->isVisible());
    EXPECT_TRUE(on<QScrollBar>(0, "suiScrollBar1")->isHidden());
    EXPECT_FALSE(on<QPushButton>(0, "BitBtn1")->isHidden()) << "the steps stay";
}

TEST_F(ControlPagesTest, BoardTenHoldsTheSizeWriteUntilItIsReadBack) {
    writeFile("[System]\nBoardSel=10\n[SETTING]\nCmdDelayTime10Ms=30\nbManYou=0\n");
    auto sim =
        std::make_unique<PtySimulator>(std::make_unique<SimulatedWall>(3, 3, FrameFormat::Wide));
    QString error;
    ASSERT_TRUE(sim->start(error));
    writeFile("[System]\nBoardSel=10\n[SETTING]\nCmdDelayTime10Ms=30\nbManYou=0\n[YbCommDevice1 "
              "Com Set]\nPortName=" +
              sim->slavePath().toUtf8() + "\n");
    start(true);
    auto* sizeWrite = on<QPushButton>(2, "suiButton102");
    auto* posWrite = on<QPushButton>(2, "suiButton72");
    EXPECT_FALSE(sizeWrite->isEnabled());
    EXPECT_FALSE(posWrite->isEnabled());
    EXPECT_FALSE(on<QWidget>(2, "suiScrollBar27")->isHidden()) << "size panels shown on board 10";
    EXPECT_TRUE(on<QPushButton>(2, "BitBtn5")->isHidden()) << "尺  寸 hidden";

    on<QPushButton>(2, "suiButton101")->click(); // read the size
    EXPECT_TRUE(sizeWrite->isEnabled());
    on<QPushButton>(2, "suiButton71")->click(); // read the position
    EXPECT_TRUE(posWrite->isEnabled());
    posWrite->click(); // the position changes: the size is stale
    EXPECT_FALSE(sizeWrite->isEnabled());
    on<QPushButton>(2, "suiButton101")->click();
    EXPECT_TRUE(sizeWrite->isEnabled());
    EXPECT_EQ(on<QScrollBar>(2, "suiScrollBar27")->maximum(), SimulatedWall::kSliderMaximum);
}

TEST_F(ControlPagesTest, ReadingFillsTheControlsAndStoppedReadAllSaysNothing) {
    auto sim =
        std::make_unique<PtySimulator>(std::make_unique<SimulatedWall>(3, 3, FrameFormat::Short));
    QString error;
    ASSERT_TRUE(sim->start(error));
    sim->wall().unit(0, 0).values[0x41] = 77;
    writeFile("[SETTING]\nCmdDelayTime10Ms=30\n[YbCommDevice1 Com Set]\nPortName=" +
              sim->slavePath().toUtf8() + "\n");
    start(true);
    on<QPushButton>(8, "suiButton33")->click(); // read brightness on the adjustment page
    EXPECT_EQ(on<QScrollBar>(8, "suiScrollBar10")->value(), 77);
    EXPECT_EQ(on<QLineEdit>(8, "suiEdit8")->text(), QStringLiteral("77"));
    EXPECT_EQ(window->statusText(3), QStringLiteral("读取状态: 成功"));

    messages.clear();
    QTimer::singleShot(20, [&] { find<QPushButton>(QStringLiteral("suiButton97"))->click(); });
    find<QPushButton>(QStringLiteral("Button1"))->click();
    EXPECT_TRUE(messages.isEmpty()) << "stopped by the operator: no message";
    find<QPushButton>(QStringLiteral("Button1"))->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first().text, QStringLiteral("读取结束!"));
    EXPECT_THAT(console->commandList().join(u' ').toStdString(),
                testing::HasSubstr("CmdVidoBrightness:77"));
    EXPECT_EQ(window->grid()->cellText(0, 0), QStringLiteral("1:1  VGA"))
        << "the source read relabels the cell";
}

TEST_F(ControlPagesTest, AccessLevelsOpenTheirPagesAndMenus) {
    struct Case {
        int level;
        std::vector<int> tabs; // visible, 0-based
        std::vector<const char*> shown;
        std::vector<const char*> hidden;
    };
    struct BoardCase {
        int board;
        int level;
        std::vector<int> tabs;
        bool sideButtons; // btn2, btn3
    };
    for (const BoardCase& c :
         {BoardCase{10, 1, {0, 1, 3, 4, 5, 7}, false}, BoardCase{11, 1, {0, 1, 3, 4, 7}, true},
          BoardCase{9, 1, {0, 1, 3, 4, 5, 7}, false}, BoardCase{1, 1, {0, 1, 3, 7}, false}}) {
        startOnPty("[System]\nBoardSel=" + QByteArray::number(c.board) + "\n");
        window->grantAccess(c.level);
        auto* pages = find<QTabWidget>(QStringLiteral("PageControl1"));
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(pages->isTabVisible(i),
                      std::find(c.tabs.begin(), c.tabs.end(), i) != c.tabs.end())
                << "board " << c.board << ", tab " << i;
        EXPECT_EQ(!find<QWidget>(QStringLiteral("btn2"))->isHidden(), c.sideButtons) << c.board;
        EXPECT_EQ(!find<QWidget>(QStringLiteral("btn3"))->isHidden(), c.sideButtons) << c.board;
        EXPECT_EQ(find<QAction>(QStringLiteral("N62"))->isVisible(), c.board == 1) << c.board;
        window.reset();
    }

    const Case cases[] = {
        {1, {0, 1, 3, 7}, {"N22", "N23", "N7", "N9", "N10", "N8", "N21"}, {"N11", "N19", "N62"}},
        {10, {7, 8}, {"N11"}, {"N22", "N9", "N8", "N19"}},
        {20, {0, 1, 2, 3, 4, 5, 6, 7}, {"N22", "N23", "N9", "N62", "N19", "N11"}, {}},
    };
    for (const Case& c : cases) {
        startOnPty();
        window->grantAccess(c.level);
        auto* pages = find<QTabWidget>(QStringLiteral("PageControl1"));
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(pages->isTabVisible(i),
                      std::find(c.tabs.begin(), c.tabs.end(), i) != c.tabs.end())
                << "level " << c.level << ", tab " << i;
        for (const char* name : c.shown)
            EXPECT_TRUE(find<QAction>(QLatin1String(name))->isVisible()) << c.level << " " << name;
        for (const char* name : c.hidden)
            EXPECT_FALSE(find<QAction>(QLatin1String(name))->isVisible()) << c.level << " " << name;
        EXPECT_EQ(find<QAction>(QStringLiteral("N25"))->isEnabled(), c.level != 10) << c.level;
        window.reset();
    }
}

TEST_F(ControlPagesTest, AProductItemChangesTheBoardAndItsFrameFormatNextStart) {
    startOnPty();
    find<QAction>(QStringLiteral("N59"))->trigger();
    EXPECT_TRUE(find<QAction>(QStringLiteral("N59"))->isChecked());
    EXPECT_FALSE(find<QAction>(QStringLiteral("N51"))->isChecked());
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("BoardSel=10"));
    window.reset();
    start();
    EXPECT_EQ(console->frameFormat(), FrameFormat::Wide) << "no CmdForm key: board 10's default";
}

} // namespace
