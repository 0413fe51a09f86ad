#pragma once

#include <QLineEdit>

class QAction;

// The line edit of every password field: its text cannot be copied out of it
// (no context menu, no Copy or Cut keys, no middle-button paste target, and in
// plain echo no X11 primary selection), and a trailing eye switches between
// hidden and plain echo.
class QPasswordWithEye : public QLineEdit
{
    Q_OBJECT

public:
    explicit QPasswordWithEye(QWidget *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    // Password echo becomes Normal and back.
    void EyeClicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showEchoOnEye();

    QAction *m_eye = nullptr;
    EchoMode m_eyeShows = Password;
};
