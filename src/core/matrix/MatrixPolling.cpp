#include "MatrixPolling.h"

#include "app/Notices.h"
#include "app/SettingsStore.h"
#include "matrix/MatrixPort.h"
#include "matrix/MatrixProtocol.h"
#include "serial/DeviceIo.h"

#include <algorithm>

namespace wall {

namespace {

constexpr const char* kSection = "MatrixRoll";

std::string groupSection(int g) {
    return indexedKey(kSection, g);
}

bool inRoute(int v) {
    return v >= 1 && v <= MatrixPolling::kMaxRoute;
}

} // namespace

RangedText rangeChecked(const QString& text, int maximum) {
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    if (digits.isEmpty())
        return {};
    // Compared as text first, so that no number of digits overflows.
    QString trimmed = digits;
    while (trimmed.size() > 1 && trimmed.front() == u'0')
        trimmed.remove(0, 1);
    const QString max = QString::number(maximum);
    int value = 0;
    if (trimmed.size() > max.size() || (trimmed.size() == max.size() && trimmed > max))
        value = maximum + 1;
    else
        value = trimmed.toInt();
    if (value == 0)
        return {QStringLiteral("1"), true};
    if (value > maximum)
        return {max, true};
    return {QString::number(value), false};
}

QString pollingGroupName(int group) {
    return QString::number(group + 1).rightJustified(3, u'0');
}

MatrixPolling::MatrixPolling(Console& console) : console_(console) {}

QString MatrixPolling::text(const char* chinese, const char* english) const {
    return console_.messageLanguage() == 0 ? QString::fromUtf8(chinese)
                                           : QString::fromLatin1(english);
}

void MatrixPolling::readConfig() {
    SettingsScope ini = console_.settings().open();
    groups_ = {}; // what is not in the file is not kept from before
    groupCount_ = std::clamp(ini.readInt(kSection, "GroupCount", 1), 1, kMaxGroups);
    interval_ = std::clamp(ini.readInt(kSection, "spTime", 10), 1, kMaxInterval);
    typedInterval_ = interval_;
    for (int g = 0; g < groupCount_; ++g) {
        const std::string section = groupSection(g);
        PollingGroup& group = groups_[size_t(g)];
        group.enabled = ini.readBool(section, "Enable", false);
        const int count = std::clamp(ini.readInt(section, "Count", 0), 0, kMaxEntries);
        group.entries.assign(size_t(count), PollingEntry{});
        for (int e = 0; e < count; ++e) {
            PollingEntry& entry = group.entries[size_t(e)];
            entry.used = ini.readBool(section, indexedKey("SubRoll_En", e), false);
            entry.name = ini.readInt(section, indexedKey("SubRoll_Name", e), 0);
            entry.type = ini.readInt(section, indexedKey("SubRoll_Type", e), 0);
            entry.address = ini.readInt(section, indexedKey("SubRoll_Addr", e), 0);
            entry.input = ini.readInt(section, indexedKey("SubRoll_In", e), 0);
            entry.output = ini.readInt(section, indexedKey("SubRoll_Out", e), 0);
        }
    }
}

bool MatrixPolling::writeConfig() {
    SettingsScope ini = console_.settings().open();
    ini.writeInt(kSection, "GroupCount", groupCount_);
    ini.writeInt(kSection, "spTime", interval_);
    for (int g = 0; g < groupCount_; ++g) {
        const std::string section = groupSection(g);
        const PollingGroup& group = groups_[size_t(g)];
        ini.writeBool(section, "Enable", group.enabled);
        ini.writeInt(section, "Count", int(group.entries.size()));
        for (int e = 0; e < int(group.entries.size()); ++e) {
            const PollingEntry& entry = group.entries[size_t(e)];
            ini.writeBool(section, indexedKey("SubRoll_En", e), entry.used);
            ini.writeInt(section, indexedKey("SubRoll_Name", e), entry.name);
            ini.writeInt(section, indexedKey("SubRoll_Type", e), entry.type);
            ini.writeInt(section, indexedKey("SubRoll_Addr", e), entry.address);
            ini.writeInt(section, indexedKey("SubRoll_In", e), entry.input);
            ini.writeInt(section, indexedKey("SubRoll_Out", e), entry.output);
        }
    }
    QString error;
    if (ini.release(&error))
        return true;
    console_.settings().reportError(error);
    return false;
}

void MatrixPolling::setGroupCount(int count) {
    groupCount_ = std::clamp(count, 1, kMaxGroups);
}

void MatrixPolling::setTypedInterval(int seconds) {
    typedInterval_ = std::clamp(seconds, 1, kMaxInterval);
}

const PollingGroup& MatrixPolling::group(int g) const {
    return groups_.at(size_t(std::clamp(g, 0, kMaxGroups - 1)));
}

void MatrixPolling::setGroupEnabled(int g, bool on) {
    if (g >= 0 && g < kMaxGroups)
        groups_[size_t(g)].enabled = on;
}

CommandResult MatrixPolling::addEntry(int g, int address, int input, int output) {
    if (g < 0 || g >= kMaxGroups)
        return CommandResult::refused(text("请先选择轮询组", "Choose a polling group first"));
    PollingGroup& group = groups_[size_t(g)];
    if (int(group.entries.size()) >= kMaxEntries)
        return CommandResult::refused(
            text("该组已有 100 条路由", "The group already holds 100 routes"));
    if (!inRoute(input) || !inRoute(output))
        return CommandResult::refused(
            text("输入和输出须在 1-255 之间", "Input and output must be 1-255"));
    if (address < 0 || address > kMaxRoute)
        return CommandResult::refused(
            text("矩阵地址须在 0-255 之间", "The matrix address must be 0-255"));
    group.enabled = true;
    const int e = int(group.entries.size());
    group.entries.push_back({.used = true,
                             .number = e,
                             .name = 0,
                             .type = 0,
                             .address = address,
                             .input = input,
                             .output = output});
    return {};
}

CommandResult MatrixPolling::removeEntry(int g, int entry) {
    if (g < 0 || g >= kMaxGroups || entry < 0 || entry >= int(groups_[size_t(g)].entries.size()))
        return CommandResult::refused(text("请先选择要删除的路由", "Choose the route to remove"));
    std::vector<PollingEntry>& entries = groups_[size_t(g)].entries;
    entries.erase(entries.begin() + entry);
    for (int e = 0; e < int(entries.size()); ++e)
        entries[size_t(e)].number = e;
    return {};
}

void MatrixPolling::setRunning(bool on) {
    running_ = on;
    console_.state().settings.matrixRollOn = on;
    // Told every time, so that a new timer owner hears of polling that ran on.
    if (runningListener_)
        runningListener_(on);
}

CommandResult MatrixPolling::start() {
    steps_ = 0;
    next_ = 0;
    active_.clear();
    for (int g = 0; g < groupCount_; ++g)
        if (groups_[size_t(g)].enabled)
            active_.push_back({g, groups_[size_t(g)].entries});
    if (active_.empty()) {
        setRunning(false);
        const QString why =
            text("没有启用的轮询组, 轮询未启动", "No polling group is enabled; polling is off");
        console_.notice(why);
        return CommandResult::refused(why);
    }
    setRunning(true);
    const QString what = console_.messageLanguage() == 0
                             ? QStringLiteral("矩阵轮询已启动: %1 组, 每 %2 秒一组")
                                   .arg(active_.size())
                                   .arg(typedInterval_)
                             : QStringLiteral("Matrix polling on: %1 group(s), one every %2 s")
                                   .arg(active_.size())
                                   .arg(typedInterval_);
    console_.notice(what);
    return {true, what};
}

void MatrixPolling::stop() {
    next_ = 0;
    const bool was = running_;
    setRunning(false);
    if (was)
        console_.notice(text("矩阵轮询已停止", "Matrix polling off"));
}

void MatrixPolling::step() {
    if (!running_ || active_.empty())
        return;
    interval_ = typedInterval_;
    ++steps_;
    if (steps_ % interval_ != 0)
        return;
    const Active& group = active_[size_t(next_)];
    next_ = (next_ + 1) % int(active_.size());

    const int device = matrixPort(PortRule::A, console_.state().routing);
    DeviceIo& io = console_.io();
    DeviceLink& link = io.link(device);
    int sent = 0, skipped = 0;
    for (const PollingEntry& entry : group.entries) {
        // An input or output no frame byte can carry is not sent as another.
        if (!inRoute(entry.input) || !inRoute(entry.output)) {
            ++skipped;
            continue;
        }
        link.write(mainvanFrame(entry.input, entry.output));
        io.pacer().pause(kFramePauseMs);
        ++sent;
    }
    lastSent_ = io.clock().now();

    const int language = console_.messageLanguage();
    const bool chinese = language == 0;
    const QString at = lastSent_->toString(QStringLiteral("hh:mm:ss"));
    QString line =
        chinese
            ? QStringLiteral("%1 矩阵轮询 组 %2: ").arg(at, pollingGroupName(group.group))
            : QStringLiteral("%1 Matrix polling group %2: ").arg(at, pollingGroupName(group.group));
    if (sent > 0 && !link.isOpen())
        line += notices::portNotOpen(language);
    else
        line += chinese ? QStringLiteral("已发送 %1 条路由").arg(sent)
                        : QStringLiteral("%1 route(s) sent").arg(sent);
    if (skipped > 0)
        line +=
            chinese
                ? QStringLiteral(", %1 条输入或输出超出 1-255, 未发送").arg(skipped)
                : QStringLiteral(", %1 with input or output outside 1-255 skipped").arg(skipped);
    // The status bar belongs to the operator's commands: a turn is said there
    // only when something went wrong.
    if (!link.isOpen() || skipped > 0)
        console_.notice(line);
}

} // namespace wall
