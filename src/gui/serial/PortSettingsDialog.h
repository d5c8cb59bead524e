#pragma once

#include "serial/SerialSettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QDialogButtonBox;

namespace wall {

class DeviceLink;

// The serial device's own settings dialog: the nine settings and the port.
// OK opens the port with the new settings; when that fails it says why,
// puts the previous settings back (reopening the port if it was open) and
// stays open.
class PortSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    PortSettingsDialog(int device, const SerialSettings& current, DeviceLink& link,
                       QWidget* parent);

    SerialSettings settings() const { return result_; }
    // The settings the fields show now.
    SerialSettings edited() const;
    void setPortText(const QString& text);

    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    const int device_;
    const SerialSettings previous_;
    DeviceLink& link_;
    SerialSettings result_;
    QComboBox* port_;
    QComboBox* baud_;
    QComboBox* parity_;
    QComboBox* dataBits_;
    QComboBox* stopBits_;
    QComboBox* flow_;
    QList<QLabel*> labels_;
    QDialogButtonBox* buttons_;
};

} // namespace wall
