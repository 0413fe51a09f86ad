#include "OSDSConfigWnd.h"
#include "ui_OSDSConfigWnd.h"

#include "ByteLimit.h"
#include "CommonFunc.h"
#include "MainManager.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

// EXTRA_OSD: int32 enable at 0, then three 64-byte local 8-bit lines.
constexpr int kEnableOffset = 0;
constexpr int kLineWidth = 64;

struct OsdLine
{
    int offset;
    QLineEdit *Ui::OSDSConfigWnd::*edit;
};

const OsdLine kLines[] = {
        {4, &Ui::OSDSConfigWnd::OSD1_edit},
        {68, &Ui::OSDSConfigWnd::OSD2_edit},
        {132, &Ui::OSDSConfigWnd::OSD3_edit},
};

} // namespace

OSDSConfigWnd::OSDSConfigWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::OSDSConfigWnd)
{
    m_ui->setupUi(this);
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &OSDSConfigWnd::onSaveBtnClicked);
    connect(m_ui->enable_box, &QCheckBox::stateChanged, this, &OSDSConfigWnd::onSignalStateChanged);
    for (const OsdLine &line : kLines)
        connect(m_ui.data()->*line.edit, &QLineEdit::textChanged, this,
                &OSDSConfigWnd::onSignalOSDEditingFinished);
    connectResult(&MainManager::reqSetDevOSDParam, &OSDSConfigWnd::onReqSetDevOSDParamRes);
    connectRecord(&MainManager::devOSDParamChanged, &OSDSConfigWnd::onSiganlDevOSDParamChanged);
}

OSDSConfigWnd::~OSDSConfigWnd() = default;

void OSDSConfigWnd::requestParam()
{
    manager()->ReqDevOSDParam();
}

void OSDSConfigWnd::onSiganlDevOSDParamChanged(EXTRA_OSD *param)
{
    if (!param)
        return;
    const RecordReader record(*param);
    const bool enabled = record.i32(kEnableOffset) != 0;
    m_ui->enable_box->setChecked(enabled);
    onSignalStateChanged(m_ui->enable_box->checkState());
    // Setting a text runs the byte limit, so a longer stored line shows cut;
    // left alone, it goes back whole.
    for (const OsdLine &line : kLines)
        kept().fillText(m_ui.data()->*line.edit, *param, line.offset, kLineWidth, KeptFields::Decoding::Local);
}

void OSDSConfigWnd::onSignalStateChanged(int state)
{
    for (const OsdLine &line : kLines)
        (m_ui.data()->*line.edit)->setEnabled(state == Qt::Checked);
}

void OSDSConfigWnd::onSignalOSDEditingFinished(QString str)
{
    Q_UNUSED(str)
    for (const OsdLine &line : kLines)
        if (sender() == m_ui.data()->*line.edit)
            limitEditBytes(m_ui.data()->*line.edit, kTextLimit);
}

void OSDSConfigWnd::onSaveBtnClicked()
{
    beginSave();
    // Disabled lines keep their texts and are saved with them.
    EXTRA_OSD record = {};
    RecordWriter writer(&record, sizeof record);
    writer.i32(kEnableOffset, m_ui->enable_box->isChecked() ? 1 : 0);
    for (const OsdLine &line : kLines)
        writer.text(line.offset, kLineWidth, kept().text(m_ui.data()->*line.edit), RecordWriter::Encoding::Local,
                    RecordWriter::Width::Full);
    if (!manager()->SetDeviceOSDParam(&record))
        saveRefused();
}

void OSDSConfigWnd::onReqSetDevOSDParamRes(int result)
{
    finishSave(result);
}
