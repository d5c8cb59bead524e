#include "Access.h"

#include "Console.h"
#include "SettingsStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace wall {

namespace {

// The fixed credentials are kept as SHA-256 digests of kSalt + user + '\n' +
// password, so that neither the names nor the passwords are in the program.
// Each stored text holds exactly one '\n', so an entry matches only with
// the very user name and password, not with another split of the same text.
constexpr std::string_view kSalt = "LCD wall console / access v1\n";

constexpr std::string_view kLoginDigest =
    "7dfecb66fd85755478f5eca585478d1f2c295ea2eb97bc20de5bb87d9f0dbe25";

struct LevelDigest {
    int level;
    std::string_view digest;
};
// In the order the advanced-functions dialog tries them.
constexpr std::array<LevelDigest, 3> kLevelDigests{{
    {kAccessHelp, "f0aa1f0b7d890a86366c880a0e2daeba69b167959b10fcc8c0ab0f6a956ccc60"},
    {kAccessFull, "656700bdab70b6279555af360f6615bab042f43e581d5d54d62a0006ecbcc281"},
    {kAccessOperator, "e4351c0025351077372faf4d16457ccc6256ea8d5143b8822f0f44de3b7e49df"},
}};

// The lower-case hex digest of one user name and password.
std::string credentialDigest(const QString& user, const QString& password) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(kSalt.data(), qsizetype(kSalt.size())));
    hash.addData(user.toUtf8());
    hash.addData(QByteArrayView("\n", 1));
    hash.addData(password.toUtf8());
    return hash.result().toHex().toStdString();
}

constexpr const char* kSetting = "SETTING";

const char* optionKey(SystemOption option) {
    switch (option) {
    case SystemOption::AutoPowerOn:
        return "AutoPowerOn";
    case SystemOption::bLogin:
        return "bLogin";
    case SystemOption::bReadEn:
        return "bReadEn";
    case SystemOption::bManYou:
        return "bManYou";
    }
    return "";
}

// The field of an option, for reading (const) or writing.
template <typename Settings> auto& optionValue(Settings& g, SystemOption option) {
    switch (option) {
    case SystemOption::AutoPowerOn:
        return g.AutoPowerOn;
    case SystemOption::bLogin:
        return g.bLogin;
    case SystemOption::bReadEn:
        return g.bReadEn;
    case SystemOption::bManYou:
        break;
    }
    return g.bManYou;
}

int clampDelay(int value) {
    return std::clamp(value, 0, kDelayMax);
}

} // namespace

bool loginAccepted(const QString& user, const QString& password) {
    return credentialDigest(user, password) == kLoginDigest;
}

int advancedAccessLevel(const QString& user, const QString& password) {
    const std::string digest = credentialDigest(user, password);
    for (const LevelDigest& entry : kLevelDigests)
        if (digest == entry.digest)
            return entry.level;
    return kAccessNone;
}

AdvancedAccessGate::Outcome AdvancedAccessGate::attempt(const QString& user,
                                                        const QString& password) {
    Outcome outcome;
    outcome.level = advancedAccessLevel(user, password);
    if (outcome.level == kAccessNone)
        ++failures_;
    outcome.failures = failures_;
    outcome.endsProcess = outcome.level == kAccessNone && failures_ >= kAdvancedAttemptLimit;
    return outcome;
}

DelayEntry readDelayEntry(const QString& text) {
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    // Leading zeros do not count towards the length; more than five digits
    // are above the cap whatever they are, and would not fit in an int.
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == QLatin1Char('0'))
        ++first;
    const QStringView significant = QStringView(digits).mid(first);
    if (significant.size() > 5)
        return {kDelayMax, true};
    const int value = significant.isEmpty() ? 0 : significant.toInt();
    if (value > kDelayMax)
        return {kDelayMax, true};
    return {value, false};
}

void applySystemSettings(Console& console, const SystemSettingsInput& input) {
    GlobalSettings& g = console.state().settings;
    g.CmdDelayTime10Ms = clampDelay(input.cmdDelayTime10Ms);
    g.PowerDelayTime10Ms = clampDelay(input.powerDelayTime10Ms);
    g.CmdForm = input.cmdForm;
    g.SwitchOrder = input.switchOrder;
    SettingsScope ini = console.settings().open();
    ini.writeInt(kSetting, "CmdDelayTime10Ms", g.CmdDelayTime10Ms);
    ini.writeInt(kSetting, "PowerDelayTime10Ms", g.PowerDelayTime10Ms);
    ini.writeInt(kSetting, "CmdForm", g.CmdForm);
    ini.writeInt(kSetting, "MatrixToScreenTime", g.MatrixToScreenTime);
    ini.writeInt(kSetting, "SwitchOrder", g.SwitchOrder);
}

void setMatrixToScreenTime(Console& console, int ms) {
    console.state().settings.MatrixToScreenTime = clampDelay(ms);
}

void setSystemOption(Console& console, SystemOption option, bool on) {
    int& value = optionValue(console.state().settings, option);
    value = on ? 1 : 0;
    SettingsScope ini = console.settings().open();
    ini.writeInt(kSetting, optionKey(option), value);
}

bool systemOption(const Console& console, SystemOption option) {
    return optionValue(console.state().settings, option) != 0;
}

QString autostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/wall.desktop");
}

QString desktopExecValue(const QString& executablePath) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");
    QString argument;
    bool quoted = false;
    for (const QChar c : executablePath) {
        if (reserved.contains(c))
            quoted = true;
        if (escapedInQuotes.contains(c))
            argument += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            argument += QLatin1Char('%'); // "%%" is a literal percent sign
        argument += c;
    }
    if (quoted)
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    // The value is a desktop-entry string, which has escapes of its own.
    QString value;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

bool setStartWithComputer(bool on, const QString& executablePath) {
#ifdef Q_OS_WIN
    QSettings run(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"
                                 "CurrentVersion\\Run"),
                  QSettings::NativeFormat);
    if (on)
        run.setValue(QStringLiteral("WALL"), QDir::toNativeSeparators(executablePath));
    else
        run.remove(QStringLiteral("WALL"));
    run.sync();
    return run.status() == QSettings::NoError;
#else
    const QString entry = autostartEntryPath();
    if (!on)
        return !QFile::exists(entry) || QFile::remove(entry);
    if (!QDir().mkpath(QFileInfo(entry).absolutePath()))
        return false;
    const QByteArray text = "[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=WALL\n"
                            "Exec=" +
                            desktopExecValue(executablePath).toUtf8() +
                            "\n"
                            "X-GNOME-Autostart-enabled=true\n";
    QSaveFile out(entry);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(text) != text.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
#endif
}

} // namespace wall
