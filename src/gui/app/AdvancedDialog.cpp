#include "AdvancedDialog.h"

#include "Modal.h"
#include "app/Console.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wall {

AdvancedDialog::AdvancedDialog(Console& console, QWidget* parent)
    : QDialog(parent), console_(console), userLabel_(new QLabel(this)),
      passwordLabel_(new QLabel(this)), user_(new QLineEdit(this)), password_(new QLineEdit(this)),
      ok_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form13"));
    userLabel_->setObjectName(QStringLiteral("Label1"));
    passwordLabel_->setObjectName(QStringLiteral("Label2"));
    user_->setObjectName(QStringLiteral("Edit1"));
    password_->setObjectName(QStringLiteral("Edit2"));
    ok_->setObjectName(QStringLiteral("suitempBitBtn1"));
    cancel_->setObjectName(QStringLiteral("suitempBitBtn2"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    ok_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(userLabel_, 0, 0);
    layout->addWidget(user_, 0, 1);
    layout->addWidget(passwordLabel_, 1, 0);
    layout->addWidget(password_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons, 2, 0, 1, 2);
    connect(ok_, &QPushButton::clicked, this, &AdvancedDialog::suitempBitBtn1Click);
    connect(cancel_, &QPushButton::clicked, this, &AdvancedDialog::suitempBitBtn2Click);
    retranslate();
}

void AdvancedDialog::suitempBitBtn1Click() {
    const AdvancedAccessGate::Outcome outcome = gate_.attempt(user_->text(), password_->text());
    if (outcome.level != kAccessNone) {
        console_.state().accessLevel = outcome.level;
        Q_EMIT accessGranted(outcome.level);
        // The help level leaves the entry in the boxes; the others do not.
        if (outcome.level != kAccessHelp)
            clearBoxes();
        close();
        return;
    }
    const bool english = console_.english();
    const QString title = english ? QStringLiteral("Failure") : QStringLiteral("失败");
    if (!outcome.endsProcess) {
        Modal::message(this, Modal::Icon::Plain, title,
                       english ? QStringLiteral("User name or password error!")
                               : QStringLiteral("用户名或密码错误!"));
        clearBoxes();
        return;
    }
    Modal::message(this, Modal::Icon::Plain, title,
                   english ? QStringLiteral("User name or password error，Accumulated three times "
                                            "the system will shut down!")
                           : QStringLiteral("用户名或密码出错，累积三次将关闭系统!"));
    close();
    Q_EMIT endProcess();
}

void AdvancedDialog::suitempBitBtn2Click() {
    close();
}

void AdvancedDialog::clearBoxes() {
    user_->clear();
    password_->clear();
}

void AdvancedDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AdvancedDialog::retranslate() {
    setWindowTitle(tr("高级功能"));
    userLabel_->setText(tr("用户名："));
    passwordLabel_->setText(tr("密    码："));
    ok_->setText(tr("确  认"));
    cancel_->setText(tr("取 消"));
}

} // namespace wall
