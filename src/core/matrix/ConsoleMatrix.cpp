// The console's matrix operations: a routing with the console's own state.

#include "app/Console.h"
#include "app/SettingsStore.h"
#include "matrix/MatrixControl.h"
#include "matrix/MatrixProtocol.h"
#include "matrix/MatrixSetup.h"

namespace wall {

MatrixContext Console::matrixContext() {
    ConsoleState& s = *state_;
    return {
        .grid = s.grid,
        .config = s.matrix,
        .routing = s.routing,
        .io = io_,
        .board = s.settings.BoardSel,
        .switchType = s.settings.matrixSwitchType,
        .picture = s.matrixPicture,
    };
}

void Console::matrixControl(int sourceCode, int input, int address) {
    wall::matrixControl(matrixContext(), sourceCode, input, address);
}

CommandResult Console::routeMatrixInput(int sourceCode, int input, std::optional<int> switchType) {
    const bool en = messageLanguage() != 0;
    auto refuse = [&](const QString& english, const QString& chinese) {
        return CommandResult::refused(en ? english : chinese);
    };
    if (reading_)
        return refuse(QStringLiteral("a read is running"), QStringLiteral("正在读取"));
    const std::optional<MatrixKind> kind = matrixKindForSource(sourceCode);
    if (!kind)
        return refuse(QStringLiteral("source %1 is not fed by a matrix").arg(sourceCode),
                      QStringLiteral("信号源 %1 不接矩阵").arg(sourceCode));
    const QString kindName = QString::fromLatin1(matrixKeyName(*kind));
    const MatrixSettings& settings = state_->matrix.settings(*kind);
    const MatrixProtocol* protocol = findMatrixProtocol(*kind, settings.company);
    if (!protocol)
        return refuse(QStringLiteral("no %1 matrix is configured").arg(kindName),
                      QStringLiteral("未设置%1矩阵").arg(kindName));
    if (input < 1 || input > settings.inputMax)
        return refuse(
            QStringLiteral("matrix input %1 is outside 1-%2").arg(input).arg(settings.inputMax),
            QStringLiteral("矩阵输入 %1 超出 1-%2").arg(input).arg(settings.inputMax));
    if (protocol->notes.maxInput > 0 && input > protocol->notes.maxInput)
        return refuse(QStringLiteral("%1 %2 has no code for input %3")
                          .arg(kindName, QString::fromLatin1(protocol->name))
                          .arg(input),
                      QStringLiteral("%1 %2 没有输入 %3 的代码")
                          .arg(kindName, QString::fromLatin1(protocol->name))
                          .arg(input));
    if (switchType && (*switchType < 0 || *switchType > 2))
        return refuse(QStringLiteral("switch type %1 is not 0, 1 or 2").arg(*switchType),
                      QStringLiteral("切换类型 %1 不是 0、1 或 2").arg(*switchType));
    if (protocol->notes.fourPicture && *kind == MatrixKind::AV && state_->settings.BoardSel == 8 &&
        !state_->matrixPicture.picture())
        return refuse(QStringLiteral("board 8 shows four pictures: choose one of AV1-AV4"),
                      QStringLiteral("四画面拼接盒：请选择 AV1-AV4 之一"));

    MatrixContext context = matrixContext();
    context.switchType = switchType.value_or(context.switchType);
    wall::matrixControl(context, sourceCode, input, settings.id);
    return {};
}

bool Console::saveMatrixSetup(const MatrixSetup& setup) {
    ConsoleState& s = *state_;
    MatrixConfig& m = s.matrix;
    for (int k = 0; k < kMatrixKindCount; ++k) {
        m.kinds[size_t(k)] = setup.kinds[size_t(k)];
        m.kinds[size_t(k)].inputMax =
            confirmedInputCount(static_cast<MatrixKind>(k), setup.kinds[size_t(k)]);
    }
    m.outputMap = setup.outputMap;
    s.matrixInputListsCurrent = false;

    SettingsScope ini = store_.open();
    m.saveSettings(ini);
    m.saveOutputMaps(ini, s.grid.screenCount(), s.settings.BoardSel);
    QString error;
    if (ini.release(&error)) {
        notice(messageLanguage() == 0 ? QStringLiteral("矩阵设置已保存")
                                      : QStringLiteral("Matrix settings saved"));
        return true;
    }
    store_.reportError(error);
    return false;
}

} // namespace wall
