#pragma once

#include "ConsoleState.h"
#include "Notices.h"
#include "wall/PageReads.h"
#include "wall/ReadBack.h"
#include "wall/ScreenPacket.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace wall {

class DeviceIo;
class InputRouting;
class MatrixInputNames;
class MatrixPolling;
class PlanRecall;
class PeriodicTick;
class PlanStore;
class SettingsStore;
class TimerTasks;
struct MatrixContext;
struct MatrixSetup;

// The outcome of one operation: refused operations send nothing and say why.
struct CommandResult {
    bool ok = true;
    QString message;

    static CommandResult refused(QString why) { return {false, std::move(why)}; }
};

// One finished read, for the window to show in its controls.
struct ReadEvent {
    int page = -1; // the page being read, or -1 for a single read
    int parameter = 0;
    ReadKind kind = ReadKind::Slider;
    PageReadEffect effect = PageReadEffect::None;
    bool ok = false;
    ReadReply reply;
};

// The console's behaviour without its windows: the state loaded from
// Setting.ini and the operations on it. The main window, wallctl and the
// tests all drive this one class.
class Console {
public:
    Console(SettingsStore& store, DeviceIo& io);
    ~Console();

    StartupReport load(const QString& executableDir);

    ConsoleState& state() { return *state_; }
    const ConsoleState& state() const { return *state_; }
    WallGrid& grid() { return state_->grid; }
    SettingsStore& settings() { return store_; }
    DeviceIo& io() { return io_; }

    FrameFormat frameFormat() const { return frameFormatFor(state_->settings.CmdForm); }

    // Write value V to parameter P for the selection (command 0xB1).
    CommandResult buttonWrite(std::uint8_t parameter, unsigned value);
    // Step parameter P (V = 0 down, 1 up) or trigger action P (command 0xB0).
    CommandResult buttonIncDec(std::uint8_t parameter, std::uint8_t value);

    // Wall power on: one frame to the selection, or with a power-on interval
    // (PowerDelayTime10Ms) one frame per screen in row-major order, each
    // followed by the interval. `progress` hears of each screen switched.
    // Returns whether the sequence was staggered (it ends with a message).
    using Progress = std::function<void(int done, int total)>;
    CommandResult powerOn(bool* staggered = nullptr, const Progress& progress = {});
    // Wall power off: one frame to the selection, never staggered.
    CommandResult powerOff();
    bool busy() const { return busy_; }

    // --- Reading values back from the screens -------------------------
    // A single read of P from the selection: up to CmdDelayTime10Ms polls of
    // the wall link, 10 ms apart; a slider read then waits CmdDelayTime10Ms
    // milliseconds. Every read reports to the read listener and the status.
    ReadEvent readParameter(std::uint8_t parameter, ReadKind kind,
                            PageReadEffect effect = PageReadEffect::None);
    // The reads of one page in order, each success appended to the command
    // list. False when any read failed or the stop flag was found set.
    bool pageRead(int page);
    // "读取所有": nothing when stopped after a page read (no message follows),
    // else whether every read succeeded (the stop flag tells a stop during the
    // source read).
    std::optional<bool> readAll();
    // The main source of every selected screen, one read each, row by row.
    bool getMainSource();
    void requestStop() { stop_ = true; }
    void clearStop() { stop_ = false; }
    bool stopRequested() const { return stop_; }
    // A read is polling: other reads and commands are refused until it ends.
    bool reading() const { return reading_; }
    int lastReadValue() const { return lastValue_; }
    bool lastReadOk() const { return lastOk_; }
    // "name:value" lines of the successful page reads (ConfigFileList).
    QStringList& commandList() { return commandList_; }

    using ReadListener = std::function<void(const ReadEvent&)>;
    void setReadListener(ReadListener l) { readListener_ = std::move(l); }
    using StatusListener = std::function<void(ReadState)>;
    void setReadStatusListener(StatusListener l) { statusListener_ = std::move(l); }
    // A screen's main source was read and stored (its cell text changed).
    using SourceListener = std::function<void(int screenIndex)>;
    void setSourceListener(SourceListener l) { sourceListener_ = std::move(l); }
    // A line for the status bar saying what a command did: what was sent to
    // how many screens, a closed wall link, a read's progress, the screens
    // that did not answer. Each replaces the one before.
    using NoticeListener = std::function<void(const QString&)>;
    void setNoticeListener(NoticeListener l) { noticeListener_ = std::move(l); }
    // The screens that did not answer the last source read, row by row.
    const std::vector<Cell>& silentScreens() const { return silentScreens_; }

    // The picture-in-picture interlock of boards 10 and 11: whether the write
    // button of 0x65 … 0x68 may be used.
    bool pipWriteEnabled(int parameter) const;
    void resetPipInterlock();         // on applying the board type
    void pipValueSent(int parameter); // a write or step of that parameter
    void pipValueRead(int parameter); // a successful read on the picture-in-picture page

    // --- Sources and command files ------------------------------------
    // Switches the selection to a source (0x30, or 0x31 in single-screen
    // mode) and records it for every selected screen.
    CommandResult switchMainSource(int sourceCode, bool singleScreen);
    // The two halves of that: every selected screen records the source
    // (Unit1/Source<s>, its cell relabelled), and the frame that switches them.
    void recordSelectionSource(int sourceCode);
    CommandResult sendSourceSwitch(int sourceCode, bool singleScreen);
    // APPLY: every line of the command list written to the selection, 10 ms
    // apart. Lines whose name is not in the table, and empty lines, are
    // skipped; lines whose value the frame cannot carry are refused.
    struct ApplyReport {
        int written = 0;
        int skipped = 0;
        int refused = 0;
    };
    ApplyReport applyCommandList();

    // --- External matrix switchers -----------------------------------
    // Sources through the matrix onto the selection: the input-routing
    // window, the pop windows' routing and their stored choices.
    InputRouting& inputRouting() { return *inputRouting_; }
    // The matrix inputs' names: read by the choosers, edited by their window.
    MatrixInputNames& matrixInputNames() { return *matrixInputNames_; }
    const MatrixInputNames& matrixInputNames() const { return *matrixInputNames_; }
    // Groups of matrix routes sent in turn, one group every few seconds.
    MatrixPolling& polling() { return *polling_; }
    // The plans: the current one, the saved flags, the names, save and rename.
    PlanStore& plans() { return *plans_; }
    const PlanStore& plans() const { return *plans_; }
    // Bringing a saved plan back: the matrices alone, or with the wall.
    PlanRecall& planRecall() { return *planRecall_; }
    const PlanRecall& planRecall() const { return *planRecall_; }
    // The scheduled tasks: the 50 slots, their list lines and the switch.
    TimerTasks& timers() { return *timers_; }
    const TimerTasks& timers() const { return *timers_; }
    // The 100 ms tick: the remote recall watch and the due tasks.
    PeriodicTick& tick() { return *tick_; }
    // What a routing reads of the console: the wall, the matrix settings,
    // the port flags, the switch type and the picture choice.
    MatrixContext matrixContext();
    // Routes a matrix input to the outputs feeding the selection: the
    // switcher of the source's kind at `address`, with the console's switch
    // type and, on board 8, the picture chosen in the input-routing window.
    void matrixControl(int sourceCode, int input, int address);
    // The same for a caller that names only the source and the input: the
    // kind's own address, and the switch type given or the console's. Refuses
    // what would route nothing, and says why.
    CommandResult routeMatrixInput(int sourceCode, int input,
                                   std::optional<int> switchType = std::nullopt);
    // The matrix settings window's OK: the four records (the input count as
    // the protocol fixes it) and the output maps, in memory and in the file;
    // the input choosers are rebuilt when next shown. A failed save goes to
    // the settings' error sink.
    bool saveMatrixSetup(const MatrixSetup& setup);

    // Closing the main window: the pop-window count, the polling switch and,
    // when given, the window's place are written; everything else was saved
    // when it changed. A failure goes to the settings' error sink.
    bool saveOnClose(std::optional<WindowPlace> place = std::nullopt);

    // The wall settings dialog's OK: the new size, written, with the colours
    // and sources reloaded for it. Sides are clamped to 1 … 30.
    void setWallSize(int rows, int cols);
    // The colour toolbar: the custom-colour switch, and the colour of every
    // selected cell, each written at once.
    void setCustomColours(bool on);
    void colourSelection(int bgr);

    // The language value, written at once (0 Chinese, anything else English).
    void setLanguage(int language);
    bool english() const { return state_->settings.Language != 0; }
    // The language of refusals and other messages: the console's own unless
    // a caller (the command-line tool) asks for one.
    void setMessageLanguage(std::optional<int> language) { messageLanguage_ = language; }
    int messageLanguage() const { return messageLanguage_.value_or(state_->settings.Language); }
    // The main window caption: SETTING/Caption, or the language's default.
    QString mainCaption();
    // A product item: the board type, written at once.
    void changeBoardSel(int board);
    // A background scheme 0 … 15, written at once.
    void setBackgroundScheme(int pifu);

    // What went out to `screens` screens, or that the wall link is closed,
    // for the status bar.
    void noticeSent(const notices::Label& what, int screens) const;
    // Any other line for the status bar.
    void notice(const QString& text) const;

private:
    CommandResult sendToSelection(ScreenCommand command, std::uint8_t parameter, unsigned value,
                                  const notices::Label* label = nullptr);
    // One more read of "读取所有" done.
    void countRead();

    SettingsStore& store_;
    DeviceIo& io_;
    std::unique_ptr<ConsoleState> state_;
    std::unique_ptr<InputRouting> inputRouting_;
    std::unique_ptr<MatrixInputNames> matrixInputNames_;
    std::unique_ptr<MatrixPolling> polling_;
    std::unique_ptr<PlanStore> plans_;
    std::unique_ptr<PlanRecall> planRecall_;
    std::unique_ptr<TimerTasks> timers_;
    std::unique_ptr<PeriodicTick> tick_;
    bool busy_ = false; // a sequence with pauses is running
    bool reading_ = false;
    int readingPage_ = -1;
    bool stop_ = false;
    bool lastOk_ = false;
    int lastValue_ = -1;
    QStringList commandList_;
    std::array<bool, 4> pipWrite_{true, true, true, true};
    ReadListener readListener_;
    StatusListener statusListener_;
    SourceListener sourceListener_;
    NoticeListener noticeListener_;
    std::vector<Cell> silentScreens_;
    int readsDone_ = 0;
    int readsTotal_ = 0; // 0: no read-all running
    std::optional<int> messageLanguage_;
};

// Where Setting.ini lives: beside the executable, or in the user's
// configuration folder when that folder cannot be written.
QString defaultSettingsPath();

} // namespace wall
