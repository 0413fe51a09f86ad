#include "DevJsonAbility.h"
#include "JsonHelper.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <climits>

namespace {

struct KeyedField {
    const char *key;
    int DevJsonAbility::*field;
};

// The camera's keys as it spells them, in the order of the record.
const KeyedField keyedFields[] = {
    {"protocolVer", &DevJsonAbility::protocolVer},
    {"devType", &DevJsonAbility::devType},
    {"showMediaInfo", &DevJsonAbility::showMediaInfo},
    {"showDevSet", &DevJsonAbility::showDevSet},
    {"supportLog", &DevJsonAbility::supportLog},
    {"supportUsbMode", &DevJsonAbility::supportUsbMode},
    {"showDeviceInfo", &DevJsonAbility::showDeviceInfo},
    {"showCameraInfo", &DevJsonAbility::showCameraInfo},
    {"showSystemInfo", &DevJsonAbility::showSystemInfo},
    {"showNetworkInfo", &DevJsonAbility::showNetworkInfo},
    {"showPlatformInfo", &DevJsonAbility::showPlatformInfo},
    {"showSystemMaintain", &DevJsonAbility::showSystemMaintain},
    {"showCustomParam", &DevJsonAbility::showCustomParam},
    {"supportUserInfo", &DevJsonAbility::supportUserInfo},
    {"supportEncodedParam", &DevJsonAbility::supportEncodedParam},
    {"supportVideoParam", &DevJsonAbility::supportVideoParam},
    {"supportExtraOsd", &DevJsonAbility::supportExtraOsd},
    {"picQuality", &DevJsonAbility::picQuality},
    {"support4MPhoto", &DevJsonAbility::support4MPhoto},
    {"supportTimeParam", &DevJsonAbility::supportTimeParam},
    {"supportDST", &DevJsonAbility::supportDST},
    {"supportPasswordParam", &DevJsonAbility::supportPasswordParam},
    {"supportComplexPsw", &DevJsonAbility::supportComplexPsw},
    {"supportSystemParam", &DevJsonAbility::supportSystemParam},
    {"support4G", &DevJsonAbility::support4G},
    {"netSystem", &DevJsonAbility::netSystem},
    {"supportCCID", &DevJsonAbility::supportCCID},
    {"supportWifi", &DevJsonAbility::supportWifi},
    {"supportAp", &DevJsonAbility::supportAp},
    {"supportTarvioV20", &DevJsonAbility::supportTarvioV20},
    {"supportTarvioName", &DevJsonAbility::supportTarvioName},
    {"supportTarvioForceSubStream", &DevJsonAbility::supportTarvioForceSubStream},
    {"supportFtp", &DevJsonAbility::supportFtp},
    {"supportTarvioV50", &DevJsonAbility::supportTarvioV50},
    {"supportQuensaForceSubStream", &DevJsonAbility::supportQuensaForceSubStream},
    {"supportGB28181", &DevJsonAbility::supportGB28181},
    {"gbStreamIdx", &DevJsonAbility::gbStreamIdx},
    {"supportGroupTalk", &DevJsonAbility::supportGroupTalk},
    {"supportLumaroV3", &DevJsonAbility::supportLumaroV3},
    {"supportFace", &DevJsonAbility::supportFace},
    {"supportPlatform1400", &DevJsonAbility::supportPlatform1400},
    {"supportRTMP", &DevJsonAbility::supportRTMP},
    {"supportPlatformCustom", &DevJsonAbility::supportPlatformCustom},
    {"supportDevOperate", &DevJsonAbility::supportDevOperate},
    {"supportFormat", &DevJsonAbility::supportFormat},
    {"supportSystemReset", &DevJsonAbility::supportSystemReset},
    {"supportRestoreParam", &DevJsonAbility::supportRestoreParam},
    {"supportUpgrade", &DevJsonAbility::supportUpgrade},
    {"supportPlane", &DevJsonAbility::supportPlane},
    {"supportPicLead", &DevJsonAbility::supportPicLead},
    {"supportLogoPic", &DevJsonAbility::supportLogoPic},
    {"supportStreamNum", &DevJsonAbility::supportStreamNum},
    {"wifiAndDialMutualExclusion", &DevJsonAbility::wifiAndDialMutualExclusion},
    {"supportAudioAndVedioPackChg", &DevJsonAbility::supportAudioAndVedioPackChg},
    {"supportExtendNetworkParam", &DevJsonAbility::supportExtendNetworkParam},
    {"supportNoPwdLogin", &DevJsonAbility::supportNoPwdLogin},
    {"supportParamExport", &DevJsonAbility::supportParamExport},
};

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Every integer non-zero, so that no visibility rule fires.
DevJsonAbility everythingOn()
{
    DevJsonAbility ability;
    for (const KeyedField &entry : keyedFields)
        ability.*entry.field = 1;
    return ability;
}

QList<int> values(const DevJsonAbility &ability)
{
    QList<int> result;
    for (const KeyedField &entry : keyedFields)
        result << ability.*entry.field;
    return result;
}

} // namespace

class tst_JsonHelper : public QObject
{
    Q_OBJECT

private slots:
    void getIntTakesOnlyNumbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("expected");
        QTest::newRow("integer") << QByteArray(R"({"k": 7})") << true << 7;
        QTest::newRow("negative") << QByteArray(R"({"k": -3})") << true << -3;
        QTest::newRow("fraction truncated") << QByteArray(R"({"k": 2.9})") << true << 2;
        QTest::newRow("negative fraction toward zero") << QByteArray(R"({"k": -1.5})") << true << -1;
        QTest::newRow("too large held") << QByteArray(R"({"k": 1e12})") << true << INT_MAX;
        QTest::newRow("too small held") << QByteArray(R"({"k": -1e12})") << true << INT_MIN;
        QTest::newRow("boolean") << QByteArray(R"({"k": true})") << false << 99;
        QTest::newRow("string") << QByteArray(R"({"k": "1"})") << false << 99;
        QTest::newRow("array") << QByteArray(R"({"k": [1]})") << false << 99;
        QTest::newRow("object") << QByteArray(R"({"k": {"v": 1}})") << false << 99;
        QTest::newRow("null") << QByteArray(R"({"k": null})") << false << 99;
        QTest::newRow("absent") << QByteArray(R"({"other": 1})") << false << 99;
    }

    void getIntTakesOnlyNumbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, found);
        QFETCH(int, expected);
        QJsonObject object;
        QVERIFY(JsonHelper::parseObject(text, object));
        int value = 99;
        QCOMPARE(JsonHelper::getInt(object, QStringLiteral("k"), value), found);
        QCOMPARE(value, expected);
    }

    void getStringTakesOnlyStrings_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("expected");
        QTest::newRow("string") << QByteArray(R"({"k": "DSJ-中"})") << true << QStringLiteral("DSJ-中");
        QTest::newRow("empty string") << QByteArray(R"({"k": ""})") << true << QString();
        QTest::newRow("number") << QByteArray(R"({"k": 1})") << false << QStringLiteral("kept");
        QTest::newRow("null") << QByteArray(R"({"k": null})") << false << QStringLiteral("kept");
        QTest::newRow("absent") << QByteArray(R"({})") << false << QStringLiteral("kept");
    }

    void getStringTakesOnlyStrings()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, found);
        QFETCH(QString, expected);
        QJsonObject object;
        QVERIFY(JsonHelper::parseObject(text, object));
        QString value = QStringLiteral("kept");
        QCOMPARE(JsonHelper::getString(object, QStringLiteral("k"), value), found);
        QCOMPARE(value, expected);
    }

    void parseObjectWantsAnObject_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("array") << QByteArray("[1, 2]");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not json") << QByteArray("supportWifi=1");
        QTest::newRow("cut short") << QByteArray(R"({"supportWifi": 1)");
    }

    void parseObjectWantsAnObject()
    {
        QFETCH(QByteArray, text);
        QJsonObject object{{QStringLiteral("kept"), 1}};
        QVERIFY(!JsonHelper::parseObject(text, object));
        QCOMPARE(object, QJsonObject({{QStringLiteral("kept"), 1}}));
    }

    void everyKeyFillsItsField()
    {
        QJsonObject description{{QStringLiteral("serialStr"), QStringLiteral("SN-001")},
                                {QStringLiteral("modelStr"), QStringLiteral("DSJ-X")}};
        QList<int> expected;
        int value = 10;
        for (const KeyedField &entry : keyedFields) {
            description.insert(QLatin1String(entry.key), value);
            expected << value++;
        }
        DevJsonAbility ability;
        QVERIFY(JsonHelper::parseDevAbility(ability, json(description)));
        QCOMPARE(ability.serialStr, QStringLiteral("SN-001"));
        QCOMPARE(ability.modelStr, QStringLiteral("DSJ-X"));
        QCOMPARE(values(ability), expected);
    }

    void wrongTypesLeaveFieldsAlone()
    {
        DevJsonAbility ability = everythingOn();
        ability.serialStr = QStringLiteral("old");
        const QByteArray text = R"({"supportWifi": true, "supportAp": "0", "supportFtp": null,
                                    "support4G": [0], "serialStr": 5, "supportRTMP": 0})";
        QVERIFY(JsonHelper::parseDevAbility(ability, text));
        QCOMPARE(ability.supportWifi, 1);
        QCOMPARE(ability.supportAp, 1);
        QCOMPARE(ability.supportFtp, 1);
        QCOMPARE(ability.support4G, 1);
        QCOMPARE(ability.serialStr, QStringLiteral("old"));
        QCOMPARE(ability.supportRTMP, 0);
    }

    void fractionsAreTruncated()
    {
        DevJsonAbility ability = everythingOn();
        QVERIFY(JsonHelper::parseDevAbility(ability, R"({"picQuality": 2.9, "gbStreamIdx": -1.5})"));
        QCOMPARE(ability.picQuality, 2);
        QCOMPARE(ability.gbStreamIdx, -1);
    }

    void visibilityRules_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("cleared");

        QTest::newRow("1 no user info") << QByteArray(R"({"supportUserInfo": 0, "showDeviceInfo": 1})")
                                        << QStringList{"showDeviceInfo"};
        QTest::newRow("1 user info") << QByteArray(R"({"supportUserInfo": 1})") << QStringList();
        QTest::newRow("2 no camera settings")
            << QByteArray(R"({"supportEncodedParam": 0, "supportVideoParam": 0, "supportExtraOsd": 0, "picQuality": 0})")
            << QStringList{"showCameraInfo"};
        QTest::newRow("2 photo quality only")
            << QByteArray(R"({"supportEncodedParam": 0, "supportVideoParam": 0, "supportExtraOsd": 0})")
            << QStringList();
        QTest::newRow("3 no system settings")
            << QByteArray(R"({"supportTimeParam": 0, "supportPasswordParam": 0, "supportSystemParam": 0})")
            << QStringList{"showSystemInfo"};
        QTest::newRow("4 no platform")
            << QByteArray(R"({"support4G": 0, "supportWifi": 0, "supportTarvioV20": 0, "supportFtp": 0,
                             "supportTarvioV50": 0, "supportGB28181": 0, "supportGroupTalk": 0,
                             "supportLumaroV3": 0, "supportFace": 0, "supportPlatform1400": 0,
                             "supportRTMP": 0, "supportPlatformCustom": 0})")
            << QStringList{"showPlatformInfo"};
        QTest::newRow("4 custom platform only")
            << QByteArray(R"({"support4G": 0, "supportWifi": 0, "supportTarvioV20": 0, "supportFtp": 0,
                             "supportTarvioV50": 0, "supportGB28181": 0, "supportGroupTalk": 0,
                             "supportLumaroV3": 0, "supportFace": 0, "supportPlatform1400": 0,
                             "supportRTMP": 0})")
            << QStringList();
        QTest::newRow("5 no device operation")
            << QByteArray(R"({"supportDevOperate": 1, "supportFormat": 0, "supportSystemReset": 0,
                             "supportRestoreParam": 0, "supportUpgrade": 0})")
            << QStringList{"supportDevOperate"};
        QTest::newRow("6 sees rule 5")
            << QByteArray(R"({"supportDevOperate": 1, "supportFormat": 0, "supportSystemReset": 0,
                             "supportRestoreParam": 0, "supportUpgrade": 0, "supportPlane": 0,
                             "supportPicLead": 0, "supportLogoPic": 0})")
            << QStringList{"supportDevOperate", "showSystemMaintain"};
        QTest::newRow("6 logo upload keeps maintenance")
            << QByteArray(R"({"supportFormat": 0, "supportSystemReset": 0, "supportRestoreParam": 0,
                             "supportUpgrade": 0, "supportPlane": 0, "supportPicLead": 0})")
            << QStringList{"supportDevOperate"};
        QTest::newRow("network has no rule")
            << QByteArray(R"({"supportWifi": 0, "support4G": 0, "supportAp": 0})") << QStringList();
    }

    void visibilityRules()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, cleared);
        DevJsonAbility ability = everythingOn();
        QVERIFY(JsonHelper::parseDevAbility(ability, text));
        for (const KeyedField &entry : keyedFields) {
            const QJsonValue given = QJsonDocument::fromJson(text).object().value(QLatin1String(entry.key));
            int expected = given.isUndefined() ? 1 : given.toInt();
            if (cleared.contains(QLatin1String(entry.key)))
                expected = 0;
            QVERIFY2(ability.*entry.field == expected, entry.key);
        }
    }

    void failedParseChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("array") << QByteArray(R"([{"supportUserInfo": 0}])");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not json") << QByteArray("supportUserInfo: 0");
    }

    void failedParseChangesNothing()
    {
        QFETCH(QByteArray, text);
        DevJsonAbility ability = everythingOn();
        ability.supportUserInfo = 0; // rule 1 would clear showDeviceInfo if it ran
        ability.serialStr = QStringLiteral("SN");
        const QList<int> before = values(ability);
        QVERIFY(!JsonHelper::parseDevAbility(ability, text));
        QCOMPARE(values(ability), before);
        QCOMPARE(ability.serialStr, QStringLiteral("SN"));
    }

    void laterDescriptionKeepsAbsentKeys()
    {
        DevJsonAbility ability;
        QVERIFY(JsonHelper::parseDevAbility(ability, R"({"supportNoPwdLogin": 1, "modelStr": "A"})"));
        QVERIFY(JsonHelper::parseDevAbility(ability, R"({"supportWifi": 1})"));
        QCOMPARE(ability.supportNoPwdLogin, 1);
        QCOMPARE(ability.supportWifi, 1);
        QCOMPARE(ability.modelStr, QStringLiteral("A"));
    }
};

QTEST_GUILESS_MAIN(tst_JsonHelper)
#include "tst_JsonHelper.moc"
