#include "KeptFields.h"

#include "LocalText.h"
#include "RecordWriter.h"

#include <QComboBox>
#include <QLineEdit>

#include <cstring>

namespace {

} // namespace

QByteArray KeptFields::fieldBytes(const void *record, int size, int offset, int width)
{
    if (!record || offset < 0 || width <= 0 || offset > size - width)
        return QByteArray();
    const char *field = static_cast<const char *>(record) + offset;
    const void *nul = std::memchr(field, '\0', std::size_t(width));
    return QByteArray(field, nul ? int(static_cast<const char *>(nul) - field) : width);
}

namespace {

QString decoded(const QByteArray &bytes, KeptFields::Decoding decoding)
{
    switch (decoding) {
    case KeptFields::Decoding::Latin1:
        return QString::fromLatin1(bytes);
    case KeptFields::Decoding::Utf8:
        return QString::fromUtf8(bytes);
    case KeptFields::Decoding::Local:
        break;
    }
    return LocalText::decode(bytes);
}

} // namespace

void KeptFields::fillText(QLineEdit *edit, const void *record, int size, int offset, int width,
                          Decoding decoding)
{
    const QByteArray bytes = fieldBytes(record, size, offset, width);
    edit->setText(decoded(bytes, decoding));
    keepText(edit, bytes);
}

void KeptFields::keepText(const QLineEdit *edit, const QByteArray &bytes)
{
    // The shown text is taken after setText and the edit's own reactions to
    // it, a length limit among them.
    m_texts.insert(edit, {bytes, edit->text()});
}

bool KeptFields::unchanged(const QLineEdit *edit) const
{
    const auto kept = m_texts.constFind(edit);
    return kept != m_texts.constEnd() && kept->shown == edit->text();
}

QString KeptFields::text(const QLineEdit *edit) const
{
    return unchanged(edit) ? RecordWriter::verbatim(m_texts.value(edit).bytes) : edit->text();
}

void KeptFields::keepChoice(const QComboBox *box, int value)
{
    m_choices.insert(box, {value, box->currentIndex()});
}

int KeptFields::choice(const QComboBox *box, int chosen) const
{
    const auto kept = m_choices.constFind(box);
    return kept != m_choices.constEnd() && kept->index == box->currentIndex() ? kept->value : chosen;
}
