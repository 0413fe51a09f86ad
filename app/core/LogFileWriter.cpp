#include "LogFileWriter.h"

#include "LocalPaths.h"
#include "LocalText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

bool writeLogFile(const QString &text, const QString &folder)
{
    setLastLogFileName(QString());
    if (text.isEmpty() || folder.isEmpty())
        return false;
    QString nativeFolder = QDir::toNativeSeparators(folder);
    if (!nativeFolder.endsWith(QDir::separator()))
        nativeFolder += QDir::separator();
    if (!QDir().mkpath(nativeFolder))
        return false;

    const QString fileName = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"))
                             + QStringLiteral("log.txt");
    QFile file(nativeFolder + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QByteArray bytes = LocalText::encode(text + QLatin1Char('\n'));
    // The write only fills QFile's buffer; a full disk shows at the flush.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    setLastLogFileName(fileName);
    return true;
}
