#pragma once

#include "app/Console.h"
#include "matrix/MatrixSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace wall {

// The names of the matrix inputs, per kind: what the input choosers show
// and what the input-name window edits. Name n (0-based) names matrix input
// n + 1 and lives in [Matrix] <kind>_InputName<n>; without one the input is
// "矩阵输入" or "MatrixInput" followed by n + 1, by the console's language;
// an empty stored name counts as none.
class MatrixInputNames {
public:
    explicit MatrixInputNames(Console& console) : console_(console) {}

    static QString defaultName(int n, bool english);

    // Name n of a kind, stored or default.
    QString name(MatrixKind kind, int n) const;
    // The names of every input of a kind, one per input of its input count.
    QStringList names(MatrixKind kind) const;

    // Why a name cannot be stored as it is, in the message language, or
    // nothing when it can. Setting.ini keeps one key per line and reads a
    // value without its outer blanks or quotes, so a name with a line break
    // or another control character, with "[", "]" or "=", an empty one, one
    // with outer blanks or one in quotes would not read back as typed.
    std::optional<QString> problem(const QString& name) const;

    // Stores name n of a kind at once; the choosers show it when next
    // rebuilt. Refused, with nothing written: an index outside the kind's
    // inputs, a name `problem` objects to, and a file that cannot be saved.
    CommandResult rename(MatrixKind kind, int n, const QString& name);

private:
    Console& console_;
};

} // namespace wall
