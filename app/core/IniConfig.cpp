#include "IniConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <memory>

namespace {

QString configPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Config.ini");
}

std::unique_ptr<QSettings> openConfig()
{
    auto settings = std::make_unique<QSettings>(configPath(), QSettings::IniFormat);
    settings->setIniCodec("UTF-8");
    return settings;
}

QString entryName(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

} // namespace

IniConfig *IniConfig::getInstance()
{
    static IniConfig instance;
    return &instance;
}

// The firmware file dialog opens in the upgrade folder; the user's home
// folder is the natural first place on this platform.
IniConfig::IniConfig()
{
    if (QFile::exists(configPath()))
        return;
    openConfig()->setValue(entryName(QStringLiteral("Config"), QStringLiteral("UpgradeFilePath")),
                           QDir::homePath());
}

QString IniConfig::getValue(const QString &group, const QString &key, const QString &defaultValue) const
{
    return openConfig()->value(entryName(group, key), defaultValue).toString();
}

void IniConfig::setValue(const QString &group, const QString &key, const QString &value)
{
    openConfig()->setValue(entryName(group, key), value);
}
