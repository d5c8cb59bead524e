#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace wall {

class Console;

// TForm4 "幕墙设置": the number of rows and columns of the wall.
class WallSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    WallSettingsDialog(Console& console, QWidget* parent);

    void suitempBitBtn1Click(); // OK

Q_SIGNALS:
    // The wall was resized: the grid must be laid out and labelled anew.
    void wallResized();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Console& console_;
    QComboBox* rows_;
    QComboBox* cols_;
    QLabel* rowsLabel_;
    QLabel* colsLabel_;
    QPushButton* ok_;
};

} // namespace wall
