#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>

// Answers the program's modal questions and file dialogs in place of the
// operator while it lives, and records what was asked.
//
//     DialogAnswers answers;
//     answers.push(QMessageBox::Yes);
//     page.clickSomething();
//     QCOMPARE(answers.asked().size(), 1);
//
// A dialog asked with no answer queued gets NoButton or an empty path (as if
// the operator cancelled) and stays in asked(), so the test sees it.
class DialogAnswers
{
public:
    DialogAnswers();
    ~DialogAnswers();
    DialogAnswers(const DialogAnswers &) = delete;
    DialogAnswers &operator=(const DialogAnswers &) = delete;

    void push(QMessageBox::StandardButton button);
    void push(const QString &path);

    const QList<Dialogs::Request> &asked() const { return m_asked; }
    int unanswered() const { return m_unanswered; }
    int pending() const { return m_answers.size(); }

private:
    Dialogs::Answer answer(const Dialogs::Request &request);

    QQueue<Dialogs::Answer> m_answers;
    QList<Dialogs::Request> m_asked;
    int m_unanswered = 0;
};
