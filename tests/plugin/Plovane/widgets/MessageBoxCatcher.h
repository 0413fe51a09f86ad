#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class QWidget;

// Answers every modal message box that opens while it lives: records its
// title and text and presses its default button, so a test never waits on one.
class MessageBoxCatcher : public QObject
{
    Q_OBJECT

public:
    MessageBoxCatcher();

    QStringList texts;
    QStringList titles;
    QList<QWidget *> parents;

private:
    void closeOpenBox();

    QTimer poll;
};
