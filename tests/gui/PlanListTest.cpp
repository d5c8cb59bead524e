#include "ConsoleWindowFixture.h"
#include "plans/PlanStore.h"
#include "wall/WallGridWidget.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

// The plan list ListBox1, its pop-up menu suiPopupMenu1 and the rename
// dialog TForm8, driven as the operator drives them.
class PlanListTest : public ConsoleWindowFixture {
protected:
    QListWidget* list() const { return find<QListWidget>(QStringLiteral("ListBox1")); }
    QAction* item(const char* name) const { return find<QAction>(QLatin1String(name)); }
    QWidget* form8() const { return window->window(QStringLiteral("Form8")); }
    template <typename T> T* in8(const char* name) const {
        return findIn<T>(QStringLiteral("Form8"), QLatin1String(name));
    }
    // N27 on the selected entry, then the given text typed over the edit.
    void renameTo(const QString& text) {
        item("N27")->trigger();
        ASSERT_TRUE(form8()->isVisible());
        in8<QLineEdit>("Edit1")->setText(text);
        QTest::mouseClick(in8<QPushButton>("BitBtn1"), Qt::LeftButton);
    }
};

TEST_F(PlanListTest, ThePopupMenuSavesAndRenamesInBothLanguages) {
    start(true);
    auto* menu = find<QMenu>(QStringLiteral("suiPopupMenu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->objectName(), QStringLiteral("N28"));
    EXPECT_EQ(menu->actions()[1]->objectName(), QStringLiteral("N27"));
    EXPECT_EQ(item("N28")->text(), QStringLiteral("保存模式"));
    EXPECT_EQ(item("N27")->text(), QStringLiteral("重命名"));
    // Saving needs an access level; renaming does not.
    EXPECT_FALSE(item("N28")->isEnabled());
    EXPECT_TRUE(item("N27")->isEnabled());
    window->grantAccess(1);
    EXPECT_TRUE(item("N28")->isEnabled());

    ASSERT_EQ(list()->count(), 48);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("模式1"));
    window->SetLanguage(1);
    EXPECT_EQ(item("N28")->text(), QStringLiteral("Mode Save"));
    EXPECT_EQ(item("N27")->text(), QStringLiteral("Rename"));
    EXPECT_EQ(list()->item(47)->text(), QStringLiteral("Mode48"));
    EXPECT_EQ(form8()->windowTitle(), QStringLiteral("Mode rename"));
    EXPECT_EQ(in8<QLabel>("Label1")->text(), QStringLiteral("Mode name"));
}

TEST_F(PlanListTest, SaveStoresTheSelectedPlanAndDoesNothingWithoutOne) {
    writeFile("[SETTING]\nRow=1\nCol=2\n");
    start(true);
    window->grantAccess(1);
    list()->setCurrentRow(-1);
    const QByteArray before = readFile();
    item("N28")->trigger();
    EXPECT_EQ(readFile(), before);

    list()->setCurrentRow(6);
    item("N28")->trigger();
    const QByteArray after = readFile();
    EXPECT_TRUE(after.contains("Wall_Mode=6\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("Wall_Mode6_En=1\n"));
    EXPECT_TRUE(after.contains("SrcMode6Source1="));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_THAT(window->statusText(4).toStdString(), testing::HasSubstr("7"));
}

TEST_F(PlanListTest, TheRenameDialogRefusesBadNamesAndNamesTheEntrySelectedAtOk) {
    writeFile("[Wall]\nWall_Mode1=Night\n");
    start(true);
    list()->setCurrentRow(3);
    item("N27")->trigger();
    ASSERT_TRUE(form8()->isVisible());
    EXPECT_FALSE(form8()->isModal());
    EXPECT_EQ(form8()->windowTitle(), QStringLiteral("预案模式重命名"));
    EXPECT_EQ(in8<QLabel>("Label1")->text(), QStringLiteral("模式名称"));
    EXPECT_EQ(in8<QPushButton>("BitBtn1")->text(), QStringLiteral("确定"));
    EXPECT_EQ(in8<QPushButton>("BitBtn2")->text(), QStringLiteral("取消"));
    EXPECT_EQ(in8<QLineEdit>("Edit1")->text(), QStringLiteral("模式4"));

    const QByteArray before = readFile();
    struct Refusal {
        QString name;
        QString text;
    };
    const Refusal refusals[] = {
        {QString(), QStringLiteral("预案名不能为空")},
        {QStringLiteral("模式4"), QStringLiteral("  有重命名")},
        {QStringLiteral("Night"), QStringLiteral("  有重命名")},
        {QStringLiteral("a=b"), QStringLiteral("预案名不能含有换行、[、]或=")},
        {QStringLiteral(" x"), QStringLiteral("预案名首尾不能有空格")},
    };
    for (const Refusal& r : refusals) {
        messages.clear();
        renameTo(r.name);
        ASSERT_EQ(messages.size(), 1) << r.name.toStdString();
        EXPECT_EQ(messages[0].title, QStringLiteral("错误提示"));
        EXPECT_EQ(messages[0].text, r.text);
        EXPECT_TRUE(form8()->isVisible()) << "the dialog stays open";
    }
    EXPECT_EQ(readFile(), before);
    EXPECT_EQ(list()->item(3)->text(), QStringLiteral("模式4"));

    // Not modal: the operator picks another entry before pressing OK.
    messages.clear();
    item("N27")->trigger();
    in8<QLineEdit>("Edit1")->setText(QStringLiteral("会议模式"));
    list()->setCurrentRow(5);
    QTest::mouseClick(in8<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(form8()->isVisible());
    EXPECT_EQ(list()->item(5)->text(), QStringLiteral("会议模式"));
    EXPECT_EQ(list()->item(3)->text(), QStringLiteral("模式4"));
    EXPECT_EQ(list()->currentRow(), 5);
    EXPECT_TRUE(readFile().contains(QStringLiteral("Wall_Mode5=会议模式\n").toUtf8()));

    // The name survives a language switch; the defaults follow it.
    window->SetLanguage(1);
    EXPECT_EQ(list()->item(5)->text(), QStringLiteral("会议模式"));
    EXPECT_EQ(list()->item(3)->text(), QStringLiteral("Mode4"));
    list()->setCurrentRow(3);
    messages.clear();
    renameTo(QStringLiteral("Night"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, QStringLiteral("ERROR"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Repeat name"));
    QTest::mouseClick(in8<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_FALSE(form8()->isVisible());

    // Without a selected entry, rename does nothing.
    list()->setCurrentRow(-1);
    item("N27")->trigger();
    EXPECT_FALSE(form8()->isVisible());
}

// The operator's double-click on an entry of ListBox1.
void doubleClick(QListWidget* list, int row) {
    QListWidgetItem* entry = list->item(row);
    list->scrollToItem(entry);
    const QPoint at = list->visualItemRect(entry).center();
    // The first press of a double-click chooses the entry, the second one
    // arrives as the double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

TEST_F(PlanListTest, ADoubleClickRecallsASavedPlanAndRefusesAnUnsavedOne) {
    writeFile("[SETTING]\nRow=1\nCol=2\nMatrixToScreenTime=0\n"
              "[Unit1]\nSource0=12\nSource1=12\nSrcMode2Source0=0\nSrcMode2Source1=2\n"
              "[Wall]\nWall_Mode=0\nWall_Mode2_En=1\n");
    start(true);
    const QString emptyCell = window->grid()->cellText(0, 0);

    doubleClick(list(), 2);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(list()->currentRow(), 2);
    EXPECT_TRUE(list()->isEnabled()) << "usable again once the recall is over";
    const QByteArray after = readFile();
    EXPECT_TRUE(after.contains("Wall_Mode=2\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("Source0=0\n"));
    EXPECT_TRUE(after.contains("Source1=2\n"));
    EXPECT_NE(window->grid()->cellText(0, 0), emptyCell) << "the cell shows the recalled source";
    EXPECT_TRUE(window->grid()->cellText(0, 0).startsWith(QStringLiteral("1:1  ")));
    EXPECT_EQ(console->plans().current(), 2);

    struct Unsaved {
        int language;
        QString title, text;
    };
    const Unsaved cases[] = {
        {0, QStringLiteral("错误提示"), QStringLiteral("没有保存此预案")},
        {1, QStringLiteral("Error"), QStringLiteral("Do not save this plan!")},
    };
    for (const Unsaved& c : cases) {
        window->SetLanguage(c.language);
        const QByteArray before = readFile();
        messages.clear();
        doubleClick(list(), 4 + c.language);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].title, c.title);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(readFile(), before) << "the file is not touched";
        EXPECT_EQ(console->plans().current(), 4 + c.language) << "but the current plan moved";
        EXPECT_EQ(window->statusText(4), c.text);
    }
}

TEST_F(PlanListTest, ARunningRecallShowsWhatItDoesAndBlocksTheList) {
    // The AV switcher is replayed screen by screen, 200 ms apart.
    writeFile("[SETTING]\nRow=1\nCol=2\nMatrixToScreenTime=0\n[Matrix]\nAV_Company=28\n"
              "Matrix_AV_DelayTime=200\n[Wall]\nWall_Mode2_En=1\n");
    start(true);
    QString during;
    bool listEnabled = true;
    QTimer::singleShot(250, window.get(), [&] {
        during = window->statusText(4);
        listEnabled = list()->isEnabled();
        QDir().mkpath(QStringLiteral(WALL_GRAB_DIR));
        window->grab().save(QStringLiteral(WALL_GRAB_DIR "/plan-recall-running.png"));
    });
    doubleClick(list(), 2);
    EXPECT_EQ(during, QStringLiteral("正在调用预案 3：AV，屏幕 2/2")) << "the window kept painting";
    EXPECT_FALSE(listEnabled) << "no second plan command underneath";
    EXPECT_TRUE(list()->isEnabled());
}

} // namespace
