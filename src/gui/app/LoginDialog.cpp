#include "LoginDialog.h"

#include "Modal.h"
#include "app/Access.h"
#include "app/Console.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wall {

namespace {
// The user-name box starts with the one user the login knows.
constexpr QLatin1StringView kLoginUser("tulep");
} // namespace

LoginDialog::LoginDialog(Console& console, QWidget* parent)
    : CredentialsDialog("Form16", "BitBtn1", "BitBtn2", parent), console_(console) {
    user_->setText(QString(kLoginUser));
    connect(ok_, &QPushButton::clicked, this, &LoginDialog::BitBtn1Click);
    connect(cancel_, &QPushButton::clicked, this, &LoginDialog::BitBtn2Click);
    retranslate();
    password_->setFocus();
}

void LoginDialog::BitBtn1Click() {
    if (loginAccepted(user_->text(), password_->text())) {
        loggedIn_ = true;
        accept();
        return;
    }
    const bool english = console_.english();
    Modal::message(this, Modal::Icon::Plain,
                   english ? QStringLiteral("Tips") : QStringLiteral("提示"),
                   english ? QStringLiteral("Login Failure！User name or password error!")
                           : QStringLiteral("登录失败！用户名或密码错误!"));
}

void LoginDialog::BitBtn2Click() {
    reject(); // done() ends the console
}

void LoginDialog::done(int result) {
    QDialog::done(result);
    // However the dialog goes away (cancel, Escape, the title bar), without a
    // login the console must not be used.
    if (!loggedIn_)
        Q_EMIT endProcess();
}

void LoginDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void LoginDialog::retranslate() {
    setWindowTitle(tr("用户登录"));
    userLabel_->setText(tr("用户名："));
    passwordLabel_->setText(tr("密    码："));
    ok_->setText(tr("确  认"));
    cancel_->setText(tr("取 消"));
}

} // namespace wall
