#pragma once

#include <QDialog>

class QLabel;

namespace wall {

// A window whose contents are not built yet: it exists under its class's
// name and caption so that its menu item opens it.
class PlaceholderWindow final : public QDialog {
    Q_OBJECT
public:
    // `caption` is a source text for tr() in the "wall::Captions" context.
    PlaceholderWindow(const QString& formName, const char* caption, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    const char* caption_;
    QLabel* note_;
};

} // namespace wall
