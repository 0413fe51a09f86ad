#pragma once

#include <QScopedPointer>
#include <QWidget>

class QTimer;

namespace Ui {
class PopupWidget;
}

// The toast that pages show a result in: two seconds in the bottom-right
// corner of its parent, then it hides itself. A show() while it is visible
// changes nothing, so the first two seconds are never extended.
//
// It needs a parent: it places itself by the parent's size. The page builds it
// once and hides it at once.
class PopupWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PopupWidget(QWidget *parent);
    ~PopupWidget() override;

    // Sets the text only; the caller then calls show().
    void setText(const QString &text);

public slots:
    void onSignalTimeOut();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const QScopedPointer<Ui::PopupWidget> m_ui;
    QTimer *m_timer = nullptr;
};
