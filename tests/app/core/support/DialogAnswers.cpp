#include "DialogAnswers.h"

DialogAnswers::DialogAnswers()
{
    Dialogs::setHook([this](const Dialogs::Request &request) { return answer(request); });
}

DialogAnswers::~DialogAnswers()
{
    Dialogs::setHook({});
}

void DialogAnswers::push(QMessageBox::StandardButton button)
{
    Dialogs::Answer answer;
    answer.button = button;
    m_answers.enqueue(answer);
}

void DialogAnswers::push(const QString &path)
{
    Dialogs::Answer answer;
    answer.path = path;
    m_answers.enqueue(answer);
}

Dialogs::Answer DialogAnswers::answer(const Dialogs::Request &request)
{
    m_asked.append(request);
    if (m_answers.isEmpty()) {
        ++m_unanswered;
        return {};
    }
    return m_answers.dequeue();
}
