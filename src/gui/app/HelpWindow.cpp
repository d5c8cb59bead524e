#include "HelpWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace wall {

namespace {

constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 100;

// A 3 × 3 wall with a rectangle of four screens selected.
QPixmap selectionPicture() {
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    const int w = 48, h = 28;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const bool selected = r < 2 && c < 2;
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.setBrush(selected ? QColor(0x3A, 0x7B, 0xD5) : QColor(0xE0, 0xE0, 0xE0));
            p.drawRect(8 + c * (w + 2), 6 + r * (h + 2), w, h);
        }
    p.setPen(QPen(QColor(0xD0, 0x30, 0x30), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(6, 4, 2 * w + 6, 2 * h + 6);
    return pixmap;
}

// The console, a serial cable and the wall.
QPixmap linkPicture() {
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xE0, 0xE0, 0xE0));
    p.drawRect(8, 30, 44, 32); // the computer's screen
    p.drawRect(22, 62, 16, 6);
    p.setBrush(QColor(0x3A, 0x7B, 0xD5));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            p.drawRect(96 + c * 28, 22 + r * 26, 26, 24);
    p.setPen(QPen(QColor(0x20, 0x90, 0x40), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable(QPointF(52, 50));
    cable.cubicTo(QPointF(70, 80), QPointF(78, 20), QPointF(96, 46));
    p.drawPath(cable);
    return pixmap;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent), picture1_(new QLabel(this)), picture2_(new QLabel(this)),
      line1_(new QLabel(this)), line2_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form12"));
    picture1_->setObjectName(QStringLiteral("Image1"));
    picture2_->setObjectName(QStringLiteral("Image2"));
    line1_->setObjectName(QStringLiteral("Label1"));
    line2_->setObjectName(QStringLiteral("Label2"));
    picture1_->setPixmap(selectionPicture());
    picture2_->setPixmap(linkPicture());
    line1_->setWordWrap(true);
    line2_->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture1_, 0, 0);
    layout->addWidget(line1_, 0, 1);
    layout->addWidget(picture2_, 1, 0);
    layout->addWidget(line2_, 1, 1);
    layout->setColumnStretch(1, 1);
    resize(480, 260);
    retranslate();
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void HelpWindow::retranslate() {
    setWindowTitle(tr("帮助"));
    line1_->setText(tr("在幕墙网格上拖动鼠标选中屏幕，各页面的命令只发往选中的屏幕。"));
    line2_->setText(tr("幕墙经串口 1 控制；串口设置中可为各类矩阵另设串口。"));
}

} // namespace wall
