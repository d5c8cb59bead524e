#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;

namespace wall {

class Console;

// TForm35 "轮询设置": the polling groups of the AV matrix, their routes,
// the interval, and the switch. Created once at start-up, when it reads the
// polling settings and switches polling on if it was on; polling then runs
// whether or not the window is shown. Closing it writes the settings.
class MatrixPollingDialog final : public QDialog {
    Q_OBJECT
public:
    MatrixPollingDialog(Console& console, QWidget* parent);

    void ReadConfig();
    void WriteConfig();
    // Edit1Change … Edit4Change: the field reduced to its digits and clamped.
    void RangeEditChange(QLineEdit* edit, int maximum);
    // Appends items "001" … until the list holds `count`; never removes any.
    void CheckListBoxAdd(QListWidget* list, int count);
    void suiButton5Click(); // "确定": the group count
    void suiButton3Click(); // "+": a route for the chosen group
    void suiButton4Click(); // "-": the selected route removed
    void CheckListBox1Click();
    void CheckListBox1ClickCheck(QListWidgetItem* item);
    void CheckBox1Click();
    void suiButton2Click(); // start, as checking CheckBox1
    void suiButton1Click(); // stop, as unchecking it

    void done(int result) override; // FormClose

Q_SIGNALS:
    // A number field was clamped; the window beeped.
    void beeped();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showGroup(int group);
    void showRunning();
    void tell(const QString& text, bool problem);
    void retranslate();

    Console& console_;
    QLabel* groupCountLabel_;
    QLineEdit* edit1_;
    QPushButton* apply_;
    QLabel* intervalLabel_;
    QLineEdit* edit2_;
    QCheckBox* switch_;
    QListWidget* groups_;
    QGroupBox* groupBox2_;
    QLabel* protocolLabel_;
    QComboBox* protocol_;
    QLabel* typeLabel_;
    QComboBox* type_;
    QLabel* addressLabel_;
    QComboBox* address_;
    QLabel* inputLabel_;
    QLineEdit* edit3_;
    QLabel* outputLabel_;
    QLineEdit* edit4_;
    QPushButton* add_;
    QPushButton* remove_;
    QTableWidget* routes_;
    QPushButton* start_;
    QPushButton* stop_;
    QLabel* status_;
    bool rewriting_ = false; // a field or the list is being set, not edited
};

} // namespace wall
