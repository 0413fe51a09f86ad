#pragma once

#include <QScopedPointer>
#include <QWidget>

class QTimer;

namespace Ui {
class HintWnd;
}

// A dimmed overlay with a message box that a page puts over itself while it
// waits or to report a result: a message, optionally a second line, an OK
// button and a countdown (3, 2, 1, then timeOver()).
//
// The page builds it once, hides it at once (it does not hide itself), and
// shows and hides it. Whenever it shows it covers its whole parent and comes
// above every sibling, and it follows the parent's size while shown.
class HintWnd : public QWidget
{
    Q_OBJECT

public:
    explicit HintWnd(QWidget *parent = nullptr);
    ~HintWnd() override;

    void setHintText(const QString &text);
    void setPathText(const QString &text);
    void showPathLabel(bool show);
    void showOkBtn(bool show);
    // true starts the countdown from 3 (a repeated countdown starts afresh);
    // false hides it and stops it, keeping the count where it stands.
    void showCountdown(bool show);

    // The length of one countdown step, one second unless a test shortens it.
    void setCountdownStep(int milliseconds);

signals:
    void okButtonClicked();
    void timeOver();

private slots:
    void onOkButtonClicked();
    void onTimeOut();

private:
    const QScopedPointer<Ui::HintWnd> m_ui;
    QTimer *m_timer = nullptr;
    int m_countdown = 3;
    int m_countdownStep = 1000;
};
