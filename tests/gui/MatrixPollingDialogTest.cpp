#include "matrix/MatrixPollingDialog.h"
#include "ConsoleWindowFixture.h"
#include "matrix/MatrixPolling.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

// Two groups of three: 001 enabled with one route, 002 not, 003 enabled
// with two; every 10 s.
const QByteArray kGroups = "[Matrix]\nAV_Company=5\n[MatrixRoll]\nGroupCount=3\nspTime=10\n"
                           "[MatrixRoll0]\nEnable=1\nCount=1\nSubRoll_En0=1\nSubRoll_Addr0=4\n"
                           "SubRoll_In0=1\nSubRoll_Out0=2\n"
                           "[MatrixRoll1]\nEnable=0\nCount=0\n"
                           "[MatrixRoll2]\nEnable=1\nCount=2\nSubRoll_En0=1\nSubRoll_In0=200\n"
                           "SubRoll_Out0=7\nSubRoll_En1=1\nSubRoll_In1=3\nSubRoll_Out1=4\n";

QStringList texts(std::initializer_list<const char*> cells) {
    QStringList l;
    for (const char* c : cells)
        l << QLatin1String(c);
    return l;
}

class MatrixPollingDialogTest : public ConsoleWindowFixture {
protected:
    // Starts the console on these settings and opens the window from N63.
    void open(const QByteArray& settings) {
        writeFile(settings);
        start();
        dialog = qobject_cast<MatrixPollingDialog*>(window->window(QStringLiteral("Form35")));
        ASSERT_NE(dialog, nullptr);
        find<QAction>(QStringLiteral("N63"))->trigger();
        ASSERT_TRUE(dialog->isVisible());
    }
    template <typename T> T* get(const char* name) const {
        T* w = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    QListWidget* groups() const { return get<QListWidget>("CheckListBox1"); }
    QTableWidget* routes() const { return get<QTableWidget>("StringGrid1"); }
    QCheckBox* pollingSwitch() const { return get<QCheckBox>("CheckBox1"); }
    QTimer* stepTimer() const { return find<QTimer>(QStringLiteral("Form35Timer1")); }
    void click(const char* button) const { get<QPushButton>(button)->click(); }
    // The operator empties the field and types.
    static void type(QLineEdit* e, const QString& text) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    QStringList row(int r) const {
        QStringList cells;
        for (int c = 0; c < routes()->columnCount(); ++c)
            cells << routes()->item(r, c)->text();
        return cells;
    }
    QStringList itemTexts() const {
        QStringList texts;
        for (int i = 0; i < groups()->count(); ++i)
            texts << groups()->item(i)->text();
        return texts;
    }

    MatrixPollingDialog* dialog = nullptr;
};

TEST_F(MatrixPollingDialogTest, OpensOnTheStoredGroupsWithTheirChecks) {
    open(kGroups);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("轮询设置"));
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("3"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("10"));
    EXPECT_EQ(itemTexts(), texts({"001", "002", "003"}));
    const Qt::CheckState checks[] = {Qt::Checked, Qt::Unchecked, Qt::Checked};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(groups()->item(i)->checkState(), checks[i]) << i;
    EXPECT_EQ(pollingSwitch()->text(), QStringLiteral("勾选            启用轮询"));
    EXPECT_FALSE(pollingSwitch()->isChecked());
    // The protocol and type lists are shown but take no choice.
    EXPECT_FALSE(get<QComboBox>("ComboBox1")->isEnabled());
    EXPECT_EQ(get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("MAINVAN"));
    EXPECT_FALSE(get<QComboBox>("ComboBox2")->isEnabled());
    EXPECT_EQ(get<QComboBox>("ComboBox2")->count(), 7);
    EXPECT_EQ(get<QComboBox>("ComboBox3")->count(), 256);
    EXPECT_TRUE(get<QPushButton>("suiButton2")->isHidden());
    EXPECT_TRUE(get<QPushButton>("suiButton1")->isHidden());

    // Choosing a group shows its routes; the numbers were not stored, so 0.
    groups()->setCurrentRow(2);
    ASSERT_EQ(routes()->rowCount(), 2);
    EXPECT_EQ(row(0), texts({"0", "0", "0", "0", "200", "7"}));
    EXPECT_EQ(row(1), texts({"0", "0", "0", "0", "3", "4"}));
    EXPECT_EQ(routes()->horizontalHeaderItem(3)->text(), QStringLiteral("Addr"));
    groups()->setCurrentRow(1);
    EXPECT_EQ(routes()->rowCount(), 0);

    window->SetLanguage(1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Roll Polling"));
    EXPECT_EQ(pollingSwitch()->text(), QStringLiteral("Checked to Start Roll Polling"));
}

TEST_F(MatrixPollingDialogTest, NumberFieldsKeepTheirDigitsAndClampWithABeep) {
    open(kGroups);
    QSignalSpy beeps(dialog, &MatrixPollingDialog::beeped);
    struct Case {
        const char* field;
        const char* typed;
        const char* shown;
        int beeps;
    };
    const Case cases[] = {
        {"Edit2", "0", "1", 1},     {"Edit2", "5000", "3600", 1}, {"Edit2", "1x5", "15", 0},
        {"Edit1", "150", "100", 1}, {"Edit1", "0", "1", 1},       {"Edit3", "300", "255", 1},
        {"Edit4", "256", "255", 1}, {"Edit4", "a", "", 0},        {"Edit3", "12", "12", 0},
    };
    for (const Case& c : cases) {
        beeps.clear();
        type(edit(c.field), QString::fromLatin1(c.typed));
        EXPECT_EQ(edit(c.field)->text(), QLatin1String(c.shown)) << c.field << " " << c.typed;
        EXPECT_EQ(beeps.count(), c.beeps) << c.field << " " << c.typed;
    }
}

TEST_F(MatrixPollingDialogTest, RoutesAreAddedToTheChosenGroupAndRemovedWithRenumbering) {
    open(kGroups);
    // No group chosen: nothing is added, and the window says why.
    click("suiButton3");
    EXPECT_EQ(get<QLabel>("pollingStatus")->text(), QStringLiteral("请先选择轮询组"));

    groups()->setCurrentRow(1);
    get<QComboBox>("ComboBox3")->setCurrentIndex(5);
    for (const char* in : {"11", "12", "13"}) {
        type(edit("Edit3"), QLatin1String(in));
        type(edit("Edit4"), QStringLiteral("9"));
        click("suiButton3");
    }
    EXPECT_EQ(groups()->item(1)->checkState(), Qt::Checked) << "a group with routes is polled";
    ASSERT_EQ(routes()->rowCount(), 3);
    EXPECT_EQ(row(2), texts({"2", "0", "0", "5", "13", "9"}));

    // An emptied field adds nothing.
    type(edit("Edit4"), QString());
    click("suiButton3");
    EXPECT_EQ(routes()->rowCount(), 3);
    EXPECT_EQ(get<QLabel>("pollingStatus")->text(), QStringLiteral("输入和输出须在 1-255 之间"));

    routes()->clearSelection();
    click("suiButton4");
    EXPECT_EQ(routes()->rowCount(), 3) << "nothing selected, nothing removed";
    routes()->selectRow(0);
    click("suiButton4");
    ASSERT_EQ(routes()->rowCount(), 2);
    EXPECT_EQ(row(0), texts({"0", "0", "0", "5", "12", "9"}));
    EXPECT_EQ(row(1), texts({"1", "0", "0", "5", "13", "9"}));

    // Unchecking a group leaves it out of polling.
    groups()->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(console->polling().group(1).enabled);
}

TEST_F(MatrixPollingDialogTest, TheGroupCountAddsItemsButNeverRemovesThem) {
    open(kGroups);
    type(edit("Edit1"), QStringLiteral("5"));
    click("suiButton5");
    EXPECT_EQ(groups()->count(), 5);
    EXPECT_EQ(groups()->item(4)->text(), QStringLiteral("005"));
    type(edit("Edit1"), QStringLiteral("2"));
    click("suiButton5");
    EXPECT_EQ(groups()->count(), 5);
    EXPECT_EQ(console->polling().groupCount(), 2);
    // Closing saves the two groups in use only.
    dialog->close();
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("GroupCount=2\n"));
}

TEST_F(MatrixPollingDialogTest, TheSwitchRunsPollingAndLocksTheGroupsMeanwhile) {
    struct Case {
        const char* what;
        QByteArray settings;
        bool runs;
    };
    const Case cases[] = {
        {"two enabled groups", kGroups, true},
        {"no enabled group: the switch goes back off",
         "[Matrix]\nAV_Company=5\n[MatrixRoll0]\nEnable=0\n", false},
    };
    for (const Case& c : cases) {
        open(c.settings);
        pollingSwitch()->click();
        EXPECT_EQ(pollingSwitch()->isChecked(), c.runs) << c.what;
        EXPECT_EQ(console->polling().running(), c.runs) << c.what;
        EXPECT_EQ(stepTimer()->isActive(), c.runs) << c.what;
        EXPECT_EQ(stepTimer()->interval(), 1000);
        EXPECT_EQ(groups()->isEnabled(), !c.runs) << c.what;
        EXPECT_EQ(get<QGroupBox>("GroupBox2")->isEnabled(), !c.runs) << c.what;
        if (!c.runs) {
            EXPECT_EQ(get<QLabel>("pollingStatus")->text(),
                      QStringLiteral("没有启用的轮询组, 轮询未启动"));
        }
        click("suiButton1"); // the hidden stop button
        EXPECT_FALSE(console->polling().running()) << c.what;
        EXPECT_FALSE(stepTimer()->isActive()) << c.what;
        EXPECT_TRUE(groups()->isEnabled()) << c.what;
        window.reset();
    }
}

TEST_F(MatrixPollingDialogTest, PollingThatWasOnRunsFromStartUpWithoutTheWindow) {
    for (const bool on : {true, false}) {
        writeFile(kGroups + "[MatrixRoll]\nOnOff=" + (on ? "1" : "0") + "\n");
        start();
        auto* form35 = window->window(QStringLiteral("Form35"));
        EXPECT_FALSE(form35->isVisible());
        EXPECT_EQ(console->polling().running(), on);
        EXPECT_EQ(stepTimer()->isActive(), on);
        EXPECT_EQ(form35->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked(), on);
        if (on) {
            // A turn of the timer is a step of polling: ten make the first group.
            for (int s = 0; s < 9; ++s)
                QMetaObject::invokeMethod(stepTimer(), "timeout");
            EXPECT_FALSE(console->polling().lastSent().has_value()) << "not before the tenth";
            QMetaObject::invokeMethod(stepTimer(), "timeout");
            EXPECT_TRUE(console->polling().lastSent().has_value());
        }
        window.reset();
    }
}

} // namespace
