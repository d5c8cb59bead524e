#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;

namespace wall {

// TForm5 "关于": the product name, the version and a picture. A click on the
// product name or on the frame around it closes the box.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);

    void Label5Click();
    void GroupBox1Click();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    QGroupBox* frame_;     // GroupBox1
    QLabel* picture_;      // Image1
    QLabel* product_;      // Label5
    QLabel* versionLabel_; // Label1
    QLabel* version_;      // Label2
};

} // namespace wall
