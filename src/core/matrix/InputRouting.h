#pragma once

#include "app/Console.h"
#include "matrix/MatrixSettings.h"

#include <QStringList>

#include <array>
#include <optional>

namespace wall {

class Console;

// The four matrix input choosers, in the order of the input-routing window
// (ComboBox1 … ComboBox4) and of the roaming page (suiComboBox4 … 7).
enum class ChooserKind { VGA = 0, AV = 1, DVI = 2, YPbPr = 3 };
inline constexpr int kChooserCount = 4;
MatrixKind chooserMatrixKind(int chooser);
int chooserOf(MatrixKind kind);

// What the input-routing window's OK reads of its controls.
struct RoutingChoice {
    int sourceCode = 0;
    // The chosen item of each kind's chooser: item n is matrix input n + 1.
    std::array<int, kChooserCount> inputItems{};
    bool singleScreen = false;     // "单屏模式"
    std::optional<int> switchType; // overrides the stored one (wallctl --type)
    MatrixPicture picture;         // board 8: the picture of each screen
};

// Putting a source on the selected screens, through the external matrix
// where one is configured: the input-routing window's OK, the pop windows'
// matrix routing, and the stored choices of both windows.
class InputRouting {
public:
    explicit InputRouting(Console& console) : console_(console) {}

    // The OK of the input-routing window, in this order: every selected
    // screen records the source (Unit1/Source<s>, its cell relabelled); with
    // SwitchOrder 1 the screens switch, then MatrixToScreenTime passes; with
    // Matrix_Use 1 the SISO/HOKUTO/ACV preamble frame where the kind asks for
    // it, then the matrix routing of the chosen input at the kind's address;
    // with SwitchOrder 0 the pause and the switch come last. Refused, with
    // nothing sent or stored: a selection outside the wall, an unknown
    // source, and, when the matrix would route, an input outside 1 … the
    // kind's input count.
    CommandResult route(const RoutingChoice& choice);

    // A pop window opened on `subSourceCode`: with the roaming page's "使用
    // 矩阵" ticked, the switch type becomes video (for later routings too)
    // and the roaming page's chosen input of that kind is routed.
    void routePopWindow(int subSourceCode);

    // The chooser items of a kind: its input names (MatrixInputNames), one
    // per input.
    QStringList inputItems(MatrixKind kind) const;
    // A stored chooser position, or 0 when it is at or past the input count.
    int validItem(MatrixKind kind, int stored) const;
    // The inputs a kind's chooser lists: its input count, at most 1000.
    int inputCount(MatrixKind kind) const;

    // The input-routing window's stored choices (Unit14) and the roaming
    // page's (Unit1), each written at once when changed.
    struct Stored {
        int sourceItem = 0;
        std::array<int, kChooserCount> inputItems{};
        bool singleScreen = false;
    };
    Stored stored() const;
    void storeSourceItem(int item);
    void storeInputItem(int chooser, int item);
    void storeSingleScreen(bool on);
    void storeSwitchType(int type);
    void storeMatrixUse(bool on);
    std::array<int, kChooserCount> storedPopInputItems() const;
    void storePopInputItem(int chooser, int item);
    void storePopUseMatrix(bool on);

    // Whether a source's kind has a matrix chooser to show: a kind with a
    // protocol other than "NotUsed".
    std::optional<MatrixKind> routedKind(int sourceCode) const;

private:
    // The preamble frame some switchers need before a routing.
    void sendPreamble(MatrixKind kind);

    Console& console_;
};

} // namespace wall
