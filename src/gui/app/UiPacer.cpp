#include "UiPacer.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

namespace wall {

void UiPacer::pause(int ms) {
    if (ms <= 0)
        return;
    ++depth_;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
    --depth_;
}

} // namespace wall
