#include "SerialDevice.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QSerialPort>
#include <QTimer>

#include <cstring>

namespace wall {

namespace {

struct PortConfig {
    QSerialPort::Parity parity;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;
    QSerialPort::FlowControl flow;
};

// Turns the stored encodings into the port's settings, or says which one is
// not valid.
bool translate(const SerialSettings& s, PortConfig& c, QString& error) {
    switch (s.parity) {
    case 0:
        c.parity = QSerialPort::NoParity;
        break;
    case 1:
        c.parity = QSerialPort::OddParity;
        break;
    case 2:
        c.parity = QSerialPort::EvenParity;
        break;
    case 3:
        c.parity = QSerialPort::MarkParity;
        break;
    case 4:
        c.parity = QSerialPort::SpaceParity;
        break;
    default:
        error = QStringLiteral("parity %1 is not 0-4").arg(s.parity);
        return false;
    }
    if (s.byteSize < 5 || s.byteSize > 8) {
        error = QStringLiteral("%1 data bits are not 5-8").arg(s.byteSize);
        return false;
    }
    c.dataBits = static_cast<QSerialPort::DataBits>(s.byteSize);
    switch (s.stopBits) {
    case 0:
        c.stopBits = QSerialPort::OneStop;
        break;
    case 1:
        c.stopBits = QSerialPort::OneAndHalfStop;
        break;
    case 2:
        c.stopBits = QSerialPort::TwoStop;
        break;
    default:
        error = QStringLiteral("stop bits %1 is not 0-2").arg(s.stopBits);
        return false;
    }
    switch (s.flowControl) {
    case 0:
        c.flow = QSerialPort::NoFlowControl;
        break;
    case 1:
    case 4:
        c.flow = QSerialPort::HardwareControl;
        break; // RTS/CTS (and XON/XOFF)
    case 2:
    case 3:
        c.flow = QSerialPort::SoftwareControl;
        break; // XON/XOFF
    default:
        error = QStringLiteral("flow control %1 is not 0-4").arg(s.flowControl);
        return false;
    }
    return true;
}

} // namespace

// Lives in the device's I/O thread and owns the port.
class SerialWorker final : public QObject {
public:
    explicit SerialWorker(SerialDevice& device) : device_(device) {}

    // Runs in the I/O thread.
    QString open(const SerialSettings& settings) {
        closePort();
        const QString name = systemPortName(settings);
        if (name.isEmpty())
            return QStringLiteral("no port is configured (PortNo 0)");
        const std::optional<int> rate = settings.baudRate();
        if (!rate)
            return QStringLiteral("baud index %1 is not in the rate list").arg(settings.baud);
        PortConfig config{};
        QString error;
        if (!translate(settings, config, error))
            return error;

        port_ = new QSerialPort(this);
        gap_ = new QTimer(this);
        gap_->setSingleShot(true);
        gap_->setInterval(SerialDevice::kPackageGapMs);
        connect(gap_, &QTimer::timeout, this, [this] { finishPackage(); });
        port_->setPortName(name);
        if (!port_->open(QIODevice::ReadWrite)) {
            const QString why = QStringLiteral("%1: %2").arg(name, port_->errorString());
            closePort();
            return why;
        }
        if (!port_->setBaudRate(*rate) || !port_->setParity(config.parity) ||
            !port_->setDataBits(config.dataBits) || !port_->setStopBits(config.stopBits) ||
            !port_->setFlowControl(config.flow)) {
            const QString why = QStringLiteral("%1: %2").arg(name, port_->errorString());
            closePort();
            return why;
        }
        connect(port_, &QSerialPort::readyRead, this, [this] { readAvailable(); });
        connect(port_, &QSerialPort::bytesWritten, this, [this](qint64 n) { written(n); });
        connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
            // A port that vanished reports a resource or read error (a
            // pseudo-terminal whose other side closed reads end-of-file).
            // The port is closed from the event loop, not inside its own signal.
            if (e == QSerialPort::ResourceError || e == QSerialPort::PermissionError ||
                e == QSerialPort::ReadError)
                QMetaObject::invokeMethod(
                    this,
                    [this, port = port_, why = port_->errorString()] {
                        if (port_ == port)
                            lose(why);
                    },
                    Qt::QueuedConnection);
        });
        device_.open_.store(true);
        return {};
    }

    void write(const QByteArray& bytes) {
        if (!port_ || !port_->isOpen() || port_->write(bytes) != bytes.size()) {
            // Dropped: nothing of it will be written.
            device_.pending_.fetch_sub(bytes.size());
            device_.pendingFrames_.fetch_sub(1);
            device_.droppedFrames_.fetch_add(1);
            return;
        }
        inFlight_.push_back(bytes.size());
    }

    // Everything received so far, the port's own buffer and a package still
    // being gathered included, goes.
    void discardInput() {
        if (port_) {
            port_->waitForReadyRead(0); // what the system holds for the port
            port_->readAll();
        }
        if (gap_)
            gap_->stop();
        current_.clear();
        device_.clearReceived();
    }

    void closePort() {
        if (port_) {
            finishPackage();
            // What the port still held will never be written.
            device_.pending_.fetch_sub(port_->bytesToWrite());
            const int frames = int(inFlight_.size());
            device_.pendingFrames_.fetch_sub(frames);
            device_.droppedFrames_.fetch_add(frames);
            inFlight_.clear();
            headWritten_ = 0;
            port_->disconnect(this);
            port_->close();
            port_->deleteLater(); // it may be inside one of its own calls
            port_ = nullptr;
        }
        if (gap_) {
            gap_->stop();
            gap_->deleteLater();
            gap_ = nullptr;
        }
        device_.open_.store(false);
    }

private:
    // The system took n more bytes: the frames they complete have gone out.
    void written(qint64 n) {
        device_.pending_.fetch_sub(n);
        headWritten_ += n;
        while (!inFlight_.empty() && headWritten_ >= inFlight_.front()) {
            headWritten_ -= inFlight_.front();
            inFlight_.pop_front();
            device_.pendingFrames_.fetch_sub(1);
        }
    }

    void readAvailable() {
        current_ += port_->readAll();
        while (current_.size() >= SerialDevice::kMaxPackageSize) {
            device_.deliver(current_.left(SerialDevice::kMaxPackageSize));
            current_.remove(0, SerialDevice::kMaxPackageSize);
        }
        gap_->start(); // the package ends 50 ms after its last byte
    }

    void finishPackage() {
        if (gap_)
            gap_->stop();
        if (!current_.isEmpty())
            device_.deliver(std::exchange(current_, {}));
    }

    void lose(const QString& reason) {
        closePort();
        device_.markClosed(reason);
    }

    SerialDevice& device_;
    QSerialPort* port_ = nullptr;
    QTimer* gap_ = nullptr;
    QByteArray current_;
    std::deque<qint64> inFlight_; // sizes of the frames the port holds, oldest first
    qint64 headWritten_ = 0;      // bytes of the oldest of them already written
};

SerialDevice::SerialDevice(int number, QObject* parent) : QObject(parent), number_(number) {
    thread_.setObjectName(QStringLiteral("YbCommDevice%1").arg(number));
    worker_ = new SerialWorker(*this);
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

SerialDevice::~SerialDevice() {
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->closePort(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

bool SerialDevice::open(const SerialSettings& settings, QString& error) {
    {
        QMutexLocker lock(&mutex_); // nothing received on the old port is read on the new one
        received_.clear();
    }
    QString result;
    QMetaObject::invokeMethod(
        worker_, [&] { result = worker_->open(settings); }, Qt::BlockingQueuedConnection);
    error = result;
    return result.isEmpty();
}

void SerialDevice::close() {
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->closePort(); }, Qt::BlockingQueuedConnection);
    QMutexLocker lock(&mutex_);
    received_.clear();
}

void SerialDevice::write(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return;
    if (!open_.load()) {
        droppedFrames_.fetch_add(1); // a closed device drops what it is given
        return;
    }
    pending_.fetch_add(bytes.size());
    pendingFrames_.fetch_add(1);
    QMetaObject::invokeMethod(
        worker_, [w = worker_, b = bytes.toByteArray()] { w->write(b); }, Qt::QueuedConnection);
}

int SerialDevice::readPackage(char* buffer, int capacity) {
    QByteArray package;
    {
        QMutexLocker lock(&mutex_);
        if (received_.empty())
            return 0;
        package = std::move(received_.front());
        received_.pop_front();
    }
    const int n = std::min(capacity, static_cast<int>(package.size()));
    if (n > 0)
        std::memcpy(buffer, package.constData(), static_cast<size_t>(n));
    return std::max(n, 0);
}

void SerialDevice::discardInput() {
    // In the I/O thread, so that bytes it has read but not yet framed go too;
    // waited for, so that the next read cannot see what it drops.
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->discardInput(); }, Qt::BlockingQueuedConnection);
}

void SerialDevice::clearReceived() {
    QMutexLocker lock(&mutex_);
    received_.clear();
}

bool SerialDevice::waitForWritten(int msecs) {
    const QDeadlineTimer deadline(msecs);
    while (pending_.load() > 0 && !deadline.hasExpired())
        QThread::msleep(2);
    if (pending_.load() > 0)
        return false;
    // Let the system pass the last bytes on before the port may be closed.
    QMetaObject::invokeMethod(
        worker_, [this] { /* runs after every queued write */ }, Qt::BlockingQueuedConnection);
    return true;
}

void SerialDevice::deliver(QByteArray package) {
    {
        QMutexLocker lock(&mutex_);
        received_.push_back(std::move(package));
        while (received_.size() > static_cast<size_t>(kPackageQueue))
            received_.pop_front();
    }
    Q_EMIT packageReceived();
}

void SerialDevice::markClosed(const QString& reason) {
    Q_EMIT lost(reason);
}

} // namespace wall
