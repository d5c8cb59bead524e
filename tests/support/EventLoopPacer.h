#pragma once

#include "serial/DeviceIo.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace wall::test {

// A pacer that keeps the test thread's event loop running while it waits,
// so that a simulator on the same thread answers meanwhile.
class EventLoopPacer final : public Pacer {
public:
    void pause(int ms) override {
        const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, int(deadline.remainingTime()));
    }
};

} // namespace wall::test
