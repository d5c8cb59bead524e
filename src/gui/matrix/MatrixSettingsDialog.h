#pragma once

#include "matrix/MatrixSettings.h"

#include <QDialog>

#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace wall {

class Console;
struct MatrixSetup;

// TForm10 "矩阵设置": the switcher of each matrix kind (protocol, model,
// address, inputs, command delay) and the wiring of the wall's screens to
// its outputs. The fields keep their values between showings; only OK
// changes the console's settings. Only the AV page takes input.
class MatrixSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    MatrixSettingsDialog(Console& console, QWidget* parent);
    ~MatrixSettingsDialog() override;

    void FormShow();
    void suitempButton2Click(); // OK
    void suitempButton3Click(); // close
    // suitempComboBox1Change, suitempComboBox7Change, suitempComboBox12Change,
    // suiComboBox1Change: a page's protocol list changed.
    void protocolChanged(MatrixKind kind);
    void suitempPageControl1Change();
    void suitempComboBox6Change();
    void suitempStringGrid1DblClick();
    void suitempBitBtn1Click(); // One To One
    void suitempBitBtn2Click(); // Cancel All
    // suitempBitBtn3Click … suitempBitBtn5Click, suiButton1Click: the input
    // names of the AV, VGA, DVI or YPbPr page.
    void inputNamesClick(MatrixKind kind);

    // The output map of a kind as the window shows it, for the output
    // dialogs to change; refreshCells shows their change in the grid.
    MatrixTable& editedOutputMap(MatrixKind kind);
    void refreshCells();

Q_SIGNALS:
    // OK stored new settings: the main window's menus and matrix-input
    // choosers follow them.
    void matrixSettingsSaved();
    // A double click asks for a screen's output dialog (one output, or the
    // four pictures of board 8).
    void outputDialogRequested(wall::MatrixKind kind, int screen, bool fourPictures);
    void inputNamesRequested(wall::MatrixKind kind);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One page's fields; a kind without a model list has no model field.
    struct Page {
        QWidget* page = nullptr;
        std::array<QLabel*, 5> labels{};
        QComboBox* protocol = nullptr;
        QComboBox* model = nullptr;
        QComboBox* address = nullptr;
        QComboBox* inputs = nullptr;
        QComboBox* delay = nullptr;
        QPushButton* inputNames = nullptr;
    };

    void buildPage(MatrixKind kind);
    void loadFields(); // the fields from the console's settings
    void showFields(MatrixKind kind);
    void applyVisibility(MatrixKind kind);
    void fillCells();
    MatrixKind diagramKind() const;
    void retranslate();

    Console& console_;
    std::unique_ptr<MatrixSetup> setup_; // what the fields show
    std::array<Page, kMatrixKindCount> pages_;
    QTabWidget* pageControl_;
    QGroupBox* diagram_;
    QLabel* diagramKindLabel_;
    QComboBox* diagramKind_; // ComboBox6
    QTableWidget* grid_;
    QPushButton* oneToOne_;
    QPushButton* cancelAll_;
    QPushButton* ok_;
    QPushButton* close_;
};

} // namespace wall
