#include "UiPacer.h"

#include "SerialDevices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace wall {

void UiPacer::pause(int ms) {
    if (ms <= 0)
        return;
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    ++depth_;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // The window paints while the event loop runs. The loop's timers are
    // only good to a millisecond, so the last stretch is slept precisely.
    if (ms > 2) {
        QEventLoop loop;
        QTimer::singleShot(ms - 2, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    sleepUntil(deadline);
    QApplication::restoreOverrideCursor();
    --depth_;
}

} // namespace wall

namespace wall {

void UiPacer::pollWait(int ms) {
    if (ms <= 0)
        return;
    ++depth_;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::AllEvents);
    --depth_;
}

} // namespace wall
