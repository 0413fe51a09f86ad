#include "CameraRig.h"
#include "DialogAnswers.h"
#include "DirRecord.h"
#include "LocalPaths.h"
#include "LocalSettingWnd.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

// Stands in for the main window: takes the folder by name, as the dialog hands it.
class FolderTaker : public QWidget
{
    Q_OBJECT

public:
    QStringList folders;

    Q_INVOKABLE void SetDownLoadPath(QString folder) { folders << folder; }
};

class TestLocalSettingWnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void withoutRecordsBothFoldersAreTheDefault();
    void storedRecordsWinAndTheShowReadsTheFoldersInForce();
    void chosenFoldersAreNativeAndTheLogFolderGetsItsSubfolder();
    void cancellingAFolderDialogKeepsTheEdit();
    void twoSavesAppendFourRecordsAndANewDialogReadsTheLastOfEach();
    void closeAndCancelOnlyHide();
    void cameraWithoutLogsHidesTheLogRowButSaveStillStoresIt();

private:
    QLineEdit *edit(LocalSettingWnd &dialog, const char *name) { return dialog.findChild<QLineEdit *>(name); }
    QPushButton *button(LocalSettingWnd &dialog, const char *name)
    {
        return dialog.findChild<QPushButton *>(name);
    }

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_oldCurrent;
};

void TestLocalSettingWnd::init()
{
    m_oldCurrent = QDir::currentPath();
    m_dir.reset(new QTemporaryDir);
    QVERIFY(QDir::setCurrent(m_dir->path()));
    setLocalFilePath(QString());
    setLocalLogPath(QString());
}

void TestLocalSettingWnd::cleanup()
{
    QDir::setCurrent(m_oldCurrent);
    m_dir.reset();
}

void TestLocalSettingWnd::withoutRecordsBothFoldersAreTheDefault()
{
    LocalSettingWnd dialog;
    const QString folder = LocalSettingWnd::defaultFolder();
    QVERIFY(!folder.isEmpty());
    QCOMPARE(getLocalFilePath(), folder);
    QCOMPARE(getLogFilePath(), folder);
    dialog.show();
    QCOMPARE(edit(dialog, "Local_File_Edit")->text(), folder);
    QCOMPARE(edit(dialog, "Local_Log_Edit")->text(), folder);
    QVERIFY(edit(dialog, "Local_File_Edit")->isReadOnly());
    QCOMPARE(edit(dialog, "Local_File_Edit")->contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(!QFile::exists("temp.dat"));
}

void TestLocalSettingWnd::storedRecordsWinAndTheShowReadsTheFoldersInForce()
{
    QVERIFY(saveDirRecord("temp.dat", DownloadFolderKey, "/media/a"));
    QVERIFY(saveDirRecord("temp.dat", LogFolderKey, "/media/logs"));
    QVERIFY(saveDirRecord("temp.dat", DownloadFolderKey, "/media/b"));
    LocalSettingWnd dialog;
    QCOMPARE(getLocalFilePath(), QString("/media/b"));
    QCOMPARE(getLogFilePath(), QString("/media/logs"));

    // The download dialog changes the folder in force; the next show reads it.
    setLocalFilePath("/media/c");
    dialog.show();
    QCOMPARE(edit(dialog, "Local_File_Edit")->text(), QString("/media/c"));
}

void TestLocalSettingWnd::chosenFoldersAreNativeAndTheLogFolderGetsItsSubfolder()
{
    LocalSettingWnd dialog;
    DialogAnswers answers;
    answers.push(m_dir->path() + "/media");
    answers.push(m_dir->path() + "/logs");
    button(dialog, "Local_File_Btn")->click();
    button(dialog, "Local_Log_Btn")->click();

    QCOMPARE(edit(dialog, "Local_File_Edit")->text(), QDir::toNativeSeparators(m_dir->path() + "/media"));
    QCOMPARE(edit(dialog, "Local_Log_Edit")->text(), QDir::toNativeSeparators(m_dir->path() + "/logs/Log"));
    QCOMPARE(answers.asked().size(), 2);
    QCOMPARE(answers.asked().at(0).kind, Dialogs::Kind::ExistingFolder);
    QCOMPARE(answers.asked().at(0).title, QString("Open Directory"));
    QCOMPARE(answers.asked().at(0).folder, LocalSettingWnd::defaultFolder());
    QCOMPARE(answers.asked().at(1).folder, LocalSettingWnd::defaultFolder());
}

void TestLocalSettingWnd::cancellingAFolderDialogKeepsTheEdit()
{
    QVERIFY(saveDirRecord("temp.dat", DownloadFolderKey, "/media/a"));
    QVERIFY(saveDirRecord("temp.dat", LogFolderKey, "/media/logs"));
    LocalSettingWnd dialog;
    DialogAnswers answers; // no answers queued: both dialogs are cancelled
    button(dialog, "Local_File_Btn")->click();
    button(dialog, "Local_Log_Btn")->click();
    QCOMPARE(edit(dialog, "Local_File_Edit")->text(), QString("/media/a"));
    QCOMPARE(edit(dialog, "Local_Log_Edit")->text(), QString("/media/logs"));
    QCOMPARE(answers.asked().at(0).folder, QString("/media/a"));
    QCOMPARE(answers.unanswered(), 2);
}

void TestLocalSettingWnd::twoSavesAppendFourRecordsAndANewDialogReadsTheLastOfEach()
{
    FolderTaker parent;
    {
        auto *dialog = new LocalSettingWnd(&parent);
        DialogAnswers answers;
        answers.push("/first/media");
        answers.push("/first");
        answers.push("/second/media");
        dialog->show();
        button(*dialog, "Local_File_Btn")->click();
        button(*dialog, "Local_Log_Btn")->click();
        button(*dialog, "Save_Setting_Btn")->click();
        QVERIFY(!dialog->isVisible());
        dialog->show();
        button(*dialog, "Local_File_Btn")->click();
        button(*dialog, "Save_Setting_Btn")->click();
        delete dialog;
    }
    QCOMPARE(parent.folders, QStringList({"/first/media", "/second/media"}));
    QCOMPARE(getLocalFilePath(), QString("/second/media"));
    QCOMPARE(getLogFilePath(), QString("/first/Log"));
    QCOMPARE(QFileInfo("temp.dat").size(), qint64(4 * 260));

    setLocalFilePath(QString());
    setLocalLogPath(QString());
    LocalSettingWnd next;
    QCOMPARE(getLocalFilePath(), QString("/second/media"));
    QCOMPARE(getLogFilePath(), QString("/first/Log"));
}

void TestLocalSettingWnd::closeAndCancelOnlyHide()
{
    FolderTaker parent;
    auto *dialog = new LocalSettingWnd(&parent);
    for (const char *name : {"Close_Btn", "Cancle_Setting_Btn"}) {
        dialog->show();
        button(*dialog, name)->click();
        QVERIFY(!dialog->isVisible());
    }
    QVERIFY(parent.folders.isEmpty());
    QVERIFY(!QFile::exists("temp.dat"));
}

void TestLocalSettingWnd::cameraWithoutLogsHidesTheLogRowButSaveStillStoresIt()
{
    CameraRig rig({"gen3-classic"});
    {
        LocalSettingWnd before;
        QVERIFY(!edit(before, "Local_Log_Edit")->isHidden());
    }
    // A third-generation device code without the log byte.
    QByteArray code(int(sizeof(DEV_CODE_PARA_T)), '\0');
    const quint32 generation = 3;
    std::memcpy(code.data() + 256, &generation, sizeof generation);
    QVERIFY(rig.discover());
    rig.inject(0, 39, 0, code);
    QTRY_COMPARE(rig.manager()->GetProtocolVer(), 3);

    LocalSettingWnd dialog;
    for (const char *name : {"label_4", "Local_Log_Edit", "Local_Log_Btn"})
        QVERIFY2(dialog.findChild<QWidget *>(name)->isHidden(), name);
    QVERIFY(!edit(dialog, "Local_File_Edit")->isHidden());
    button(dialog, "Save_Setting_Btn")->click();
    QCOMPARE(readDirRecord("temp.dat", LogFolderKey), LocalSettingWnd::defaultFolder());
}

QTEST_MAIN(TestLocalSettingWnd)
#include "tst_LocalSettingWnd.moc"
