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
// ("2:3, 3:1", the first dozen and how many more); a read stopped part way,
// and one that awaited no answers (no polls set), say so.
struct SourceRead {
    int screens = 0; // selected
    int read = 0;    // read frames sent before the end or the stop
    std::vector<Cell> silent;
    bool stopped = false;
    bool awaited = true;
};
QString sourcesRead(int language, const SourceRead& outcome);

} // namespace notices
} // namespace wall
