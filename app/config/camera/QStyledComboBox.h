#pragma once

#include <QComboBox>

// A combo box whose drop-down is a plain QListView, so that the application
// style sheet reaches the drop-down rows as well; nothing else differs.
class QStyledComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit QStyledComboBox(QWidget *parent = nullptr);
};
