#pragma once

#include <QScopedPointer>
#include <QString>
#include <QWidget>

class MainManager;
class PopupWidget;

namespace Ui {
class InitWidget;
}

// First-time set-up of a camera that has no password yet: the operator gives
// it a device password and, where the camera takes one, a hotspot password.
// The log-in window lays the page over itself and waits for
// sigShowLoginInput().
class InitWidget : public QWidget
{
    Q_OBJECT

public:
    explicit InitWidget(QWidget *parent = nullptr);
    ~InitWidget() override;

    void setApEnabled(bool enabled);
    void setDevIndex(int index);

signals:
    // true once the camera accepted the passwords, false when the operator cancels.
    void sigShowLoginInput(bool bShow);

public slots:
    void onOkBtnClicked();
    void onCancleBtnClicked();
    void onSetDevAPActivate(int result);
    void onSetDevActivate(int result);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void hideErrorFrames();
    void decideWhenComplete();
    void showToast(const QString &text);

    const QScopedPointer<Ui::InitWidget> m_ui;
    MainManager *m_mainManager;
    PopupWidget *m_toast;
    // Replies still expected for the current press of Ok_Button. Replies meant
    // for the batch set-up dialog reach this page too and push it below 0.
    int m_pendingCount = 0;
    bool m_apEnabled = false;
    int m_lastApResult = 0;
    bool m_devResultGood = false;
    bool m_apResultGood = false;
    QString m_devPassword;
    QString m_apPassword;
    int m_devIndex = -1;
};
