#include "JsonFormPage.h"
#include "ui_JsonFormPage.h"

#include "CommonFunc.h"
#include "HintWnd.h"
#include "MainManager.h"
#include "PmsPluginInterface.h"

#include <QColor>
#include <QJsonDocument>

namespace {

DynamicFormInterface *formPlugin()
{
    return singleton<PmsPluginInterface>::instance()->GetInterface();
}

} // namespace

JsonFormPage::JsonFormPage(QWidget *parent, const Group &group, const Look &look)
    : ParamPage(parent, {Refresh::OnRequest, true})
    , m_ui(new Ui::JsonFormPage)
    , m_group(group)
    , m_showName(look.showName)
{
    m_ui->setupUi(this);
    // Toast and overlay were made before the form's widgets: bring them back
    // on top of them.
    placeToastIn(this);
    overlay()->raise();
    resize(look.size);
    m_ui->frame->setVisible(m_showName);
    disableLineEditMenu(this);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &JsonFormPage::onSaveBtnClicked);
}

JsonFormPage::~JsonFormPage()
{
    delete m_form;
}

void JsonFormPage::requestParam()
{
    (manager()->*m_group.request)();
}

void JsonFormPage::formTextChanged(const QByteArray &data)
{
    // Text that is no JSON object gives an empty description, which the
    // plug-in refuses: the page is then left without a form.
    BuildForm(QJsonDocument::fromJson(data).object());
}

bool JsonFormPage::BuildForm(const QJsonObject &obj)
{
    if (m_form) {
        delete m_form;
        m_form = nullptr;
    }
    DynamicFormInterface *plugin = formPlugin();
    if (!plugin)
        return false;
    m_form = plugin->createForm(this);
    if (!m_form)
        return false;
    if (!plugin->loadForm(m_form, obj)) {
        delete m_form;
        m_form = nullptr;
        return false;
    }
    const QString name = plugin->formName(m_form);
    if (m_showName)
        m_ui->label_name->setText(name);
    QColor white;
    white.setRgb(255, 255, 255, 255);
    plugin->setFormBackground(m_form, white);
    m_ui->gridLayout->addWidget(m_form);
    m_loaded = true;
    return true;
}

void JsonFormPage::onSaveBtnClicked()
{
    if (!m_loaded || !m_form) {
        showToast(tr("保存失败"));
        return;
    }
    DynamicFormInterface *plugin = formPlugin();
    if (!plugin) {
        showToast(tr("保存失败"));
        return;
    }
    // A control that refuses its value says why itself, through the
    // plug-in's messages; the page only reports that nothing was saved.
    if (!plugin->collectForm(m_form)) {
        showToast(tr("保存失败"));
        return;
    }
    const QJsonObject description = plugin->formDescription(m_form);
    if (description.isEmpty())
        return;
    const QByteArray text = QJsonDocument(description).toJson(QJsonDocument::Indented);
    if (!(manager()->*m_group.setter)(text))
        showToast(tr("保存失败"));
}

void JsonFormPage::saveAnswered(int ret, const QByteArray &data)
{
    if (ret != 0) {
        // The camera says in its own words why it refused; the form keeps
        // the operator's values.
        overlay()->setHintText(QString::fromUtf8(data));
        overlay()->showOkBtn(true);
        overlay()->raise();
        overlay()->show();
        return;
    }
    showToast(tr("保存成功"));
}
