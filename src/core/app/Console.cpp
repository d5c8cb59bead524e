#include "Console.h"

#include "SettingsStore.h"
#include "matrix/InputRouting.h"
#include "matrix/MatrixInputNames.h"
#include "matrix/MatrixPolling.h"
#include "plans/PeriodicTick.h"
#include "plans/PlanRecall.h"
#include "plans/PlanStore.h"
#include "plans/TimerSystem.h"
#include "wall/BoardSources.h"
#include "wall/CommandFile.h"
#include "wall/ParameterCodes.h"

#include "serial/DeviceIo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace wall {

Console::Console(SettingsStore& store, DeviceIo& io)
    : store_(store), io_(io), state_(std::make_unique<ConsoleState>()),
      inputRouting_(std::make_unique<InputRouting>(*this)),
      matrixInputNames_(std::make_unique<MatrixInputNames>(*this)),
      polling_(std::make_unique<MatrixPolling>(*this)), plans_(std::make_unique<PlanStore>(*this)),
      planRecall_(std::make_unique<PlanRecall>(*this)),
      timers_(std::make_unique<TimerTasks>(*this)), tick_(std::make_unique<PeriodicTick>(*this)) {}

Console::~Console() = default;

StartupReport Console::load(const QString& executableDir) {
    // The state keeps its address (windows hold on to it); the fresh one is
    // built on the heap, not on the stack, for its size.
    *state_ = std::move(*std::make_unique<ConsoleState>());
    StartupReport report = loadConsoleState(store_, *state_, executableDir);
    timers_->reloadList();
    return report;
}

void Console::notice(const QString& text) const {
    if (noticeListener_)
        noticeListener_(text);
}

void Console::noticeSent(const notices::Label& what, int screens) const {
    notice(io_.link(kWallLink).isOpen() ? notices::sent(messageLanguage(), what, screens)
                                        : notices::portNotOpen(messageLanguage()));
}

CommandResult Console::buttonWrite(std::uint8_t parameter, unsigned value) {
    return sendToSelection(ScreenCommand::Write, parameter, value);
}

CommandResult Console::buttonIncDec(std::uint8_t parameter, std::uint8_t value) {
    return sendToSelection(ScreenCommand::Step, parameter, value);
}

CommandResult Console::sendToSelection(ScreenCommand command, std::uint8_t parameter,
                                       unsigned value, const notices::Label* label) {
    if (reading_)
        return CommandResult::refused(messageLanguage() != 0 ? QStringLiteral("a read is running")
                                                             : QStringLiteral("正在读取"));
    const WallGrid& grid = state_->grid;
    if (!grid.isInside(grid.selection()))
        return CommandResult::refused(messageLanguage() != 0
                                          ? QStringLiteral("the selection is outside the wall")
                                          : QStringLiteral("所选屏幕超出幕墙范围"));
    const ScreenFrame frame =
        buildScreenFrame(frameFormat(), command, grid.selection(), parameter, value);
    if (!frame.ok())
        return CommandResult::refused(describe(frame.error, messageLanguage()));
    io_.link(kWallLink).write(frame.bytes);
    const QString p = QStringLiteral("0x") +
                      QStringLiteral("%1").arg(parameter, 2, 16, QLatin1Char('0')).toUpper();
    const notices::Label generic =
        command == ScreenCommand::Write
            ? notices::Label{QStringLiteral("写 %1=%2").arg(p).arg(value),
                             QStringLiteral("write %1 = %2").arg(p).arg(value)}
            : notices::Label{QStringLiteral("调节 %1 (%2)").arg(p).arg(value),
                             QStringLiteral("step %1 (%2)").arg(p).arg(value)};
    const Selection s = grid.selection();
    noticeSent(label ? *label : generic, s.rowCount() * s.columnCount());
    return {};
}

namespace {
constexpr std::uint8_t kPower = 0x10;
const notices::Label kPowerOn{QStringLiteral("开机"), QStringLiteral("power on")};
const notices::Label kPowerOff{QStringLiteral("关机"), QStringLiteral("power off")};
} // namespace

CommandResult Console::powerOn(bool* staggered, const Progress& progress) {
    const int interval = state_->settings.PowerDelayTime10Ms;
    if (staggered)
        *staggered = interval != 0;
    if (interval == 0)
        return sendToSelection(ScreenCommand::Step, kPower, 1, &kPowerOn);
    if (reading_)
        return CommandResult::refused(messageLanguage() != 0 ? QStringLiteral("a read is running")
                                                             : QStringLiteral("正在读取"));
    if (busy_)
        return CommandResult::refused(messageLanguage() != 0
                                          ? QStringLiteral("a power-on sequence is already running")
                                          : QStringLiteral("开机正在进行"));

    const WallGrid& grid = state_->grid;
    const Selection s = grid.selection();
    if (!grid.isInside(s))
        return CommandResult::refused(messageLanguage() != 0
                                          ? QStringLiteral("the selection is outside the wall")
                                          : QStringLiteral("所选屏幕超出幕墙范围"));
    // Check every frame first, so that a refused one leaves no half-switched wall.
    if (const ScreenFrame last = buildScreenFrame(
            frameFormat(), ScreenCommand::Step, {s.right, s.bottom, s.right, s.bottom}, kPower, 1);
        !last.ok())
        return CommandResult::refused(describe(last.error, messageLanguage()));

    busy_ = true;
    const int total = s.rowCount() * s.columnCount();
    int done = 0;
    for (int r = s.top; r <= s.bottom; ++r)
        for (int c = s.left; c <= s.right; ++c) {
            const ScreenFrame frame =
                buildScreenFrame(frameFormat(), ScreenCommand::Step, {c, r, c, r}, kPower, 1);
            io_.link(kWallLink).write(frame.bytes);
            if (progress)
                progress(++done, total);
            io_.pacer().pause(interval * 10);
        }
    busy_ = false;
    noticeSent(kPowerOn, total); // in place of the progress
    return {};
}

CommandResult Console::powerOff() {
    return sendToSelection(ScreenCommand::Step, kPower, 0, &kPowerOff);
}

CommandResult Console::switchMainSource(int sourceCode, bool singleScreen) {
    const CommandResult sent = sendSourceSwitch(sourceCode, singleScreen);
    if (sent.ok)
        recordSelectionSource(sourceCode);
    return sent;
}

CommandResult Console::sendSourceSwitch(int sourceCode, bool singleScreen) {
    const std::optional<int> wire = sourceToWire(sourceCode);
    if (!wire)
        return CommandResult::refused(messageLanguage() != 0 ? QStringLiteral("no such source")
                                                             : QStringLiteral("没有此信号源"));
    const QString name = boardSourceName(state_->settings.BoardSel, sourceCode);
    const notices::Label label{QStringLiteral("信号源 %1").arg(name),
                               QStringLiteral("source %1").arg(name)};
    return sendToSelection(ScreenCommand::Step, singleScreen ? 0x31 : 0x30, std::uint8_t(*wire),
                           &label);
}

void Console::recordSelectionSource(int sourceCode) {
    WallGrid& grid = state_->grid;
    const Selection s = grid.selection();
    SettingsScope ini = store_.open();
    for (int r = s.top; r <= s.bottom; ++r)
        for (int c = s.left; c <= s.right; ++c) {
            const int screen = grid.screenIndex(r, c);
            grid.setSource(screen, sourceCode);
            ini.writeInt("Unit1", indexedKey("Source", screen), sourceCode);
        }
    if (sourceListener_)
        sourceListener_(-1); // the cells are relabelled
}

Console::ApplyReport Console::applyCommandList() {
    ApplyReport report;
    for (const QString& line : std::as_const(commandList_)) {
        const CommandLine c = parseCommandLine(line);
        const std::optional<int> code = parameterFromFileName(c.name.toStdString());
        if (!code) {
            ++report.skipped;
            continue;
        }
        if (!c.value || !buttonWrite(std::uint8_t(*code), *c.value).ok) {
            ++report.refused;
            continue;
        }
        ++report.written;
        io_.pacer().pause(10);
    }
    const Selection s = state_->grid.selection();
    if (report.written > 0)
        noticeSent({QStringLiteral("APPLY %1 行").arg(report.written),
                    QStringLiteral("APPLY of %1 line%2")
                        .arg(report.written)
                        .arg(report.written == 1 ? QString() : QStringLiteral("s"))},
                   s.rowCount() * s.columnCount());
    return report;
}

bool Console::saveOnClose(std::optional<WindowPlace> place) {
    SettingsScope ini = store_.open();
    ini.writeInt("WallPopList", "ListLeng", state_->pops.listLeng);
    ini.writeBool("MatrixRoll", "OnOff", state_->settings.matrixRollOn);
    if (place) {
        writeWindowPlace(ini, *place);
        state_->mainWindowPlace = place;
    }
    QString error;
    if (ini.release(&error))
        return true;
    store_.reportError(error);
    return false;
}

void Console::setWallSize(int rows, int cols) {
    WallGrid& grid = state_->grid;
    grid.resize(rows, cols);
    SettingsScope ini = store_.open();
    ini.writeInt("SETTING", "Row", grid.rows());
    ini.writeInt("SETTING", "Col", grid.cols());
    grid.loadColours(ini);
    grid.loadSources(ini);
}

void Console::setCustomColours(bool on) {
    state_->grid.setCustomColours(on);
    SettingsScope ini = store_.open();
    ini.writeInt("Wall", "WallCustomColors", on ? 1 : 0);
}

void Console::colourSelection(int bgr) {
    WallGrid& grid = state_->grid;
    const Selection& s = grid.selection();
    SettingsScope ini = store_.open();
    for (int c = s.left; c <= s.right && c < grid.cols(); ++c)
        for (int r = s.top; r <= s.bottom && r < grid.rows(); ++r) {
            grid.setColour(c, r, bgr);
            ini.writeInt(kWallColourSection, colourKey(c, r), bgr);
        }
}

void Console::setLanguage(int language) {
    state_->settings.Language = language;
    SettingsScope ini = store_.open();
    ini.writeInt("SETTING", "Language", language);
}

QString Console::mainCaption() {
    const QString fallback =
        english() ? QStringLiteral(" LCD Tavrel") : QStringLiteral("液晶幕墙系统软件");
    return store_.open().readText("SETTING", "Caption", fallback);
}

void Console::changeBoardSel(int board) {
    state_->settings.BoardSel = board;
    SettingsScope ini = store_.open();
    ini.writeInt("System", "BoardSel", board);
}

void Console::setBackgroundScheme(int pifu) {
    state_->settings.Pifu = pifu;
    SettingsScope ini = store_.open();
    ini.writeInt("SETTING", "Pifu", pifu);
}

QString defaultSettingsPath() {
    // Folder permissions do not tell the whole story (Windows virtualises
    // Program Files): try to create a file there.
    const QString besideExecutable = QCoreApplication::applicationDirPath();
    QTemporaryFile probe(QDir(besideExecutable).filePath(QStringLiteral("probe-XXXXXX")));
    if (probe.open())
        return QDir(besideExecutable).filePath(QStringLiteral("Setting.ini"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(QStringLiteral("Setting.ini"));
}

} // namespace wall
