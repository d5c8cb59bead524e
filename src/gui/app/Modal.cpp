#include "Modal.h"

#include <QDialog>
#include <QMessageBox>

namespace wall {

namespace {
Modal::MessageHook& messageHook() {
    static Modal::MessageHook hook;
    return hook;
}
Modal::DialogHook& dialogHook() {
    static Modal::DialogHook hook;
    return hook;
}
} // namespace

void Modal::message(QWidget* parent, Icon icon, const QString& title, const QString& text) {
    if (messageHook()) {
        messageHook()(icon, title, text);
        return;
    }
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

int Modal::exec(QDialog& dialog) {
    if (dialogHook())
        return dialogHook()(dialog);
    return dialog.exec();
}

void Modal::setMessageHook(MessageHook hook) {
    messageHook() = std::move(hook);
}
void Modal::setDialogHook(DialogHook hook) {
    dialogHook() = std::move(hook);
}

} // namespace wall
