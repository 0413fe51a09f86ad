#pragma once

#include <QObject>

class QLabel;

// Keeps a label's text cut to the label's width. A label gets its width only
// once its frame has been shown and laid out, so the text is cut again on
// every resize, from the whole text that setElidedText leaves in the tooltip.
class LabelElider : public QObject
{
    Q_OBJECT

public:
    // Watches the label for as long as it lives (the elider is its child).
    static void keepElided(QLabel *label);
    // setElidedText, and the text is cut anew whenever the label is resized.
    static void setText(QLabel *label, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LabelElider(QLabel *label);
};
