#include "WallGridWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace wall {

namespace {
// The selected-cell colour, 8421440 as BGR.
constexpr int kSelectedBgr = 8421440;
} // namespace

QColor fromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

WallGridWidget::WallGridWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StringGrid1"));
    setMouseTracking(true);
    setAutoFillBackground(false);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(13);
    setFont(f);
}

void WallGridWidget::setLayout(int rows, int cols, int rowHeight, int columnWidth) {
    rows_ = std::max(rows, 1);
    cols_ = std::max(cols, 1);
    rowHeight_ = std::max(rowHeight, 0);
    columnWidth_ = std::max(columnWidth, 0);
    if (selection_.right >= cols_ || selection_.bottom >= rows_)
        selection_ = {0, 0, 0, 0};
    update();
}

void WallGridWidget::setCellTexts(const QStringList& rowMajorTexts) {
    texts_ = rowMajorTexts;
    update();
}

QString WallGridWidget::cellText(int row, int col) const {
    const int i = row * cols_ + col;
    return i >= 0 && i < texts_.size() ? texts_.at(i) : QString();
}

void WallGridWidget::setCustomColours(bool on) {
    customColours_ = on;
    update();
}

void WallGridWidget::setSelection(const Selection& s) {
    selection_ = s;
    update();
}

QRect WallGridWidget::cellRect(int row, int col) const {
    // One-pixel lines around and between the cells.
    return QRect(1 + col * (columnWidth_ + 1), 1 + row * (rowHeight_ + 1), columnWidth_,
                 rowHeight_);
}

void WallGridWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QColor line(0xC0, 0xC0, 0xC0);
    const QColor selected = fromBgr(kSelectedBgr);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < cols_; ++c) {
            const QRect cell = cellRect(r, c);
            const bool isSelected = c >= selection_.left && c <= selection_.right &&
                                    r >= selection_.top && r <= selection_.bottom;
            QColor back = Qt::white;
            if (customColours_ && model_)
                back = fromBgr(model_->colour(c, r));
            else if (isSelected)
                back = selected;
            p.fillRect(cell, back);
            p.setPen(line);
            p.drawRect(cell.adjusted(-1, -1, 0, 0));
            // Custom colours keep the selection visible as a frame.
            if (customColours_ && isSelected) {
                p.setPen(QPen(selected, 3));
                p.drawRect(cell.adjusted(1, 1, -2, -2));
            }
            p.setPen(!customColours_ && isSelected ? Qt::white : Qt::black);
            p.drawText(cell.adjusted(2, 3, -2, -2),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cellText(r, c));
        }
    }
}

std::optional<Cell> WallGridWidget::cellAt(QPoint p) const {
    const int col = (p.x() - 1) / std::max(columnWidth_ + 1, 1);
    const int row = (p.y() - 1) / std::max(rowHeight_ + 1, 1);
    if (p.x() < 1 || p.y() < 1 || col >= cols_ || row >= rows_)
        return std::nullopt;
    return Cell{row, col};
}

void WallGridWidget::selectTo(const Cell& cell, bool always) {
    const Selection s{std::min(anchor_.col, cell.col), std::min(anchor_.row, cell.row),
                      std::max(anchor_.col, cell.col), std::max(anchor_.row, cell.row)};
    if (s == selection_ && !always)
        return;
    selection_ = s;
    update();
    Q_EMIT selectionChanged(selection_);
}

void WallGridWidget::mousePressEvent(QMouseEvent* event) {
    const auto cell = cellAt(event->position().toPoint());
    if (!cell || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (!(event->modifiers() & Qt::ShiftModifier))
        anchor_ = *cell;
    dragging_ = true;
    selectTo(*cell, true);
}

void WallGridWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    // The hint uses uniform cells over the whole widget; off every cell it
    // stays as it was.
    if (const auto hover = hoverCell(p.x(), p.y(), width(), height(), rows_, cols_))
        setToolTip(hoverHint(*hover));
    if (dragging_)
        if (const auto cell = cellAt(p))
            selectTo(*cell, false);
}

void WallGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace wall
