#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class QComboBox;
class QLineEdit;

// What the camera sent for each widget of a page, so that a save sends back
// exactly what the operator did not change. A page shows a value as well as
// its widget can (a text in the field's display encoding, cut by the edit's
// length limit; a value outside a list as the page shows it), which
// need not be the value itself: the page declares here which widget was
// filled from which record field, and asks here for the value to save.
//
// A text the edit still shows as the fill left it goes back as the bytes it
// came from; a choice still at the index the fill left goes back as the
// camera's value, also one outside the list. Any change by the operator
// makes the widget's own value count. Every fill replaces what was kept.
class KeptFields
{
public:
    // How a record's text field is shown; the bytes go back unchanged anyway.
    enum class Decoding {
        Latin1, // fields that take ASCII only, shown byte for byte
        Utf8,
        Local, // the cameras' 8-bit encoding (LocalText)
    };

    // Shows the field of width bytes at offset (up to its first NUL) in the
    // edit and keeps its bytes. A field beyond the record fills as empty.
    void fillText(QLineEdit *edit, const void *record, int size, int offset, int width, Decoding decoding);
    template<typename Record>
    void fillText(QLineEdit *edit, const Record &record, int offset, int width, Decoding decoding)
    {
        fillText(edit, &record, int(sizeof(Record)), offset, width, decoding);
    }
    // For texts the page shows in its own way: keeps bytes as what the edit
    // shows now.
    void keepText(const QLineEdit *edit, const QByteArray &bytes);
    // The bytes of such a field, up to its first NUL; empty beyond the record.
    static QByteArray fieldBytes(const void *record, int size, int offset, int width);
    template<typename Record>
    static QByteArray fieldBytes(const Record &record, int offset, int width)
    {
        return fieldBytes(&record, int(sizeof(Record)), offset, width);
    }

    // The text for the setter's parameter, or for RecordWriter::text on pages
    // that build their record: while the edit shows what the fill left, the
    // kept bytes (RecordWriter::verbatim), else the edit's text.
    QString text(const QLineEdit *edit) const;
    // Whether the edit shows what its fill left.
    bool unchanged(const QLineEdit *edit) const;

    // Keeps value as the camera's value behind the box's current index; call
    // it after the fill has set (or left) the index.
    void keepChoice(const QComboBox *box, int value);
    // The value for the setter: while the box is at the index the fill left,
    // the camera's value, else chosen (the value of the operator's choice).
    int choice(const QComboBox *box, int chosen) const;

private:
    struct Text
    {
        QByteArray bytes;
        QString shown;
    };
    struct Choice
    {
        int value;
        int index;
    };

    QHash<const QLineEdit *, Text> m_texts;
    QHash<const QComboBox *, Choice> m_choices;
};
