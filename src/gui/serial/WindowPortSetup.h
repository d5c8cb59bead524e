#pragma once

#include "serial/SerialSetup.h"

class QWidget;

namespace wall {

class SerialDevices;

// The open procedure's questions asked in windows: the error text in a plain
// message box, then the port's own settings dialog, both owned by `owner`.
class WindowPortSetup final : public PortSetupUi {
public:
    WindowPortSetup(SerialDevices& devices, QWidget* owner) : devices_(devices), owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    void showOpenError(int device, const QString& title, const QString& text) override;
    bool editAndOpen(int device, SerialSettings& settings) override;

private:
    SerialDevices& devices_;
    QWidget* owner_;
};

} // namespace wall
