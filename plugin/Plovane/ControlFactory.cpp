#include "ControlFactory.h"

#include "ChargeTimes.h"
#include "CheckBox.h"
#include "EditTable.h"
#include "GroupBox.h"
#include "Input.h"
#include "RadioGroup.h"
#include "Select.h"
#include "TabWidget.h"
#include "TimePicker.h"

namespace {

using Maker = UcBase *(*)(QWidget *parent, const ControlFactory::Definitions &definitions);

template <typename Control>
UcBase *makeLeaf(QWidget *parent, const ControlFactory::Definitions &)
{
    return new Control(parent);
}

// Containers build their own children and need the form's definitions.
template <typename Control>
UcBase *makeContainer(QWidget *parent, const ControlFactory::Definitions &definitions)
{
    return new Control(parent, definitions);
}

struct Kind
{
    const char *typeText;
    Maker make;
};

// Tested in this order; the first type text found in an element's type wins,
// so a type that names two kinds ("el-select el-checkbox") gets the earlier.
const Kind kKinds[] = {
    {"el-input", &makeLeaf<Input>},
    {"el-select", &makeLeaf<Select>},
    {"el-radio-group", &makeLeaf<RadioGroup>},
    {"el-checkbox", &makeLeaf<CheckBox>},
    {"h-charge-times", &makeLeaf<ChargeTimes>},
    {"h-edit-table", &makeLeaf<EditTable>},
    {"h-time-picker-obj", &makeLeaf<TimePicker>},
    {"h-tabs", &makeContainer<TabWidget>},
    {"h-group-box", &makeContainer<GroupBox>},
};

} // namespace

UcBase *ControlFactory::create(const QString &type, QWidget *parent, const Definitions &definitions)
{
    for (const Kind &kind : kKinds) {
        if (type.contains(QLatin1String(kind.typeText)))
            return kind.make(parent, definitions);
    }
    return nullptr;
}
