#pragma once

#include "matrix/MatrixSettings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace wall {

class Console;
class PortSetupUi;

// TForm27 "串口设置": the wall link's port, and which matrix kinds use a
// serial device of their own.
class SerialSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    // `ports` shows the devices' own settings dialogs (owner: this dialog).
    SerialSettingsDialog(Console& console, PortSetupUi& ports, QWidget* parent);

    void FormShow();
    void settingsButtonClick(int device);
    void CheckBox1Click();
    void kindBoxClick(MatrixKind kind);
    void BitBtn6Click(); // save
    void BitBtn5Click(); // cancel

Q_SIGNALS:
    // The wall link may have changed: the status bar must be rewritten.
    void saved();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showFlags();
    void retranslate();

    Console& console_;
    PortSetupUi& ports_;
    QLabel* wallLabel_;
    QPushButton* wallButton_;                                // BitBtn1
    QCheckBox* matrixBox_;                                   // CheckBox1
    QPushButton* matrixButton_;                              // BitBtn2
    std::array<QCheckBox*, kMatrixKindCount> kindBoxes_;     // CheckBox2 … CheckBox5
    std::array<QPushButton*, kMatrixKindCount> kindButtons_; // BitBtn3, 4, 7, 8
    QPushButton* save_;
    QPushButton* cancel_;
};

} // namespace wall
