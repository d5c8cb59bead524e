#include "TraceIo.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace wall {

QString hexBytes(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

class TraceIo::Link final : public DeviceLink {
public:
    Link(TraceIo& owner, int device) : owner_(owner), device_(device) {}

    bool isOpen() const override { return open_; }
    bool open(const SerialSettings&, QString& error) override {
        if (!openError_.isEmpty()) {
            error = openError_;
            open_ = false;
            return false;
        }
        open_ = true;
        return true;
    }
    void close() override { open_ = false; }

    void write(QByteArrayView bytes) override {
        if (!open_)
            return;
        owner_.lines_.append(QStringLiteral("write %1 %2").arg(device_).arg(hexBytes(bytes)));
    }

    int readPackage(char* buffer, int capacity) override {
        QList<QByteArray>& from = arrived_.isEmpty() ? replies_ : arrived_;
        if (!open_ || from.isEmpty() || capacity <= 0)
            return 0;
        const QByteArray package = from.takeFirst();
        const int n = std::min<int>(capacity, static_cast<int>(package.size()));
        std::memcpy(buffer, package.constData(), static_cast<size_t>(n));
        return n;
    }

    TraceIo& owner_;
    int device_;
    bool open_ = true;
    QString openError_;
    void discardInput() override { arrived_.clear(); }

    QList<QByteArray> arrived_; // received before now
    QList<QByteArray> replies_; // answers still to come
};

class TraceIo::TracePacer final : public Pacer {
public:
    explicit TracePacer(TraceIo& owner) : owner_(owner) {}
    void pause(int ms) override {
        if (ms <= 0)
            return;
        owner_.clockMs_ += ms;
        owner_.lines_.append(QStringLiteral("pause %1").arg(ms));
    }
    TraceIo& owner_;
};

class TraceIo::VirtualClock final : public Clock {
public:
    explicit VirtualClock(const TraceIo& owner) : owner_(owner) {}
    QDateTime now() const override { return start_.addMSecs(owner_.clockMs_); }
    const TraceIo& owner_;
    QDateTime start_{QDate(2000, 1, 1), QTime(0, 0)};
};

TraceIo::TraceIo()
    : pacer_(std::make_unique<TracePacer>(*this)), clock_(std::make_unique<VirtualClock>(*this)) {
    for (int i = 0; i < kDeviceCount; ++i)
        links_[static_cast<size_t>(i)] = std::make_unique<Link>(*this, i + 1);
}

TraceIo::~TraceIo() = default;

DeviceLink& TraceIo::link(int device) {
    return *links_.at(static_cast<size_t>(device - 1));
}

Pacer& TraceIo::pacer() {
    return *pacer_;
}

Clock& TraceIo::clock() {
    return *clock_;
}

void TraceIo::setNow(const QDateTime& moment) {
    clock_->start_ = moment.addMSecs(-clockMs_);
}

void TraceIo::advance(qint64 ms) {
    if (ms > 0)
        clockMs_ += ms;
}

void TraceIo::receiveNow(int device, QByteArray package) {
    static_cast<Link&>(link(device)).arrived_.append(std::move(package));
}

void TraceIo::queueReply(int device, QByteArray package) {
    static_cast<Link&>(link(device)).replies_.append(std::move(package));
}

void TraceIo::setOpen(int device, bool open) {
    static_cast<Link&>(link(device)).open_ = open;
}

void TraceIo::setOpenError(int device, QString error) {
    static_cast<Link&>(link(device)).openError_ = std::move(error);
}

QString TraceIo::text() const {
    QString all;
    for (const QString& line : lines_)
        all += line + QLatin1Char('\n');
    return all;
}

} // namespace wall
