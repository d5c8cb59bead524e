#pragma once

#include "wall/WallGrid.h"

#include <QStringList>
#include <QWidget>

namespace wall {

// What of a cell's text is drawn in a cell of this size: the whole text at
// the largest size that fits, down to a smallest readable one; else the
// address "r:c" alone; else nothing.
struct FittedCellText {
    QString text;
    int pixelSize = 0;
    bool bold = true;
    bool whole = false; // the whole text is drawn
};
FittedCellText fitCellText(const QString& text, const QSize& cell, const QFont& base);

// StringGrid1: one cell per screen, a rectangle selected with the mouse
// (drag, or shift-click from the last cell), cells in their own colours when
// custom colours are on, and a hover hint naming the cell under the mouse
// (its whole text where the cell is too small to show it).
class WallGridWidget final : public QWidget {
    Q_OBJECT
public:
    explicit WallGridWidget(QWidget* parent = nullptr);

    // Row and column counts with the default cell sizes of the resize rule.
    void setLayout(int rows, int cols, int rowHeight, int columnWidth);
    int rowCount() const { return rows_; }
    int columnCount() const { return cols_; }
    int defaultRowHeight() const { return rowHeight_; }
    int defaultColumnWidth() const { return columnWidth_; }

    void setCellTexts(const QStringList& rowMajorTexts);
    QString cellText(int row, int col) const;

    // Colours as 24-bit BGR, looked up when painting.
    void setColourSource(const WallGrid* model) { model_ = model; }
    void setCustomColours(bool on);

    const Selection& selection() const { return selection_; }
    void setSelection(const Selection& s);

    // The rectangle of a cell in widget coordinates.
    QRect cellRect(int row, int col) const;

Q_SIGNALS:
    void selectionChanged(const wall::Selection& selection);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<Cell> cellAt(QPoint p) const;
    void selectTo(const Cell& cell, bool always);

    int rows_ = 1;
    int cols_ = 1;
    int rowHeight_ = 24;
    int columnWidth_ = 64;
    QStringList texts_;
    const WallGrid* model_ = nullptr;
    bool customColours_ = false;
    Selection selection_;
    Cell anchor_;
    bool dragging_ = false;
};

// 0x00BBGGRR -> a colour.
QColor fromBgr(int bgr);

} // namespace wall
