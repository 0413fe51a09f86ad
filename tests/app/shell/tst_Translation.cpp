// The English translation is complete: every text has a finished English
// translation, and collecting the texts of the sources anew into a copy of the
// translation (done by the test fixture before this runs) finds nothing it lacks.

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readMessages(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.append(message);
        }
    }
    return messages;
}

QString describe(const Message &message)
{
    return message.context + QLatin1String(": ") + message.source;
}

} // namespace

class tst_Translation : public QObject
{
    Q_OBJECT

private slots:
    void everyTextHasAFinishedEnglishTranslation_data();
    void everyTextHasAFinishedEnglishTranslation();
};

void tst_Translation::everyTextHasAFinishedEnglishTranslation_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("committed") << QStringLiteral(COMMITTED_TS);
    QTest::newRow("collected anew") << QStringLiteral(COLLECTED_TS);
}

void tst_Translation::everyTextHasAFinishedEnglishTranslation()
{
    QFETCH(QString, path);
    const QList<Message> messages = readMessages(path);
    QVERIFY2(!messages.isEmpty(), qPrintable(path));
    const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList faults;
    for (const Message &message : messages) {
        if (!message.type.isEmpty())
            faults << QStringLiteral("%1 (%2)").arg(describe(message), message.type);
        else if (message.translation.isEmpty())
            faults << describe(message) + QLatin1String(" (empty)");
        else if (message.translation.contains(chinese))
            faults << describe(message) + QLatin1String(" (Chinese translation)");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_Translation)
#include "tst_Translation.moc"
