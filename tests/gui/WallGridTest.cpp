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
    const Selection& s = grid->selection();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            if (r >= s.top && r <= s.bottom && c >= s.left && c <= s.right)
                continue; // tinted as selected
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
    grid->setSelection({0, 0, 0, 0}); // the coloured cells unselected, untinted
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

TEST(CellText, ShrinksThenKeepsTheAddressThenNothing) {
    QFont bold;
    bold.setBold(true);
    bold.setPixelSize(13);
    const QString text = QStringLiteral("12:30  HDMI");
    const QFontMetrics m13(bold);
    const int whole = m13.horizontalAdvance(text) + 4;
    struct Case {
        const char* what;
        QSize cell;
        QString shown;
        bool smaller; // drawn below the grid's own 13 pixels
    };
    const Case cases[] = {
        {"room to spare", QSize(whole + 40, 40), text, false},
        {"a little short: a smaller font", QSize(whole - 6, 40), text, true},
        {"far too narrow: the address", QSize(whole / 2, 40), QStringLiteral("12:30"), false},
        {"no room at all", QSize(6, 6), QString(), true},
    };
    for (const Case& c : cases) {
        const FittedCellText fitted = fitCellText(text, c.cell, bold);
        EXPECT_EQ(fitted.text, c.shown) << c.what;
        EXPECT_EQ(fitted.whole, c.shown == text) << c.what;
        EXPECT_EQ(fitted.pixelSize < 13, c.smaller) << c.what;
        EXPECT_GE(fitted.pixelSize, 8) << c.what;
    }
}

TEST_F(WallGridTest, AThirtyByThirtyWallShowsEveryCellsAddressAndHintsTheWholeText) {
    startOnPty("[SETTING]\nRow=30\nCol=30\n[Unit1]\nSource899=10\n");
    window->resize(1024, 700); // the smallest size the console is made for
    QCoreApplication::processEvents();
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 30; ++c) {
            const QString text = grid->cellText(r, c);
            const FittedCellText fitted =
                fitCellText(text, grid->cellRect(r, c).size(), grid->font());
            ASSERT_TRUE(text.startsWith(fitted.text)) << text.toStdString();
            ASSERT_EQ(fitted.text.section(QStringLiteral("  "), 0, 0),
                      QStringLiteral("%1:%2").arg(r + 1).arg(c + 1))
                << "the address stays readable";
        }
    // The last cell's source name does not fit: the hint names it.
    QTest::mouseMove(grid, grid->cellRect(29, 29).center());
    EXPECT_EQ(grid->toolTip(), grid->cellText(29, 29));
    EXPECT_THAT(grid->toolTip().toStdString(), testing::StartsWith("30:30  "));
}

TEST_F(WallGridTest, TheSelectionStandsOutOnEveryColourOfThePalette) {
    startOnPty("[Wall]\nWallCustomColors=1\n");
    auto* palette = findIn<ColourPalette>(QStringLiteral("Form30"), QStringLiteral("CColorGrid1"));
    ASSERT_NE(palette, nullptr);
    const auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    for (int bgr : ColourPalette::kColours) {
        console->grid().setSelection({0, 0, 1, 0});
        console->colourSelection(bgr);
        grid->setSelection({0, 0, 0, 0}); // cell 1:1 selected, 1:2 the same colour unselected
        const QImage image = grid->grab().toImage();
        const QRect selected = grid->cellRect(0, 0), plain = grid->cellRect(0, 1);
        const QColor background = image.pixelColor(plain.center());
        EXPECT_EQ(background, fromBgr(bgr));
        // Some part of the selected cell's frame differs strongly from the colour.
        int strongest = 0;
        for (int inset : {1, 2, 3, 4})
            strongest =
                std::max(strongest,
                         distance(image.pixelColor(selected.left() + inset, selected.center().y()),
                                  background));
        EXPECT_GT(strongest, 200) << "colour " << bgr;
    }
    // Disabled, the swatches keep their colours, dimmed rather than grey.
    palette->setEnabled(false);
    const QImage swatches = palette->grab().toImage();
    const QColor red = swatches.pixelColor(palette->swatch(9).center()); // 0x0000FF
    EXPECT_GT(red.hsvSaturation(), 40) << "not grey";
}

} // namespace
