#include "Wallctl.h"

#include "app/Console.h"
#include "app/SettingsStore.h"
#include "matrix/InputRouting.h"
#include "plans/PlanRecall.h"
#include "plans/PlanStore.h"
#include "serial/TraceIo.h"
#include "wall/BoardSources.h"
#include "wall/CommandFile.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <functional>
#include <optional>
#include <tuple>

namespace wall {

namespace {

enum Exit { Done = 0, Refused = 1, Usage = 2 };

std::optional<unsigned> parseNumber(const QString& text, unsigned max) {
    bool ok = false;
    const unsigned value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                               ? text.mid(2).toUInt(&ok, 16)
                               : text.toUInt(&ok, 10);
    if (!ok || value > max)
        return std::nullopt;
    return value;
}

// "R:C" or "R1:C1-R2:C2", 1-based as the grid shows them.
std::optional<Selection> parseSelection(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d+):(\d+)\s*(?:-\s*(\d+):(\d+)\s*)?$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int r1 = m.captured(1).toInt(), c1 = m.captured(2).toInt();
    const int r2 = m.hasCaptured(3) ? m.captured(3).toInt() : r1;
    const int c2 = m.hasCaptured(4) ? m.captured(4).toInt() : c1;
    return Selection{std::min(c1, c2) - 1, std::min(r1, r2) - 1, std::max(c1, c2) - 1,
                     std::max(r1, r2) - 1};
}

struct Invocation {
    Console& console;
    QStringList args; // the command's own arguments
    QTextStream& err;
    bool singleScreen = false;
    std::optional<int> switchType; // --type
    std::optional<int> picture;    // --picture
    QStringList results;           // printed on stdout after the trace
};

// A command runs and gives its result, or finds its arguments bad, says so
// and gives nothing (exit 2).
using Handler = std::function<std::optional<CommandResult>(Invocation&)>;

struct Command {
    const char* name; // one word, or two ("plan save")
    int argumentCount;
    const char* synopsis;
    Handler run;
    bool sends = true; // false: works on the file alone, no device is opened
    // Arguments that can be judged before any device is opened: a bad one
    // says so and gives false (exit 2), so that it is not hidden behind a
    // wall link that cannot open.
    std::function<bool(Invocation&)> check = nullptr;
    // A refusal that can be judged before any device is opened: a non-empty
    // reason is said (exit 1) and nothing is opened or sent.
    std::function<QString(Invocation&)> refusal = nullptr;

    QStringList words() const { return QString::fromLatin1(name).split(u' '); }
};

std::optional<CommandResult> frameCommand(Invocation& in, bool write) {
    const std::optional<unsigned> parameter = parseNumber(in.args.at(0), 0xFF);
    if (!parameter) {
        in.err << QStringLiteral("Bad parameter \"%1\": a number 0-255, decimal or 0x hex.\n")
                      .arg(in.args.at(0));
        return std::nullopt;
    }
    const std::optional<unsigned> value = parseNumber(in.args.at(1), write ? 0xFFFFFFFFu : 0xFFu);
    if (!value) {
        in.err << QStringLiteral("Bad value \"%1\": a number%2, decimal or 0x hex.\n")
                      .arg(in.args.at(1), write ? QString() : QStringLiteral(" 0-255"));
        return std::nullopt;
    }
    const auto p = static_cast<std::uint8_t>(*parameter);
    return write ? in.console.buttonWrite(p, *value)
                 : in.console.buttonIncDec(p, static_cast<std::uint8_t>(*value));
}

std::optional<CommandResult> powerCommand(Invocation& in) {
    const QString& what = in.args.at(0);
    if (what == QLatin1String("on"))
        return in.console.powerOn();
    if (what == QLatin1String("off"))
        return in.console.powerOff(); // no confirmation from a script
    in.err << QStringLiteral("Bad power state \"%1\": on or off.\n").arg(what);
    return std::nullopt;
}

std::optional<CommandResult> readCommand(Invocation& in) {
    const std::optional<unsigned> parameter = parseNumber(in.args.at(0), 0xFF);
    if (!parameter) {
        in.err << QStringLiteral("Bad parameter \"%1\": a number 0-255, decimal or 0x hex.\n")
                      .arg(in.args.at(0));
        return std::nullopt;
    }
    const ReadEvent e = in.console.readParameter(static_cast<std::uint8_t>(*parameter),
                                                 readKindOf(int(*parameter)));
    if (!e.ok)
        return CommandResult::refused(QStringLiteral("no screen answered the read"));
    in.results << QStringLiteral("value %1").arg(e.reply.value);
    return CommandResult{};
}

// A SourceCode, or a short source name of the board in use.
std::optional<int> parseSource(const QString& text, int board) {
    if (const std::optional<unsigned> code = parseNumber(text, kNoSource - 1))
        return int(*code);
    for (int code = 0; code < kNoSource; ++code)
        if (const QString name = boardSourceName(board, code);
            !name.isEmpty() && name.compare(text, Qt::CaseInsensitive) == 0)
            return code;
    return std::nullopt;
}

// The command's first argument as a source, or a message and nothing.
std::optional<int> sourceArgument(Invocation& in) {
    const int board = in.console.state().settings.BoardSel;
    const std::optional<int> code = parseSource(in.args.at(0), board);
    if (!code)
        in.err << QStringLiteral(
                      "Bad source \"%1\": a source code 0-11 or a source name of board %2.\n")
                      .arg(in.args.at(0))
                      .arg(board);
    return code;
}

std::optional<CommandResult> sourceCommand(Invocation& in) {
    const std::optional<int> code = sourceArgument(in);
    if (!code)
        return std::nullopt;
    return in.console.switchMainSource(*code, in.singleScreen);
}

std::optional<CommandResult> readSourcesCommand(Invocation& in) {
    Console& c = in.console;
    const bool ok = c.getMainSource();
    const WallGrid& grid = c.grid();
    const Selection s = grid.selection();
    for (int r = s.top; r <= s.bottom; ++r)
        for (int col = s.left; col <= s.right; ++col)
            in.results << QStringLiteral("source %1")
                              .arg(grid.cellText(r, col, c.state().settings.BoardSel));
    if (!ok)
        return CommandResult::refused(QStringLiteral("a screen did not answer"));
    return CommandResult{};
}

std::optional<CommandResult> applyCommand(Invocation& in) {
    QString error;
    const std::optional<QStringList> lines = loadCommandFile(in.args.at(0), &error);
    if (!lines)
        return CommandResult::refused(QStringLiteral("cannot read %1").arg(error));
    in.console.commandList() = *lines;
    const Console::ApplyReport report = in.console.applyCommandList();
    if (report.skipped > 0)
        in.err << QStringLiteral("%1 line(s) without a known parameter name skipped.\n")
                      .arg(report.skipped);
    if (report.refused > 0)
        return CommandResult::refused(
            QStringLiteral("%1 line(s) not sent: the value does not fit the frame")
                .arg(report.refused));
    return CommandResult{};
}

// The source and the 1-based matrix input of `matrix` and `route`, and board
// 8's picture: --picture, else the input-routing window's stored source item
// (1 … 4 are AV1 … AV4).
struct MatrixArguments {
    int source;
    int input;
    int picture;
};
std::optional<MatrixArguments> matrixArguments(Invocation& in) {
    const std::optional<int> source = sourceArgument(in);
    if (!source)
        return std::nullopt;
    const std::optional<unsigned> input = parseNumber(in.args.at(1), kMaxMatrixInputs);
    if (!input || *input == 0) {
        in.err << QStringLiteral("Bad matrix input \"%1\": a number 1-%2.\n")
                      .arg(in.args.at(1))
                      .arg(kMaxMatrixInputs);
        return std::nullopt;
    }
    const int picture =
        in.picture ? *in.picture : in.console.settings().open().readInt("Unit14", "ComboBox18", -1);
    return MatrixArguments{*source, int(*input), picture};
}

std::optional<CommandResult> matrixCommand(Invocation& in) {
    const std::optional<MatrixArguments> a = matrixArguments(in);
    if (!a)
        return std::nullopt;
    in.console.state().matrixPicture.sourceItem = a->picture;
    return in.console.routeMatrixInput(a->source, a->input, in.switchType);
}

// The input-routing window's OK: input I of the source's kind, the stored
// switch type unless --type, single-screen with --single.
std::optional<CommandResult> routeCommand(Invocation& in) {
    const std::optional<MatrixArguments> a = matrixArguments(in);
    if (!a)
        return std::nullopt;
    RoutingChoice choice;
    choice.sourceCode = a->source;
    choice.inputItems.fill(a->input - 1);
    choice.singleScreen = in.singleScreen;
    choice.switchType = in.switchType;
    choice.picture.sourceItem = a->picture;
    return in.console.inputRouting().route(choice);
}

// "Refused: <why>." on a line; a reason that ends in its own mark keeps it.
QString refusedLine(const QString& why) {
    const bool marked = why.endsWith(u'!') || why.endsWith(u'.') || why.endsWith(u'?');
    return QStringLiteral("Refused: %1%2\n").arg(why, marked ? QString() : QStringLiteral("."));
}

// A plan number as shown, 1 … 48, as its PlanIndex; or a message and nothing.
std::optional<int> planArgument(Invocation& in) {
    const std::optional<unsigned> p = parseNumber(in.args.at(0), kPlanCount);
    if (!p || *p == 0) {
        in.err << QStringLiteral("Bad plan \"%1\": a number 1-%2.\n")
                      .arg(in.args.at(0))
                      .arg(kPlanCount);
        return std::nullopt;
    }
    return int(*p) - 1;
}

std::optional<CommandResult> planSaveCommand(Invocation& in) {
    const std::optional<int> n = planArgument(in);
    if (!n)
        return std::nullopt;
    return in.console.plans().save(*n);
}

std::optional<CommandResult> planRenameCommand(Invocation& in) {
    const std::optional<int> n = planArgument(in);
    if (!n)
        return std::nullopt;
    return in.console.plans().rename(*n, in.args.at(1));
}

// The plan list's double-click: matrices and wall in the SwitchOrder.
std::optional<CommandResult> planRecallCommand(Invocation& in) {
    const std::optional<int> n = planArgument(in);
    if (!n)
        return std::nullopt;
    return in.console.planRecall().recall(*n);
}

// The matrices alone, as scheduled tasks and remote recalls restore them.
std::optional<CommandResult> planRestoreCommand(Invocation& in) {
    const std::optional<int> n = planArgument(in);
    if (!n)
        return std::nullopt;
    in.console.plans().setCurrent(*n);
    return in.console.planRecall().matrixRecallyPlan();
}

bool planNumberCheck(Invocation& in) {
    return planArgument(in).has_value();
}

QString planRecallRefusal(Invocation& in) {
    const std::optional<int> n = planArgument(in);
    return n ? in.console.planRecall().refusal(*n) : QString();
}

std::optional<CommandResult> planListCommand(Invocation& in) {
    const PlanStore& plans = in.console.plans();
    const QStringList names = plans.names();
    for (int n = 0; n < names.size(); ++n)
        in.results << QStringLiteral("%1 %2 %3")
                          .arg(n + 1)
                          .arg(plans.saved(n) ? QStringLiteral("saved") : QStringLiteral("-"))
                          .arg(names[n]);
    return CommandResult{};
}

const Command kCommands[] = {
    {"write", 2, "write P V     set parameter P to V on the selection (0xB1)",
     [](Invocation& in) { return frameCommand(in, true); }},
    {"step", 2, "step P V      step parameter P (V 0 down, 1 up) or trigger action P (0xB0)",
     [](Invocation& in) { return frameCommand(in, false); }},
    {"power", 1, "power on|off  switch the selection on (staggered by PowerDelayTime10Ms) or off",
     powerCommand},
    {"read", 1,
     "read P        read parameter P back from the selection (replies: --reply in trace mode)",
     readCommand},
    {"source", 1,
     "source S      switch the selection to source S (code 0-12 or a name; --single: 0x31)",
     sourceCommand},
    {"read-sources", 0, "read-sources  read the main source of every selected screen",
     readSourcesCommand},
    {"apply", 1, "apply FILE    write every line of a command file to the selection, 10 ms apart",
     applyCommand},
    {"matrix", 2,
     "matrix S I    route matrix input I to the selection for source S (--type, --picture)",
     matrixCommand},
    {"route", 2,
     "route S I     put source S on the selection through matrix input I, as the "
     "input-routing window's OK does (--single, --type, --picture)",
     routeCommand},
    {"plan save", 1,
     "plan save N   store the wall as plan N (1-48): the file, the switchers' presets, the "
     "screens (0xC9)",
     planSaveCommand, true, planNumberCheck},
    {"plan recall", 1,
     "plan recall N recall plan N (1-48) as a double-click on the plan list does: the switchers "
     "and the screens (0xCA) in the SwitchOrder, MatrixToScreenTime x 10 ms apart",
     planRecallCommand, true, planNumberCheck, planRecallRefusal},
    {"plan restore", 1,
     "plan restore N restore plan N (1-48) on the grid, in the file and on the switchers only, "
     "as a scheduled task does; no screen command",
     planRestoreCommand, true, planNumberCheck, planRecallRefusal},
    {"plan rename", 2, "plan rename N NAME  name plan N (1-48); the file only", planRenameCommand,
     false},
    {"plan list", 0, "plan list     every plan: number, saved or -, name", planListCommand, false},
};

QString commandHelp() {
    QString help = QStringLiteral("Commands:\n");
    for (const Command& c : kCommands)
        help += QStringLiteral("  %1\n").arg(QLatin1String(c.synopsis));
    return help;
}

// Forwards to the trace or, once they are open, to the real devices.
struct SwitchableIo final : DeviceIo {
    DeviceIo* target = nullptr;
    DeviceLink& link(int device) override { return target->link(device); }
    Pacer& pacer() override { return target->pacer(); }
};

} // namespace

int runWallctl(const QStringList& arguments, QTextStream& out, QTextStream& err,
               const WallctlEnvironment& env) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sends wall commands with the console's settings.\n\n") + commandHelp());
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("Settings file (default: %1).").arg(env.defaultSettingsPath),
        QStringLiteral("FILE"));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"),
        QStringLiteral("Send nothing and wait for nothing; print the frames and pauses instead."));
    const QCommandLineOption selectOption(
        QStringLiteral("select"),
        QStringLiteral(
            "Screens to address, R:C or R1:C1-R2:C2, 1-based (default: the whole wall)."),
        QStringLiteral("RANGE"));
    const QCommandLineOption replyOption(
        QStringLiteral("reply"),
        QStringLiteral(
            "With --trace: a package the wall link receives, as hex (repeatable, in order)."),
        QStringLiteral("HEX"));
    const QCommandLineOption singleOption(
        QStringLiteral("single"),
        QStringLiteral("With source: the single-screen mode switch (0x31)."));
    const QCommandLineOption typeOption(
        QStringLiteral("type"),
        QStringLiteral("With matrix: 0 video and audio, 1 video, 2 audio (default: the "
                       "input-routing window's choice)."),
        QStringLiteral("N"));
    const QCommandLineOption pictureOption(
        QStringLiteral("picture"),
        QStringLiteral("With matrix on board 8: the picture AV1-AV4 of each screen, 1-4."),
        QStringLiteral("K"));
    parser.addOptions({settingsOption, traceOption, selectOption, replyOption, singleOption,
                       typeOption, pictureOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("See the commands above."));
    const QCommandLineOption helpOption = parser.addHelpOption();

    if (!parser.parse(arguments)) {
        err << parser.errorText() << '\n';
        return Usage;
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return Done;
    }

    const QStringList args = parser.positionalArguments();
    const Command* command = nullptr;
    for (const Command& c : kCommands)
        if (const QStringList words = c.words(); args.mid(0, words.size()) == words)
            command = &c;
    if (!command) {
        err << (args.isEmpty() ? QStringLiteral("No command given.\n")
                               : QStringLiteral("Unknown command \"%1\".\n").arg(args.first()))
            << commandHelp();
        return Usage;
    }
    const int commandWords = int(command->words().size());
    if (args.size() != command->argumentCount + commandWords) {
        err << QStringLiteral("Usage: wallctl %1\n").arg(QLatin1String(command->synopsis));
        return Usage;
    }

    const QString settingsPath =
        parser.isSet(settingsOption) ? parser.value(settingsOption) : env.defaultSettingsPath;
    SettingsStore store(settingsPath);
    store.setDryRun(parser.isSet(traceOption)); // a trace changes nothing, the file included
    store.setErrorSink([&err](const QString& message) { err << message << '\n'; });

    // The console is loaded before the devices open: they take their
    // settings from it.
    TraceIo trace;
    for (const QString& hex : parser.values(replyOption)) {
        const QByteArray package = QByteArray::fromHex(hex.toLatin1());
        if (package.isEmpty() ||
            hex.count(QRegularExpression(QStringLiteral("[^0-9A-Fa-f ]"))) > 0) {
            err << QStringLiteral("Bad reply \"%1\": hexadecimal bytes.\n").arg(hex);
            return Usage;
        }
        trace.queueReply(kWallLink, package);
    }
    SwitchableIo io;
    io.target = &trace;
    Console console(store, io);
    console.setMessageLanguage(1); // a shell tool speaks English
    const StartupReport report = console.load(env.executableDir);
    for (const QString& warning : report.warnings)
        err << warning << '\n';
    // The file's own message came through the sink; a wall addressed with
    // defaults instead of the installer's settings is no wall at all.
    if (store.unreadable()) {
        err << QStringLiteral("Nothing was sent.\n");
        return Refused;
    }
    if (store.createdFile())
        err << QStringLiteral("%1 did not exist: created it empty; the defaults are used.\n")
                   .arg(settingsPath);
    else if (parser.isSet(traceOption) && !QFileInfo::exists(settingsPath))
        err << QStringLiteral("%1 does not exist: the defaults are used.\n").arg(settingsPath);

    WallGrid& grid = console.grid();
    if (parser.isSet(selectOption)) {
        const std::optional<Selection> s = parseSelection(parser.value(selectOption));
        if (!s) {
            err << QStringLiteral("Bad selection \"%1\": use R:C or R1:C1-R2:C2.\n")
                       .arg(parser.value(selectOption));
            return Usage;
        }
        if (!grid.setSelection(*s)) {
            err << QStringLiteral("Selection %1 is outside the %2 x %3 wall; nothing sent.\n")
                       .arg(parser.value(selectOption))
                       .arg(grid.rows())
                       .arg(grid.cols());
            return Refused;
        }
    }

    std::optional<int> switchType, picture;
    for (auto [option, value, max] :
         {std::tuple{&typeOption, &switchType, 2u}, std::tuple{&pictureOption, &picture, 4u}}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<unsigned> n = parseNumber(parser.value(*option), max);
        if (!n || (option == &pictureOption && *n == 0)) {
            err << QStringLiteral("Bad --%1 \"%2\": a number %3-%4.\n")
                       .arg(option->names().first(), parser.value(*option))
                       .arg(option == &pictureOption ? 1 : 0)
                       .arg(max);
            return Usage;
        }
        *value = int(*n);
    }

    Invocation invocation{
        console, args.mid(commandWords), err, parser.isSet(singleOption), switchType, picture, {}};
    if (command->check && !command->check(invocation))
        return Usage;
    if (command->refusal)
        if (const QString why = command->refusal(invocation); !why.isEmpty()) {
            err << refusedLine(why);
            return Refused;
        }

    std::unique_ptr<CommandDevices> realDevices;
    if (!parser.isSet(traceOption) && command->sends) {
        QString error;
        if (env.openDevices)
            realDevices = env.openDevices(console.state(), error);
        else
            error = QStringLiteral("no serial device support in this build");
        if (!realDevices) {
            err << QStringLiteral("Cannot open the wall link: %1\n").arg(error);
            return Refused;
        }
        io.target = realDevices.get();
    }

    const std::optional<CommandResult> result = command->run(invocation);
    const QStringList notSent = realDevices ? realDevices->finish() : QStringList();
    if (!result)
        return Usage;
    for (const QString& line : trace.lines())
        out << line << '\n';
    for (const QString& line : invocation.results)
        out << line << '\n';
    int code = Done;
    if (!result->ok) {
        err << refusedLine(result->message);
        code = Refused;
    }
    for (const QString& line : notSent)
        err << line << '\n';
    if (!notSent.isEmpty())
        code = Refused;
    // The save's own reason came through the sink.
    if (store.failedSaves() > 0) {
        err << (code == Done ? QStringLiteral("The frames were sent, but the settings were not "
                                              "stored.\n")
                             : QStringLiteral("The settings were not stored either.\n"));
        code = Refused;
    }
    return code;
}

} // namespace wall
