#include "ConsoleWindowFixture.h"
#include "matrix/InputRouting.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

// The output dialogs TForm19 and TForm34 and the input-name dialog TForm22,
// opened from the matrix settings window as the operator opens them.
class MatrixNamesDialogsTest : public ConsoleWindowFixture {
protected:
    void open(const QByteArray& settings) {
        writeFile(settings);
        start();
        find<QAction>(QStringLiteral("N9"))->trigger();
        ASSERT_TRUE(form("Form10")->isVisible());
    }
    QWidget* form(const char* name) const { return window->window(QLatin1String(name)); }
    template <typename T> T* in(const char* formName, const QString& name) const {
        QWidget* f = form(formName);
        T* w = f ? f->findChild<T*>(name) : nullptr;
        EXPECT_NE(w, nullptr) << formName << " " << name.toStdString();
        return w;
    }
    QTableWidget* cells() const {
        return in<QTableWidget>("Form10", QStringLiteral("suitempStringGrid1"));
    }
    // Selects the cells from (r0, c0) to (r1, c1) and double-clicks the last.
    void doubleClick(int r0, int c0, int r1, int c1) {
        cells()->clearSelection();
        cells()->setCurrentCell(r1, c1);
        cells()->setRangeSelected(QTableWidgetSelectionRange(r0, c0, r1, c1), true);
        Q_EMIT cells()->cellDoubleClicked(r1, c1);
    }
    static void choose(QComboBox* b, int item) {
        ASSERT_LT(item, b->count());
        b->setCurrentIndex(item);
        Q_EMIT b->activated(item);
    }
    QByteArray key(const char* name) const {
        const QByteArray file = readFile();
        const QByteArray k = "\n" + QByteArray(name) + "=";
        const qsizetype at = file.indexOf(k);
        if (at < 0)
            return {};
        const qsizetype start = at + k.size();
        return file.mid(start, file.indexOf('\n', start) - start);
    }
};

TEST_F(MatrixNamesDialogsTest, OutputSelectionSetsTheTopLeftScreenOfTheShownKind) {
    open("[SETTING]\nRow=2\nCol=3\n");
    choose(in<QComboBox>("Form10", QStringLiteral("ComboBox6")), 1); // VGA
    doubleClick(1, 1, 1, 2);
    QWidget* form19 = form("Form19");
    ASSERT_TRUE(form19->isVisible());
    EXPECT_FALSE(form("Form34")->isVisible());
    EXPECT_EQ(form19->windowTitle(), QStringLiteral("矩阵输出选择"));
    EXPECT_EQ(in<QLabel>("Form19", QStringLiteral("suitempLabel1"))->text(),
              QStringLiteral("选择此屏对应的矩阵输出"));
    auto* outputs = in<QComboBox>("Form19", QStringLiteral("ComboBox1"));
    ASSERT_EQ(outputs->count(), 871);
    EXPECT_EQ(outputs->itemText(0), QStringLiteral("不接矩阵"));
    EXPECT_EQ(outputs->itemText(870), QStringLiteral("矩阵输出870"));
    EXPECT_EQ(outputs->itemText(9), QStringLiteral("矩阵输出9  "));

    choose(outputs, 7);
    in<QPushButton>("Form19", QStringLiteral("suitempBitBtn1"))->click();
    EXPECT_FALSE(form19->isVisible());
    EXPECT_EQ(cells()->item(1, 1)->text(), QStringLiteral("7")) << "screen 4, the top left";
    EXPECT_EQ(cells()->item(1, 2)->text(), QStringLiteral("6"));
    EXPECT_EQ(key("Matrix_VGA_OutputStr4"), QByteArray()) << "nothing is written before OK";

    // The list keeps its choice; "不接矩阵" stores 0; cancel changes nothing.
    doubleClick(0, 0, 0, 0);
    EXPECT_EQ(outputs->currentIndex(), 7);
    choose(outputs, 0);
    in<QPushButton>("Form19", QStringLiteral("suitempBitBtn1"))->click();
    EXPECT_EQ(cells()->item(0, 0)->text(), QStringLiteral("0"));
    doubleClick(0, 1, 0, 1);
    choose(outputs, 3);
    in<QPushButton>("Form19", QStringLiteral("suitempBitBtn2"))->click();
    EXPECT_FALSE(form19->isVisible());
    EXPECT_EQ(cells()->item(0, 1)->text(), QStringLiteral("2"));

    in<QPushButton>("Form10", QStringLiteral("suitempButton2"))->click();
    EXPECT_EQ(key("Matrix_VGA_OutputStr0"), QByteArray("0"));
    EXPECT_EQ(key("Matrix_VGA_OutputStr1"), QByteArray("2"));
    EXPECT_EQ(key("Matrix_VGA_OutputStr4"), QByteArray("7"));
    EXPECT_EQ(console->state().matrix.outputMap[size_t(MatrixKind::VGA)][4], 7);
    EXPECT_EQ(console->state().matrix.outputMap[size_t(MatrixKind::AV)][4], 5) << "AV untouched";
}

TEST_F(MatrixNamesDialogsTest, OnBoardEightTheAvCellTakesFourPictureOutputs) {
    open("[SETTING]\nRow=2\nCol=2\n[System]\nBoardSel=8\n");
    doubleClick(0, 1, 0, 1);
    QWidget* form34 = form("Form34");
    ASSERT_TRUE(form34->isVisible());
    EXPECT_FALSE(form("Form19")->isVisible());
    EXPECT_EQ(form34->windowTitle(), QStringLiteral("矩阵输出选择"));
    EXPECT_EQ(in<QGroupBox>("Form34", QStringLiteral("suiGroupBox1"))->title(),
              QStringLiteral("矩阵输出对应设置"));
    const int chosen[] = {5, 6, 0, 8};
    for (int p = 0; p < 4; ++p) {
        auto* box = in<QComboBox>("Form34", QStringLiteral("suiComboBox%1").arg(p + 1));
        ASSERT_EQ(box->count(), 513);
        EXPECT_EQ(box->itemText(0), QStringLiteral("不接矩阵"));
        EXPECT_EQ(box->itemText(512), QStringLiteral("矩阵输出512"));
        EXPECT_EQ(in<QLabel>("Form34", QStringLiteral("suiLabel%1").arg(p + 1))->text(),
                  QStringLiteral("AV%1").arg(p + 1));
        choose(box, chosen[p]);
    }
    in<QPushButton>("Form34", QStringLiteral("suiButton1"))->click();
    EXPECT_FALSE(form34->isVisible());
    EXPECT_EQ(cells()->item(0, 1)->text(), QStringLiteral("5 6 0 8"));

    // Another kind on the same board uses the one-output dialog.
    choose(in<QComboBox>("Form10", QStringLiteral("ComboBox6")), 2); // DVI
    doubleClick(0, 0, 0, 0);
    EXPECT_TRUE(form("Form19")->isVisible());
    EXPECT_FALSE(form34->isVisible());
    in<QPushButton>("Form19", QStringLiteral("suitempBitBtn2"))->click();

    in<QPushButton>("Form10", QStringLiteral("suitempButton2"))->click();
    const char* keys[] = {"Matrix_AV_OutputStr4", "Matrix_AV_OutputStr5", "Matrix_AV_OutputStr6",
                          "Matrix_AV_OutputStr7"};
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(key(keys[p]), QByteArray::number(chosen[p])) << keys[p];
}

TEST_F(MatrixNamesDialogsTest, InputNamesAreWrittenAtOnceAndTheDialogStaysOpen) {
    open("[Matrix]\nMatrix_AV_InputMax=4\n");
    console->state().matrixInputListsCurrent = true;
    in<QPushButton>("Form10", QStringLiteral("suitempBitBtn3"))->click();
    QWidget* form22 = form("Form22");
    ASSERT_TRUE(form22->isVisible());
    EXPECT_EQ(form22->windowTitle(), QStringLiteral("设置矩阵输入名"));
    EXPECT_EQ(in<QGroupBox>("Form22", QStringLiteral("suitempGroupBox1"))->title(),
              QStringLiteral("AV"));
    auto* names = in<QComboBox>("Form22", QStringLiteral("ComboBox1"));
    auto* edit = in<QLineEdit>("Form22", QStringLiteral("Edit1"));
    auto* ok = in<QPushButton>("Form22", QStringLiteral("suitempBitBtn1"));
    ASSERT_EQ(names->count(), 4);
    EXPECT_EQ(names->itemText(3), QStringLiteral("矩阵输入4"));
    EXPECT_EQ(names->currentIndex(), 0);
    EXPECT_EQ(edit->text(), QStringLiteral("矩阵输入1"));

    // Renaming AV input 3.
    choose(names, 2);
    EXPECT_EQ(edit->text(), QStringLiteral("矩阵输入3"));
    edit->clear();
    edit->insert(QStringLiteral("一号摄像机"));
    ok->click();
    EXPECT_TRUE(form22->isVisible()) << "open for the next name";
    EXPECT_EQ(names->currentIndex(), 2);
    EXPECT_EQ(names->itemText(2), QStringLiteral("一号摄像机"));
    EXPECT_EQ(key("AV_InputName2"), QStringLiteral("一号摄像机").toUtf8());
    EXPECT_FALSE(console->state().matrixInputListsCurrent);
    EXPECT_EQ(console->inputRouting().inputItems(MatrixKind::AV)[2], QStringLiteral("一号摄像机"));
    EXPECT_TRUE(messages.isEmpty());

    // A name that would break the file: a message, the file and the list as
    // they were, the typed name still there to correct.
    const QByteArray before = readFile();
    choose(names, 1);
    edit->setText(QStringLiteral("[Matrix]"));
    ok->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_THAT(messages[0].text.toStdString(), testing::HasSubstr("["));
    EXPECT_EQ(readFile(), before);
    EXPECT_EQ(names->itemText(1), QStringLiteral("矩阵输入2"));
    EXPECT_EQ(edit->text(), QStringLiteral("[Matrix]"));

    // A name wider than a screen: shortened in the list, whole in the hint
    // and in the field, and the dialog stays narrower than the screen.
    const QString longName = QStringLiteral("Conference hall camera ").repeated(20).trimmed();
    edit->setText(longName);
    ok->click();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(key("AV_InputName1"), longName.toUtf8());
    EXPECT_NE(names->itemText(1), longName);
    EXPECT_TRUE(names->itemText(1).contains(QChar(0x2026))) << names->itemText(1).toStdString();
    EXPECT_EQ(names->itemData(1, Qt::ToolTipRole).toString(), longName);
    EXPECT_EQ(names->toolTip(), longName);
    choose(names, 0);
    choose(names, 1);
    EXPECT_EQ(edit->text(), longName);
    form22->adjustSize();
    EXPECT_LT(form22->width(), 1024);

    in<QPushButton>("Form22", QStringLiteral("suitempBitBtn2"))->click();
    EXPECT_FALSE(form22->isVisible());
}

TEST_F(MatrixNamesDialogsTest, TheDialogsSpeakTheConsolesLanguageExceptTheFourPictureWindow) {
    open("[SETTING]\nRow=1\nCol=1\n");
    find<QAction>(QStringLiteral("N18"))->trigger(); // English
    in<QPushButton>("Form10", QStringLiteral("suitempBitBtn3"))->click();
    EXPECT_EQ(form("Form22")->windowTitle(), QStringLiteral("Matrix Input Name"));
    EXPECT_EQ(in<QComboBox>("Form22", QStringLiteral("ComboBox1"))->itemText(0),
              QStringLiteral("MatrixInput1"));
    EXPECT_EQ(in<QPushButton>("Form22", QStringLiteral("suitempBitBtn1"))->text(),
              QStringLiteral("Ok"));
    doubleClick(0, 0, 0, 0);
    EXPECT_EQ(form("Form19")->windowTitle(), QStringLiteral("Matrix Output Sel"));
    // The outputs are the switcher's own names, in Chinese.
    auto* outputs = in<QComboBox>("Form19", QStringLiteral("ComboBox1"));
    EXPECT_EQ(outputs->itemText(0), QStringLiteral("不接矩阵"));
    EXPECT_EQ(outputs->itemText(870).trimmed(), QStringLiteral("矩阵输出870"));
    EXPECT_EQ(form("Form34")->findChild<QGroupBox*>()->title(), QStringLiteral("矩阵输出对应设置"));
    EXPECT_EQ(form("Form34")->windowTitle(), QStringLiteral("矩阵输出选择"));
}

} // namespace
