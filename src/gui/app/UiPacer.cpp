#include "UiPacer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace wall {

void UiPacer::pause(int ms) {
    if (ms <= 0)
        return;
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    ++depth_;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // The window paints while the event loop runs. The loop's timers are
    // only good to a millisecond, so the last stretch is slept, and its last
    // fifth of a millisecond waited out, to end the pause on time.
    if (ms > 2) {
        QEventLoop loop;
        QTimer::singleShot(ms - 2, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    constexpr qint64 kSpinNs = 200'000;
    if (const qint64 rest = deadline.remainingTimeNSecs(); rest > kSpinNs)
        QThread::usleep(static_cast<unsigned long>((rest - kSpinNs) / 1000));
    while (!deadline.hasExpired())
        QThread::yieldCurrentThread();
    QApplication::restoreOverrideCursor();
    --depth_;
}

} // namespace wall
