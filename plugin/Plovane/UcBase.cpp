#include "UcBase.h"

#include "globalSharedObject.h"

#include <QJsonArray>
#include <QLabel>
#include <QMessageBox>

namespace {
constexpr int kMessageLevel = 2;
}

UcBase::UcBase(QWidget *parent)
    : QWidget(parent)
    , m_defaultValue(QString())
    , m_value(QString())
{
    qRegisterMetaType<Field>("Field");
    qRegisterMetaType<QList<Field>>("QList<Field>");
}

bool UcBase::validate(const QJsonObject &)
{
    return true;
}

void UcBase::reset() {}

void UcBase::parseElement() {}

void UcBase::refreshView() {}

void UcBase::init(const QJsonValue &elementValue, const QJsonValue &definitionValue)
{
    m_element = elementValue;
    m_definition = definitionValue;
    readCommonKeys();
    setProperty("model", m_model);
    parseElement();
    refreshView();
}

void UcBase::setValue(const QJsonValue &v)
{
    m_value = v;
    QJsonObject object = m_element.toObject();
    object.insert(QStringLiteral("defaultValue"), v);
    m_element = object;
}

void UcBase::setElement(const QJsonValue &v)
{
    m_element = v;
}

void UcBase::setChildren(const QJsonArray &children)
{
    QJsonObject object = m_element.toObject();
    object.insert(QStringLiteral("children"), children);
    m_element = object;
    m_children = children;
}

void UcBase::askToChoose()
{
    QMessageBox::warning(this, QString(), tr("请配置:%1").arg(m_label), QMessageBox::Ok);
    setFocus();
}

void UcBase::showCaption(QLabel *caption, const QString &text) const
{
    caption->setText(text + QStringLiteral("："));
    caption->setToolTip(text);
}

void UcBase::emitCascade(const QString &selectedValue)
{
    const QList<Field> fields = m_cascadeMap.value(selectedValue);
    if (!fields.isEmpty())
        emit cascades_trigger(fields);
}

void UcBase::reportMessage(const QString &text)
{
    globalSharedObject::report(kMessageLevel, text);
}

void UcBase::readCommonKeys()
{
    if (!m_element.isObject())
        return;
    const QJsonObject object = m_element.toObject();
    m_model = object.value(QStringLiteral("model")).toString();
    m_label = object.value(QStringLiteral("label")).toString();
    m_value = object.value(QStringLiteral("defaultValue"));
    m_defaultValue = m_value;
    m_type = object.value(QStringLiteral("type")).toString();
    m_props = object.value(QStringLiteral("props"));
    m_slots = object.value(QStringLiteral("slots"));
    m_children = object.value(QStringLiteral("children"));
    parseCascades(object.value(QStringLiteral("cascades")));
}

void UcBase::parseCascades(const QJsonValue &cascades)
{
    for (const QJsonValue &entry : cascades.toArray()) {
        // Anything but an object would otherwise count as an empty cascade
        // for the empty value and wipe out a real one stored there.
        if (!entry.isObject())
            continue;
        const QJsonObject cascade = entry.toObject();
        QList<Field> fields;
        for (const QJsonValue &fieldValue : cascade.value(QStringLiteral("fields")).toArray()) {
            if (!fieldValue.isObject())
                continue;
            const QJsonObject field = fieldValue.toObject();
            fields.append(Field{field.value(QStringLiteral("model")).toString(),
                                field.value(QStringLiteral("hide")).toBool()});
        }
        m_cascadeMap.insert(cascade.value(QStringLiteral("value")).toString(), fields);
    }
}
