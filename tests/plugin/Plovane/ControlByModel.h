#pragma once

#include "UcBase.h"

#include <QString>
#include <QWidget>

// The control built for `model` anywhere under `root`, or null.
inline UcBase *controlByModel(QWidget &root, const QString &model)
{
    for (UcBase *candidate : root.findChildren<UcBase *>()) {
        if (candidate->model() == model)
            return candidate;
    }
    return nullptr;
}
