#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace wall {

// Every message box and modal dialog of the console goes through here, so
// that a test can read and answer them instead of a person.
class Modal {
public:
    enum class Icon { Plain, Information };

    static void message(QWidget* parent, Icon icon, const QString& title, const QString& text);
    // Runs the dialog modally; returns its result (QDialog::Accepted …).
    static int exec(QDialog& dialog);

    // A file to save to or open, chosen by the operator; empty when cancelled.
    // The save dialog adds `suffix` and asks before overwriting.
    static QString saveFileName(QWidget* parent, const QString& filter, const QString& suffix,
                                const QString& proposed);
    static QString openFileName(QWidget* parent, const QString& filter);

    // The title of a box that has none of its own: the console's caption.
    static void setDefaultTitle(const QString& title);

    // For runs with nobody at the screen: from now on every message, modal
    // dialog and file dialog is answered by its default (OK, Cancel, no file)
    // without being shown, and each is told to `log` in one line.
    static void answerByDefault(std::function<void(const QString& line)> log);

    // Test hooks: while set, nothing is shown and the hook answers instead.
    using MessageHook = std::function<void(Icon, const QString& title, const QString& text)>;
    using DialogHook = std::function<int(QDialog&)>;
    static void setMessageHook(MessageHook hook);
    static void setDialogHook(DialogHook hook);
    using FileHook = std::function<QString(bool save)>;
    static void setFileHook(FileHook hook);
};

} // namespace wall
