#include "WindowPortSetup.h"

#include "PortSettingsDialog.h"
#include "SerialDevices.h"
#include "app/Modal.h"

namespace wall {

void WindowPortSetup::showOpenError(int, const QString& title, const QString& text) {
    Modal::message(owner_, Modal::Icon::Plain, title, text);
}

bool WindowPortSetup::editAndOpen(int device, SerialSettings& settings) {
    PortSettingsDialog dialog(device, settings, devices_.link(device), owner_);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    return true;
}

} // namespace wall
