// What the program's start fixes before any window exists: the key that keeps
// a second copy from running, and where Qt looks for plug-ins.

#include "StartUp.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void instanceKeyIsDraventWithAFixedGuid();
    void workingFolderPluginsComeFirst();
};

void tst_StartUp::instanceKeyIsDraventWithAFixedGuid()
{
    const QRegularExpression form(QStringLiteral(
            "^Dravent1\\.0\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
    QVERIFY2(form.match(QString::fromLatin1(StartUp::kInstanceKey)).hasMatch(), StartUp::kInstanceKey);
}

void tst_StartUp::workingFolderPluginsComeFirst()
{
    QTemporaryDir working;
    QVERIFY(working.isValid());
    QDir(working.path()).mkdir(QStringLiteral("plugins"));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working.path()));

    StartUp::addPluginFolders();
    const QStringList paths = QCoreApplication::libraryPaths();
    QDir::setCurrent(before);

    const QString workingPlugins =
            QDir::cleanPath(QDir(working.path()).canonicalPath() + QStringLiteral("/plugins"));
    const QString programPlugins =
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins"));
    QVERIFY(paths.size() >= 1);
    QCOMPARE(QDir(paths.at(0)).canonicalPath(), QDir(workingPlugins).canonicalPath());
    // The program's folder has no "plugins" here, so Qt leaves it out of the
    // list; where it exists it follows the working folder's.
    const int program = paths.indexOf(programPlugins);
    QVERIFY(program == -1 || program > 0);
}

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
