#include "ContentLayout.h"

#include <QVBoxLayout>

namespace {
constexpr int kContentMargin = 3;
}

QVBoxLayout *makeContentLayout(QWidget *container)
{
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(kContentMargin, kContentMargin, kContentMargin, kContentMargin);
    return layout;
}
