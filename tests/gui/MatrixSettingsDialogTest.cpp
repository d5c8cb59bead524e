#include "matrix/MatrixSettingsDialog.h"
#include "ConsoleWindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>

#include <gmock/gmock.h>

#include <functional>

using namespace wall;
using namespace wall::test;

namespace {

class MatrixSettingsDialogTest : public ConsoleWindowFixture {
protected:
    // Starts the console on these settings and shows the dialog.
    void open(const QByteArray& settings) {
        writeFile(settings);
        start();
        dialog = qobject_cast<MatrixSettingsDialog*>(window->window(QStringLiteral("Form10")));
        ASSERT_NE(dialog, nullptr);
        find<QAction>(QStringLiteral("N9"))->trigger();
        ASSERT_TRUE(dialog->isVisible());
    }
    QComboBox* box(const char* name) const {
        return dialog->findChild<QComboBox*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const {
        return dialog->findChild<QPushButton*>(QLatin1String(name));
    }
    QTabWidget* pages() const {
        return dialog->findChild<QTabWidget*>(QStringLiteral("suitempPageControl1"));
    }
    QTableWidget* cells() const {
        return dialog->findChild<QTableWidget*>(QStringLiteral("suitempStringGrid1"));
    }
    QString cell(int r, int c) const { return cells()->item(r, c)->text(); }
    // The operator picks an item (a program setting the list does not count).
    static void choose(QComboBox* b, const QString& text) {
        const int item = b->findText(text);
        ASSERT_GE(item, 0) << text.toStdString();
        b->setCurrentIndex(item);
        Q_EMIT b->activated(item);
    }
    void ok() { button("suitempButton2")->click(); }
    QByteArray key(const char* name) const {
        const QByteArray file = readFile();
        const QByteArray k = "\n" + QByteArray(name) + "=";
        const qsizetype at = file.indexOf(k);
        if (at < 0)
            return {};
        const qsizetype from = at + k.size();
        return file.mid(from, file.indexOf('\n', from) - from).trimmed();
    }
    bool shown(const char* name) const { return !box(name)->isHidden(); }

    MatrixSettingsDialog* dialog = nullptr;
};

TEST_F(MatrixSettingsDialogTest, AFreshInstallationShowsTheDefaultsAndOnlyTheAvPageTakesInput) {
    open("");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("矩阵设置"));
    const char* protocols[] = {"suitempComboBox1", "suitempComboBox7", "suitempComboBox12",
                               "suiComboBox1"};
    for (const char* p : protocols)
        EXPECT_EQ(box(p)->currentText(), QStringLiteral("NotUsed")) << p;
    EXPECT_EQ(box("suitempComboBox3")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(box("suitempComboBox4")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(box("suitempComboBox5")->currentText(), QStringLiteral("100 ms"));
    EXPECT_EQ(box("suitempComboBox5")->count(), 22);
    EXPECT_EQ(box("suitempComboBox15")->count(), 14) << "the DVI delay list";
    EXPECT_EQ(box("suitempComboBox2")->itemText(6), QStringLiteral("24X16"));
    EXPECT_EQ(box("suitempComboBox1")->itemText(88), QStringLiteral("Panasonic"));
    EXPECT_EQ(box("suitempComboBox12")->itemText(25), QStringLiteral("ZRQ003"));

    EXPECT_TRUE(pages()->widget(0)->isEnabled());
    for (int k = 1; k < 4; ++k) {
        EXPECT_FALSE(pages()->widget(k)->isEnabled()) << k;
        EXPECT_TRUE(pages()->isTabEnabled(k)) << "the page can still be looked at";
    }
    EXPECT_EQ(pages()->tabText(3), QStringLiteral("YPbPr矩阵"));
    // "NotUsed" shows no field but the delay.
    EXPECT_FALSE(shown("suitempComboBox2"));
    EXPECT_FALSE(shown("suitempComboBox3"));
    EXPECT_FALSE(shown("suitempComboBox4"));
    EXPECT_TRUE(shown("suitempComboBox5"));

    ASSERT_EQ(cells()->rowCount(), 3);
    ASSERT_EQ(cells()->columnCount(), 3);
    EXPECT_EQ(cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("8")) << "one-to-one: screen n on output n + 1";
    EXPECT_EQ(box("ComboBox6")->currentIndex(), 0);
}

TEST_F(MatrixSettingsDialogTest, CaptionsInBothLanguages) {
    open("");
    auto labelFor = [&](const char* field) {
        QWidget* box = this->box(field);
        const auto* form = qobject_cast<QFormLayout*>(box->parentWidget()->layout());
        return qobject_cast<QLabel*>(form->labelForField(box))->text();
    };
    auto groupTitle = [&] {
        return dialog->findChild<QGroupBox*>(QStringLiteral("suitempGroupBox1"))->title();
    };
    struct Case {
        std::function<QString()> caption;
        const char* chinese;
        const char* english;
    };
    const Case cases[] = {
        {[&] { return dialog->windowTitle(); }, "矩阵设置", "Matrix"},
        {[&] { return pages()->tabText(0); }, "AV矩阵", "AV Matrix"},
        {[&] { return pages()->tabText(1); }, "VGA矩阵", "VGA Matrix"},
        {[&] { return pages()->tabText(2); }, "DVI矩阵", "DVI Matrix"},
        {[&] { return pages()->tabText(3); }, "YPbPr矩阵", "YPbPr Matrix"},
        {[&] { return labelFor("suitempComboBox1"); }, "矩阵厂家", "Brand"},
        {[&] { return labelFor("suitempComboBox2"); }, "矩阵型号", "Model"},
        {[&] { return labelFor("suitempComboBox3"); }, "设备地址", "Address"},
        {[&] { return labelFor("suitempComboBox4"); }, "输入总数", "Input Total"},
        {[&] { return labelFor("suiComboBox4"); }, "命令延时", "Comm Delay"},
        {groupTitle, "矩阵输出连接示意图", "Matrix Output Connection Diagram"},
        {[&] { return dialog->findChild<QLabel*>(QStringLiteral("suitempLabel1"))->text(); },
         "矩阵与拼接盒连接设置", "Matrix To Processor Connections"},
        {[&] { return button("suitempBitBtn1")->text(); }, "一对一接法", "One To One"},
        {[&] { return button("suitempBitBtn2")->text(); }, "取消所有连接", "Cancel All"},
        {[&] { return button("suiButton1")->text(); }, "设置矩阵输入名", "Matrix Input Name"},
        {[&] { return button("suitempButton2")->text(); }, "确  认", "OK"},
        {[&] { return button("suitempButton3")->text(); }, "关  闭", "Close"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.caption(), QString::fromUtf8(c.chinese));
    window->SetLanguage(1);
    for (const Case& c : cases)
        EXPECT_EQ(c.caption(), QString::fromUtf8(c.english)) << c.chinese;
    EXPECT_EQ(box("suitempComboBox1")->itemText(28), QStringLiteral("EXTRON"))
        << "protocol names are not translated";
}

TEST_F(MatrixSettingsDialogTest, FieldsFollowThePageProtocol) {
    open("[Matrix]\nVGA_Company=9\nDVI_Company=3\nYUV_Company=2\n");
    struct Case {
        const char* protocol;
        bool model, address, inputs;
    };
    const Case av[] = {
        {"TRIOLION", true, false, false}, {"AB8TO4", false, false, false},
        {"EXTRON", false, false, true},   {"ZC001", false, true, true},
        {"NotUsed", false, false, false},
    };
    for (const Case& c : av) {
        choose(box("suitempComboBox1"), QLatin1String(c.protocol));
        EXPECT_EQ(shown("suitempComboBox2"), c.model) << c.protocol;
        EXPECT_EQ(shown("suitempComboBox3"), c.address) << c.protocol;
        EXPECT_EQ(shown("suitempComboBox4"), c.inputs) << c.protocol;
        EXPECT_TRUE(shown("suitempComboBox5")) << c.protocol;
    }
    // The stored protocols of the other pages on showing.
    EXPECT_TRUE(shown("suitempComboBox8")) << "VGA TRIOLION: the model";
    EXPECT_FALSE(shown("suitempComboBox10"));
    EXPECT_FALSE(shown("suitempComboBox13")) << "DVI LKV344: the input count only";
    EXPECT_TRUE(shown("suitempComboBox14"));
    EXPECT_TRUE(shown("suiComboBox2")) << "YPbPr MVIIBR: address and input count";
    EXPECT_TRUE(shown("suiComboBox3"));
}

TEST_F(MatrixSettingsDialogTest, OkRoundTripsEveryFieldThroughTheFile) {
    open("[Matrix]\nVGA_Company=5\nVGA_Type=3\nVGA_ID=9\nMatrix_VGA_InputMax=32\n"
         "Matrix_VGA_DelayTime=40\nDVI_Company=10\nDVI_ID=4\nMatrix_DVI_InputMax=8\n"
         "Matrix_DVI_DelayTime=50\nYUV_Company=1\nYUV_ID=0\nMatrix_YUV_InputMax=300\n"
         "Matrix_YUV_DelayTime=250\n");
    EXPECT_EQ(box("suitempComboBox15")->currentText(), QStringLiteral("50 ms"));
    EXPECT_EQ(box("suiComboBox4")->currentText(), QStringLiteral("100 ms"))
        << "250 is no item: the list shows its initial item";
    EXPECT_EQ(box("suiComboBox3")->currentText(), QStringLiteral("300"));

    choose(box("suitempComboBox1"), QStringLiteral("ZC001"));
    choose(box("suitempComboBox3"), QStringLiteral("17"));
    choose(box("suitempComboBox4"), QStringLiteral("64"));
    choose(box("suitempComboBox5"), QStringLiteral("1500 ms"));
    ok();
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open after OK";
    const std::pair<const char*, const char*> expected[] = {
        {"AV_Company", "4"},
        {"AV_Type", "0"},
        {"AV_ID", "17"},
        {"Matrix_AV_InputMax", "64"},
        {"Matrix_AV_DelayTime", "1500"},
        {"VGA_Company", "5"},
        {"VGA_Type", "3"},
        {"VGA_ID", "9"},
        {"Matrix_VGA_InputMax", "32"},
        {"Matrix_VGA_DelayTime", "40"},
        {"DVI_Company", "10"},
        {"DVI_ID", "4"},
        {"Matrix_DVI_InputMax", "8"},
        {"Matrix_DVI_DelayTime", "50"},
        {"YUV_Company", "1"},
        {"YUV_ID", "0"},
        {"Matrix_YUV_InputMax", "300"},
        {"Matrix_YUV_DelayTime", "250"},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(key(name), QByteArray(value)) << name;
    EXPECT_EQ(key("Matrix_AV_OutputStr8"), QByteArray("9"));
    EXPECT_EQ(key("Matrix_YUV_OutputStr0"), QByteArray("1"));
    const MatrixSettings& av = console->state().matrix.settings(MatrixKind::AV);
    EXPECT_EQ(av.company, 4);
    EXPECT_EQ(av.delayTime, 1500);

    // A restart shows the same items again.
    dialog = nullptr;
    window.reset();
    console.reset();
    devices.reset();
    open(readFile());
    EXPECT_EQ(box("suitempComboBox1")->currentText(), QStringLiteral("ZC001"));
    EXPECT_EQ(box("suitempComboBox3")->currentText(), QStringLiteral("17"));
    EXPECT_EQ(box("suitempComboBox4")->currentText(), QStringLiteral("64"));
    EXPECT_EQ(box("suitempComboBox5")->currentText(), QStringLiteral("1500 ms"));
    EXPECT_EQ(box("suitempComboBox11")->currentText(), QStringLiteral("40 ms"));
}

TEST_F(MatrixSettingsDialogTest, TheProtocolFixesTheInputCountOfTriolionAndAb8to4) {
    open("");
    choose(box("suitempComboBox1"), QStringLiteral("TRIOLION"));
    choose(box("suitempComboBox2"), QStringLiteral("24X16"));
    choose(box("suitempComboBox4"), QStringLiteral("100"));
    choose(box("suitempComboBox5"), QStringLiteral("10 ms"));
    ok();
    EXPECT_EQ(key("Matrix_AV_InputMax"), QByteArray("24")) << "whatever the input list shows";
    EXPECT_EQ(key("AV_Type"), QByteArray("6"));
    EXPECT_EQ(key("Matrix_AV_DelayTime"), QByteArray("10"));
    EXPECT_EQ(console->state().matrix.settings(MatrixKind::AV).inputMax, 24);

    choose(box("suitempComboBox1"), QStringLiteral("AB8TO4"));
    ok();
    EXPECT_EQ(key("Matrix_AV_InputMax"), QByteArray("8"));
    choose(box("suitempComboBox1"), QStringLiteral("EXTRON"));
    EXPECT_EQ(box("suitempComboBox4")->currentText(), QStringLiteral("100"))
        << "the input list kept the operator's choice";
    ok();
    EXPECT_EQ(key("Matrix_AV_InputMax"), QByteArray("100"));
}

TEST_F(MatrixSettingsDialogTest, AHandEditedDelayIsUsedAndKeptUntilAnotherIsChosen) {
    open("[Matrix]\nAV_Company=28\nMatrix_AV_DelayTime=250\n");
    EXPECT_EQ(console->state().matrix.settings(MatrixKind::AV).delayTime, 250);
    EXPECT_EQ(box("suitempComboBox5")->currentText(), QStringLiteral("100 ms"));
    choose(box("suitempComboBox3"), QStringLiteral("2"));
    ok();
    EXPECT_EQ(key("Matrix_AV_DelayTime"), QByteArray("250")) << "OK does not lose it";
    choose(box("suitempComboBox5"), QStringLiteral("100 ms"));
    ok();
    EXPECT_EQ(key("Matrix_AV_DelayTime"), QByteArray("100"));
}

TEST_F(MatrixSettingsDialogTest, OneToOneAndCancelAllChangeNothingUntilOk) {
    open("[SETTING]\nRow=2\nCol=2\n[System]\nBoardSel=8\n"
         "[Matrix]\nMatrix_VGA_OutputStr3=9\n");
    const QByteArray before = readFile();
    EXPECT_EQ(cell(0, 0), QStringLiteral("1 1 1 1")) << "four pictures per screen";
    EXPECT_EQ(cell(1, 1), QStringLiteral("4 4 4 4"));

    button("suitempBitBtn1")->click(); // One To One on AV
    EXPECT_EQ(cell(0, 0), QStringLiteral("1 2 3 4")) << "only the first Row x Col entries";
    EXPECT_EQ(cell(0, 1), QStringLiteral("2 2 2 2"));
    EXPECT_EQ(console->state().matrix.outputMap[size_t(MatrixKind::AV)][1], 1)
        << "not in memory before OK";

    choose(box("ComboBox6"), QStringLiteral("VGA"));
    EXPECT_EQ(pages()->currentIndex(), 0) << "the kind list leaves the page";
    EXPECT_EQ(cell(1, 1), QStringLiteral("9"));
    button("suitempBitBtn2")->click(); // Cancel All on VGA
    EXPECT_EQ(cell(1, 1), QStringLiteral("0"));
    EXPECT_EQ(readFile(), before) << "nothing saved before OK";

    ok();
    const MatrixConfig& m = console->state().matrix;
    EXPECT_EQ(m.outputMap[size_t(MatrixKind::AV)][1], 2);
    EXPECT_EQ(m.outputMap[size_t(MatrixKind::VGA)][3], 0);
    EXPECT_EQ(key("Matrix_AV_OutputStr3"), QByteArray("4"));
    EXPECT_EQ(key("Matrix_AV_OutputStr15"), QByteArray("4")) << "four entries per screen";
    EXPECT_EQ(key("Matrix_AV_OutputStr16"), QByteArray());
    EXPECT_EQ(key("Matrix_VGA_OutputStr3"), QByteArray("0"));
    EXPECT_EQ(key("Matrix_VGA_OutputStr4"), QByteArray()) << "one entry per screen";

    pages()->setCurrentIndex(2);
    EXPECT_EQ(box("ComboBox6")->currentIndex(), 2) << "a page shows its own kind's wiring";
    EXPECT_EQ(cell(0, 1), QStringLiteral("2"));
}

TEST_F(MatrixSettingsDialogTest, OkAppliesTheMenuRulesOfTheAvProtocol) {
    open("");
    console->state().matrixInputListsCurrent = true;
    struct Case {
        const char* protocol;
        bool camera, panasonic;
    };
    const Case cases[] = {
        {"MAINVAN", true, false},
        {"INFINOVA", true, false},
        {"Panasonic", false, true},
        {"EXTRON", false, false},
    };
    for (const Case& c : cases) {
        choose(box("suitempComboBox1"), QLatin1String(c.protocol));
        ok();
        EXPECT_EQ(find<QAction>(QStringLiteral("N26"))->isVisible(), c.camera) << c.protocol;
        EXPECT_EQ(find<QAction>(QStringLiteral("N63"))->isVisible(), c.camera) << c.protocol;
        EXPECT_EQ(find<QAction>(QStringLiteral("PanasonicLogin1"))->isVisible(), c.panasonic)
            << c.protocol;
        EXPECT_EQ(find<QAction>(QStringLiteral("PanasonicLogout1"))->isVisible(), c.panasonic)
            << c.protocol;
    }
    EXPECT_FALSE(console->state().matrixInputListsCurrent)
        << "OK marks the input choosers for rebuilding";
}

TEST_F(MatrixSettingsDialogTest, ADoubleClickAsksForTheScreensOutputDialog) {
    open("[SETTING]\nRow=2\nCol=2\n[System]\nBoardSel=8\n");
    QSignalSpy asked(dialog, &MatrixSettingsDialog::outputDialogRequested);
    cells()->setCurrentCell(1, 0);
    dialog->suitempStringGrid1DblClick();
    choose(box("ComboBox6"), QStringLiteral("DVI"));
    dialog->suitempStringGrid1DblClick();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0][0].value<MatrixKind>(), MatrixKind::AV);
    EXPECT_EQ(asked[0][1].toInt(), 2);
    EXPECT_TRUE(asked[0][2].toBool()) << "AV on board 8: the four-picture dialog";
    EXPECT_EQ(asked[1][0].value<MatrixKind>(), MatrixKind::DVI);
    EXPECT_FALSE(asked[1][2].toBool());
}

TEST_F(MatrixSettingsDialogTest, EachPageHasItsInputNamesButtonAndOnlyAvsCanBePressed) {
    open("");
    QSignalSpy asked(dialog, &MatrixSettingsDialog::inputNamesRequested);
    const char* buttons[] = {"suitempBitBtn3", "suitempBitBtn4", "suitempBitBtn5", "suiButton1"};
    for (int k = 0; k < 4; ++k) {
        QPushButton* b = button(buttons[k]);
        ASSERT_NE(b, nullptr) << buttons[k];
        EXPECT_EQ(b->text(), QStringLiteral("设置矩阵输入名"));
        EXPECT_EQ(b->isEnabled(), k == 0) << buttons[k];
    }
    button("suitempBitBtn3")->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][0].value<MatrixKind>(), MatrixKind::AV);
}

} // namespace
