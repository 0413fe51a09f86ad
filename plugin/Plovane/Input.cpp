#include "Input.h"

#include "ValueText.h"
#include "ui_Input.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

Input::Input(QWidget *parent)
    : UcBase(parent)
    , ui(new Ui::Input)
{
    ui->setupUi(this);
}

Input::~Input()
{
    delete ui;
}

void Input::parseElement()
{
    if (m_props.isObject())
        readProps(m_props.toObject());
    if (m_slots.isArray())
        readUnit();
    QString typeText = m_definition.toObject().value(QStringLiteral("type")).toString();
    if (!valueType.isEmpty())
        typeText = valueType;
    chooseKind(typeText);
}

void Input::readProps(const QJsonObject &props)
{
    required = props.value(QStringLiteral("required")).toBool();
    tips = props.value(QStringLiteral("tips")).toString();
    placeholder = props.value(QStringLiteral("placeholder")).toString();
    regular = props.value(QStringLiteral("regular")).toString();
    valueType = props.value(QStringLiteral("valueType")).toString();
    const QJsonArray validators = props.value(QStringLiteral("validators")).toArray();
    if (validators.isEmpty())
        return;
    const QJsonObject first = validators.first().toObject();
    message = first.value(QStringLiteral("message")).toString();
    const QJsonObject range = first.value(QStringLiteral("args")).toArray().first().toObject();
    const double max = range.value(QStringLiteral("max")).toDouble();
    if (max > 0)
        maxValue = max;
    minValue = range.value(QStringLiteral("min")).toDouble();
}

void Input::readUnit()
{
    for (const QJsonValue &slot : m_slots.toArray()) {
        if (slot.isObject())
            unit = slot.toObject().value(QStringLiteral("children")).toArray().first().toString();
    }
}

void Input::chooseKind(const QString &typeText)
{
    const auto has = [&typeText](const char *word) {
        return typeText.contains(QLatin1String(word), Qt::CaseInsensitive);
    };
    if (has("Price") || has("Float"))
        m_kind = TwoDecimalNumber;
    else if (has("Duration") || has("Int"))
        m_kind = WholeNumber;
    else if (has("long"))
        m_kind = LongNumber;
    // Text is the only editor that keeps whatever the operator typed; an
    // unknown type must not be squeezed through a number editor.
    else
        m_kind = Text;
    ui->lineEdit->setVisible(!isNumber());
    ui->doubleSpinBox->setVisible(isNumber());
}

void Input::refreshView()
{
    if (!unit.isEmpty())
        m_label = QStringLiteral("%1(%2)").arg(m_label, unit);
    showCaption(ui->label, m_label);
    if (isNumber())
        showNumber();
    else
        showText();
}

void Input::showText()
{
    const QString text = ValueText::of(m_value);
    // The length limit is for typing; a longer text from the device would be
    // cut by the line edit and saved cut although nobody touched it.
    if (text.size() > ui->lineEdit->maxLength())
        ui->lineEdit->setMaxLength(text.size());
    ui->lineEdit->setText(text);
    if (!placeholder.isEmpty())
        ui->lineEdit->setPlaceholderText(placeholder);
    if (!tips.isEmpty())
        ui->lineEdit->setToolTip(tips);
    if (!regular.isEmpty())
        ui->lineEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(regular), this));
}

void Input::showNumber()
{
    if (!tips.isEmpty())
        ui->doubleSpinBox->setToolTip(tips);
    ui->doubleSpinBox->setRange(minValue, maxValue);
    ui->doubleSpinBox->setDecimals(m_kind == TwoDecimalNumber ? 2 : 0);
    ui->doubleSpinBox->setValue(ValueText::numberOf(m_value));
}

bool Input::validate(const QJsonObject &)
{
    if (!isNumber())
        return validateText();
    setValue(ValueText::number(ui->doubleSpinBox->value(), ui->doubleSpinBox->decimals()));
    return true;
}

bool Input::validateText()
{
    const QString text = ui->lineEdit->text().trimmed();
    if (text.isEmpty() && required)
        return refuse();
    // The validator only stops wrong keys; half-typed text such as "192.168."
    // would still get through. Text loaded from the device is let pass as it
    // is, so that an untouched field never blocks saving.
    const bool changed = text != ValueText::of(m_defaultValue).trimmed();
    if (!text.isEmpty() && !regular.isEmpty() && changed) {
        const QRegularExpression whole(QRegularExpression::anchoredPattern(regular));
        if (!whole.match(text).hasMatch())
            return refuse();
    }
    setValue(text);
    return true;
}

bool Input::refuse()
{
    if (message.isEmpty())
        return false;
    reportMessage(message);
    ui->lineEdit->setFocus();
    return false;
}

void Input::reset()
{
    if (isNumber())
        ui->doubleSpinBox->setValue(ValueText::numberOf(m_defaultValue));
    else
        ui->lineEdit->setText(ValueText::of(m_defaultValue));
}
