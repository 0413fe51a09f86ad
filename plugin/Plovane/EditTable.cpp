#include "EditTable.h"

#include "EditTableDelegate.h"
#include "TableItemBase.h"
#include "ValueText.h"
#include "ui_EditTable.h"

#include <QHeaderView>
#include <QTableWidgetItem>

namespace {
constexpr int kCheckColumn = 0;
constexpr int kCheckColumnWidth = 40;
constexpr int kInputColumnWidth = 150;
constexpr int kOtherColumnWidth = 250;

QMap<QString, QJsonObject> definitionsById(const QJsonValue &definition)
{
    QMap<QString, QJsonObject> byId;
    const QJsonArray list = definition.toObject()
                                .value(QStringLiteral("elements")).toObject()
                                .value(QStringLiteral("definitions")).toArray();
    for (const QJsonValue &entry : list) {
        const QJsonObject object = entry.toObject();
        const QString id = object.value(QStringLiteral("id")).toString();
        if (!id.isEmpty())
            byId.insert(id, object);
    }
    return byId;
}
} // namespace

EditTable::EditTable(QWidget *parent)
    : UcBase(parent)
    , ui(new Ui::EditTable)
{
    ui->setupUi(this);
    ui->tableWidget->verticalHeader()->setVisible(false);
    ui->tableWidget->horizontalHeader()->setVisible(true);
    // Every data cell carries its own editor; the view's own line edit would
    // only edit display text that is never read back.
    ui->tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

EditTable::~EditTable()
{
    delete ui;
}

void EditTable::parseElement()
{
    const QMap<QString, QJsonObject> definitions = definitionsById(m_definition);
    const QJsonObject props = m_props.toObject();
    addData = props.value(QStringLiteral("addData")).toObject();
    config = props.value(QStringLiteral("config")).toArray();
    columns.clear();
    if (config.isEmpty())
        return;

    EditColumn check;
    check.index = kCheckColumn;
    check.title = tr("全选");
    columns.insert(kCheckColumn, check);
    for (int j = 0; j < config.count(); ++j) {
        const QJsonObject o = config.at(j).toObject();
        EditColumn column;
        column.index = j + 1;
        column.title = o.value(QStringLiteral("label")).toString();
        column.prop = o.value(QStringLiteral("prop")).toString();
        column.type = o.value(QStringLiteral("component")).toObject().value(QStringLiteral("type")).toString();
        column.config = o;
        column.definition = definitions.value(column.prop);
        columns.insert(column.index, column);
    }
}

void EditTable::refreshView()
{
    delegate = new EditTableDelegate(ui->tableWidget);
    ui->tableWidget->setItemDelegate(delegate);
    delegate->setColumns(columns);
    ui->groupBox->setTitle(m_label);
    ui->groupBox->setToolTip(m_label);
    setUpColumns();
    appendRows(m_value);
}

void EditTable::setUpColumns()
{
    if (columns.isEmpty())
        return;
    QTableWidget *table = ui->tableWidget;
    QHeaderView *header = table->horizontalHeader();
    table->setColumnCount(columns.count());
    QStringList titles;
    for (const EditColumn &column : qAsConst(columns)) {
        header->setSectionResizeMode(column.index, QHeaderView::Interactive);
        int width = kOtherColumnWidth;
        if (column.index == kCheckColumn)
            width = kCheckColumnWidth;
        else if (column.type.contains(QLatin1String("el-input")))
            width = kInputColumnWidth;
        table->setColumnWidth(column.index, width);
        titles.append(column.title);
    }
    table->setHorizontalHeaderLabels(titles);
    connect(header, &QHeaderView::sectionClicked, this, &EditTable::tableWidget_sectionClicked,
            Qt::UniqueConnection);
}

void EditTable::appendRows(const QJsonValue &rows)
{
    const QJsonArray list = rows.toArray();
    if (list.isEmpty())
        return;
    const int first = ui->tableWidget->rowCount();
    ui->tableWidget->setRowCount(first + list.count());
    for (int k = 0; k < list.count(); ++k)
        addRow(list.at(k).toObject(), first + k);
}

void EditTable::addRow(const QJsonObject &row, int r)
{
    QTableWidget *table = ui->tableWidget;
    for (const EditColumn &column : qAsConst(columns)) {
        auto *item = new QTableWidgetItem;
        if (column.index == kCheckColumn) {
            item->setCheckState(Qt::Unchecked);
            table->setItem(r, column.index, item);
            continue;
        }
        const QJsonValue cell = row.contains(column.prop) ? row.value(column.prop) : QJsonValue();
        item->setData(Qt::UserRole, QVariant(cell));
        table->setItem(r, column.index, item);
        if (delegate->hasCellEditor(column.index))
            table->openPersistentEditor(item);
        else
            item->setText(ValueText::of(cell));
    }
}

TableItemBase *EditTable::cellEditor(int r, int col) const
{
    if (!delegate->hasCellEditor(col))
        return nullptr;
    return qobject_cast<TableItemBase *>(ui->tableWidget->cellWidget(r, col));
}

QJsonValue EditTable::storedValue(int r, int col) const
{
    const QTableWidgetItem *item = ui->tableWidget->item(r, col);
    return item ? item->data(Qt::UserRole).toJsonValue() : QJsonValue();
}

bool EditTable::isChecked(int r) const
{
    const QTableWidgetItem *item = ui->tableWidget->item(r, kCheckColumn);
    return item && item->checkState() == Qt::Checked;
}

void EditTable::setAllChecked(bool checked)
{
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r) {
        if (QTableWidgetItem *item = ui->tableWidget->item(r, kCheckColumn))
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

int EditTable::firstCheckedRow() const
{
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r) {
        if (isChecked(r))
            return r;
    }
    return -1;
}

QString EditTable::checkHeaderText() const
{
    const QTableWidgetItem *header = ui->tableWidget->horizontalHeaderItem(kCheckColumn);
    return header ? header->text() : QString();
}

void EditTable::setCheckHeaderText(const QString &text)
{
    if (QTableWidgetItem *header = ui->tableWidget->horizontalHeaderItem(kCheckColumn))
        header->setText(text);
}

void EditTable::tableWidget_sectionClicked(int index)
{
    if (index != kCheckColumn)
        return;
    QTableWidget *table = ui->tableWidget;
    table->hide();
    if (checkHeaderText() != tr("全选")) {
        setAllChecked(false);
        setCheckHeaderText(tr("全选"));
    } else if (table->rowCount() > 0) {
        setAllChecked(true);
        setCheckHeaderText(tr("反选"));
    }
    table->show();
    table->setCurrentCell(table->currentRow(), kCheckColumn);
}

void EditTable::on_btnAdd_clicked()
{
    const int n = ui->tableWidget->rowCount();
    ui->tableWidget->setRowCount(n + 1);
    addRow(n == 0 ? addData : seedFromRow(n - 1), n);
}

// The new row continues row `r`: each editor offers its own follow-on value;
// a column without an editor repeats the value it holds.
QJsonObject EditTable::seedFromRow(int r) const
{
    QJsonObject seeded;
    for (int col = 1; col < ui->tableWidget->columnCount(); ++col) {
        if (TableItemBase *editor = cellEditor(r, col)) {
            QString prop;
            QJsonValue value;
            editor->seed(prop, value);
            seeded.insert(prop, value);
        } else if (ui->tableWidget->item(r, col)) {
            seeded.insert(columns.value(col).prop, storedValue(r, col));
        }
    }
    return seeded;
}

void EditTable::on_btnDel_clicked()
{
    int checked = 0;
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r)
        checked += isChecked(r) ? 1 : 0;
    if (checked == 0)
        return;
    setCheckHeaderText(tr("全选"));
    for (int k = 0; k < checked; ++k)
        ui->tableWidget->removeRow(firstCheckedRow());
}

bool EditTable::validate(const QJsonObject &)
{
    QTableWidget *table = ui->tableWidget;
    QJsonObject previous;
    QJsonArray rows;
    for (int i = 0; i < table->rowCount(); ++i) {
        QJsonObject row;
        for (int col = 1; col < table->columnCount(); ++col) {
            TableItemBase *editor = cellEditor(i, col);
            if (!editor) {
                const QJsonValue kept = storedValue(i, col);
                if (!kept.isNull())
                    row.insert(columns.value(col).prop, kept);
                continue;
            }
            if (!editor->validate(previous, i))
                return false;
            row.insert(editor->getProp(), editor->getValue());
            // Keeps the item in step with its editor, so that the view never
            // hands an editor a value older than the one it shows.
            if (QTableWidgetItem *item = table->item(i, col))
                item->setData(Qt::UserRole, QVariant(editor->getValue()));
        }
        previous = row;
        rows.append(row);
    }
    setValue(rows);
    return true;
}

void EditTable::reset()
{
    ui->tableWidget->clearContents();
    ui->tableWidget->setRowCount(0);
    appendRows(m_defaultValue);
}
