#pragma once

#include <QFont>
#include <QObject>
#include <QString>

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

// Shows the text cut to the label's width, with the whole text as tooltip.
void setElidedText(const QString &text, QLabel *label);
