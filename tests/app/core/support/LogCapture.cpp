#include "LogCapture.h"

#include "Mostrel.h"

#include <QFile>

namespace {

QString logPath(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("Vantrel.log"));
}

} // namespace

LogCapture::LogCapture()
{
    const QString configPath = m_dir.filePath(QStringLiteral("log.properties"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly))
        return;
    config.write(QStringLiteral("log4j.rootLogger=TRACE, file\n"
                                "log4j.appender.file=org.apache.log4j.FileAppender\n"
                                "log4j.appender.file.File=%1\n"
                                "log4j.appender.file.layout=org.apache.log4j.PatternLayout\n"
                                "log4j.appender.file.layout.ConversionPattern=%m%n\n")
                         .arg(logPath(m_dir))
                         .toUtf8());
    config.close();
    m_started = MostrelInit(QFile::encodeName(configPath).constData(), 1) == 0;
}

LogCapture::~LogCapture()
{
    finish();
}

QByteArray LogCapture::finish()
{
    if (m_started) {
        MostrelShutdown();
        m_started = false;
    }
    QFile log(logPath(m_dir));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}
