#pragma once

#include "wall/PageReads.h"

#include <QList>
#include <QObject>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;

namespace wall {

class Console;
class ListPanel;
class SliderPanel;
struct ReadEvent;
struct CommandResult;

// The nine parameter pages of PageControl1, built from the page tables, and
// the read functions that fill them.
class ControlPages final : public QObject {
    Q_OBJECT
public:
    ControlPages(Console& console, QTabWidget* pages, QWidget* window);

    // The buttons beside the pages ("读取所有", "停止读取", the side actions).
    QWidget* sideButtons() const { return side_; }
    QMenu* pageMenu() const { return pageMenu_; }

    // ReadEnable: the two layouts of every panel, and the read buttons.
    void ReadEnable(bool on);
    // The board's own layout of the picture-in-picture page and its interlock.
    void applyBoard(int board);
    void retranslate();
    void refreshInterlock();

    void Button1Click();      // 读取所有
    void suiButton97Click();  // 停止读取
    void N49Click();          // 读取本页数据
    void suiButton129Click(); // SAVE the command list
    void suiButton130Click(); // LOAD a command file
    void suiButton131Click(); // APPLY the command list
    // The roaming page's matrix input choosers: filled with the input names
    // and their stored choices, and only the sub-source's kind shown.
    void SetPipMatrixInput();
    void SetPipMatrix();
    // The input control's "使用矩阵" mirrored into the page's own box.
    void showPopUseMatrix(bool on);

Q_SIGNALS:
    void readStateChanged(const QString& text);
    void refused(const QString& why);

private:
    void buildPage(int page);
    void wireSlider(SliderPanel* panel);
    void wireList(ListPanel* panel);
    void onRead(const ReadEvent& event);
    int parameterOf(const SliderPanel* panel) const;
    void chooseColour(int colour);
    void showReadOutcome(bool stopped);
    // Says why a command was refused; true when it was sent.
    bool report(const CommandResult& result);

    Console& console_;
    QTabWidget* pages_;
    QWidget* window_;
    QWidget* side_ = nullptr;
    QMenu* pageMenu_ = nullptr;
    QPushButton* readAll_ = nullptr;
    QPushButton* stop_ = nullptr;
    QList<SliderPanel*> sliders_;
    QList<ListPanel*> lists_;
    QList<QPushButton*> actions_;
    QList<QLabel*> captions_;
    QList<QGroupBox*> groups_;             // button groups under their own caption
    QComboBox* subSource_ = nullptr;       // suiComboBox1
    QComboBox* positionMode_ = nullptr;    // suiComboBox2
    QComboBox* sizeMode_ = nullptr;        // suiComboBox3
    QPushButton* subSourceRead_ = nullptr; // suiButton92
    // The pop window's matrix input: "使用矩阵" and one chooser per kind.
    QCheckBox* popUseMatrix_ = nullptr;     // suiCheckBox1
    QWidget* panel30_ = nullptr;            // Panel30 "矩阵输入"
    std::array<QComboBox*, 4> popInputs_{}; // suiComboBox4 … suiComboBox7
    QButtonGroup* colours_ = nullptr;
    int colour_ = 6;    // the optical-engine colour chosen, white at start
    int readPage_ = -1; // the page whose controls a read fills
};

} // namespace wall
