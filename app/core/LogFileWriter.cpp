#include "LogFileWriter.h"

#include "LocalPaths.h"
#include "LocalText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

// Two exports in the same second share the time stamp; the later one takes
// the next free "_n" rather than replacing what the operator already has.
bool openNewFile(QFile &file, const QString &folder, const QString &stamp, QString *fileName)
{
    for (int attempt = 0;; ++attempt) {
        const QString name = attempt == 0 ? stamp + QStringLiteral("log.txt")
                                          : stamp + QStringLiteral("log_%1.txt").arg(attempt);
        file.setFileName(folder + name);
        // NewOnly: a file made meanwhile by another export is never opened.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text)) {
            *fileName = name;
            return true;
        }
        if (!file.exists())
            return false;
    }
}

} // namespace

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

    QFile file;
    QString fileName;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
    if (!openNewFile(file, nativeFolder, stamp, &fileName))
        return false;
    const QByteArray bytes = LocalText::encode(text + QLatin1Char('\n'));
    // The write only fills QFile's buffer; a full disk shows at the flush.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A cut export is worse than none: it would pass for the whole log.
        file.remove();
        return false;
    }
    file.close();
    setLastLogFileName(fileName);
    return true;
}
