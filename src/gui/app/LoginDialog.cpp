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
    : QDialog(parent), console_(console), userLabel_(new QLabel(this)),
      passwordLabel_(new QLabel(this)), user_(new QLineEdit(this)), password_(new QLineEdit(this)),
      ok_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form16"));
    userLabel_->setObjectName(QStringLiteral("Label1"));
    passwordLabel_->setObjectName(QStringLiteral("Label2"));
    user_->setObjectName(QStringLiteral("Edit1"));
    password_->setObjectName(QStringLiteral("Edit2"));
    ok_->setObjectName(QStringLiteral("BitBtn1"));
    cancel_->setObjectName(QStringLiteral("BitBtn2"));
    user_->setText(QString(kLoginUser));
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
