// The password confirmation in front of the maintenance operations.

#include "CameraRig.h"
#include "FactoryResetWidget.h"
#include "NamedProfiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class tst_FactoryResetWidget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void aWrongThenTheRightPasswordConfirmsOnce();
    void cancelEmptiesTheEntryAndASuccessKeepsIt();
    void anEmptyEntryMatchesOnlyAnEmptyPassword_data();
    void anEmptyEntryMatchesOnlyAnEmptyPassword();
    void charactersOutsideTheLogInSetCannotBeTyped();

private:
    void logIn(const std::string &password);
    QLineEdit *entry() const { return m_widget->findChild<QLineEdit *>("pwdEdit"); }
    QWidget *error() const { return m_widget->findChild<QWidget *>("errorFrame"); }
    void click(const char *name) { m_widget->findChild<QPushButton *>(name)->click(); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<FactoryResetWidget> m_widget;
};

void tst_FactoryResetWidget::logIn(const std::string &password)
{
    sim::camera::CameraProfile profile = NamedProfiles::profile(NamedProfiles::Gen3Json);
    profile.factoryPassword = password;
    m_rig.reset(new CameraRig(std::vector<sim::camera::CameraProfile>{profile}));
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, QString::fromStdString(password)));
    m_widget.reset(new FactoryResetWidget);
}

void tst_FactoryResetWidget::cleanup()
{
    m_widget.reset();
    m_rig.reset();
}

void tst_FactoryResetWidget::aWrongThenTheRightPasswordConfirmsOnce()
{
    logIn("123456");
    QSignalSpy confirmed(m_widget.get(), &FactoryResetWidget::okButtonClicked);
    m_widget->show();
    QCOMPARE(m_widget->findChild<QLabel *>("polCount")->text(), QStringLiteral("100001"));
    QCOMPARE(m_widget->findChild<QLabel *>("devCount")->text(), QStringLiteral("CAM0000001"));
    QVERIFY(!error()->isVisible());

    QTest::keyClicks(entry(), "123457");
    click("okBtn");
    QVERIFY(error()->isVisible());
    QVERIFY(m_widget->isVisible());
    QCOMPARE(confirmed.count(), 0);

    entry()->setText("123456");
    click("okBtn");
    QCOMPARE(confirmed.count(), 1);
    QVERIFY(!m_widget->isVisible());
    QVERIFY(!error()->isVisible());
}

void tst_FactoryResetWidget::cancelEmptiesTheEntryAndASuccessKeepsIt()
{
    logIn("123456");
    m_widget->show();
    entry()->setText("123456");
    click("okBtn");
    m_widget->show();
    QCOMPARE(entry()->text(), QStringLiteral("123456"));
    entry()->setText("bad");
    click("okBtn");
    click("cancleBtn");
    QVERIFY(!m_widget->isVisible());
    QCOMPARE(entry()->text(), QString());
    m_widget->show();
    QVERIFY(!error()->isVisible());
}

void tst_FactoryResetWidget::anEmptyEntryMatchesOnlyAnEmptyPassword_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("empty stored") << QString() << true;
    QTest::newRow("password stored") << QStringLiteral("123456") << false;
}

void tst_FactoryResetWidget::anEmptyEntryMatchesOnlyAnEmptyPassword()
{
    QFETCH(QString, stored);
    QFETCH(bool, confirmed);
    logIn(stored.toStdString());
    QSignalSpy spy(m_widget.get(), &FactoryResetWidget::okButtonClicked);
    m_widget->show();
    click("okBtn");
    QCOMPARE(spy.count() == 1, confirmed);
}

void tst_FactoryResetWidget::charactersOutsideTheLogInSetCannotBeTyped()
{
    logIn("123456");
    m_widget->show();
    // "*-." is a range of the pattern, so "+" and "," are in it.
    QTest::keyClicks(entry(), "a b+,~\"");
    QCOMPARE(entry()->text(), QStringLiteral("ab+,~"));
}

QTEST_MAIN(tst_FactoryResetWidget)
#include "tst_FactoryResetWidget.moc"
