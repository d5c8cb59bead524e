#pragma once

#include "matrix/MatrixSettings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace wall {

class Console;

// TForm22 "设置矩阵输入名": renames the matrix inputs of one kind, one at a
// time. Each OK writes its name at once and the dialog stays open for the
// next; the input choosers show the names when they are next rebuilt.
class MatrixInputNamesDialog final : public QDialog {
    Q_OBJECT
public:
    MatrixInputNamesDialog(Console& console, QWidget* parent);

    // Lists the kind's inputs with their names, chooses the first and shows
    // the dialog.
    void openFor(MatrixKind kind);
    void suitempComboBox1Change();
    void suitempBitBtn1Click(); // OK
    void suitempBitBtn2Click(); // close

    // Names wider than this are shown shortened, the whole name in the hint.
    static constexpr int kNameWidthInChars = 40;

protected:
    void changeEvent(QEvent* event) override;

private:
    void list(MatrixKind kind); // the kind's names into ComboBox1, the first chosen
    void setItemName(int item, const QString& name);
    QString itemName(int item) const;
    void retranslate();

    Console& console_;
    MatrixKind kind_ = MatrixKind::AV;
    QGroupBox* group_;
    QComboBox* names_; // ComboBox1
    QLineEdit* edit_;  // Edit1
    QPushButton* ok_;
    QPushButton* close_;
};

} // namespace wall
