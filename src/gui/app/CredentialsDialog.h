#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace wall {

// The user-name and password form that the login and the advanced-functions
// dialogs share: the boxes Edit1 and Edit2 (the password shown as "*"), and
// a confirm and a cancel button under the given component names.
class CredentialsDialog : public QDialog {
    Q_OBJECT
public:
    CredentialsDialog(const char* formName, const char* okName, const char* cancelName,
                      QWidget* parent);

protected:
    QLabel* userLabel_;
    QLabel* passwordLabel_;
    QLineEdit* user_;     // Edit1
    QLineEdit* password_; // Edit2
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace wall
