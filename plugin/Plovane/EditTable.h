#pragma once

#include "EditColumn.h"
#include "UcBase.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>

class TableItemBase;
class EditTableDelegate;

namespace Ui {
class EditTable;
}

// A titled table of rows, each row an object of named values: column 0
// selects rows, every other column edits one member of the row with a
// table-cell editor. Rows are added as a continuation of the last one and
// committed as a JSON array of row objects.
class EditTable : public UcBase
{
    Q_OBJECT

public:
    explicit EditTable(QWidget *parent = nullptr);
    ~EditTable() override;

    bool validate(const QJsonObject &templateObject) override;
    void reset() override;
    void parseElement() override;
    void refreshView() override;

    // Fills table row `r`, which must already exist, from a row object.
    void addRow(const QJsonObject &row, int r);

public slots:
    void tableWidget_sectionClicked(int index);
    void on_btnAdd_clicked();
    void on_btnDel_clicked();

private:
    void setUpColumns();
    void appendRows(const QJsonValue &rows);
    QJsonObject seedFromRow(int r) const;
    // The cell editor of (r, col), or null for a column without one.
    TableItemBase *cellEditor(int r, int col) const;
    // The value that item (r, col) holds; a column whose type names no cell
    // editor keeps the loaded value this way, unchanged.
    QJsonValue storedValue(int r, int col) const;
    // A row without a check item (a table without columns) counts as unchecked.
    bool isChecked(int r) const;
    void setAllChecked(bool checked);
    int firstCheckedRow() const;
    QString checkHeaderText() const;
    void setCheckHeaderText(const QString &text);

    Ui::EditTable *ui;
    QJsonObject addData;
    QJsonArray config;
    QMap<int, EditColumn> columns;
    EditTableDelegate *delegate = nullptr;
};
