#pragma once

#include "serial/DeviceIo.h"

namespace wall {

// The window's pacer: a protocol pause keeps the window painting (events are
// processed, user input excluded) and shows the busy cursor. While it waits,
// handlers such as the 100 ms tick see isWaiting() and skip their turn.
class UiPacer final : public Pacer {
public:
    void pause(int ms) override;
    // Between the polls of a read the window takes input too: the stop
    // button works, and the console refuses other commands meanwhile.
    void pollWait(int ms) override;
    bool isWaiting() const { return depth_ > 0; }

private:
    int depth_ = 0;
};

} // namespace wall
