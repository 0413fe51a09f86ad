#include "ApplicationLook.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QTranslator>

namespace ApplicationLook {

const char kWindowIconPath[] = ":/Resources/WINDOW_TITLE.ico";
const char kTranslationPath[] = ":/orlesk_en.qm";
const char kStyleSheetPath[] = ":/Resources/qss/mediaMessageEx_En.qss";

void substituteFonts()
{
    const QString installed = QStringLiteral("WenQuanYi Micro Hei");
    QFont::insertSubstitution(QStringLiteral("宋体"), installed);
    QFont::insertSubstitution(QStringLiteral("微软雅黑"), installed);
}

bool installTranslation(QCoreApplication *application)
{
    auto *translator = new QTranslator(application);
    if (!translator->load(QString::fromLatin1(kTranslationPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

QString styleSheet()
{
    QFile file(QString::fromLatin1(kStyleSheetPath));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace ApplicationLook
