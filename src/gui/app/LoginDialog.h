#pragma once

#include "CredentialsDialog.h"

namespace wall {

class Console;

// TForm16 "用户登录": asked for once at start-up when SETTING/bLogin is set.
// The console goes on only after a correct user name and password; any
// number of attempts is allowed.
class LoginDialog final : public CredentialsDialog {
    Q_OBJECT
public:
    LoginDialog(Console& console, QWidget* parent);

    void BitBtn1Click(); // confirm
    void BitBtn2Click(); // cancel: the console ends

    bool loggedIn() const { return loggedIn_; }

Q_SIGNALS:
    // The dialog was cancelled or closed before a login: the main window must
    // close, which ends the process.
    void endProcess();

public Q_SLOTS:
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Console& console_;
    bool loggedIn_ = false;
};

} // namespace wall
