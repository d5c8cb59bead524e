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
    : CredentialsDialog("Form13", "suitempBitBtn1", "suitempBitBtn2", parent), console_(console) {
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
