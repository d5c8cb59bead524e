#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace wall {

class Console;

// TForm2 "关机": asks before the selected screens are switched off.
class PowerOffDialog final : public QDialog {
    Q_OBJECT
public:
    PowerOffDialog(Console& console, QWidget* parent);

    void suitempBitBtn1Click(); // OK: one power-off frame to the selection

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Console& console_;
    QLabel* question_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace wall
