#pragma once

#include "wall/WallGrid.h"

#include <QString>

#include <vector>

namespace wall {

// The status-bar lines that tell the operator what a command did, in the
// console's language (0 Chinese, anything else English). Each replaces the
// one before.
namespace notices {

// A command's own name in both languages: "开机" / "power on".
struct Label {
    QString chinese;
    QString english;
};

// "已发送 开机 → 4 个屏幕" / "Sent power on to 4 screens".
QString sent(int language, const Label& what, int screens);
// The wall link is closed: nothing went out.
QString portNotOpen(int language);
// "读取所有 3/40" / "Read all 3/40".
QString readProgress(int language, int done, int total);
// The end of a source read: how many screens did not answer, and which
// ("2:3, 3:1", the first dozen and how many more).
QString sourcesRead(int language, int screens, const std::vector<Cell>& silent);

} // namespace notices
} // namespace wall
