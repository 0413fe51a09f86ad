#pragma once

#include <QScopedPointer>
#include <QWidget>

class HintWnd;
class MainManager;
class UploadFlow;

namespace Ui {
class LogoTagWnd;
}

// The maintenance page's logo tab: the operator picks a 320 x 216 BMP with 24
// bits per pixel; it is written to "./pic.bmp", uploaded as "pic.bmp", and
// the camera is told to refresh its logo.
class LogoTagWnd : public QWidget
{
    Q_OBJECT

public:
    explicit LogoTagWnd(QWidget *parent = nullptr);
    ~LogoTagWnd() override;

public slots:
    void on_file_btn_clicked();
    void on_send_btn_clicked();
    void onReqSetDevUpfileParam(int result);
    void onSignalUpRet(int ret);
    void onReqSetDevReflashLogo(int result);

private:
    HintWnd *m_overlay = nullptr;
    MainManager *m_manager = nullptr;
    const QScopedPointer<Ui::LogoTagWnd> m_ui;
    const QScopedPointer<UploadFlow> m_upload;
};
