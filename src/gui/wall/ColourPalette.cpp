#include "ColourPalette.h"

#include "WallGridWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace wall {

// Black, maroon, green, olive, navy, purple, teal, grey, silver, red, lime,
// yellow, blue, fuchsia, aqua, white.
const std::array<int, 16> ColourPalette::kColours = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

ColourPalette::ColourPalette(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CColorGrid1"));
    setMinimumSize(sizeHint());
}

QRect ColourPalette::swatch(int index) const {
    const int cw = (width() - 1) / 4, ch = (height() - 1) / 4;
    return QRect(1 + (index % 4) * cw, 1 + (index / 4) * ch, cw - 2, ch - 2);
}

void ColourPalette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < int(kColours.size()); ++i) {
        const QRect r = swatch(i);
        // Disabled, the swatches keep their colours, dimmed.
        QColor colour = fromBgr(kColours[size_t(i)]);
        if (!isEnabled())
            colour.setAlpha(90);
        p.fillRect(r, palette().window());
        p.fillRect(r, colour);
        p.setPen(i == foreground_ ? QPen(palette().highlight(), 3) : QPen(Qt::darkGray));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void ColourPalette::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    for (int i = 0; i < int(kColours.size()); ++i)
        if (swatch(i).contains(event->position().toPoint())) {
            foreground_ = i;
            update();
            Q_EMIT foregroundChosen(kColours[size_t(i)]);
            return;
        }
}

} // namespace wall
