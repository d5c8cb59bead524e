#pragma once

#include <QDialog>

class QCheckBox;

namespace wall {

class Console;
class ColourPalette;

// TForm30 "颜色工具栏": custom cell colours on or off, and a palette whose
// chosen colour paints the selected cells.
class ColourToolbar final : public QDialog {
    Q_OBJECT
public:
    ColourToolbar(Console& console, QWidget* parent);

    void suitempCheckBox1Click();
    void CColorGrid1MouseDown(int bgr);

Q_SIGNALS:
    // The grid must be repainted from the colour table.
    void coloursChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Console& console_;
    QCheckBox* custom_;
    ColourPalette* palette_;
};

} // namespace wall
