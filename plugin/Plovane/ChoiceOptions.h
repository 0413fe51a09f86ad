#pragma once

#include <QJsonValue>
#include <QMap>
#include <QString>

// Reads the option entries and the description shared by the select and the
// radio group.
class ChoiceOptions
{
public:
    // value -> text of the entries of `children` whose "type" contains
    // `optionType`; keyed by value, so the options come out in ascending
    // order of their value text and a repeated value keeps the later entry.
    // `valueKey` names the "props" member that holds the value; the text is
    // "props"."label" unless `textFromChildren`, which takes the entry's
    // first child and falls back to the label.
    static QMap<QString, QString> read(const QJsonValue &children, const QString &optionType,
                                       const QString &valueKey, bool textFromChildren);

    // The items of "props"."description", each followed by a line break.
    static QString description(const QJsonValue &props);
};
