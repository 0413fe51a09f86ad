#pragma once

#include <QScopedPointer>
#include <QString>
#include <QWidget>

namespace Ui {
class LoginListItem;
}

// One camera in the log-in window's device list: its IDs and its device index.
class LoginListItem : public QWidget
{
    Q_OBJECT

public:
    explicit LoginListItem(QWidget *parent = nullptr);
    ~LoginListItem() override;

    void setDevId(const QString &devId);
    void setPolId(const QString &polId);
    void setIndex(int index);

    QString getDevId() const { return m_devId; }
    QString getPolId() const { return m_polId; }
    int getIndex() const { return m_index; }

private:
    const QScopedPointer<Ui::LoginListItem> m_ui;
    QString m_polId;
    QString m_devId;
    int m_index = -1;
};
