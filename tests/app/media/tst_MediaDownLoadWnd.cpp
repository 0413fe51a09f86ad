// The download dialog: its list, its folder field and what "确定" hands over.

#include "CameraRig.h"
#include "DialogAnswers.h"
#include "DirRecord.h"
#include "LocalPaths.h"
#include "MediaDownLoadDelegate.h"
#include "MediaDownLoadWnd.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray cameraBytes(sim::FullCamera &camera, const QString &name)
{
    const auto file = camera.store().file(name.toStdString());
    if (!file)
        return QByteArray();
    QByteArray bytes(int(file->size()), Qt::Uninitialized);
    file->read(0, reinterpret_cast<std::uint8_t *>(bytes.data()), size_t(bytes.size()));
    return bytes;
}

QByteArray localBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class tst_MediaDownLoadWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_rig.reset(new CameraRig);
        setLocalFilePath(m_dir->filePath("current"));
        m_dialog.reset(new MediaDownLoadWnd);
    }

    void cleanup()
    {
        m_dialog.reset();
        m_rig.reset();
        QDir::setCurrent(m_workingFolder);
        m_dir.reset();
        setLocalFilePath(QString());
    }

    void deletesRowsAndClears()
    {
        m_dialog->setFileList({"/a/1.MP4", "/a/2.JPG", "/a/3.WAV"});
        auto *list = m_dialog->findChild<QListWidget *>("MediaInfo_lw");
        QCOMPARE(list->count(), 3);
        m_dialog->onSignalItemDelete(1);
        QCOMPARE(m_dialog->fileList(), QStringList({"/a/1.MP4", "/a/3.WAV"}));
        QCOMPARE(list->item(1)->text(), QStringLiteral("/a/3.WAV"));
        m_dialog->onSignalItemDelete(2);
        m_dialog->onSignalItemDelete(-1);
        QCOMPARE(list->count(), 2);
        m_dialog->findChild<QPushButton *>("Clear_btn")->click();
        QVERIFY(m_dialog->fileList().isEmpty());
        QCOMPARE(list->count(), 0);
    }

    void aReleaseOnTheDeleteButtonDeletesItsRow()
    {
        m_dialog->setFileList({"/a/1.MP4", "/a/2.JPG"});
        m_dialog->resize(971, 739);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        auto *list = m_dialog->findChild<QListWidget *>("MediaInfo_lw");
        const QRect row = list->visualItemRect(list->item(0));
        const QPoint onButton = MediaDownLoadDelegate::deleteButtonRect(row).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QCOMPARE(m_dialog->fileList().size(), 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, onButton);
        QCOMPARE(m_dialog->fileList(), QStringList{"/a/2.JPG"});
    }

    void folderButtonStoresEvenACancelledChoice()
    {
        DialogAnswers answers;
        auto *edit = m_dialog->findChild<QLineEdit *>("Path_edit");
        auto *button = m_dialog->findChild<QPushButton *>("Path_btn");
        edit->setText(m_dir->filePath("before"));
        answers.push(m_dir->filePath("chosen"));
        button->click();
        QCOMPARE(edit->text(), QDir::toNativeSeparators(m_dir->filePath("chosen")));
        QCOMPARE(readDirRecord("temp.dat", DownloadFolderKey), edit->text());
        button->click();   // cancelled
        QCOMPARE(edit->text(), QDir::toNativeSeparators(m_dir->filePath("chosen")));
        QCOMPARE(answers.asked().size(), 2);
        QCOMPARE(answers.asked().at(1).folder, edit->text());
        QFile records("temp.dat");
        QCOMPARE(records.size(), 2 * 260);
        // Not yet the current folder: only "确定" makes it that.
        QCOMPARE(getLocalFilePath(), m_dir->filePath("current"));
    }

    void theFieldShowsTheCurrentFolderAtEveryShow()
    {
        auto *edit = m_dialog->findChild<QLineEdit *>("Path_edit");
        m_dialog->show();
        QCOMPARE(edit->text(), m_dir->filePath("current"));
        edit->setText("/somewhere/else");
        m_dialog->findChild<QPushButton *>("Cancle_btn")->click();
        m_dialog->show();
        QCOMPARE(edit->text(), m_dir->filePath("current"));
    }

    void targetFolder_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folder");
        QTest::newRow("absolute") << "/cur" << "/data/x" << "/data/x";
        QTest::newRow("empty takes the current") << "/cur" << "" << "/cur";
        QTest::newRow("relative lies under home") << "/cur" << "films/a" << QDir::home().filePath("films/a");
        QTest::newRow("dots are cleaned") << "/cur" << "/data/x/../y/" << "/data/y";
        const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        QTest::newRow("nothing at all") << "" << " "
                                        << (QDir(downloads).exists() ? downloads : QDir::homePath());
    }

    void targetFolder()
    {
        QFETCH(QString, current);
        QFETCH(QString, text);
        QFETCH(QString, folder);
        setLocalFilePath(current);
        QCOMPARE(MediaDownLoadWnd::targetFolder(text), QDir::toNativeSeparators(folder));
    }

    void okWithNothingListedOnlyStoresTheFolder()
    {
        QSignalSpy closed(m_dialog.get(), &MediaDownLoadWnd::widgetClosed);
        m_dialog->show();
        m_dialog->findChild<QLineEdit *>("Path_edit")->setText(m_dir->filePath("new"));
        m_dialog->findChild<QPushButton *>("Ok_btn")->click();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(getLocalFilePath(), m_dir->filePath("new"));
        QVERIFY(m_rig->manager()->activeDownLoad().isEmpty());
        QCOMPARE(m_rig->probe().count("startDownLoad"), 0);
    }

    void okDownloadsEveryListedFileIntoTheFolder()
    {
        QVERIFY(m_rig->discover());
        QVERIFY(m_rig->loginAs(0, "123456"));
        QStringList files;
        for (const auto &file : m_rig->camera(0).store().fileNames())
            if (QString::fromStdString(file).contains("/DCIM/") && files.size() < 4)
                files << QString::fromStdString(file);
        QCOMPARE(files.size(), 4);
        const QString folder = m_dir->filePath("视频");
        m_dialog->show();
        m_dialog->setFileList(files);
        m_dialog->findChild<QLineEdit *>("Path_edit")->setText(folder);
        m_dialog->findChild<QPushButton *>("Ok_btn")->click();
        QVERIFY(m_rig->probe().wait("allFileDownLoadOver", 1, 20000));
        for (const QString &file : files)
            QCOMPARE(localBytes(folder + "/" + file.section('/', -1)), cameraBytes(m_rig->camera(0), file));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_workingFolder;
    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<MediaDownLoadWnd> m_dialog;
};

QTEST_MAIN(tst_MediaDownLoadWnd)
#include "tst_MediaDownLoadWnd.moc"
