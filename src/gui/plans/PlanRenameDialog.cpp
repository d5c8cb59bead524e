#include "PlanRenameDialog.h"

#include "app/Console.h"
#include "app/Modal.h"
#include "plans/PlanStore.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wall {

PlanRenameDialog::PlanRenameDialog(Console& console, QListWidget& plans, QWidget* parent)
    : QDialog(parent), console_(console), plans_(plans), label_(new QLabel(this)),
      edit_(new QLineEdit(this)), ok_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form8"));
    setModal(false);
    label_->setObjectName(QStringLiteral("Label1"));
    edit_->setObjectName(QStringLiteral("Edit1"));
    ok_->setObjectName(QStringLiteral("BitBtn1"));
    cancel_->setObjectName(QStringLiteral("BitBtn2"));
    label_->setBuddy(edit_);
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 30);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &PlanRenameDialog::BitBtn1Click);
    connect(cancel_, &QPushButton::clicked, this, &PlanRenameDialog::BitBtn2Click);
    retranslate();
}

void PlanRenameDialog::openFor(const QString& text) {
    edit_->setText(text);
    edit_->selectAll();
    show();
    raise();
    activateWindow();
}

void PlanRenameDialog::BitBtn1Click() {
    const int n = plans_.currentRow();
    if (n < 0)
        return; // no entry to name
    const QString name = edit_->text();
    const CommandResult r = console_.plans().rename(n, name);
    if (!r.ok) {
        // The dialog stays open with the typed name, to be corrected.
        Modal::message(this, Modal::Icon::Plain, tr("错误提示"), r.message);
        return;
    }
    if (QListWidgetItem* item = plans_.item(n))
        item->setText(name);
    plans_.setCurrentRow(n);
    close();
}

void PlanRenameDialog::BitBtn2Click() {
    close();
}

void PlanRenameDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PlanRenameDialog::retranslate() {
    setWindowTitle(tr("预案模式重命名"));
    label_->setText(tr("模式名称"));
    ok_->setText(tr("确定"));
    cancel_->setText(tr("取消"));
}

} // namespace wall
