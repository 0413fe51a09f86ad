#include "MediaDownLoadWnd.h"
#include "ui_MediaDownLoadWnd.h"

#include "LocalPaths.h"

MediaDownLoadWnd::MediaDownLoadWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::MediaDownLoadWnd)
{
    m_ui->setupUi(this);
    // The dimmed backdrop comes from the style sheet.
    setAttribute(Qt::WA_StyledBackground);
    m_ui->MediaInfo_lw->viewport()->setAttribute(Qt::WA_Hover);
    m_ui->Path_edit->setText(getLocalFilePath());
    connect(m_ui->Close_btn, &QPushButton::clicked, this, &MediaDownLoadWnd::onCloseBtnClick);
    connect(m_ui->Cancle_btn, &QPushButton::clicked, this, &MediaDownLoadWnd::onCloseBtnClick);
}

MediaDownLoadWnd::~MediaDownLoadWnd() = default;

void MediaDownLoadWnd::setFileList(QStringList files)
{
    m_fileList = files;
    fillList();
}

void MediaDownLoadWnd::setPath(QString path)
{
    m_ui->Path_edit->setText(path);
}

void MediaDownLoadWnd::onCloseBtnClick()
{
    emit widgetClosed();
    close();
}

void MediaDownLoadWnd::fillList()
{
    m_ui->MediaInfo_lw->clear();
    m_ui->MediaInfo_lw->addItems(m_fileList);
}
