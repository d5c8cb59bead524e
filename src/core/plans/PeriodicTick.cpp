#include "PeriodicTick.h"

#include <QScopeGuard>

#include "PlanRecall.h"
#include "PlanStore.h"
#include "app/SettingsStore.h"
#include "matrix/MatrixPort.h"
#include "matrix/MatrixProtocol.h"
#include "serial/DeviceIo.h"

namespace wall {

namespace {

constexpr char kRecallHead[] = {char(0xFA), char(0xF5), 'R', 'e', 'c', 'a', 'l', 'l'};
constexpr char kRecallEnd = 0x2E;

bool recallFrameAt(const char* bytes, int m, int j) {
    if (j + kRemoteRecallLength > m)
        return false;
    for (int k = 0; k < int(sizeof kRecallHead); ++k)
        if (bytes[j + k] != kRecallHead[k])
            return false;
    return bytes[j + 9] == kRecallEnd;
}

// The VGA and AV protocols whose switchers take the follow-up frame after a
// scheduled recall: SISO, HOKUTO, ACV (VGA) and SISO, ACV (AV).
bool followsUp(MatrixKind kind, int company) {
    if (kind == MatrixKind::VGA)
        return company == 27 || company == 37 || company == 66;
    return company == 22 || company == 84;
}

} // namespace

QByteArray remoteRecallFrame(std::uint8_t plan) {
    QByteArray f(kRecallHead, sizeof kRecallHead);
    f.append(char(plan));
    f.append(kRecallEnd);
    return f;
}

Moment Moment::of(const QDateTime& t) {
    const QDate d = t.date();
    const QTime tm = t.time();
    return {d.year(), d.month(), d.day(), tm.hour(), tm.minute(), tm.second(), d.dayOfWeek() % 7};
}

std::uint32_t currentValue(int kind, const Moment& n) {
    using U = std::uint32_t;
    const U s = U(n.second), mi = U(n.minute), h = U(n.hour);
    switch (kind) {
    case 1:
        return s;
    case 2:
        return mi * 60 + s;
    case 3:
        return (h * 60 + mi) * 60 + s;
    case 4:
        return ((U(n.weekday) * 24 + h) * 60 + mi) * 60 + s;
    case 5:
        return ((U(n.day) * 24 + h) * 60 + mi) * 60 + s;
    default: // 0 and 6
        return (((U(n.month) * 30 + U(n.day)) * 24 + h) * 60 + mi) * 60 + s;
    }
}

// The task's own moment, measured the same way as the clock's.
std::uint32_t targetValue(const TimerSystem& t) {
    return currentValue(t.RepeatTimeSel, Moment{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                                                t.wSecond, t.wDayOfWeek});
}

TaskDecision decideTask(const TimerSystem& task, const Moment& now, std::uint8_t latch) {
    const int kind = task.RepeatTimeSel;
    if (kind < 0 || kind > 6)
        return {false, latch};
    const std::uint32_t c = currentValue(kind, now);
    const std::uint32_t t = targetValue(task);
    if (kind == 0) {
        if (task.wYear < now.year)
            return latch == 1 ? TaskDecision{true, 0} : TaskDecision{false, latch};
        if (task.wYear > now.year)
            return {false, 1};
        if (c >= t && latch == 1)
            return {true, 0};
        if (c < t && latch == 0)
            return {false, 1};
        return {false, latch};
    }
    if (c >= t && latch == 1)
        return {true, 0};
    if (latch == 0 && (c < t || (c == 0 && t == 0)))
        return {false, 1};
    return {false, latch};
}

namespace {
QByteArray bytes(std::initializer_list<char> list) {
    return QByteArray(list.begin(), qsizetype(list.size()));
}
} // namespace

QByteArray PeriodicTick::taskFrame(const TimerSystem& t, int cmdForm) {
    const char s = char((t.ucWallStartH * 16 + t.ucWallStartL) % 256);
    const char e = char((t.ucWallEndH * 16 + t.ucWallEndL) % 256);
    const char code = char(t.ucCommand);
    const char value = char(t.ucCommandParameter);
    switch (cmdForm) {
    case 1:
        return bytes({char(0xFB), char(0xB1), s, e, code, value, 0x00, char(0xAE)});
    case 2:
        return bytes({char(0xFB), char(0xB0), char(t.ucWallStartH), char(t.ucWallStartL),
                      char(t.ucWallEndH), char(t.ucWallEndL), code, value, char(0xAE)});
    default:
        return bytes({char(0xFB), char(0xB0), s, e, code, value, char(0xAE)});
    }
}

QByteArray PeriodicTick::followUpFrame() {
    return QByteArray::fromHex("F200002200010023");
}

void PeriodicTick::recall(int plan) {
    console_.plans().setCurrent(plan);
    // An unsaved plan recalls nothing; nobody is told.
    (void)console_.planRecall().matrixRecallyPlan();
    console_.io().pacer().pause(kRecallPauseMs);
}

PeriodicTick::Report PeriodicTick::tick() {
    Report report;
    report.at = console_.io().clock().now();
    if (ticking_)
        return report;
    ticking_ = true;
    const auto done = qScopeGuard([this] { ticking_ = false; });
    if (display_)
        watchInput(report);
    if (!console_.state().settings.timerSystemEnabled)
        return report;
    const Moment now = Moment::of(report.at);
    TimerTable& table = console_.state().timers;
    for (int i = 0; i < kTimerSlots; ++i) {
        const TimerSystem& task = table[size_t(i)];
        if (task.bEnable != 1)
            continue;
        const TaskDecision d = decideTask(task, now, latches_[size_t(i)]);
        latches_[size_t(i)] = d.latch;
        if (d.fires)
            runTask(i, report);
    }
    return report;
}

void PeriodicTick::watchInput(Report& report) {
    char buffer[kReceiveBuffer];
    const int m = console_.io().link(kWallLink).readPackage(buffer, kReceiveBuffer);
    if (m <= 0)
        return;
    report.received = QByteArray(buffer, m);
    QString line;
    for (int j = 0; j < m; ++j) {
        if (recallFrameAt(buffer, m, j)) {
            const int plan = std::uint8_t(buffer[j + 8]);
            // Only plans 1 … 48 exist; any other number recalls nothing.
            if (plan < kPlanCount) {
                recall(plan);
                report.recalled.push_back(plan);
            }
        }
        const std::uint8_t b = std::uint8_t(buffer[j]);
        if (characters_)
            line += QChar(char16_t(b));
        else
            line += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    }
    report.memoLines.append(line);
}

void PeriodicTick::runTask(int slot, Report& report) {
    ConsoleState& state = console_.state();
    TimerSystem& task = state.timers[size_t(slot)];
    DeviceIo& io = console_.io();
    report.fired.push_back(slot);
    const bool planRecall = task.ucCommand == kPlanRecallCode;
    // Plans are numbered 1 … 48 in a task; 0 and higher numbers recall
    // nothing, but the task's screen frame still goes out.
    if (planRecall && task.ucCommandParameter >= 1 && task.ucCommandParameter <= kPlanCount)
        recall(task.ucCommandParameter - 1);

    io.link(kWallLink).write(taskFrame(task, state.settings.CmdForm));

    if (planRecall) {
        if (state.matrix.matrixUse != 0) {
            for (MatrixKind kind : {MatrixKind::VGA, MatrixKind::AV}) {
                const int company = state.matrix.settings(kind).company;
                if (!followsUp(kind, company))
                    continue;
                const MatrixProtocol* protocol = findMatrixProtocol(kind, company);
                const PortRule rule = protocol ? portRule(kind, *protocol) : defaultPortRule(kind);
                io.pacer().pause(kFollowUpPauseMs);
                io.link(matrixPort(rule, state.routing)).write(followUpFrame());
                break;
            }
        }
        io.pacer().pause(kRecallPauseMs);
    }

    if (task.RepeatTimeSel == 0) {
        task.bEnable = 0;
        SettingsScope ini = console_.settings().open();
        ini.writeInt(indexedKey("NO.", slot), "TimerSystem.bEnable", 0);
        QString error;
        if (!ini.release(&error))
            console_.settings().reportError(error);
    }
}

} // namespace wall
