#include "TimerSystem.h"

#include "PlanStore.h"
#include "app/SettingsStore.h"

#include <array>

namespace wall {

namespace {

constexpr std::array<const char*, 7> kWeekdaysZh = {"星期日", "星期一", "星期二", "星期三",
                                                    "星期四", "星期五", "星期六"};
constexpr std::array<const char*, 7> kWeekdaysEn = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};

QString weekdayName(int w, bool english) {
    if (w < 0 || w > 6)
        return {};
    return QString::fromUtf8(english ? kWeekdaysEn[size_t(w)] : kWeekdaysZh[size_t(w)]);
}

QString number(int v) {
    return QString::number(v);
}

// Hour, minute and second with their unit words; "" drops a unit.
QString units(const TimerSystem& t, bool english, bool month, bool day, bool hour, bool minute) {
    QString s;
    auto part = [&](int v, const char* zh, const char* en) {
        s += number(v) + QString::fromUtf8(english ? en : zh);
    };
    if (month)
        part(t.wMonth, "月", "Month ");
    if (day)
        part(t.wDay, "日", "Day ");
    if (hour)
        part(t.wHour, "时", "Hour ");
    if (minute)
        part(t.wMinute, "分", "Minute ");
    part(t.wSecond, "秒", "Second ");
    return s;
}

QString repeatPart(const TimerSystem& t, bool english) {
    const QString w = weekdayName(t.wDayOfWeek, english);
    auto head = [&](const char* zh, const char* en) -> QString {
        return QString::fromUtf8(english ? en : zh) + QLatin1Char(' ');
    };
    switch (t.RepeatTimeSel) {
    case 0:
        return head("不重复", "Not repeat") + number(t.wYear) + u'-' + number(t.wMonth) + u'-' +
               number(t.wDay) + u' ' + w + u' ' + number(t.wHour) + u':' + number(t.wMinute) +
               u':' + number(t.wSecond);
    case 1:
        return head("每分钟重复", "Every Minute") + units(t, english, false, false, false, false);
    case 2:
        return head("每小时重复", "Every Hour") + units(t, english, false, false, false, true);
    case 3:
        return head("每天重复", "Every Day") + units(t, english, false, false, true, true);
    case 4:
        return head("每周重复", "Every Week") + w + u' ' +
               units(t, english, false, false, true, true);
    case 5:
        return head("每月重复", "Every Month") + units(t, english, false, true, true, true);
    case 6:
        return head("每年重复", "Every Year") + units(t, english, true, true, true, true);
    default:
        return {};
    }
}

// One address byte: the low hex digit, or both digits in the split layout.
QString addressDigits(std::uint8_t v, int cmdForm) {
    if (cmdForm == 2)
        return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
    return QString::number(v & 0x0F, 16).toUpper();
}

QString hexByte(std::uint8_t v) {
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

QString commandPart(const TimerSystem& t, bool english) {
    if (t.ucCommand == 0x10)
        return t.ucCommandParameter != 0 ? QString::fromUtf8(english ? "PowerOn" : "开机")
                                         : QString::fromUtf8(english ? "PowerOff" : "关机");
    if (t.ucCommand == kPlanRecallCode)
        return QString::fromUtf8(english ? "Plan" : "预案") + u'[' + number(t.ucCommandParameter) +
               u']';
    return hexByte(t.ucCommand) + u'[' + hexByte(t.ucCommandParameter) + u']';
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}

std::string slotSection(int slot) {
    return indexedKey("NO.", slot);
}

} // namespace

void TaskSchedule::setDate(const QDate& date) {
    year = date.year();
    month = date.month();
    day = std::min(date.day(), 30);
    weekday = date.dayOfWeek() % 7;
}

QString TimerTasks::taskLine(const TimerSystem& t, bool english, int cmdForm) {
    const QString open = QString::fromUtf8(english ? "Start Address(" : "起始地址(");
    const QString end = QString::fromUtf8(english ? "End address(" : "结束地址(");
    return repeatPart(t, english) + u' ' + open + addressDigits(t.ucWallStartL, cmdForm) +
           addressDigits(t.ucWallStartH, cmdForm) + QStringLiteral(") ") + end +
           addressDigits(t.ucWallEndL, cmdForm) + addressDigits(t.ucWallEndH, cmdForm) +
           QStringLiteral(") ") + commandPart(t, english) + QStringLiteral(" NO.") +
           number(t.wIndex) + u' ';
}

std::uint8_t TimerTasks::typedHexByte(const QString& text) {
    const qsizetype n = text.size();
    int v = n >= 1 ? hexDigit(text[n - 1]) : 0;
    if (n >= 2)
        v += hexDigit(text[n - 2]) * 16;
    return std::uint8_t(v);
}

std::optional<int> TimerTasks::slotOfLine(const QString& line) {
    const qsizetype n = line.size();
    if (n < 3 || line[n - 1] != QLatin1Char(' ') || !line[n - 2].isDigit())
        return std::nullopt;
    const int units = line[n - 2].digitValue();
    if (line[n - 3] == QLatin1Char('.'))
        return units;
    if (line[n - 3].isDigit())
        return line[n - 3].digitValue() * 10 + units;
    return std::nullopt;
}

TimerTasks::Added TimerTasks::add(const TaskSchedule& when, std::uint8_t command,
                                  std::uint8_t parameter) {
    TimerTable& table = console_.state().timers;
    int slot = 0;
    while (slot < kTimerSlots && table[size_t(slot)].bEnable != 0)
        ++slot;
    // A full table takes nothing, and says so: a task the operator believes
    // is set must not be missing.
    if (slot == kTimerSlots)
        return {CommandResult::refused(console_.messageLanguage() != 0
                                           ? QStringLiteral("All 50 timer tasks are in use")
                                           : QStringLiteral("50 个定时任务已全部使用")),
                std::nullopt};

    const Selection& sel = console_.grid().selection();
    TimerSystem& t = table[size_t(slot)];
    t.bEnable = 1;
    t.wIndex = std::uint16_t(slot);
    t.wYear = std::uint16_t(when.year);
    t.wMonth = std::uint16_t(when.month);
    t.wDay = std::uint16_t(when.day);
    t.wHour = std::uint16_t(when.hour);
    t.wMinute = std::uint16_t(when.minute);
    t.wSecond = std::uint16_t(when.second);
    t.wDayOfWeek = std::uint16_t(when.weekday);
    t.RepeatTimeSel = std::int8_t(when.repeat);
    t.ucWallStartH = std::uint8_t(sel.top + 1);
    t.ucWallStartL = std::uint8_t(sel.left + 1);
    t.ucWallEndH = std::uint8_t(sel.bottom + 1);
    t.ucWallEndL = std::uint8_t(sel.right + 1);
    t.ucCommand = command;
    t.ucCommandParameter = parameter;
    writeSlot(slot);
    list_.append(taskLine(t, console_.english(), console_.state().settings.CmdForm));
    return {{}, slot};
}

TimerTasks::Added TimerTasks::addPowerOn(const TaskSchedule& when) {
    return add(when, 0x10, 1);
}

TimerTasks::Added TimerTasks::addPowerOff(const TaskSchedule& when) {
    return add(when, 0x10, 0);
}

TimerTasks::Added TimerTasks::addPlanRecall(const TaskSchedule& when, int position) {
    console_.plans().setCurrent(position);
    if (!console_.plans().saved(position))
        return {CommandResult::refused(console_.messageLanguage() != 0
                                           ? QStringLiteral("Do not save this plan!")
                                           : QStringLiteral("没有保存此预案")),
                std::nullopt};
    return add(when, kPlanRecallCode, std::uint8_t(position + 1));
}

TimerTasks::Added TimerTasks::addCustom(const TaskSchedule& when, const QString& command,
                                        const QString& parameter) {
    if (command.isEmpty() || parameter.isEmpty())
        return {CommandResult::refused(console_.messageLanguage() != 0
                                           ? QStringLiteral("ucCommand or Parameter is NULL!")
                                           : QStringLiteral("命令或参数为空!")),
                std::nullopt};
    return add(when, typedHexByte(command), typedHexByte(parameter));
}

void TimerTasks::deleteLine(int row) {
    if (row < 0 || row >= list_.size())
        return;
    const std::optional<int> slot = slotOfLine(list_[row]);
    list_.removeAt(row);
    if (!slot || *slot >= kTimerSlots)
        return;
    console_.state().timers[size_t(*slot)].bEnable = 0;
    writeSlotFlag(*slot);
}

void TimerTasks::deleteSlot(int slot) {
    if (slot < 0 || slot >= kTimerSlots)
        return;
    console_.state().timers[size_t(slot)].bEnable = 0;
    writeSlotFlag(slot);
    list_.removeIf([slot](const QString& line) { return slotOfLine(line) == slot; });
}

bool TimerTasks::enabled() const {
    return console_.state().settings.timerSystemEnabled;
}

void TimerTasks::setEnabled(bool on) {
    console_.state().settings.timerSystemEnabled = on;
    SettingsScope ini = console_.settings().open();
    ini.writeBool("TimerSystem", "Enable", on);
    QString error;
    if (!ini.release(&error))
        console_.settings().reportError(error);
}

void TimerTasks::reloadList() {
    list_.clear();
    const SettingsScope ini = console_.settings().open();
    const TimerTable& table = console_.state().timers;
    for (int i = 0; i < kTimerSlots; ++i)
        if (ini.readInt(slotSection(i), "TimerSystem.bEnable", 0) == 1)
            list_.append(
                taskLine(table[size_t(i)], console_.english(), console_.state().settings.CmdForm));
}

QStringList TimerTasks::liveLines() const {
    QStringList lines;
    for (const TimerSystem& t : console_.state().timers)
        if (t.bEnable == 1)
            lines.append(taskLine(t, console_.english(), console_.state().settings.CmdForm));
    return lines;
}

void TimerTasks::writeSlot(int slot) {
    const TimerSystem& t = console_.state().timers[size_t(slot)];
    const std::string s = slotSection(slot);
    SettingsScope ini = console_.settings().open();
    ini.writeInt(s, "TimerSystem.bEnable", t.bEnable);
    ini.writeInt(s, "TimerSystem.wIndex", t.wIndex);
    ini.writeInt(s, "TimerSystem.wYear", t.wYear);
    ini.writeInt(s, "TimerSystem.wMonth", t.wMonth);
    ini.writeInt(s, "TimerSystem.wDayOfWeek", t.wDayOfWeek);
    ini.writeInt(s, "TimerSystem.wDay", t.wDay);
    ini.writeInt(s, "TimerSystem.wHour", t.wHour);
    ini.writeInt(s, "TimerSystem.wMinute", t.wMinute);
    ini.writeInt(s, "TimerSystem.wSecond", t.wSecond);
    ini.writeInt(s, "TimerSystem.RepeatTimeSel", t.RepeatTimeSel);
    ini.writeInt(s, "TimerSystem.ucWallStartH", t.ucWallStartH);
    ini.writeInt(s, "TimerSystem.ucWallStartL", t.ucWallStartL);
    ini.writeInt(s, "TimerSystem.ucWallEndH", t.ucWallEndH);
    ini.writeInt(s, "TimerSystem.ucWallEndL", t.ucWallEndL);
    ini.writeInt(s, "TimerSystem.ucCommand", t.ucCommand);
    ini.writeInt(s, "TimerSystem.ucCommandParameter", t.ucCommandParameter);
    QString error;
    if (!ini.release(&error))
        console_.settings().reportError(error);
}

void TimerTasks::writeSlotFlag(int slot) {
    SettingsScope ini = console_.settings().open();
    ini.writeInt(slotSection(slot), "TimerSystem.bEnable",
                 console_.state().timers[size_t(slot)].bEnable);
    QString error;
    if (!ini.release(&error))
        console_.settings().reportError(error);
}

} // namespace wall
