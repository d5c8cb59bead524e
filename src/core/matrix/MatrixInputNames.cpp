#include "MatrixInputNames.h"

#include "app/SettingsStore.h"

#include <algorithm>

namespace wall {

namespace {

std::string nameKey(MatrixKind kind, int n) {
    return indexedKey(std::string(matrixKeyName(kind)) + "_InputName", n);
}

bool quoted(const QString& name) {
    return name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') &&
           name.back() == name.front();
}

// A stored name, or the default where there is none or it is empty (an
// empty chooser item would name nothing).
QString readName(const SettingsScope& ini, MatrixKind kind, int n, bool english) {
    const QString stored = ini.readText("Matrix", nameKey(kind, n));
    return stored.isEmpty() ? MatrixInputNames::defaultName(n, english) : stored;
}

} // namespace

QString MatrixInputNames::defaultName(int n, bool english) {
    return (english ? QStringLiteral("MatrixInput") : QStringLiteral("矩阵输入")) +
           QString::number(n + 1);
}

QString MatrixInputNames::name(MatrixKind kind, int n) const {
    const bool english = console_.state().settings.Language != 0;
    return readName(console_.settings().open(), kind, n, english);
}

QStringList MatrixInputNames::names(MatrixKind kind) const {
    const bool english = console_.state().settings.Language != 0;
    const int count =
        std::clamp(console_.state().matrix.settings(kind).inputMax, 0, kMaxMatrixInputs);
    SettingsScope ini = console_.settings().open();
    QStringList items;
    items.reserve(count);
    for (int n = 0; n < count; ++n)
        items << readName(ini, kind, n, english);
    return items;
}

std::optional<QString> MatrixInputNames::problem(const QString& name) const {
    const bool english = console_.messageLanguage() != 0;
    if (name.trimmed().isEmpty())
        return english ? QStringLiteral("An input name cannot be empty.")
                       : QStringLiteral("输入名不能为空。");
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (control || name.contains(u'[') || name.contains(u']') || name.contains(u'='))
        return english ? QStringLiteral("An input name cannot contain a line break, \"[\", \"]\" "
                                        "or \"=\".")
                       : QStringLiteral("输入名不能含有换行、“[”、“]”或“=”。");
    if (name.trimmed() != name)
        return english ? QStringLiteral("An input name cannot begin or end with a blank.")
                       : QStringLiteral("输入名的首尾不能是空格。");
    if (quoted(name))
        return english ? QStringLiteral("An input name cannot be enclosed in quotes.")
                       : QStringLiteral("输入名不能用引号括起来。");
    return std::nullopt;
}

CommandResult MatrixInputNames::rename(MatrixKind kind, int n, const QString& name) {
    const bool english = console_.messageLanguage() != 0;
    const int count = console_.state().matrix.settings(kind).inputMax;
    if (n < 0 || n >= count)
        return CommandResult::refused(
            english ? QStringLiteral("Matrix input %1 is outside 1-%2.").arg(n + 1).arg(count)
                    : QStringLiteral("矩阵输入 %1 超出 1-%2。").arg(n + 1).arg(count));
    if (const std::optional<QString> why = problem(name))
        return CommandResult::refused(*why);

    SettingsScope ini = console_.settings().open();
    ini.writeText("Matrix", nameKey(kind, n), name);
    QString error;
    if (!ini.release(&error)) {
        console_.settings().reportError(error);
        return CommandResult::refused(error);
    }
    console_.state().matrixInputListsCurrent = false;
    return {};
}

} // namespace wall
