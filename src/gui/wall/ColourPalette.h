#pragma once

#include <QWidget>

#include <array>

namespace wall {

// CColorGrid1: the 16-colour palette. A left click chooses the foreground
// colour and reports it.
class ColourPalette final : public QWidget {
    Q_OBJECT
public:
    // The sixteen colours as 24-bit BGR values, in palette order.
    static const std::array<int, 16> kColours;

    explicit ColourPalette(QWidget* parent = nullptr);

    int foreground() const { return kColours[size_t(foreground_)]; }
    int foregroundIndex() const { return foreground_; }
    QRect swatch(int index) const;
    QSize sizeHint() const override { return {4 * 28 + 1, 4 * 28 + 1}; }

Q_SIGNALS:
    // A left click on a swatch: the chosen colour (BGR).
    void foregroundChosen(int bgr);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int foreground_ = 0;
};

} // namespace wall
