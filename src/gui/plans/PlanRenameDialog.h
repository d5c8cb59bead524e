#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wall {

class Console;

// TForm8 "预案模式重命名": names the plan selected in the main window's plan
// list. Not modal: the name goes to the entry selected when OK is pressed,
// which may differ from the one whose text was copied into the edit.
class PlanRenameDialog final : public QDialog {
    Q_OBJECT
public:
    PlanRenameDialog(Console& console, QListWidget& plans, QWidget* parent);

    // The selected entry's text into Edit1, and the dialog shown.
    void openFor(const QString& text);
    void BitBtn1Click(); // OK: apply the name
    void BitBtn2Click(); // cancel: close

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Console& console_;
    QListWidget& plans_;
    QLabel* label_;       // Label1
    QLineEdit* edit_;     // Edit1
    QPushButton* ok_;     // BitBtn1
    QPushButton* cancel_; // BitBtn2
};

} // namespace wall
