#include "CommandFile.h"

#include "app/FileAccess.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace wall {

QString commandFileName(const QString& chosen) {
    // A name that already ends in ".cfg" keeps it once.
    return chosen.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".cfg");
}

bool saveCommandFile(const QString& path, const QStringList& lines, QString* error) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + "\r\n";
    QString why;
    if (replaceFile(path, text, &why))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return false;
}

std::optional<QStringList> loadCommandFile(const QString& path, QString* error) {
    FileRead read = readRegularFile(path, kMaxCommandFileBytes);
    if (read.status != FileRead::Ok) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, read.status == FileRead::Missing
                                                            ? QStringLiteral("no such file")
                                                            : read.reason);
        return std::nullopt;
    }
    const QByteArray& bytes = read.bytes;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        QStringDecoder gb("GB18030");
        text = gb.isValid() ? gb(bytes) : QString::fromLatin1(bytes);
    }
    // CR LF, LF or CR alone end a line.
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line
    return lines;
}

CommandLine parseCommandLine(const QString& line) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    CommandLine c;
    c.name = colon < 0 ? QString() : line.left(colon);
    const QString rest = colon < 0 ? line : line.mid(colon + 1);
    QString digits;
    for (QChar ch : rest)
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            digits += ch;
    if (digits.isEmpty()) {
        c.value = 0;
        return c;
    }
    bool ok = false;
    const unsigned v = digits.toUInt(&ok);
    if (ok)
        c.value = v;
    return c;
}

} // namespace wall
