#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace wall {

// Command files (*.cfg): one "name:value" line per parameter read back, in
// the order of the reads. Written in UTF-8 with CR LF line ends; read as
// UTF-8, or as the legacy Chinese code page (GB18030) when the bytes are not
// valid UTF-8.

// The name ends in ".cfg" (added when it does not).
QString commandFileName(const QString& chosen);
bool saveCommandFile(const QString& path, const QStringList& lines, QString* error);
std::optional<QStringList> loadCommandFile(const QString& path, QString* error);

// One line as APPLY reads it: the name before the first colon and the digits
// of the rest as a decimal value (0 when there are none). A line without a
// colon has an empty name. `value` is empty when the digits overflow.
struct CommandLine {
    QString name;
    std::optional<unsigned> value;
};
CommandLine parseCommandLine(const QString& line);

} // namespace wall
