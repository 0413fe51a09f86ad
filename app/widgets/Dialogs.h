#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// The one way the program asks a modal question or shows a file dialog.
//
// A test installs a hook that answers the next dialogs in place of the
// operator; with no hook the real dialog runs. Everything here runs on the GUI
// thread.
class Dialogs
{
public:
    enum class Kind { Warning, Question, ExistingFolder, OpenFile };

    // What a window asked: for message boxes the title and message, for file
    // dialogs the caption, the start folder and (open file only) the filter.
    struct Request
    {
        Kind kind = Kind::Warning;
        QWidget *parent = nullptr;
        QString title;
        QString text;
        QString folder;
        QString filter;
        QMessageBox::StandardButtons buttons;
    };

    // The hook's answer: the button for a message box, the path (empty =
    // cancelled) for a file dialog.
    struct Answer
    {
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        QString path;
    };

    using Hook = std::function<Answer(const Request &)>;

    // Replaces the real dialogs by the hook; an empty hook restores them.
    static void setHook(Hook hook);

    static QMessageBox::StandardButton
    warning(QWidget *parent, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    question(QWidget *parent, const QString &title, const QString &text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // An existing folder chosen by the operator; empty when cancelled.
    static QString existingFolder(QWidget *parent, const QString &caption, const QString &folder);

    // A file to open chosen by the operator; empty when cancelled.
    static QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                            const QString &filter);
};
