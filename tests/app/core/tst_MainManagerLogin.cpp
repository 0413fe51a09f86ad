#include "CameraRig.h"
#include "LoginManager.h"
#include "NamedProfiles.h"

#include <QtTest>

#include <memory>

class tst_MainManagerLogin : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void logsInToTheChosenCameraAndReleasesTheOthers();

private:
    std::unique_ptr<CameraRig> m_rig;
};

void tst_MainManagerLogin::cleanup()
{
    m_rig.reset();
}

void tst_MainManagerLogin::logsInToTheChosenCameraAndReleasesTheOthers()
{
    m_rig.reset(new CameraRig({NamedProfiles::Gen3Json, NamedProfiles::Gen3Json, NamedProfiles::Gen3Json}));
    m_rig->manager()->setReplyDeadlines(500, 2000);
    QVERIFY(m_rig->discover());
    QCOMPARE(m_rig->manager()->GetDeviceMap().keys(), QList<int>({0, 1, 2}));
    QVERIFY(m_rig->loginAs(1, "123456"));
    QCOMPARE(m_rig->manager()->GetCurIndex(), 1);
    QTRY_VERIFY(!m_rig->isOpen(0));
    QTRY_VERIFY(!m_rig->isOpen(2));
    QVERIFY(m_rig->isOpen(1));
}

QTEST_MAIN(tst_MainManagerLogin)
#include "tst_MainManagerLogin.moc"
