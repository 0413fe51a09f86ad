#include "PicParamWnd.h"
#include "ui_PicParamWnd.h"

#include "CommonFunc.h"
#include "DeviceCaps.h"
#include "MainManager.h"
#include "RecordReader.h"

namespace {
// PIC_PARAM: the resolution code in byte 0. Codes 0 "5MP", 1 "16MP", 2 "30MP",
// 3 "40MP", 4 "4MP".
constexpr int kCodeOffset = 0;
constexpr int kCodeCount = 5;
} // namespace

PicParamWnd::PicParamWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::PicParamWnd)
{
    m_ui->setupUi(this);
    m_with4MP = DeviceCaps::current().has(&DevJsonAbility::support4MPhoto, CapByte::k4MPhoto,
                                          DeviceCaps::Counts::OnAnyGeneration);
    if (m_with4MP) {
        m_ui->comboBox->clear();
        m_ui->comboBox->addItems({"4MP", "5MP", "16MP", "30MP", "40MP"});
    }
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &PicParamWnd::onSaveBtnClicked);
    connectResult(&MainManager::reqSetDevPICParam, &PicParamWnd::onReqSetDevPICParamRes);
    connectRecord(&MainManager::devPICParamChanged, &PicParamWnd::onSiganlDevPICParamChanged);
}

PicParamWnd::~PicParamWnd() = default;

int PicParamWnd::indexForCode(quint8 code, bool with4MP)
{
    return with4MP ? (code + 1) % kCodeCount : code;
}

quint8 PicParamWnd::codeForIndex(quint8 index, bool with4MP)
{
    return with4MP ? quint8((index + kCodeCount - 1) % kCodeCount) : index;
}

void PicParamWnd::requestParam()
{
    manager()->ReqDevPICParam();
}

void PicParamWnd::onSiganlDevPICParamChanged(PIC_PARAM *param)
{
    if (!param)
        return;
    const quint8 code = RecordReader(*param).u8(kCodeOffset);
    m_ui->comboBox->setCurrentIndex(indexForCode(code, m_with4MP));
    kept().keepChoice(m_ui->comboBox, code);
}

void PicParamWnd::onSaveBtnClicked()
{
    beginSave();
    const quint8 index = quint8(m_ui->comboBox->currentIndex());
    if (!manager()->SetDevPICParam(quint8(kept().choice(m_ui->comboBox, codeForIndex(index, m_with4MP)))))
        saveRefused();
}

void PicParamWnd::onReqSetDevPICParamRes(int result)
{
    finishSave(result);
}
