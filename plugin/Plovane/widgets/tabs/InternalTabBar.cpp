#include "InternalTabBar.h"

#include <QFontMetrics>

QSize InternalTabBar::tabSizeHint(int index) const
{
    const QString text = tabText(index);
    const int normal = fontMetrics().size(Qt::TextShowMnemonic, text).width();
    QFont boldFont = font();
    boldFont.setBold(true);
    const int bold = QFontMetrics(boldFont).size(Qt::TextShowMnemonic, text).width();

    QSize hint = QTabBar::tabSizeHint(index);
    if (bold - normal > 0) {
        hint.rwidth() += bold - normal;
    }
    return hint;
}
