#pragma once

#include "matrix/InputRouting.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace wall {

class Console;

// TForm14 "输入控制": a source for the selected screens, and the matrix input
// that feeds it where a matrix is in use. The window reads its controls and
// hands them to the core's input routing; every choice is stored at once.
class InputControlDialog final : public QDialog {
    Q_OBJECT
public:
    InputControlDialog(Console& console, QWidget* parent);

    // The main window's N16Click: the choosers rebuilt where the lists are not
    // current, the stored choices restored, the board's sources listed.
    void N16Click();
    void SetMatrixControl();
    void SetMatrixDisplay();
    void FormShow();
    void suitempComboBox18Change();
    void Button1Click(); // OK
    // The source chosen now, or none.
    int currentSource() const;

Q_SIGNALS:
    // OK refused: why, for the status bar.
    void refused(const QString& why);
    // "使用矩阵" changed: the roaming page's own box shows the same.
    void matrixUseChanged(bool on);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void prepare(); // N16Click without the showing
    bool boardEightPictures() const;

    Console& console_;
    QComboBox* sources_ = nullptr;                   // ComboBox18
    std::array<QComboBox*, kChooserCount> inputs_{}; // ComboBox1 … ComboBox4
    QLabel* inputLabel_ = nullptr;                   // Label4
    QLabel* sourceLabel_ = nullptr;
    QComboBox* subSignal_ = nullptr; // suiComboBox1
    QCheckBox* singleScreen_ = nullptr;
    QCheckBox* useMatrix_ = nullptr;
    QGroupBox* switchType_ = nullptr; // suiRadioGroup1
    std::array<QRadioButton*, 3> switchTypes_{};
    QButtonGroup* switchButtons_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool filling_ = false; // lists being filled: their changes are not the operator's
};

} // namespace wall
