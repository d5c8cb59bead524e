#pragma once

#include <QDialog>

class QLabel;

namespace wall {

// TForm12 "帮助": two pictures with a line each on how the console is used.
// Offered from the help item, which an access level shows.
class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* picture1_; // Image1
    QLabel* picture2_; // Image2
    QLabel* line1_;    // Label1
    QLabel* line2_;    // Label2
};

} // namespace wall
