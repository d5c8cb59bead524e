#include "PlanStore.h"

#include "PlanRecall.h"
#include "PresetFrames.h"
#include "app/SettingsStore.h"
#include "matrix/MatrixPort.h"
#include "matrix/MatrixProtocol.h"
#include "serial/DeviceIo.h"
#include "wall/ScreenPacket.h"

#include <algorithm>

namespace wall {

namespace {

constexpr const char* kWall = "Wall";

bool validPlan(int n) {
    return n >= 0 && n < kPlanCount;
}

QString outsidePlans(int n, bool english) {
    return english ? QStringLiteral("Plan %1 is outside 1-%2").arg(n + 1).arg(kPlanCount)
                   : QStringLiteral("预案 %1 超出 1-%2").arg(n + 1).arg(kPlanCount);
}

bool quoted(const QString& name) {
    return name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') &&
           name.back() == name.front();
}

// The order in which a save sends the preset frames.
constexpr MatrixKind kPresetOrder[] = {MatrixKind::VGA, MatrixKind::AV, MatrixKind::DVI,
                                       MatrixKind::YUV};

} // namespace

// --- Keys ----------------------------------------------------------------

std::string PlanStore::nameKey(int n) {
    return indexedKey("Wall_Mode", n);
}

std::string PlanStore::savedKey(int n) {
    return indexedKey("Wall_Mode", n, "_En");
}

std::string PlanStore::sourceKey(int n, int screen) {
    return indexedKey(indexedKey("SrcMode", n, "Source"), screen);
}

std::string PlanStore::matrixKey(int n, MatrixKind kind, int entry) {
    std::string prefix = indexedKey("Wall_Mode", n, "Matrix_");
    prefix += matrixKeyName(kind);
    prefix += "_InputStr";
    return indexedKey(prefix, entry);
}

// --- Current plan, flags and names ----------------------------------------

int PlanStore::current() const {
    const int n = console_.state().settings.wallMode;
    return validPlan(n) ? n : 0;
}

void PlanStore::setCurrent(int n) {
    if (validPlan(n))
        console_.state().settings.wallMode = n;
}

bool PlanStore::saved(int n) const {
    return validPlan(n) && console_.state().settings.wallModeEnabled[size_t(n)] != 0;
}

QString PlanStore::defaultName(int n, bool english) {
    return (english ? QStringLiteral("Mode") : QStringLiteral("模式")) + QString::number(n + 1);
}

QStringList PlanStore::names() const {
    QStringList names;
    names.reserve(kPlanCount);
    // The list's own language, whoever asks (the command-line tool too):
    // a rename is checked against the names the operator sees.
    const bool english = console_.english();
    SettingsScope ini = console_.settings().open();
    // An empty name names nothing: it shows the default, as a missing one does.
    for (int n = 0; n < kPlanCount; ++n) {
        const QString stored = ini.readText(kWall, nameKey(n));
        names << (stored.isEmpty() ? defaultName(n, english) : stored);
    }
    return names;
}

// --- Rename ----------------------------------------------------------------

std::optional<QString> PlanStore::nameProblem(int n, const QString& name) const {
    const bool english = console_.messageLanguage() != 0;
    if (!validPlan(n))
        return outsidePlans(n, english);
    if (name.isEmpty())
        return english ? QStringLiteral("Name can not be empty") : QStringLiteral("预案名不能为空");
    // A default name of the other language is taken too: after a language
    // switch it would stand in the list twice.
    const QStringList shown = names();
    const bool listEnglish = console_.english();
    bool duplicate = shown.contains(name);
    for (int k = 0; k < kPlanCount && !duplicate; ++k)
        duplicate = k != n && shown[k] == defaultName(k, listEnglish) &&
                    name == defaultName(k, !listEnglish);
    if (duplicate)
        return english ? QStringLiteral("Repeat name") : QStringLiteral("  有重命名");
    // Setting.ini keeps one key per line and reads a value without its outer
    // blanks or quotes: such a name would not come back as typed.
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (control || name.contains(u'[') || name.contains(u']') || name.contains(u'='))
        return english ? QStringLiteral("Name can not contain a line break, [, ] or =")
                       : QStringLiteral("预案名不能含有换行、[、]或=");
    if (name.trimmed() != name)
        return english ? QStringLiteral("Name can not begin or end with a blank")
                       : QStringLiteral("预案名首尾不能有空格");
    if (quoted(name))
        return english ? QStringLiteral("Name can not be enclosed in quotes")
                       : QStringLiteral("预案名不能用引号括起来");
    return std::nullopt;
}

CommandResult PlanStore::rename(int n, const QString& name) {
    if (const std::optional<QString> why = nameProblem(n, name))
        return CommandResult::refused(*why);
    SettingsScope ini = console_.settings().open();
    ini.writeText(kWall, nameKey(n), name);
    QString error;
    if (!ini.release(&error)) {
        console_.settings().reportError(error);
        return CommandResult::refused(error);
    }
    const bool english = console_.messageLanguage() != 0;
    console_.notice(english ? QStringLiteral("Plan %1 renamed %2").arg(n + 1).arg(name)
                            : QStringLiteral("预案 %1 已命名为 %2").arg(n + 1).arg(name));
    return {};
}

// --- Save ----------------------------------------------------------------

CommandResult PlanStore::save(int n) {
    const bool english = console_.messageLanguage() != 0;
    if (!validPlan(n))
        return CommandResult::refused(outsidePlans(n, english));
    if (console_.reading())
        return CommandResult::refused(english ? QStringLiteral("a read is running")
                                              : QStringLiteral("正在读取"));
    if (saving_ || console_.planRecall().running())
        return CommandResult::refused(english ? QStringLiteral("a plan command is running")
                                              : QStringLiteral("正在执行预案"));
    if (console_.busy()) // a power-on sequence: its frames and pauses are not to be mixed
        return CommandResult::refused(english ? QStringLiteral("a power-on sequence is running")
                                              : QStringLiteral("开机正在进行"));

    ConsoleState& state = console_.state();
    GlobalSettings& settings = state.settings;
    WallGrid& grid = state.grid;
    const MatrixConfig& matrix = state.matrix;
    const int before = settings.wallMode;
    const int wasSaved = settings.wallModeEnabled[size_t(n)];
    settings.wallMode = n;
    settings.wallModeEnabled[size_t(n)] = 1;

    {
        SettingsScope ini = console_.settings().open();
        ini.writeInt(kWall, "Wall_Mode", n);
        ini.writeText(kWall, savedKey(n), QStringLiteral("1"));

        const int screens = grid.screenCount();
        auto writeEntry = [&](MatrixKind kind, int k) {
            ini.writeInt("Matrix", matrixKey(n, kind, k),
                         matrix.routedInput[size_t(kind)][size_t(k)]);
        };
        if (settings.BoardSel == 8) {
            for (int k = 0; k < screens * kAvPicturesOnBoard8; ++k)
                writeEntry(MatrixKind::AV, k);
            for (int k = 0; k < screens; ++k) {
                writeEntry(MatrixKind::VGA, k);
                writeEntry(MatrixKind::DVI, k);
            }
        } else {
            for (int k = 0; k < screens; ++k)
                for (MatrixKind kind :
                     {MatrixKind::AV, MatrixKind::VGA, MatrixKind::DVI, MatrixKind::YUV})
                    writeEntry(kind, k);
        }

        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c) {
                const int k = grid.screenIndex(r, c);
                ini.writeInt("Unit1", sourceKey(n, k), grid.source(k));
            }

        QString error;
        if (!ini.release(&error)) {
            settings.wallMode = before;
            settings.wallModeEnabled[size_t(n)] = wasSaved;
            console_.settings().reportError(error);
            return CommandResult::refused(error);
        }
    }
    // The cells show the standard text again: a source answered without a
    // name is shown by its stored code from now on.
    for (int k = 0; k < grid.screenCount(); ++k)
        grid.setSource(k, grid.source(k));

    saving_ = true;
    DeviceIo& io = console_.io();
    for (MatrixKind kind : kPresetOrder) {
        const MatrixSettings& s = matrix.settings(kind);
        if (s.company == 0)
            continue;
        if (matrix.matrixUse == 1) {
            const MatrixProtocol* protocol = findMatrixProtocol(kind, s.company);
            const PortRule rule = protocol ? portRule(kind, *protocol) : defaultPortRule(kind);
            DeviceLink& link = io.link(matrixPort(rule, state.routing));
            for (const PresetWrite& w :
                 presetWrites(kind, s.company, PresetAction::Save, s.id, n)) {
                link.write(w.bytes);
                io.pacer().pause(w.pauseMs);
            }
        } else if (kind != MatrixKind::YUV) {
            continue; // the YPbPr kind's wait is made even without the matrix
        }
        io.pacer().pause(kKindPauseMs);
    }
    io.link(kWallLink).write(planWallFrame(settings.CmdForm, kPlanSaveCode, n + 1));
    saving_ = false;

    const QString name = names().value(n);
    const notices::Label label{QStringLiteral("保存预案 %1（%2）").arg(n + 1).arg(name),
                               QStringLiteral("save plan %1 (%2)").arg(n + 1).arg(name)};
    console_.noticeSent(label, grid.screenCount());
    return {};
}

QByteArray planWallFrame(int cmdForm, int parameter, int p) {
    QByteArray frame;
    auto put = [&frame](std::initializer_list<int> bytes) {
        for (int b : bytes)
            frame.append(static_cast<char>(b & 0xFF));
    };
    switch (frameFormatFor(cmdForm)) {
    case FrameFormat::Wide:
        put({kFrameHead, 0xB1, 0x11, 0xFF, parameter, p, 0x00, kFrameTail});
        break;
    case FrameFormat::RowCol:
        put({kFrameHead, 0xB0, 0x01, 0x01, 0xFF, 0xFF, parameter, p, kFrameTail});
        break;
    case FrameFormat::Short:
        put({kFrameHead, 0xB0, 0x11, 0xFF, parameter, p, kFrameTail});
        break;
    }
    return frame;
}

} // namespace wall
