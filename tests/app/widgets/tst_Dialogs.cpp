// The dialog seam answers from the test's queue in order and records what the
// program asked; with the answers gone, the real dialogs are back.

#include "DialogAnswers.h"
#include "Dialogs.h"

#include <QTest>

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void answersComeInOrderAndEveryRequestIsRecorded();
    void aDialogWithoutAQueuedAnswerIsCancelled();
};

void tst_Dialogs::answersComeInOrderAndEveryRequestIsRecorded()
{
    DialogAnswers answers;
    answers.push(QMessageBox::Yes);
    answers.push(QStringLiteral("/tmp/media"));
    answers.push(QStringLiteral("/tmp/firmware.bin"));
    answers.push(QMessageBox::Ok);

    QCOMPARE(Dialogs::question(nullptr, QStringLiteral("提示"), QStringLiteral("确定吗？")),
             QMessageBox::Yes);
    QCOMPARE(Dialogs::existingFolder(nullptr, QStringLiteral("Open Directory"), QStringLiteral("/tmp")),
             QStringLiteral("/tmp/media"));
    QCOMPARE(Dialogs::openFile(nullptr, QStringLiteral("选择文件"), QStringLiteral("C:/"),
                               QStringLiteral("*.bin")),
             QStringLiteral("/tmp/firmware.bin"));
    QCOMPARE(Dialogs::warning(nullptr, QStringLiteral("Dravent"), QStringLiteral("Dravent is running.")),
             QMessageBox::Ok);

    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.asked().size(), 4);
    QCOMPARE(answers.asked().at(0).kind, Dialogs::Kind::Question);
    QCOMPARE(answers.asked().at(0).text, QStringLiteral("确定吗？"));
    QCOMPARE(answers.asked().at(0).buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(answers.asked().at(1).kind, Dialogs::Kind::ExistingFolder);
    QCOMPARE(answers.asked().at(1).folder, QStringLiteral("/tmp"));
    QCOMPARE(answers.asked().at(2).filter, QStringLiteral("*.bin"));
    QCOMPARE(answers.asked().at(3).title, QStringLiteral("Dravent"));
}

void tst_Dialogs::aDialogWithoutAQueuedAnswerIsCancelled()
{
    DialogAnswers answers;
    QCOMPARE(Dialogs::warning(nullptr, QString(), QStringLiteral("保存失败")), QMessageBox::NoButton);
    QCOMPARE(Dialogs::existingFolder(nullptr, QString(), QString()), QString());
    QCOMPARE(answers.unanswered(), 2);
}

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
