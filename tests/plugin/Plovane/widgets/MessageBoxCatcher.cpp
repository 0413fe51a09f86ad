#include "MessageBoxCatcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

MessageBoxCatcher::MessageBoxCatcher()
{
    connect(&poll, &QTimer::timeout, this, &MessageBoxCatcher::closeOpenBox);
    poll.start(10);
}

void MessageBoxCatcher::closeOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        return;
    }
    texts << box->text();
    titles << box->windowTitle();
    parents << box->parentWidget();
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
}
