#pragma once

#include <QScopedPointer>
#include <QWidget>

namespace Ui {
class DeviceChangeWnd;
}

// The strip that drops down under the main window's device header: the
// logged-in camera's IDs, log-out and change-device. It closes itself when the
// mouse leaves it.
class DeviceChangeWnd : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceChangeWnd(QWidget *parent = nullptr);
    ~DeviceChangeWnd() override;

    void setDevID(QString devId);
    void setPolID(QString polId);

signals:
    void hideSelf();
    void changeDevice();

public slots:
    void onLoginOutBtnClicked();
    void onDevChangeBtnClicked();

protected:
    void showEvent(QShowEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString m_devId;
    QString m_polId;
    const QScopedPointer<Ui::DeviceChangeWnd> m_ui;
};
