#include "SerialSetup.h"

#include "DeviceIo.h"
#include "SerialSettings.h"
#include "app/ConsoleState.h"
#include "app/SettingsStore.h"

namespace wall {

int separatePortDevice(MatrixKind kind) {
    return static_cast<int>(kind) + 2;
}

OpenFailure openFailure(int language, int device, const SerialSettings& settings,
                        const QString& systemReason) {
    const QString port = systemPortName(settings);
    // The device's own text may name the port first; it is named above.
    QString reason = systemReason;
    if (!port.isEmpty() && reason.startsWith(port + QStringLiteral(": ")))
        reason.remove(0, port.size() + 2);
    if (language == 0)
        return {QStringLiteral("错误提示"),
                QStringLiteral("串口设备 %1（%2）无法打开端口 %3：\n%4\n\n"
                               "请在接下来的串口设置对话框中选择可用的端口；"
                               "取消则软件在该设备关闭的情况下继续运行。")
                    .arg(device)
                    .arg(device == kWallLink ? QStringLiteral("幕墙") : QStringLiteral("矩阵"))
                    .arg(port.isEmpty() ? QStringLiteral("(无)") : port, reason)};
    return {QStringLiteral("Error"),
            QStringLiteral("Serial device %1 (%2) could not open port %3:\n%4\n\n"
                           "Choose a port that exists in the serial settings dialog that "
                           "follows; cancel it to run with this device closed.")
                .arg(device)
                .arg(device == kWallLink ? QStringLiteral("the wall link")
                                         : QStringLiteral("a matrix link"))
                .arg(port.isEmpty() ? QStringLiteral("(none)") : port, reason)};
}

bool openDevice(int device, ConsoleState& state, DeviceIo& io, SettingsStore& store,
                PortSetupUi& ui) {
    DeviceLink& link = io.link(device);
    SerialSettings& settings = state.serialDevice(device);
    if (!link.isOpen()) {
        QString error;
        if (!link.open(settings, error)) {
            const OpenFailure box = openFailure(state.settings.Language, device, settings, error);
            ui.showOpenError(device, box.title, box.text);
        }
    }
    if (link.isOpen())
        return true;
    SerialSettings edited = settings;
    if (!ui.editAndOpen(device, edited))
        return false;
    settings = edited;
    SettingsScope ini = store.open();
    settings.save(ini, device);
    return link.isOpen();
}

void openSerialDevices(ConsoleState& state, DeviceIo& io, SettingsStore& store, PortSetupUi& ui) {
    for (int device = 1; device <= kDeviceCount; ++device)
        if (device == kWallLink || state.serialDevice(device).portNo != 0)
            openDevice(device, state, io, store, ui);
}

void setPortNumber(ConsoleState& state, DeviceIo& io, int device, int portNo) {
    state.serialDevice(device).portNo = portNo;
    if (portNo == 0)
        io.link(device).close();
}

int& kindFlag(ConsoleState& state, MatrixKind kind) {
    PortRouting& r = state.routing;
    switch (kind) {
    case MatrixKind::AV:
        return r.avMatrixUseComOnly;
    case MatrixKind::VGA:
        return r.vgaMatrixUseComOnly;
    case MatrixKind::DVI:
        return r.dviMatrixUseComOnly;
    case MatrixKind::YUV:
        break;
    }
    return r.yuvMatrixUseComOnly;
}

void setMatrixUsesSeparatePort(ConsoleState& state, DeviceIo& io, bool ticked) {
    if (ticked) {
        state.routing.matrixUseComOnly = 1;
        for (int k = 0; k < kMatrixKindCount; ++k)
            kindFlag(state, static_cast<MatrixKind>(k)) = 0;
        for (int device : {3, 4, 5})
            setPortNumber(state, io, device, 0);
    } else {
        state.routing.matrixUseComOnly = 0;
        setPortNumber(state, io, 2, 0);
    }
}

void setKindUsesSeparatePort(ConsoleState& state, DeviceIo& io, MatrixKind kind, bool ticked) {
    if (ticked) {
        state.routing.matrixUseComOnly = 0;
        kindFlag(state, kind) = 1;
        for (int k = 0; k < kMatrixKindCount; ++k) {
            const auto other = static_cast<MatrixKind>(k);
            if (other != kind && kindFlag(state, other) == 0)
                setPortNumber(state, io, separatePortDevice(other), 0);
        }
    } else {
        kindFlag(state, kind) = 0;
        setPortNumber(state, io, separatePortDevice(kind), 0);
    }
}

void saveSerialSetup(ConsoleState& state, DeviceIo& io, SettingsStore& store, PortSetupUi& ui) {
    {
        SettingsScope ini = store.open();
        for (int device = 2; device <= kDeviceCount; ++device)
            ini.writeInt(serialSection(device), "PortNo", state.serialDevice(device).portNo);
        state.routing.save(ini);
    }
    openSerialDevices(state, io, store, ui);
}

WallLinkStatus wallLinkStatus(int language, const SerialSettings& wallLink, bool open) {
    const bool chinese = language == 0;
    const std::optional<int> rate = wallLink.baudRate();
    const QString rateText = rate ? QString::number(*rate) : QString();
    WallLinkStatus s;
    // The port really used: PortName where one is set, else COM and the number.
    s.port = (chinese ? QStringLiteral("串口: ") : QStringLiteral("Serial: ")) +
             (wallLink.portName.isEmpty() ? QStringLiteral("COM%1").arg(wallLink.portNo)
                                          : wallLink.portName);
    s.baud = (chinese ? QStringLiteral("波特率: ") : QStringLiteral("Baud: ")) + rateText;
    if (chinese)
        s.state = open ? QStringLiteral("串口状态: 打开") : QStringLiteral("串口状态: 打开失败");
    else
        s.state = open ? QStringLiteral("Com Satus: Open") : QStringLiteral("Com Satus: failure");
    return s;
}

} // namespace wall
