#pragma once

#include <QFont>
#include <QObject>
#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

class CommonFunc : public QObject
{
    Q_OBJECT

public:
    // The text cut on the right to the width when it is at least that wide.
    static QString getElidedText(QFont font, QString text, int width);
};

// Switches off the context menu of the container's own line edits; line edits
// further down the tree keep theirs.
void disableLineEditMenu(QWidget *container);

// Inline messages come and go beside and below their fields; each widget keeps
// its room in the layout while hidden, so showing one moves no other control.
void keepRoomWhenHidden(std::initializer_list<QWidget *> widgets, bool keep = true);

// Shows the text cut to the label's width, with the whole text as tooltip.
void setElidedText(const QString &text, QLabel *label);
