#pragma once

#include "app/Access.h"

#include "CredentialsDialog.h"

namespace wall {

class Console;

// TForm13 "高级功能": a user name and password that raise the access level.
// The third wrong entry of a run ends the console, whatever came between.
class AdvancedDialog final : public CredentialsDialog {
    Q_OBJECT
public:
    AdvancedDialog(Console& console, QWidget* parent);

    void suitempBitBtn1Click(); // confirm
    void suitempBitBtn2Click(); // cancel

    int failures() const { return gate_.failures(); }

Q_SIGNALS:
    // A pair was accepted: the console's access level is now `level` (1, 10
    // or 20) and the main window opens what the level gives.
    void accessGranted(int level);
    // The third wrong entry: the main window must close, which ends the
    // process. The dialog has closed itself already.
    void endProcess();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void clearBoxes();

    Console& console_;
    AdvancedAccessGate gate_;
};

} // namespace wall
