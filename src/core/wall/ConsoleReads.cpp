// The reads of the console: values, pages, the whole wall's sources.
#include "app/Console.h"

#include "BoardSources.h"
#include "app/SettingsStore.h"
#include "serial/DeviceIo.h"

#include <QScopeGuard>

namespace wall {

namespace {

constexpr int kPollStepMs = 10;
constexpr std::uint8_t kMainSource = 0x30;

// Sets a flag for the lifetime of a scope.
class Raise {
public:
    explicit Raise(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~Raise() { flag_ = before_; }

private:
    bool& flag_;
    bool before_;
};

bool isPip(int p) {
    return p >= 0x65 && p <= 0x68;
}
bool hasInterlock(int board) {
    return board == 10 || board == 11;
}

} // namespace

ReadEvent Console::readParameter(std::uint8_t parameter, ReadKind kind, PageReadEffect effect) {
    ReadEvent event{readingPage_, parameter, kind, effect, false, {}};
    lastValue_ = -1;
    if (statusListener_)
        statusListener_(ReadState::Reading);

    const WallGrid& grid = state_->grid;
    const ScreenFrame frame = buildReadFrame(frameFormat(), grid.selection(), parameter);
    if (grid.isInside(grid.selection()) && frame.ok()) {
        Raise polling(reading_);
        DeviceLink& wall = io_.link(kWallLink);
        wall.discardInput(); // a late answer to an earlier read is not this one
        wall.write(frame.bytes);
        for (int poll = 0; poll < state_->settings.CmdDelayTime10Ms; ++poll) {
            char buffer[kReadBufferSize];
            const int n = wall.readPackage(buffer, kReadBufferSize);
            if (n > 0)
                if (const auto reply =
                        decodeReply(frameFormat(), parameter, QByteArrayView(buffer, n))) {
                    event.ok = true;
                    event.reply = *reply;
                    break;
                }
            io_.pacer().pollWait(kPollStepMs); // the stop button stays usable
        }
    }
    if (event.ok) {
        lastValue_ = event.reply.value;
        const int cache = parameter - 0xD0;
        // The cache keeps what the 0 … 100 slider shows.
        if (effect == PageReadEffect::ColourCoordinate && cache >= 0 &&
            cache < kColourCoordinateCount)
            state_->colourCoordinates[size_t(cache)] = std::clamp(event.reply.value, 0, 100);
    }
    if (statusListener_)
        statusListener_(event.ok ? ReadState::Success : ReadState::Failure);
    if (readListener_)
        readListener_(event);
    if (kind == ReadKind::Slider)
        io_.pacer().pause(state_->settings.CmdDelayTime10Ms);
    lastOk_ = event.ok;
    return event;
}

bool Console::pageRead(int page) {
    const int before = std::exchange(readingPage_, page);
    const auto restore = qScopeGuard([&] { readingPage_ = before; });
    bool all = true;
    int pipReads = 0;
    for (const PageReadStep& step : pageReads(page)) {
        const ReadEvent e =
            readParameter(static_cast<std::uint8_t>(step.parameter), step.kind, step.effect);
        countRead();
        if (e.ok) {
            commandList_ << QStringLiteral("%1:%2").arg(QLatin1String(step.name)).arg(lastValue_);
            if (page == kPipPage) {
                pipValueRead(step.parameter);
                ++pipReads;
            }
        }
        all = all && e.ok;
        if (stop_)
            return false;
    }
    // All four geometry values read back: their write buttons may be used.
    if (page == kPipPage && pipReads == 4 && hasInterlock(state_->settings.BoardSel))
        pipWrite_.fill(true);
    return all;
}

void Console::countRead() {
    if (readsTotal_ > 0)
        notice(notices::readProgress(messageLanguage(), ++readsDone_, readsTotal_));
}

std::optional<bool> Console::readAll() {
    commandList_.clear();
    clearStop();
    std::vector<int> pages;
    if (state_->accessLevel > 0) {
        pages = {0, 1, 3};
        const int board = state_->settings.BoardSel;
        if (board == 9 || board == 10 || board == 11)
            pages.push_back(kOpticalPage);
    } else {
        pages = {kAdjustPage};
    }
    pages.push_back(state_->settings.bManYou != 0 ? kRoamingPage : kPipPage);
    // Progress in reads: every read of the pages, then one per screen.
    readsDone_ = 0;
    readsTotal_ = 0;
    for (int page : pages)
        readsTotal_ += int(pageReads(page).size());
    const Selection selected = state_->grid.selection();
    readsTotal_ += selected.rowCount() * selected.columnCount();
    const auto finished = qScopeGuard([this] { readsTotal_ = 0; });
    bool all = true;
    for (int page : pages) {
        all = pageRead(page) && all;
        if (stop_)
            return std::nullopt;
    }
    // A stop found during the source read still ends with the outcome and its
    // message; only a stop after a page read ends without one.
    all = getMainSource() && all;
    if (statusListener_)
        statusListener_(all ? ReadState::Success : ReadState::Failure);
    return all;
}

bool Console::getMainSource() {
    bool result = true;
    WallGrid& grid = state_->grid;
    const Selection s = grid.selection();
    silentScreens_.clear();
    if (!grid.isInside(s))
        return false;
    // The end says how many screens did not answer, and which.
    notices::SourceRead outcome;
    outcome.screens = s.rowCount() * s.columnCount();
    outcome.awaited = state_->settings.CmdDelayTime10Ms > 0;
    const auto report = qScopeGuard([&] {
        outcome.silent = silentScreens_;
        outcome.stopped = stop_ && outcome.read < outcome.screens;
        notice(io_.link(kWallLink).isOpen() ? notices::sourcesRead(messageLanguage(), outcome)
                                            : notices::portNotOpen(messageLanguage()));
    });
    DeviceLink& wall = io_.link(kWallLink);
    for (int r = s.top; r <= s.bottom; ++r)
        for (int c = s.left; c <= s.right; ++c) {
            const ScreenFrame frame = buildReadFrame(frameFormat(), {c, r, c, r}, kMainSource);
            if (!frame.ok()) {
                result = false; // a screen this format cannot address; the others are read
                silentScreens_.push_back({r, c});
                ++outcome.read;
                countRead();
                continue;
            }
            Raise polling(reading_);
            wall.discardInput();
            wall.write(frame.bytes);
            bool answered = state_->settings.CmdDelayTime10Ms <= 0; // no polls: nothing awaited
            for (int poll = 0; poll < state_->settings.CmdDelayTime10Ms && !answered; ++poll) {
                char buffer[kReadBufferSize];
                const int n = wall.readPackage(buffer, kReadBufferSize);
                const QByteArrayView b(buffer, std::max(n, 0));
                const auto at = [&](int i) { return int(static_cast<unsigned char>(b[i])); };
                std::optional<int> wire;
                switch (frameFormat()) {
                case FrameFormat::Short:
                    if (n >= 4 && at(0) == screenAddress(r, c) && at(1) == kMainSource &&
                        at(3) == kFrameTail)
                        wire = at(2);
                    break;
                case FrameFormat::Wide:
                    if (n >= 6 && at(0) == 0xE5 && at(2) == kMainSource && at(5) == 0xE0)
                        wire = at(3);
                    break;
                case FrameFormat::RowCol:
                    if (n >= 5 && at(1) == c + 1 && at(2) == kMainSource && at(4) == kFrameTail)
                        wire = at(3);
                    break;
                }
                if (wire) {
                    answered = true;
                    const int screen = grid.screenIndex(r, c);
                    const std::optional<int> code = sourceFromWire(*wire);
                    if (code) {
                        grid.setSource(screen, *code);
                        SettingsScope ini = store_.open();
                        ini.writeInt("Unit1", indexedKey("Source", screen), *code);
                    }
                    // No translation, or one with no name: the wire code shows.
                    if (!code || (*code != kNoSource &&
                                  boardSourceName(state_->settings.BoardSel, *code).isEmpty()))
                        grid.setUnnamedWire(screen, *wire);
                    if (sourceListener_)
                        sourceListener_(screen);
                    break;
                }
                io_.pacer().pollWait(kPollStepMs);
            }
            if (!answered) {
                result = false;
                silentScreens_.push_back({r, c});
            }
            ++outcome.read;
            countRead();
            if (stop_)
                return false;
            io_.pacer().pause(state_->settings.CmdDelayTime10Ms);
        }
    return result;
}

bool Console::pipWriteEnabled(int parameter) const {
    return !isPip(parameter) || pipWrite_[size_t(parameter - 0x65)];
}

void Console::resetPipInterlock() {
    // Boards 10 and 11 hold the four write buttons until a read-back.
    pipWrite_.fill(!hasInterlock(state_->settings.BoardSel));
}

void Console::pipValueSent(int parameter) {
    if (!isPip(parameter) || !hasInterlock(state_->settings.BoardSel))
        return;
    // A position sent makes the matching size stale, and the other way round.
    const int partner = parameter <= 0x66 ? parameter + 2 : parameter - 2;
    pipWrite_[size_t(partner - 0x65)] = false;
}

void Console::pipValueRead(int parameter) {
    if (isPip(parameter) && hasInterlock(state_->settings.BoardSel))
        pipWrite_[size_t(parameter - 0x65)] = true;
}

} // namespace wall
