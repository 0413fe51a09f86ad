#include "ChargeTimes.h"

#include "ValueText.h"
#include "ui_ChargeTimes.h"

#include <QJsonArray>

namespace {
// Upper bounds used when a validator gives none.
constexpr double kDefaultFirstMax = 9999.99;
constexpr double kDefaultSecondMax = 1440;
} // namespace

ChargeTimes::ChargeTimes(QWidget *parent)
    : UcBase(parent)
    , ui(new Ui::ChargeTimes)
{
    ui->setupUi(this);
}

ChargeTimes::~ChargeTimes()
{
    delete ui;
}

void ChargeTimes::parseElement()
{
    showCaption(ui->label, m_label);
    if (!m_props.isObject())
        return;
    const QJsonObject props = m_props.toObject();
    description = props.value(QStringLiteral("description")).toString();
    const QJsonObject config = props.value(QStringLiteral("config")).toObject();
    first.suffix = config.value(QStringLiteral("prefix")).toString();
    second.suffix = config.value(QStringLiteral("postfix")).toString();
    const QJsonObject map = props.value(QStringLiteral("map")).toObject();
    first.key = map.value(QStringLiteral("firstValue")).toString();
    second.key = map.value(QStringLiteral("secondValue")).toString();
    const QJsonArray tips = props.value(QStringLiteral("tips")).toArray();
    if (tips.size() == 2) {
        first.tip = tips.first().toString();
        second.tip = tips.last().toString();
    }
    readValidators(props.value(QStringLiteral("validators")).toArray());
    readDefinitionTypes();
}

void ChargeTimes::readValidators(const QJsonArray &validators)
{
    for (const QJsonValue &validatorValue : validators) {
        const QJsonObject validator = validatorValue.toObject();
        const QString key = validator.value(QStringLiteral("key")).toString();
        for (const QJsonValue &argValue : validator.value(QStringLiteral("args")).toArray()) {
            const QJsonObject arg = argValue.toObject();
            if (arg.value(QStringLiteral("funName")).toString().isEmpty())
                continue;
            const double max = arg.value(QStringLiteral("max")).toDouble();
            const double min = arg.value(QStringLiteral("min")).toDouble();
            if (key.contains(first.key)) {
                first.max = max > 0 ? max : kDefaultFirstMax;
                first.min = min;
            } else if (key.contains(second.key)) {
                second.max = max > 0 ? max : kDefaultSecondMax;
                second.min = min;
            }
        }
    }
}

void ChargeTimes::readDefinitionTypes()
{
    const QJsonArray types = m_definition.toObject()
                                 .value(QStringLiteral("elements")).toObject()
                                 .value(QStringLiteral("definitions")).toArray();
    for (const QJsonValue &typeValue : types) {
        const QJsonObject definition = typeValue.toObject();
        const QString id = definition.value(QStringLiteral("id")).toString();
        if (id.isEmpty())
            continue;
        (id == first.key ? first : second).type = definition.value(QStringLiteral("type")).toString();
    }
}

bool ChargeTimes::firstIsPrice() const
{
    return first.type.contains(QLatin1String("price"), Qt::CaseInsensitive);
}

QDoubleSpinBox *ChargeTimes::firstBox() const
{
    return firstIsPrice() ? ui->doubleSpinBoxPrice : ui->doubleSpinBoxDuration;
}

QDoubleSpinBox *ChargeTimes::secondBox() const
{
    return firstIsPrice() ? ui->doubleSpinBoxDuration : ui->doubleSpinBoxPrice;
}

void ChargeTimes::refreshView()
{
    if (!description.isEmpty())
        setToolTip(description);
    configure(firstBox(), first);
    configure(secondBox(), second);
    showValue(m_value);
}

void ChargeTimes::configure(QDoubleSpinBox *box, const ChargeSlot &slot)
{
    if (!slot.suffix.isEmpty())
        box->setSuffix(slot.suffix);
    if (!slot.tip.trimmed().isEmpty())
        box->setToolTip(slot.tip);
    box->setRange(slot.min, slot.max);
}

void ChargeTimes::showValue(const QJsonValue &value)
{
    // Without a stored pair the boxes show 0 (or their lower bound), as a
    // freshly built control does.
    const QJsonArray array = value.toArray();
    const QJsonObject object = array.isEmpty() ? QJsonObject() : array.first().toObject();
    firstBox()->setValue(ValueText::numberOf(object.value(first.key)));
    secondBox()->setValue(ValueText::numberOf(object.value(second.key)));
}

bool ChargeTimes::validate(const QJsonObject &)
{
    QJsonObject object;
    object.insert(first.key, ValueText::number(firstBox()->value(), firstBox()->decimals()));
    object.insert(second.key, ValueText::number(secondBox()->value(), secondBox()->decimals()));
    setValue(QJsonArray{object});
    return true;
}

void ChargeTimes::reset()
{
    // Zeros would be saved as the camera's new tariff on the next collect;
    // reset brings back what was loaded, like every other control.
    showValue(m_defaultValue);
}
