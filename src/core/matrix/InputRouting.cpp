#include "InputRouting.h"

#include "app/SettingsStore.h"
#include "matrix/MatrixControl.h"
#include "matrix/MatrixInputNames.h"
#include "matrix/MatrixPort.h"
#include "matrix/MatrixProtocol.h"
#include "serial/DeviceIo.h"
#include "wall/BoardSources.h"
#include "wall/ScreenPacket.h"

namespace wall {

namespace {

constexpr MatrixKind kChooserKinds[kChooserCount] = {MatrixKind::VGA, MatrixKind::AV,
                                                     MatrixKind::DVI, MatrixKind::YUV};
constexpr const char* kDialogChoosers[kChooserCount] = {"ComboBox1", "ComboBox2", "ComboBox3",
                                                        "ComboBox4"};
constexpr const char* kPopChoosers[kChooserCount] = {"suiComboBox4", "suiComboBox5", "suiComboBox6",
                                                     "suiComboBox7"};
constexpr const char* kDialog = "Unit14";
constexpr const char* kMainForm = "Unit1";

// Sent before a routing to the switchers whose protocol needs it.
const QByteArray kPreamble = QByteArray::fromHex("F200002200010023");

bool nameIn(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
        if (n == name)
            return true;
    return false;
}

} // namespace

MatrixKind chooserMatrixKind(int chooser) {
    return kChooserKinds[std::clamp(chooser, 0, kChooserCount - 1)];
}

int chooserOf(MatrixKind kind) {
    for (int i = 0; i < kChooserCount; ++i)
        if (kChooserKinds[i] == kind)
            return i;
    return 0;
}

std::optional<MatrixKind> InputRouting::routedKind(int sourceCode) const {
    const std::optional<MatrixKind> kind = matrixKindForSource(sourceCode);
    if (!kind)
        return std::nullopt;
    const MatrixProtocol* protocol =
        findMatrixProtocol(*kind, console_.state().matrix.settings(*kind).company);
    if (!protocol || protocol->index == 0)
        return std::nullopt; // "NotUsed"
    return kind;
}

QStringList InputRouting::inputItems(MatrixKind kind) const {
    return console_.matrixInputNames().names(kind);
}

int InputRouting::inputCount(MatrixKind kind) const {
    return std::clamp(console_.state().matrix.settings(kind).inputMax, 0, kMaxMatrixInputs);
}

int InputRouting::validItem(MatrixKind kind, int stored) const {
    return stored >= 0 && stored < inputCount(kind) ? stored : 0;
}

InputRouting::Stored InputRouting::stored() const {
    SettingsScope ini = console_.settings().open();
    Stored s;
    s.sourceItem = ini.readInt(kDialog, "ComboBox18", 0);
    for (int i = 0; i < kChooserCount; ++i)
        s.inputItems[size_t(i)] =
            validItem(chooserMatrixKind(i), ini.readInt(kDialog, kDialogChoosers[i], 0));
    s.singleScreen = ini.readInt(kDialog, "NoWallMode", 0) != 0;
    return s;
}

void InputRouting::storeSourceItem(int item) {
    console_.settings().open().writeInt(kDialog, "ComboBox18", item);
}

void InputRouting::storeInputItem(int chooser, int item) {
    console_.settings().open().writeInt(kDialog, kDialogChoosers[std::clamp(chooser, 0, 3)], item);
}

void InputRouting::storeSingleScreen(bool on) {
    console_.settings().open().writeInt(kDialog, "NoWallMode", on ? 1 : 0);
}

void InputRouting::storeSwitchType(int type) {
    console_.state().settings.matrixSwitchType = type;
    console_.settings().open().writeInt(kDialog, "suiRadioGroup1", type);
}

void InputRouting::storeMatrixUse(bool on) {
    // "使用矩阵" of the window and of the roaming page are one switch.
    ConsoleState& s = console_.state();
    s.matrix.matrixUse = on ? 1 : 0;
    s.roaming.useMatrix = on;
    SettingsScope ini = console_.settings().open();
    ini.writeInt("Matrix", "Matrix_Use", on ? 1 : 0);
}

std::array<int, kChooserCount> InputRouting::storedPopInputItems() const {
    SettingsScope ini = console_.settings().open();
    std::array<int, kChooserCount> items{};
    for (int i = 0; i < kChooserCount; ++i)
        items[size_t(i)] =
            validItem(chooserMatrixKind(i), ini.readInt(kMainForm, kPopChoosers[i], 0));
    return items;
}

void InputRouting::storePopInputItem(int chooser, int item) {
    console_.settings().open().writeInt(kMainForm, kPopChoosers[std::clamp(chooser, 0, 3)], item);
}

void InputRouting::storePopUseMatrix(bool on) {
    console_.state().roaming.useMatrix = on;
    console_.settings().open().writeInt(kMainForm, "suiCheckBox1", on ? 1 : 0);
}

void InputRouting::sendPreamble(MatrixKind kind) {
    const ConsoleState& s = console_.state();
    const MatrixProtocol* protocol = findMatrixProtocol(kind, s.matrix.settings(kind).company);
    if (!protocol)
        return;
    const bool av = kind == MatrixKind::AV && s.routing.avMatrixUseComOnly == 0 &&
                    nameIn(protocol->name, {"SISO", "ACV"});
    const bool vga = kind == MatrixKind::VGA && s.routing.vgaMatrixUseComOnly == 0 &&
                     nameIn(protocol->name, {"SISO", "HOKUTO", "ACV"});
    if (av || vga)
        console_.io().link(s.routing.matrixUseComOnly != 0 ? 2 : kWallLink).write(kPreamble);
}

CommandResult InputRouting::route(const RoutingChoice& choice) {
    Console& c = console_;
    ConsoleState& s = c.state();
    const bool english = c.messageLanguage() != 0;
    auto refuse = [&](const QString& en, const QString& zh) {
        return CommandResult::refused(english ? en : zh);
    };
    if (c.reading())
        return refuse(QStringLiteral("a read is running"), QStringLiteral("正在读取"));
    if (!s.grid.isInside(s.grid.selection()))
        return refuse(QStringLiteral("the selection is outside the wall"),
                      QStringLiteral("所选屏幕超出幕墙范围"));
    const std::optional<int> wire = sourceToWire(choice.sourceCode);
    if (!wire || choice.sourceCode >= kNoSource)
        return refuse(QStringLiteral("no such source"), QStringLiteral("没有此信号源"));
    // A switch the frame cannot carry refuses the whole OK: nothing is
    // recorded, routed or sent.
    if (const ScreenFrame frame =
            buildScreenFrame(c.frameFormat(), ScreenCommand::Step, s.grid.selection(),
                             choice.singleScreen ? 0x31 : 0x30, unsigned(*wire));
        !frame.ok())
        return CommandResult::refused(describe(frame.error, c.messageLanguage()));

    const bool useMatrix = s.matrix.matrixUse == 1;
    const std::optional<MatrixKind> kind = routedKind(choice.sourceCode);
    int input = 1;
    if (kind) {
        input = choice.inputItems[size_t(chooserOf(*kind))] + 1;
        const int count = inputCount(*kind);
        if (useMatrix && (input < 1 || input > count))
            return refuse(QStringLiteral("matrix input %1 is outside 1-%2").arg(input).arg(count),
                          QStringLiteral("矩阵输入 %1 超出 1-%2").arg(input).arg(count));
    }
    if (choice.switchType && (*choice.switchType < 0 || *choice.switchType > 2))
        return refuse(QStringLiteral("switch type %1 is not 0, 1 or 2").arg(*choice.switchType),
                      QStringLiteral("切换类型 %1 不是 0、1 或 2").arg(*choice.switchType));

    c.recordSelectionSource(choice.sourceCode);
    const int pause = s.settings.MatrixToScreenTime;
    auto switchScreens = [&] { return c.sendSourceSwitch(choice.sourceCode, choice.singleScreen); };
    if (s.settings.SwitchOrder == 1) {
        switchScreens();
        c.io().pacer().pause(pause);
    }
    if (useMatrix) {
        if (kind)
            sendPreamble(*kind);
        if (const std::optional<MatrixKind> any = matrixKindForSource(choice.sourceCode)) {
            s.matrixPicture = choice.picture;
            MatrixContext context = c.matrixContext();
            context.switchType = choice.switchType.value_or(context.switchType);
            matrixControl(context, choice.sourceCode, input, s.matrix.settings(*any).id);
        }
    }
    if (s.settings.SwitchOrder != 1) {
        c.io().pacer().pause(pause);
        switchScreens();
    }
    const Selection sel = s.grid.selection();
    const QString name = boardSourceName(s.settings.BoardSel, choice.sourceCode);
    const bool routed = useMatrix && kind;
    c.noticeSent({routed ? QStringLiteral("信号源 %1，矩阵输入 %2").arg(name).arg(input)
                         : QStringLiteral("信号源 %1").arg(name),
                  routed ? QStringLiteral("source %1 with matrix input %2").arg(name).arg(input)
                         : QStringLiteral("source %1").arg(name)},
                 sel.rowCount() * sel.columnCount());
    return {};
}

void InputRouting::routePopWindow(int subSourceCode) {
    ConsoleState& s = console_.state();
    if (!s.roaming.useMatrix)
        return;
    s.settings.matrixSwitchType = 1; // video, for later routings too
    const std::optional<MatrixKind> kind = matrixKindForSource(subSourceCode);
    if (!kind)
        return;
    const int item = storedPopInputItems()[size_t(chooserOf(*kind))];
    matrixControl(console_.matrixContext(), subSourceCode, item + 1, s.matrix.settings(*kind).id);
}

} // namespace wall
