#pragma once

#include <QScopedPointer>
#include <QString>
#include <QWidget>

class HintWnd;
class MainManager;
class UploadFlow;

namespace Ui {
class PlaneConfigWnd;
}

// The maintenance page's plate-list tab: uploads a plate list (CSV or XLS)
// unchanged under its own name, then tells the camera to take the new plate
// library and waits a few seconds for its answer: a refusal is shown as such;
// no answer counts as taken, as the command went out.
class PlaneConfigWnd : public QWidget
{
    Q_OBJECT

public:
    explicit PlaneConfigWnd(QWidget *parent = nullptr);
    ~PlaneConfigWnd() override;

public slots:
    void onSignalFileBtnClicked();
    void onSignalSendBtnClicked();
    void onReqSetDevUpfileParam(int result);
    void onSignalUpRet(int ret);

private slots:
    void onPlateCommandAnswered(int result);
    void onPlateCommandUnanswered();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    MainManager *m_manager = nullptr;
    HintWnd *m_overlay = nullptr;
    const QScopedPointer<Ui::PlaneConfigWnd> m_ui;
    QString m_filePath;
    const QScopedPointer<UploadFlow> m_upload;
};
