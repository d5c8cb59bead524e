#include "CredentialsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wall {

CredentialsDialog::CredentialsDialog(const char* formName, const char* okName,
                                     const char* cancelName, QWidget* parent)
    : QDialog(parent), userLabel_(new QLabel(this)), passwordLabel_(new QLabel(this)),
      user_(new QLineEdit(this)), password_(new QLineEdit(this)), ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName(QLatin1String(formName));
    userLabel_->setObjectName(QStringLiteral("Label1"));
    passwordLabel_->setObjectName(QStringLiteral("Label2"));
    user_->setObjectName(QStringLiteral("Edit1"));
    password_->setObjectName(QStringLiteral("Edit2"));
    ok_->setObjectName(QLatin1String(okName));
    cancel_->setObjectName(QLatin1String(cancelName));
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
}

} // namespace wall
