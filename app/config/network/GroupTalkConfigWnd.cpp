#include "GroupTalkConfigWnd.h"
#include "ui_GroupTalkConfigWnd.h"

#include "CommonFunc.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include <QDebug>
#include <QRegExpValidator>

#include <cstring>

namespace {

// GROUP_TALK_PARA_T
constexpr int kMode = 0;
constexpr int kAddress = 4;
constexpr int kPort = 36;
constexpr int kUser = 40;
constexpr int kPassword = 72;
constexpr int kNewPassword = 104;
constexpr int kVerifyCode = 136;
constexpr int kGroup = 168;
constexpr int kTextWidth = 32;

const char kPasswordPattern[] = "[0-9a-zA-Z~.!@#$%&*+-]+$";
const char kNamePattern[] = "[0-9a-zA-Z_]+$";

// The note beside the account rows reads the same in both languages: it is
// set as it stands, not through the translation.
const char kNewUserNote[] = "New users need to modify their passwords\n"
                            "when they first log on to the platform, \n"
                            "so they need to fill in the column of \n"
                            "\"password to be modified\" when they first log on,\n"
                            "and in other cases,they can only fill\n"
                            "in the column of \"password\".\n"
                            "New User : A new user name added to the platform\n"
                            "or a user name that has undergone\n"
                            "a password reset operation.";

} // namespace

GroupTalkConfigWnd::GroupTalkConfigWnd(QWidget *parent)
    : ParamPage(parent)
    , m_ui(new Ui::GroupTalkConfigWnd)
{
    m_ui->setupUi(this);
    addErrorFrame(m_ui->ip_point_frame, m_ui->ip_point_text);
    addErrorFrame(m_ui->port_point_frame, m_ui->port_point_text);
    addErrorFrame(m_ui->possword_point_frame_2, m_ui->possword_point_text_2);
    keepRoomWhenHidden({m_ui->ip_point_frame, m_ui->port_point_frame, m_ui->possword_point_frame_2});

    m_ui->port_edit->setValidator(NetChecks::digitsValidator(m_ui->port_edit));
    auto *names = new QRegExpValidator(QRegExp(QString::fromLatin1(kNamePattern)), this);
    m_ui->userName_edit->setValidator(names);
    m_ui->verifycode_edit->setValidator(names);
    auto *passwords = new QRegExpValidator(QRegExp(QString::fromLatin1(kPasswordPattern)), this);
    m_ui->password_edit->setValidator(passwords);
    m_ui->password_edit_2->setValidator(passwords);
    m_ui->password_edit->setEchoMode(QLineEdit::Password);
    m_ui->password_edit_2->setEchoMode(QLineEdit::Password);

    m_ui->label_13->setText(QString::fromLatin1(kNewUserNote));
    // The camera asks for the code only now and then; what it last reported
    // goes back with every save.
    m_ui->verifycode_edit->hide();
    m_ui->label_10->hide();
    disableLineEditMenu(this);

    connect(m_ui->save_btn, &QPushButton::clicked, this, &GroupTalkConfigWnd::onSaveBtnClicked);
    connect(m_ui->comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &GroupTalkConfigWnd::onSignalIndexChange);
    connectRecord(&MainManager::devGroupTalkParamChanged, &GroupTalkConfigWnd::onSiganlDevGroupTalkParamChanged);
    connectResult(&MainManager::reqSetDevGroupTalkParma, &GroupTalkConfigWnd::onSignalSetGroupTalkPamRes);
}

GroupTalkConfigWnd::~GroupTalkConfigWnd() = default;

void GroupTalkConfigWnd::requestParam()
{
    manager()->ReqDevGroupTalkParam();
}

void GroupTalkConfigWnd::setInputsEnabled(bool enabled)
{
    for (QWidget *input : std::initializer_list<QWidget *> {m_ui->IP_edit, m_ui->port_edit, m_ui->userName_edit,
                                                             m_ui->password_edit, m_ui->password_edit_2,
                                                             m_ui->cur_group_num_edit, m_ui->verifycode_edit})
        input->setEnabled(enabled);
}

void GroupTalkConfigWnd::onSignalIndexChange(int index)
{
    setInputsEnabled(index != 0);
}

void GroupTalkConfigWnd::onSiganlDevGroupTalkParamChanged(GROUP_TALK_PARA_T *param)
{
    qDebug() << "onSiganlDevGroupTalkParamChanged";
    if (!param)
        return;
    const RecordReader record(*param);
    const quint8 mode = record.u8(kMode);
    // A mode the list does not hold shows no selection.
    m_ui->comboBox->setCurrentIndex(mode < m_ui->comboBox->count() ? int(mode) : -1);
    kept().keepChoice(m_ui->comboBox, mode);
    setInputsEnabled(mode != 0);
    const auto utf8 = KeptFields::Decoding::Utf8;
    kept().fillText(m_ui->IP_edit, *param, kAddress, kTextWidth, utf8);
    m_ui->port_edit->setText(QString::number(record.u16(kPort)));
    kept().fillText(m_ui->userName_edit, *param, kUser, kTextWidth, utf8);
    kept().fillText(m_ui->password_edit, *param, kPassword, kTextWidth, utf8);
    kept().fillText(m_ui->password_edit_2, *param, kNewPassword, kTextWidth, utf8);
    kept().fillText(m_ui->verifycode_edit, *param, kVerifyCode, kTextWidth, utf8);
    m_ui->cur_group_num_edit->setValue(record.i32(kGroup));
}

void GroupTalkConfigWnd::onSaveBtnClicked()
{
    const QString address = m_ui->IP_edit->text();
    const QString port = m_ui->port_edit->text();
    const QString password = m_ui->password_edit->text();
    const QString newPassword = m_ui->password_edit_2->text();
    const int mode = m_ui->comboBox->currentIndex();
    // A hint of an earlier save must not stand beside this one's outcome,
    // also when the address checks are skipped below.
    hideErrorFrames();

    if (mode != 0 || !address.isEmpty()) {
        bool passed = showErrorUnless(NetChecks::isIpv4(address), m_ui->ip_point_frame, NetChecks::ipMessage());
        passed &= showErrorUnless(NetChecks::isPort(port), m_ui->port_point_frame, NetChecks::portMessage());
        if (!passed)
            return;
    }
    if (!password.isEmpty() && newPassword == password) {
        showError(m_ui->possword_point_frame_2, tr("新旧密码不可相同"));
        return;
    }

    GROUP_TALK_PARA_T record;
    std::memset(&record, 0, sizeof record);
    RecordWriter w(&record, int(sizeof record));
    w.u8(kMode, quint8(kept().choice(m_ui->comboBox, mode)));
    const auto utf8 = RecordWriter::Encoding::Utf8;
    w.text(kAddress, kTextWidth, kept().text(m_ui->IP_edit), utf8, RecordWriter::Width::Full);
    w.u16(kPort, RecordWriter::numberText(port));
    w.text(kUser, kTextWidth, kept().text(m_ui->userName_edit), utf8);
    w.text(kPassword, kTextWidth, kept().text(m_ui->password_edit), utf8);
    w.text(kNewPassword, kTextWidth, kept().text(m_ui->password_edit_2), utf8);
    w.text(kVerifyCode, kTextWidth, kept().text(m_ui->verifycode_edit), utf8);
    w.i32(kGroup, m_ui->cur_group_num_edit->value());

    beginSave();
    if (!manager()->SetDevGroupTalkParam(&record))
        saveRefused();
}

void GroupTalkConfigWnd::onSignalSetGroupTalkPamRes(int result)
{
    finishSave(result);
}
