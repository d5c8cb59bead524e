#include "WallGridWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace wall {

namespace {
// The selected-cell colour, 8421440 as BGR.
constexpr int kSelectedBgr = 8421440;
// The grid's own font size, and the smallest that is still read at a glance.
constexpr int kCellPixels = 13;
constexpr int kMinCellPixels = 8;
// Room the text keeps from the cell's edges: 2 left, 3 top, 2 right and
// bottom at the grid's own size, a pixel at smaller ones.
constexpr QMargins kTextMargins(2, 3, 2, 2);
constexpr QMargins kTightMargins(1, 1, 1, 0);

bool isDark(const QColor& c) {
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() < 128;
}
} // namespace

FittedCellText fitCellText(const QString& text, const QSize& cell, const QFont& base) {
    // The full text, then the address alone ("r:c"), each at the largest
    // size from the grid's own down to the smallest readable one. Below the
    // grid's own size the text takes the cell's whole height: capitals and
    // digits need only the ascent.
    // The address may at last drop the bold weight, which is wider.
    const QString address = text.section(QStringLiteral("  "), 0, 0);
    const struct {
        const QString& text;
        bool bold;
        int largest;
    } tries[] = {{text, base.bold(), kCellPixels},
                 {address, base.bold(), kCellPixels},
                 {address, false, kMinCellPixels}};
    for (const auto& t : tries) {
        for (int pixels = t.largest; pixels >= kMinCellPixels; --pixels) {
            QFont f = base;
            f.setPixelSize(pixels);
            f.setBold(t.bold);
            const QFontMetrics m(f);
            const QSize room = cell.shrunkBy(pixels == kCellPixels ? kTextMargins : kTightMargins);
            if (m.horizontalAdvance(t.text) <= room.width() && m.capHeight() <= room.height())
                return {t.text, pixels, t.bold, &t.text == &text};
        }
    }
    return {QString(), kMinCellPixels, false, text.isEmpty()};
}

QRect cellTextRect(const QRect& cell, int pixelSize) {
    return pixelSize == kCellPixels ? cell.marginsRemoved(kTextMargins)
                                    : cell.marginsRemoved(kTightMargins);
}

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
            // On the cells' own colours the selection must show whatever the
            // colour: a tint of the selection colour under a dark and a light
            // frame, one of which stands out on any background.
            // Small cells keep their frame on the edge, clear of the text.
            if (customColours_ && isSelected) {
                QColor tint = selected;
                tint.setAlpha(110);
                p.fillRect(cell, tint);
                const bool small = cell.height() < 24;
                const int width = small ? 1 : 2;
                p.setPen(QPen(QColor(0x20, 0x20, 0x20), width));
                p.drawRect(small ? cell.adjusted(0, 0, -1, -1) : cell.adjusted(1, 1, -1, -1));
                p.setPen(QPen(Qt::white, width));
                p.drawRect(small ? cell.adjusted(1, 1, -2, -2) : cell.adjusted(3, 3, -3, -3));
                back = back.darker(115);
            }
            const FittedCellText fitted = fitCellText(cellText(r, c), cell.size(), font());
            if (fitted.text.isEmpty())
                continue;
            QFont f = font();
            f.setPixelSize(fitted.pixelSize);
            f.setBold(fitted.bold);
            p.setFont(f);
            p.setPen((!customColours_ && isSelected) || isDark(back) ? Qt::white : Qt::black);
            // Small text is centred on its line, so that its capitals sit
            // inside the cell whatever the font's leading.
            p.drawText(cellTextRect(cell, fitted.pixelSize),
                       Qt::AlignLeft |
                           (fitted.pixelSize == kCellPixels ? Qt::AlignTop : Qt::AlignVCenter) |
                           Qt::TextSingleLine | Qt::TextDontClip,
                       fitted.text);
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
    // A cell whose text does not fit whole names it all in its hint.
    if (const auto hover = hoverCell(p.x(), p.y(), width(), height(), rows_, cols_)) {
        const QString text = cellText(hover->row, hover->col);
        const bool whole = fitCellText(text, cellRect(hover->row, hover->col).size(), font()).whole;
        setToolTip(whole || text.isEmpty() ? hoverHint(*hover) : text);
    }
    if (dragging_)
        if (const auto cell = cellAt(p))
            selectTo(*cell, false);
}

void WallGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace wall
