#include "QStyledComboBox.h"

#include <QListView>

QStyledComboBox::QStyledComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setView(new QListView(this));
}
