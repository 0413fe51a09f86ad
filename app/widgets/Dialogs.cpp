#include "Dialogs.h"

#include <QFileDialog>

namespace {

Dialogs::Hook &hook()
{
    static Dialogs::Hook instance;
    return instance;
}

bool answeredByHook(const Dialogs::Request &request, Dialogs::Answer *answer)
{
    if (!hook())
        return false;
    *answer = hook()(request);
    return true;
}

} // namespace

void Dialogs::setHook(Hook newHook)
{
    hook() = std::move(newHook);
}

QMessageBox::StandardButton Dialogs::warning(QWidget *parent, const QString &title, const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    Answer answer;
    if (answeredByHook({Kind::Warning, parent, title, text, {}, {}, buttons}, &answer))
        return answer.button;
    return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Dialogs::question(QWidget *parent, const QString &title, const QString &text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    Answer answer;
    if (answeredByHook({Kind::Question, parent, title, text, {}, {}, buttons}, &answer))
        return answer.button;
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QString Dialogs::existingFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    Answer answer;
    if (answeredByHook({Kind::ExistingFolder, parent, caption, {}, folder, {}, {}}, &answer))
        return answer.path;
    return QFileDialog::getExistingDirectory(parent, caption, folder, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

QString Dialogs::openFile(QWidget *parent, const QString &caption, const QString &folder,
                          const QString &filter)
{
    Answer answer;
    if (answeredByHook({Kind::OpenFile, parent, caption, {}, folder, filter, {}}, &answer))
        return answer.path;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}
