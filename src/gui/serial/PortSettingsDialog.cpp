#include "PortSettingsDialog.h"

#include "app/Modal.h"
#include "serial/DeviceIo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace wall {

namespace {

// "COM3" or "/dev/ttyS2" name a numbered port; anything else is a name.
void applyPortText(const QString& text, SerialSettings& s) {
    static const QRegularExpression numbered(QStringLiteral(R"(^(?:COM(\d+)|/dev/ttyS(\d+))$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = numbered.match(text.trimmed());
    if (m.hasMatch()) {
        s.portNo = m.hasCaptured(1) ? m.captured(1).toInt() : m.captured(2).toInt() + 1;
        s.portName.clear();
    } else {
        s.portName = text.trimmed();
        if (s.portNo == 0 && !s.portName.isEmpty())
            s.portNo = 1;
    }
}

} // namespace

PortSettingsDialog::PortSettingsDialog(int device, const SerialSettings& current, DeviceLink& link,
                                       QWidget* parent)
    : QDialog(parent), device_(device), previous_(current), link_(link), result_(current),
      port_(new QComboBox(this)), baud_(new QComboBox(this)), parity_(new QComboBox(this)),
      dataBits_(new QComboBox(this)), stopBits_(new QComboBox(this)), flow_(new QComboBox(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("PortSettingsDialog%1").arg(device));
    port_->setObjectName(QStringLiteral("Port"));
    baud_->setObjectName(QStringLiteral("Baud"));
    parity_->setObjectName(QStringLiteral("Parity"));
    dataBits_->setObjectName(QStringLiteral("ByteSize"));
    stopBits_->setObjectName(QStringLiteral("StopBits"));
    flow_->setObjectName(QStringLiteral("FlowControl"));

    port_->setEditable(true);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        port_->addItem(info.systemLocation());
    setPortText(systemPortName(current));
    for (int rate : kBaudRates)
        baud_->addItem(QString::number(rate));
    baud_->setCurrentIndex(current.baud);
    for (int bits = 5; bits <= 8; ++bits)
        dataBits_->addItem(QString::number(bits));
    dataBits_->setCurrentIndex(current.byteSize - 5);
    parity_->addItems(QStringList(5, QString()));
    stopBits_->addItems({QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});
    flow_->addItems(QStringList(5, QString()));
    parity_->setCurrentIndex(current.parity);
    stopBits_->setCurrentIndex(current.stopBits);
    flow_->setCurrentIndex(current.flowControl);

    auto* form = new QFormLayout(this);
    for (QWidget* field : {static_cast<QWidget*>(port_), static_cast<QWidget*>(baud_),
                           static_cast<QWidget*>(parity_), static_cast<QWidget*>(dataBits_),
                           static_cast<QWidget*>(stopBits_), static_cast<QWidget*>(flow_)}) {
        auto* label = new QLabel(this);
        labels_ << label;
        form->addRow(label, field);
    }
    form->addRow(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &PortSettingsDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PortSettingsDialog::reject);
    retranslate();
}

void PortSettingsDialog::setPortText(const QString& text) {
    const int i = port_->findText(text);
    if (i >= 0)
        port_->setCurrentIndex(i);
    else
        port_->setEditText(text);
}

SerialSettings PortSettingsDialog::edited() const {
    SerialSettings s = previous_;
    applyPortText(port_->currentText(), s);
    // A stored value outside a list stays as it was until one is chosen.
    if (baud_->currentIndex() >= 0)
        s.baud = baud_->currentIndex();
    if (parity_->currentIndex() >= 0)
        s.parity = parity_->currentIndex();
    if (dataBits_->currentIndex() >= 0)
        s.byteSize = dataBits_->currentIndex() + 5;
    if (stopBits_->currentIndex() >= 0)
        s.stopBits = stopBits_->currentIndex();
    if (flow_->currentIndex() >= 0)
        s.flowControl = flow_->currentIndex();
    return s;
}

void PortSettingsDialog::accept() {
    const SerialSettings wanted = edited();
    const bool wasOpen = link_.isOpen();
    QString error;
    if (!link_.open(wanted, error)) {
        Modal::message(this, Modal::Icon::Plain, tr("错误提示"), tr("串口打开失败: %1").arg(error));
        if (wasOpen) {
            QString ignored;
            link_.open(previous_, ignored);
        }
        return; // the dialog stays open with the operator's entries
    }
    result_ = wanted;
    QDialog::accept();
}

void PortSettingsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PortSettingsDialog::retranslate() {
    setWindowTitle(tr("串口%1设置").arg(device_));
    const char* names[] = {QT_TR_NOOP("端口"),   QT_TR_NOOP("波特率"), QT_TR_NOOP("校验位"),
                           QT_TR_NOOP("数据位"), QT_TR_NOOP("停止位"), QT_TR_NOOP("流控制")};
    for (int i = 0; i < labels_.size(); ++i)
        labels_[i]->setText(tr(names[i]));
    const char* parities[] = {QT_TR_NOOP("无"), QT_TR_NOOP("奇"), QT_TR_NOOP("偶"),
                              QT_TR_NOOP("标记"), QT_TR_NOOP("空格")};
    for (int i = 0; i < 5; ++i)
        parity_->setItemText(i, tr(parities[i]));
    const char* flows[] = {QT_TR_NOOP("无"), QT_TR_NOOP("RTS/CTS"), QT_TR_NOOP("XON/XOFF"),
                           QT_TR_NOOP("仅发送 XON/XOFF"), QT_TR_NOOP("RTS/CTS 和 XON/XOFF")};
    for (int i = 0; i < 5; ++i)
        flow_->setItemText(i, tr(flows[i]));
}

} // namespace wall
