#include "Notices.h"

#include <QStringList>

namespace wall::notices {

namespace {
constexpr std::size_t kNamedScreens = 12; // more are counted, not named
} // namespace

QString sent(int language, const Label& what, int screens) {
    if (language == 0)
        return QStringLiteral("已发送 %1 → %2 个屏幕").arg(what.chinese).arg(screens);
    return QStringLiteral("Sent %1 to %2 screen%3")
        .arg(what.english)
        .arg(screens)
        .arg(screens == 1 ? QString() : QStringLiteral("s"));
}

QString portNotOpen(int language) {
    return language == 0 ? QStringLiteral("串口未打开，未发送")
                         : QStringLiteral("Port not open: nothing sent");
}

QString readProgress(int language, int done, int total) {
    return (language == 0 ? QStringLiteral("读取所有 %1/%2") : QStringLiteral("Read all %1/%2"))
        .arg(done)
        .arg(total);
}

QString sourcesRead(int language, int screens, const std::vector<Cell>& silent) {
    if (silent.empty())
        return language == 0 ? QStringLiteral("读信号源: %1 个屏幕全部应答").arg(screens)
                             : QStringLiteral("Read sources: all %1 screens answered").arg(screens);
    QStringList named;
    for (std::size_t i = 0; i < silent.size() && i < kNamedScreens; ++i)
        named << hoverHint(silent[i]);
    QString list = named.join(QStringLiteral(", "));
    if (silent.size() > kNamedScreens) {
        const auto more = qsizetype(silent.size() - kNamedScreens);
        list += language == 0 ? QStringLiteral(" 等另 %1 个").arg(more)
                              : QStringLiteral(" and %1 more").arg(more);
    }
    return language == 0 ? QStringLiteral("读信号源: %1/%2 个屏幕未应答: %3")
                               .arg(silent.size())
                               .arg(screens)
                               .arg(list)
                         : QStringLiteral("Read sources: %1 of %2 screens did not answer: %3")
                               .arg(silent.size())
                               .arg(screens)
                               .arg(list);
}

} // namespace wall::notices
