#pragma once

#include <QScopedPointer>
#include <QWidget>

class MainManager;

namespace Ui {
class FactoryResetWidget;
}

// Asks for the device password before a sensitive operation: compares it with
// the password of the log-in and emits okButtonClicked() when they match. It
// sends nothing to the camera itself.
class FactoryResetWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FactoryResetWidget(QWidget *parent = nullptr);
    ~FactoryResetWidget() override;

    void setTitle(const QString &title);

signals:
    void okButtonClicked();

public slots:
    void onOkBtnClicked();
    void onCancleBtnClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const QScopedPointer<Ui::FactoryResetWidget> m_ui;
    MainManager *m_manager = nullptr;
};
