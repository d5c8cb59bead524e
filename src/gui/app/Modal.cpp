#include "Modal.h"

#include <QDialog>
#include <QFileDialog>

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
Modal::FileHook& fileHook() {
    static Modal::FileHook hook;
    return hook;
}
QString& defaultTitle() {
    static QString title;
    return title;
}
} // namespace

QString Modal::saveFileName(QWidget* parent, const QString& filter, const QString& suffix,
                            const QString& proposed) {
    if (fileHook())
        return fileHook()(true);
    QFileDialog dialog(parent);
    // Qt's own dialog, so that it speaks the console's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposed);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString Modal::openFileName(QWidget* parent, const QString& filter) {
    if (fileHook())
        return fileHook()(false);
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void Modal::setFileHook(FileHook hook) {
    fileHook() = std::move(hook);
}

void Modal::message(QWidget* parent, Icon icon, const QString& title, const QString& text) {
    if (messageHook()) {
        messageHook()(icon, title, text);
        return;
    }
    // A box is never titled with the program's file name: without a title of
    // its own it takes its window's caption.
    QString caption = title;
    if (caption.isEmpty() && parent)
        caption = parent->window()->windowTitle();
    if (caption.isEmpty())
        caption = defaultTitle();
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok, parent);
    box.exec();
}

int Modal::exec(QDialog& dialog) {
    if (dialogHook())
        return dialogHook()(dialog);
    return dialog.exec();
}

void Modal::setDefaultTitle(const QString& title) {
    defaultTitle() = title;
}

void Modal::answerByDefault(std::function<void(const QString& line)> log) {
    setMessageHook([log](Icon, const QString& title, const QString& text) {
        log(QStringLiteral("[%1] %2 (answered OK)").arg(title, QString(text).replace(u'\n', u' ')));
    });
    setDialogHook([log](QDialog& dialog) {
        log(QStringLiteral("[%1] (answered Cancel)").arg(dialog.windowTitle()));
        return int(QDialog::Rejected);
    });
    setFileHook([log](bool save) {
        log(save ? QStringLiteral("[save file] (cancelled)")
                 : QStringLiteral("[open file] (cancelled)"));
        return QString();
    });
}

void Modal::setMessageHook(MessageHook hook) {
    messageHook() = std::move(hook);
}
void Modal::setDialogHook(DialogHook hook) {
    dialogHook() = std::move(hook);
}

} // namespace wall
