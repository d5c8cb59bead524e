#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wall {

class Console;

// TForm9 "系统设置": the delays, the command frame format, the switching
// order and the option switches of section SETTING.
class SystemSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    SystemSettingsDialog(Console& console, QWidget* parent);

    // Fills every field from the console's settings; called before showing.
    void loadFields();

    void suiCheckBox1Click(); // start with the computer, AutoPowerOn
    void suiCheckBox2Click(); // bLogin
    void suiCheckBox3Click(); // bReadEn
    void suiCheckBox4Click(); // bManYou (hidden)
    void BitBtn1Click();      // OK: store the fields and close
    void BitBtn2Click();      // cancel: close without storing

Q_SIGNALS:
    // Read-back or roaming changed: the board type must be applied again.
    void boardNeedsReapplying();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Delay { CmdDelay, PowerDelay, MatrixDelay, DelayCount };

    void delayEdited(Delay which);
    void retranslate();

    Console& console_;
    std::array<QLineEdit*, DelayCount> edits_; // Edit1 … Edit3
    std::array<QLabel*, DelayCount> captions_; // Label1 … Label3
    std::array<QLabel*, DelayCount> units_;    // Label4 … Label6
    std::array<int, DelayCount> held_{};       // the numbers of the boxes
    QLabel* formatLabel_;                      // Label7
    QLabel* orderLabel_;                       // Label8
    QComboBox* format_;                        // suiComboBox1
    QComboBox* order_;                         // suiComboBox2
    std::array<QCheckBox*, 4> options_;        // suiCheckBox1 … suiCheckBox4
    QPushButton* ok_;                          // BitBtn1
    QPushButton* cancel_;                      // BitBtn2
    bool rewriting_ = false;                   // a box is being rewritten with its number
    bool loading_ = false;                     // loadFields() is filling the boxes
};

} // namespace wall
