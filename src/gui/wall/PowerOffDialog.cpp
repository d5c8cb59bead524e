#include "PowerOffDialog.h"

#include "app/Console.h"
#include "app/Modal.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wall {

PowerOffDialog::PowerOffDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), question_(new QLabel(this)), ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form2"));
    ok_->setObjectName(QStringLiteral("BitBtn1"));
    cancel_->setObjectName(QStringLiteral("BitBtn2"));
    auto* layout = new QVBoxLayout(this);
    question_->setAlignment(Qt::AlignCenter);
    layout->addWidget(question_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &PowerOffDialog::suitempBitBtn1Click);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::close);
    retranslate();
}

void PowerOffDialog::suitempBitBtn1Click() {
    const CommandResult r = console_.powerOff();
    if (!r.ok)
        Modal::message(this, Modal::Icon::Plain, tr("错误提示"), r.message);
    close();
}

void PowerOffDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PowerOffDialog::retranslate() {
    setWindowTitle(tr("关机"));
    question_->setText(tr("你确定要关闭大屏幕"));
    ok_->setText(tr("确  定"));
    cancel_->setText(tr("取  消"));
}

} // namespace wall
