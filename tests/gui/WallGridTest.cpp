#include "ConsoleWindowFixture.h"
#include "support/PtyPair.h"
#include "wall/ColourPalette.h"
#include "wall/WallGridWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

using namespace wall;
using namespace wall::test;

namespace {

class WallGridTest : public ConsoleWindowFixture {
protected:
    void startOnPty(const QByteArray& more = {}) {
        writeFile("[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() + "\n" + more);
        start(true);
        grid = find<WallGridWidget>(QStringLiteral("StringGrid1"));
        ASSERT_NE(grid, nullptr);
    }
    QPoint centre(int row, int col) { return grid->cellRect(row, col).center(); }

    PtyPair pty;
    WallGridWidget* grid = nullptr;
};

TEST_F(WallGridTest, CustomColoursOfAFreshWallAreWhite) {
    startOnPty("[Wall]\nWallCustomColors=1\n");
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QImage image = grid->grab().toImage();
            const QRect cell = grid->cellRect(r, c);
            EXPECT_EQ(image.pixelColor(cell.center() + QPoint(0, cell.height() / 4)),
                      QColor(Qt::white))
                << r << "," << c;
        }
}

TEST_F(WallGridTest, TheDialogsShowTheStoredSettings) {
    startOnPty("[SETTING]\nRow=4\nCol=6\n[Wall]\nWallCustomColors=1\n");
    EXPECT_EQ(
        findIn<QComboBox>(QStringLiteral("Form4"), QStringLiteral("ComboBox1"))->currentText(),
        QStringLiteral("4"));
    EXPECT_EQ(
        findIn<QComboBox>(QStringLiteral("Form4"), QStringLiteral("ComboBox2"))->currentText(),
        QStringLiteral("6"));
    EXPECT_TRUE(
        findIn<QCheckBox>(QStringLiteral("Form30"), QStringLiteral("CheckBox1"))->isChecked());
    EXPECT_TRUE(findIn<ColourPalette>(QStringLiteral("Form30"), QStringLiteral("CColorGrid1"))
                    ->isEnabled());
}

TEST_F(WallGridTest, TheWallSettingsDialogResizesTheWallAndReloadsItsColours) {
    startOnPty("[WallColor]\nH1V3=255\n");
    find<QAction>(QStringLiteral("N5"))->trigger();
    findIn<QComboBox>(QStringLiteral("Form4"), QStringLiteral("ComboBox1"))->setCurrentIndex(3);
    findIn<QComboBox>(QStringLiteral("Form4"), QStringLiteral("ComboBox2"))->setCurrentIndex(1);
    findIn<QPushButton>(QStringLiteral("Form4"), QStringLiteral("BitBtn1"))->click();
    EXPECT_FALSE(window->window(QStringLiteral("Form4"))->isVisible());
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("Row=4\nCol=2\n"));
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->cellText(3, 1), QStringLiteral("4:2  "));
    EXPECT_EQ(console->grid().colour(1, 3), 255) << "the stored colour of the new cell";
    EXPECT_EQ(console->grid().colour(0, 3), kWhite);
}

TEST_F(WallGridTest, ColouringATwoByTwoSelectionWritesFourKeys) {
    startOnPty();
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre(1, 1));
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ShiftModifier, centre(2, 2));
    EXPECT_EQ(console->grid().selection(), (Selection{1, 1, 2, 2}));

    find<QAction>(QStringLiteral("N24"))->trigger();
    auto* custom = findIn<QCheckBox>(QStringLiteral("Form30"), QStringLiteral("CheckBox1"));
    auto* palette = findIn<ColourPalette>(QStringLiteral("Form30"), QStringLiteral("CColorGrid1"));
    EXPECT_FALSE(palette->isEnabled()) << "the palette starts disabled";
    custom->click();
    EXPECT_TRUE(palette->isEnabled());
    const QByteArray before = readFile();
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->swatch(9).center()); // red
    const QByteArray after = readFile();
    EXPECT_THAT(before.toStdString(), testing::HasSubstr("[Wall]\nWallCustomColors=1\n"));
    EXPECT_THAT(after.toStdString(),
                testing::HasSubstr("[WallColor]\nH1V1=255\nH1V2=255\nH2V1=255\nH2V2=255\n"));
    EXPECT_EQ(after.count("=255\n"), 4);
    const QImage image = grid->grab().toImage();
    EXPECT_EQ(image.pixelColor(grid->cellRect(2, 2).bottomRight() - QPoint(5, 5)), QColor(Qt::red));
}

TEST_F(WallGridTest, DraggingSelectsARectangleAndTheHintNamesTheCell) {
    startOnPty();
    QTest::mousePress(grid, Qt::LeftButton, {}, centre(0, 2));
    QTest::mouseMove(grid, centre(1, 1));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centre(1, 1));
    EXPECT_EQ(console->grid().selection(), (Selection{1, 0, 2, 1}));

    // The hint: uniform cells of width / Col by height / Row.
    const int w = grid->width() / 3, h = grid->height() / 3;
    QTest::mouseMove(grid, QPoint(w * 2 + w / 2, h + h / 2));
    EXPECT_EQ(grid->toolTip(), QStringLiteral("2:3"));
    QTest::mouseMove(grid, QPoint(w, h / 2)); // on a border: the hint stays
    EXPECT_EQ(grid->toolTip(), QStringLiteral("2:3"));

    EXPECT_TRUE(console->buttonWrite(0x41, 50).ok);
    EXPECT_EQ(pty.read(7, 2000).toHex(' '), QByteArray("fb b1 12 23 41 32 ae"));
}

TEST_F(WallGridTest, ResizingTheWindowFollowsTheSizingRule) {
    startOnPty();
    window->resize(1000, 700);
    const GridMetrics m = gridMetrics(window->width(), window->height(), 3, 3);
    EXPECT_EQ(grid->height(), m.height);
    EXPECT_EQ(grid->width(), m.width);
    EXPECT_EQ(grid->defaultRowHeight(), (m.height - 3 - 1) / 3);
    EXPECT_EQ(grid->defaultColumnWidth(), (m.width - 3 - 1) / 3);
}

} // namespace
