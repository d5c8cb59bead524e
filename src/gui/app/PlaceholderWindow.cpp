#include "PlaceholderWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace wall {

PlaceholderWindow::PlaceholderWindow(const QString& formName, const char* caption, QWidget* parent)
    : QDialog(parent), caption_(caption), note_(new QLabel(this)) {
    setObjectName(formName);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    note_->setAlignment(Qt::AlignCenter);
    layout->addWidget(note_);
    resize(360, 160);
    retranslate();
}

void PlaceholderWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PlaceholderWindow::retranslate() {
    setWindowTitle(QCoreApplication::translate("wall::Captions", caption_));
    note_->setText(tr("此窗口的功能尚未提供。"));
}

} // namespace wall
