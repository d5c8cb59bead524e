#include "AboutDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace wall {

namespace {

// The console's emblem: a small wall of screens in a frame.
QPixmap emblem() {
    QPixmap pixmap(96, 72);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    p.setBrush(QColor(0x40, 0x40, 0x48));
    p.drawRoundedRect(QRectF(2, 2, 92, 60), 4, 4);
    const QColor screens[] = {QColor(0x3A, 0x7B, 0xD5), QColor(0x4F, 0xA8, 0xE0),
                              QColor(0x2E, 0x5E, 0xB0)};
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setBrush(screens[(r + c) % 3]);
            p.drawRect(QRectF(7 + c * 28.5, 7 + r * 17, 26, 15));
        }
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(QRectF(40, 62, 16, 6));
    return pixmap;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent), frame_(new QGroupBox(this)), picture_(new QLabel(frame_)),
      product_(new QLabel(frame_)), versionLabel_(new QLabel(frame_)),
      version_(new QLabel(frame_)) {
    setObjectName(QStringLiteral("Form5"));
    frame_->setObjectName(QStringLiteral("GroupBox1"));
    picture_->setObjectName(QStringLiteral("Image1"));
    product_->setObjectName(QStringLiteral("Label5"));
    versionLabel_->setObjectName(QStringLiteral("Label1"));
    version_->setObjectName(QStringLiteral("Label2"));

    picture_->setPixmap(emblem());
    product_->setText(QStringLiteral("Tavrel"));
    QFont big = product_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product_->setFont(big);
    // The build mark follows the version number.
    version_->setText(QStringLiteral("V6.007") + QStringLiteral("PR"));

    auto* inner = new QGridLayout(frame_);
    inner->addWidget(picture_, 0, 0, 2, 1);
    inner->addWidget(product_, 0, 1, 1, 2);
    inner->addWidget(versionLabel_, 1, 1);
    inner->addWidget(version_, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);

    product_->installEventFilter(this);
    frame_->installEventFilter(this);
    retranslate();
}

void AboutDialog::Label5Click() {
    close();
}

void AboutDialog::GroupBox1Click() {
    close();
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == product_) {
            Label5Click();
            return true;
        }
        if (watched == frame_) {
            GroupBox1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AboutDialog::retranslate() {
    setWindowTitle(tr("关于"));
    versionLabel_->setText(tr("版本："));
}

} // namespace wall
