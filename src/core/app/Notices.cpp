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

QString sourcesRead(int language, const SourceRead& o) {
    const bool zh = language == 0;
    if (!o.awaited)
        return zh ? QStringLiteral("读信号源: 已向 %1 个屏幕发送读取，未等待应答（回读等待为 0）")
                        .arg(o.read)
                  : QStringLiteral("Read sources: %1 reads sent, no answer awaited (read-back "
                                   "wait is 0)")
                        .arg(o.read);
    QString text;
    if (o.silent.empty())
        text = zh ? QStringLiteral("读信号源: %1 个屏幕全部应答").arg(o.read)
                  : QStringLiteral("Read sources: all %1 screens answered").arg(o.read);
    else {
        QStringList named;
        for (std::size_t i = 0; i < o.silent.size() && i < kNamedScreens; ++i)
            named << hoverHint(o.silent[i]);
        QString list = named.join(QStringLiteral(", "));
        if (o.silent.size() > kNamedScreens) {
            const auto more = qsizetype(o.silent.size() - kNamedScreens);
            list += zh ? QStringLiteral(" 等另 %1 个").arg(more)
                       : QStringLiteral(" and %1 more").arg(more);
        }
        text = zh ? QStringLiteral("读信号源: %1/%2 个屏幕未应答: %3")
                        .arg(o.silent.size())
                        .arg(o.read)
                        .arg(list)
                  : QStringLiteral("Read sources: %1 of %2 screens did not answer: %3")
                        .arg(o.silent.size())
                        .arg(o.read)
                        .arg(list);
    }
    if (o.stopped)
        text += zh ? QStringLiteral("（在 %1/%2 处停止）").arg(o.read).arg(o.screens)
                   : QStringLiteral(" (stopped after %1 of %2)").arg(o.read).arg(o.screens);
    return text;
}

} // namespace wall::notices
