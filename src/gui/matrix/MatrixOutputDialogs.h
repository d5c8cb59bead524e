#pragma once

#include "matrix/MatrixSettings.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace wall {

class Console;

// TForm19 "矩阵输出选择": which matrix output feeds one screen, for the kind
// the matrix settings window shows. OK puts the choice into that window's
// map (saved by its own OK); the list keeps its last choice between showings.
class MatrixOutputDialog final : public QDialog {
    Q_OBJECT
public:
    MatrixOutputDialog(Console& console, QWidget* parent);

    // Shows the dialog for a screen of a kind's map, which must outlive it.
    void edit(MatrixTable& map, MatrixKind kind, int screen);
    void suitempBitBtn1Click(); // OK
    void suitempBitBtn2Click(); // cancel

Q_SIGNALS:
    // OK changed the screen's entry of the map.
    void outputsChosen();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Console& console_;
    MatrixTable* map_ = nullptr;
    MatrixKind kind_ = MatrixKind::AV;
    int screen_ = 0;
    QLabel* label_;
    QComboBox* outputs_; // ComboBox1
    QPushButton* ok_;
    QPushButton* cancel_;
};

// TForm34 "矩阵输出选择" on board 8: the AV outputs of a screen's four
// pictures AV1 … AV4.
class PictureOutputDialog final : public QDialog {
    Q_OBJECT
public:
    PictureOutputDialog(Console& console, QWidget* parent);

    void edit(MatrixTable& avMap, int screen);
    void suiButton1Click(); // OK
    void suiButton2Click(); // cancel

Q_SIGNALS:
    void outputsChosen();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Console& console_;
    MatrixTable* map_ = nullptr;
    int screen_ = 0;
    QGroupBox* group_;
    std::array<QComboBox*, kAvPicturesOnBoard8> outputs_{}; // suiComboBox1 … 4
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace wall
