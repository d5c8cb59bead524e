#include "CommandFile.h"

#include <QFile>
#include <QRegularExpression>

#include <QSaveFile>
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
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(text) != text.size() ||
        !out.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, out.errorString());
        out.cancelWriting();
        return false;
    }
    return true;
}

std::optional<QStringList> loadCommandFile(const QString& path, QString* error) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, in.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = in.readAll();
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
