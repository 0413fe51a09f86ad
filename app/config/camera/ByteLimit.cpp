#include "ByteLimit.h"

#include "LocalText.h"

#include <QLineEdit>

QString cutTextToBytes(const QString &text, int maxBytes)
{
    int used = 0;
    int kept = 0;
    while (kept < text.size()) {
        const QChar unit = text.at(kept);
        const bool pair =
                unit.isHighSurrogate() && kept + 1 < text.size() && text.at(kept + 1).isLowSurrogate();
        const int units = pair ? 2 : 1;
        const int cost = (unit.unicode() >= 1 && unit.unicode() <= 127) ? 1 : 2 * units;
        if (used + cost > maxBytes)
            break;
        used += cost;
        kept += units;
    }
    return text.left(kept);
}

void limitEditBytes(QLineEdit *edit, int maxBytes)
{
    if (!edit)
        return;
    const QString text = edit->text();
    if (LocalText::byteLength(text) <= maxBytes)
        return;

    const int cursor = edit->cursorPosition();
    const QString right = text.mid(cursor);
    const int room = maxBytes - LocalText::byteLength(right);
    QString newText;
    int newCursor = 0;
    if (cursor >= text.size() || room < 0) {
        // Typing at the end, or a text whose tail alone is too long (only a
        // program puts such a text there): keep the start that fits.
        newText = cutTextToBytes(text, maxBytes);
        newCursor = qMin(cursor, newText.size());
    } else {
        const QString kept = cutTextToBytes(text.left(cursor), room);
        newText = kept + right;
        newCursor = kept.size();
    }
    // The edit reports the change again; the text is now within the limit,
    // so that second pass leaves it alone.
    edit->setText(newText);
    edit->setCursorPosition(newCursor);
}
