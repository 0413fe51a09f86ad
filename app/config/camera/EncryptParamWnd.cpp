#include "EncryptParamWnd.h"
#include "ui_EncryptParamWnd.h"

#include "DeviceCaps.h"
#include "HintWnd.h"
#include "MainManager.h"
#include "Mostrel.h"

#include <QDebug>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QThread>

#include <cstring>

namespace {

struct Resolution
{
    const char *name;
    quint32 code;
    // Lines for the network-limit check; 0: the digits of the name count.
    int lines;
};

constexpr Resolution kResolutions[] = {
        {"1080p", 0x1000, 1080},
        {"720p", 0x1001, 720},
        {"D1", 0x1002, 0},
        {"2K", 0x1007, 1440},
};

constexpr quint32 kK = 1024;
constexpr quint32 kModel3Rates[] = {256 * kK,  512 * kK,  1024 * kK, 2048 * kK,
                                    4096 * kK, 6144 * kK, 8192 * kK};
constexpr quint32 kRates[] = {512 * kK, 1024 * kK, 2048 * kK, 4096 * kK, 6144 * kK, 8192 * kK};

// Rate items in the order of kModel3Rates.
const QStringList kRateNames{"256K", "512K", "1M", "2M", "4M", "6M", "8M"};

// The model types of the encoding lists.
enum class Family { Model3, Classic, Model12, Model13, Model7, Model5, Other };

Family familyOf(quint32 modelType)
{
    switch (modelType) {
    case 3:
        return Family::Model3;
    case 4:
    case 6:
    case 9:
    case 10:
    case 11:
        return Family::Classic;
    case 12:
        return Family::Model12;
    case 13:
        return Family::Model13;
    case 7:
    case 8:
        return Family::Model7;
    case 5:
    case 100:
        return Family::Model5;
    default:
        return Family::Other;
    }
}

QStringList items(std::initializer_list<const char *> resolutions, const QString &f)
{
    QStringList list;
    for (const char *item : resolutions)
        list << QString::fromLatin1(item).replace("F", f);
    return list;
}

QStringList rateItems(int first, int last)
{
    return kRateNames.mid(first, last - first + 1);
}

void fill(QComboBox *box, const QStringList &list)
{
    box->clear();
    box->addItems(list);
}

} // namespace

EncryptParamWnd::Lists EncryptParamWnd::listsFor(quint32 modelType, quint32 generation, bool fps30Cap)
{
    const QString f = fps30Cap && generation >= 3 ? "30" : "25";
    const QString video = tr("视频流");
    const QString composite = tr("复合流");
    const QStringList standardNet = items({"720p@F", "720p@15", "720p@5", "D1@F", "D1@15", "D1@5"}, f);
    Lists lists;
    lists.recordRate = rateItems(2, 6);
    lists.netRate = rateItems(1, 6);
    lists.streamType = QStringList{composite};
    lists.netStreamType = QStringList{video, composite};
    switch (familyOf(modelType)) {
    case Family::Model3:
        lists.record = items({"1080p@25", "720p@25", "D1@25"}, f);
        lists.recordRate = rateItems(0, 6);
        lists.net = items({"720p@25", "720p@12", "720p@5", "D1@25", "D1@12", "D1@5"}, f);
        lists.netRate = rateItems(0, 4);
        lists.streamType = lists.netStreamType = QStringList{video, composite};
        break;
    case Family::Classic:
        lists.record = items({"1080p@F", "720p@F", "D1@F"}, f);
        lists.net = standardNet;
        break;
    case Family::Model12:
        lists.record = items({"2K@F", "1080p@F", "720p@F", "D1@F"}, f);
        lists.net = standardNet;
        break;
    case Family::Model13:
        lists.record = items({"1080p@F", "720p@F", "D1@F"}, f);
        lists.net = items({"720p@F", "D1@F"}, f);
        break;
    case Family::Model7:
        lists.record = items({"1080p@30", "720p@30", "D1@30"}, f);
        lists.net = items({"720p@30", "720p@15", "720p@5", "D1@30", "D1@15", "D1@5"}, f);
        lists.netStreamType = QStringList{composite};
        break;
    case Family::Model5:
        lists.record = items({"1080p@25", "720p@25", "D1@25"}, f);
        lists.net = items(
                {"1080p@25", "1080p@15", "1080p@5", "720p@25", "720p@15", "720p@5", "D1@25", "D1@15", "D1@5"},
                f);
        lists.streamType.clear();
        lists.encoding = QStringList{"H.264", "H.265"};
        break;
    case Family::Other:
        lists.record = items(
                {"1080p@60", "1080p@30", "720p@120", "720p@60", "720p@30", "D1@120", "D1@60", "D1@30"}, f);
        lists.net = items({"720p@30", "720p@15", "720p@5", "D1@30", "D1@15", "D1@5"}, f);
        lists.streamType.clear();
        lists.netStreamType.clear();
        break;
    }
    return lists;
}

QString EncryptParamWnd::resolutionText(quint32 code, quint32 frameRate)
{
    QString name;
    for (const Resolution &r : kResolutions)
        if (r.code == code)
            name = QString::fromLatin1(r.name);
    return name + "@" + QString::number(frameRate);
}

void EncryptParamWnd::parseResolution(const QString &text, quint32 *code, quint32 *frameRate)
{
    const QString name = text.section('@', 0, 0);
    *code = 0;
    for (const Resolution &r : kResolutions)
        if (name == QLatin1String(r.name))
            *code = r.code;
    *frameRate = text.section('@', 1, 1).toUInt();
}

int EncryptParamWnd::rateIndex(quint32 value, RateTable table)
{
    if (table == RateTable::Model3) {
        const auto *at = std::find(std::begin(kModel3Rates), std::end(kModel3Rates), value);
        return at == std::end(kModel3Rates) ? -1 : int(at - std::begin(kModel3Rates));
    }
    const auto *at = std::find(std::begin(kRates), std::end(kRates), value);
    if (at == std::end(kRates))
        return -1;
    const int index = int(at - std::begin(kRates));
    return table == RateTable::Network ? index : qMax(0, index - 1);
}

quint32 EncryptParamWnd::rateValue(int index, RateTable table)
{
    if (table == RateTable::Model3)
        return index >= 0 && index < int(std::size(kModel3Rates)) ? kModel3Rates[index] : 0;
    const int at = table == RateTable::Recording ? index + 1 : index;
    return at >= 0 && at < int(std::size(kRates)) ? kRates[at] : 0;
}

bool EncryptParamWnd::networkWithinRecording(const QString &recordText, const QString &netText)
{
    // A known resolution counts its lines; the rest counts the product of its
    // digit runs, a text without digits 1.
    const auto size = [](const QString &text) {
        qint64 product = 1;
        QString rest = text;
        const QString name = text.section('@', 0, 0);
        for (const Resolution &r : kResolutions) {
            if (r.lines > 0 && name == QLatin1String(r.name)) {
                product = r.lines;
                rest = text.section('@', 1);
            }
        }
        static const QRegularExpression digits("\\d+");
        auto runs = digits.globalMatch(rest);
        while (runs.hasNext())
            product *= runs.next().captured().toLongLong();
        return product;
    };
    return size(recordText) >= size(netText);
}

EncryptParamWnd::EncryptParamWnd(QWidget *parent)
    : ParamPage(parent, {Refresh::OnRequest, true})
    , m_ui(new Ui::EncryptParamWnd)
{
    m_ui->setupUi(this);
    addErrorFrame(m_ui->netstream_point_frame, m_ui->Point_Out_1);

    const DeviceCaps caps = DeviceCaps::current();
    m_generation = caps.generation();
    m_modelType = caps.modelType();
    m_channelCount = qint8(caps.codeByte(CapByte::kChanNum));
    m_singleStream = caps.codeByte(CapByte::kSingleStream) == 1;
    m_netLimitFree = caps.codeByte(CapByte::kNetLimitFree) == 1;
    const bool fps30 = caps.codeByte(CapByte::kFps30) == 1;
    const bool streamTypeCap = caps.codeByte(CapByte::kStreamType) == 1;

    Lists lists = listsFor(m_modelType, m_generation, fps30);
    const bool model3 = m_modelType == 3;
    const bool multichannel = isModel3Multichannel();
    if (model3 && !(multichannel && streamTypeCap)) {
        lists.streamType.clear();
        lists.netStreamType.clear();
    }
    fill(m_ui->record_combo, lists.record);
    fill(m_ui->videoRate_combo, lists.recordRate);
    fill(m_ui->netstream_combo, lists.net);
    fill(m_ui->netRate_combo, lists.netRate);
    fill(m_ui->streamtype, lists.streamType);
    fill(m_ui->netstreamtype, lists.netStreamType);
    fill(m_ui->videoencoding_combo, lists.encoding);

    if (multichannel) {
        QStringList channels;
        for (int chan = 0; chan < m_channelCount; ++chan) {
            channels << QString::number(chan);
            m_channels.insert(quint32(chan), ChannelEntry{});
        }
        fill(m_ui->channelNo, channels);
    }
    // Only multichannel cameras have channels and, with the capability,
    // stream types to choose; older model-3 cameras show neither.
    const bool channelRow = multichannel;
    const bool streamTypeRows = model3 ? multichannel && streamTypeCap : true;
    m_ui->label_12->setVisible(channelRow);
    m_ui->channelNo->setVisible(channelRow);
    m_ui->label_13->setVisible(streamTypeRows && !lists.streamType.isEmpty());
    m_ui->streamtype->setVisible(streamTypeRows && !lists.streamType.isEmpty());
    m_ui->label_14->setVisible(streamTypeRows && !lists.netStreamType.isEmpty());
    m_ui->netstreamtype->setVisible(streamTypeRows && !lists.netStreamType.isEmpty());
    m_ui->label_15->setVisible(!lists.encoding.isEmpty());
    m_ui->videoencoding_combo->setVisible(!lists.encoding.isEmpty());
    if (m_generation >= 3 && m_singleStream) {
        for (QWidget *w :
             {static_cast<QWidget *>(m_ui->label_6), static_cast<QWidget *>(m_ui->netstream_combo),
              static_cast<QWidget *>(m_ui->label_8), static_cast<QWidget *>(m_ui->netRate_combo),
              static_cast<QWidget *>(m_ui->label_14), static_cast<QWidget *>(m_ui->netstreamtype)})
            w->hide();
    }

    connect(m_ui->save_btn, &QPushButton::clicked, this, &EncryptParamWnd::onSaveBtnClicked);
    connectRecord(&MainManager::devVideoParamChanged, &EncryptParamWnd::onSiganlDevVideoParamChanged);
    connectRecord(&MainManager::devNetParamChanged, &EncryptParamWnd::onSiganlDevNetParamChanged);
    connectRecord(&MainManager::devVideoParamChangedV3, &EncryptParamWnd::onSiganlDevVideoParamChangedV3);
    connectRecord(&MainManager::devNetParamChangedV3, &EncryptParamWnd::onSiganlDevNetParamChangedV3);
    connectResult(&MainManager::reqSetDevVideoParam, &EncryptParamWnd::onReqSetDevVideoParamRes);
    connectResult(&MainManager::reqSetDevNetParam, &EncryptParamWnd::onReqSetDevNetParamRes);
    connectResult(&MainManager::reqSetDevVideoParamV3, &EncryptParamWnd::onReqSetDevVideoParamV3Res);
    if (multichannel) {
        connect(m_ui->channelNo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &EncryptParamWnd::comboBoxValueChanged);
        for (QComboBox *box : {m_ui->record_combo, m_ui->videoRate_combo, m_ui->streamtype,
                               m_ui->netstream_combo, m_ui->netRate_combo, m_ui->netstreamtype})
            connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                    &EncryptParamWnd::onParamChange);
    }
}

EncryptParamWnd::~EncryptParamWnd() = default;

bool EncryptParamWnd::isModel3Multichannel() const
{
    return m_modelType == 3 && m_generation == 3;
}

void EncryptParamWnd::requestParam()
{
    if (m_generation == 3) {
        manager()->ReqDevAllConfigParam();
    } else {
        manager()->ReqDevVideoParam();
        manager()->ReqDevNetParam();
    }
}

void EncryptParamWnd::comboBoxValueChanged(int index)
{
    manager()->ReqDevVideoParamV3(index, 0);
    // The camera takes the second request only some time after the first.
    QThread::msleep(20);
    manager()->ReqDevVideoParamV3(index, 1);
}

void EncryptParamWnd::selectResolution(QComboBox *box, quint32 code, quint32 frameRate)
{
    const int index =
            box->findText(resolutionText(code, frameRate), Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(qMax(0, index));
}

void EncryptParamWnd::selectStreamType(QComboBox *box, quint32 streamType)
{
    if (streamType > 1)
        return;
    box->setCurrentIndex(box->findText(streamType == 0 ? tr("视频流") : tr("复合流"),
                                       Qt::MatchExactly | Qt::MatchCaseSensitive));
}

quint32 EncryptParamWnd::streamTypeOf(const QComboBox *box) const
{
    return box->currentText() == tr("视频流") ? 0 : 1;
}

EncryptParamWnd::ChannelEntry &EncryptParamWnd::entryFor(quint32 chan)
{
    auto it = m_channels.find(chan);
    if (it == m_channels.end())
        it = m_channels.insert(chan, ChannelEntry{});
    return *it;
}

void EncryptParamWnd::onSiganlDevVideoParamChanged(VIDEO_PARA_T *param)
{
    qDebug() << "onSiganlDevVideoParamChanged";
    if (!param)
        return;
    const QScopedValueRollback<bool> filling(m_filling, true);
    selectResolution(m_ui->record_combo, param->resolution, param->frameRate);
    m_ui->videoRate_combo->setCurrentIndex(
            rateIndex(param->bitRate, m_modelType == 3 ? RateTable::Model3 : RateTable::Recording));
}

void EncryptParamWnd::onSiganlDevNetParamChanged(VIDEO_PARA_T *param)
{
    qDebug() << "onSiganlDevNetParamChanged";
    if (!param)
        return;
    const QScopedValueRollback<bool> filling(m_filling, true);
    selectResolution(m_ui->netstream_combo, param->resolution, param->frameRate);
    m_ui->netRate_combo->setCurrentIndex(
            rateIndex(param->bitRate, m_modelType == 3 ? RateTable::Model3 : RateTable::Network));
}

void EncryptParamWnd::onSiganlDevVideoParamChangedV3(VIDEO_PARA_T_V3 *param)
{
    qDebug() << "onSiganlDevVideoParamChangedV3";
    if (!param)
        return;
    MOSTREL_LOG_AS(
            "EncryptParamWnd::onSiganlDevVideoParamChangedV3",
            "resolution = %d, frameRate = %d, bitRate = %d ,chan = %d,streamtype=%d,netvideoEncoding = %d",
            int(param->resolution), int(param->frameRate), int(param->bitRate), int(param->chan),
            int(param->streamtype), int(param->netvideoEncoding));
    const QScopedValueRollback<bool> filling(m_filling, true);
    showChannel(param->chan);
    selectResolution(m_ui->record_combo, param->resolution, param->frameRate);
    m_ui->videoRate_combo->setCurrentIndex(
            rateIndex(param->bitRate, m_modelType == 3 ? RateTable::Model3 : RateTable::Recording));
    selectStreamType(m_ui->streamtype, param->streamtype);
    VIDEO_PARA_T_V3 &half = entryFor(param->chan).recording;
    half.chan = param->chan;
    half.streamtype = param->streamtype;
    half.resolution = param->resolution;
    half.frameRate = param->frameRate;
    half.bitRate = param->bitRate;
}

void EncryptParamWnd::onSiganlDevNetParamChangedV3(VIDEO_PARA_T_V3 *param)
{
    qDebug() << "onSiganlDevNetParamChangedV3";
    if (!param)
        return;
    MOSTREL_LOG_AS(
            "EncryptParamWnd::onSiganlDevNetParamChangedV3",
            "resolution = %d, frameRate = %d, bitRate = %d ,chan = %d,streamtype=%d,netvideoEncoding = %d",
            int(param->resolution), int(param->frameRate), int(param->bitRate), int(param->chan),
            int(param->streamtype), int(param->netvideoEncoding));
    const QScopedValueRollback<bool> filling(m_filling, true);
    showChannel(param->chan);
    selectResolution(m_ui->netstream_combo, param->resolution, param->frameRate);
    m_ui->netRate_combo->setCurrentIndex(
            rateIndex(param->bitRate, m_modelType == 3 ? RateTable::Model3 : RateTable::Network));
    selectStreamType(m_ui->netstreamtype, param->streamtype);
    m_ui->videoencoding_combo->setCurrentIndex(int(param->netvideoEncoding));
    VIDEO_PARA_T_V3 &half = entryFor(param->chan).network;
    half.chan = param->chan;
    half.streamtype = param->streamtype;
    half.resolution = param->resolution;
    half.frameRate = param->frameRate;
    half.bitRate = param->bitRate;
}

void EncryptParamWnd::showChannel(quint32 chan)
{
    if (!isModel3Multichannel())
        return;
    const QSignalBlocker blocker(m_ui->channelNo);
    m_ui->channelNo->setCurrentIndex(m_ui->channelNo->findText(QString::number(chan)));
}

void EncryptParamWnd::onParamChange()
{
    if (m_filling || m_ui->channelNo->currentIndex() < 0)
        return;
    ChannelEntry &entry = entryFor(quint32(m_ui->channelNo->currentIndex()));
    parseResolution(m_ui->record_combo->currentText(), &entry.recording.resolution,
                    &entry.recording.frameRate);
    entry.recording.bitRate = rateValue(m_ui->videoRate_combo->currentIndex(), RateTable::Model3);
    entry.recording.streamtype = streamTypeOf(m_ui->streamtype);
    parseResolution(m_ui->netstream_combo->currentText(), &entry.network.resolution,
                    &entry.network.frameRate);
    entry.network.bitRate = rateValue(m_ui->netRate_combo->currentIndex(), RateTable::Model3);
    entry.network.streamtype = streamTypeOf(m_ui->netstreamtype);
}

bool EncryptParamWnd::networkCheckPasses()
{
    if (m_modelType == 3 || m_modelType == 5 || m_modelType == 100 || m_netLimitFree)
        return true;
    if (m_singleStream)
        return true;
    if (!networkWithinRecording(m_ui->record_combo->currentText(), m_ui->netstream_combo->currentText())) {
        showError(m_ui->netstream_point_frame, tr("必须小于等于录像分辨率@帧率"));
        return false;
    }
    m_ui->netstream_point_frame->hide();
    return true;
}

void EncryptParamWnd::onSaveBtnClicked()
{
    m_results = 0;
    m_expected = 2 * m_channelCount;
    m_allSucceeded = true;
    m_recordingSaved = m_networkSaved = false;
    if (!networkCheckPasses())
        return;

    if (m_generation != 3) {
        const StreamChoice rec = chosenStream(true);
        const StreamChoice net = chosenStream(false);
        beginSave(2);
        if (!manager()->SetDevVideoParam(rec.code, rec.fps, rec.rate)
            || !manager()->SetDevNetParam(net.code, net.fps, net.rate))
            saveRefused();
        return;
    }
    switch (m_modelType) {
    case 3:
        saveChannels();
        return;
    case 4:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
        saveStreamsV3(int(streamTypeOf(m_ui->netstreamtype)), 0, 1);
        return;
    case 5:
    case 100:
        saveStreamsV3(m_ui->netstreamtype->currentIndex(), m_ui->videoencoding_combo->currentIndex(), 0);
        return;
    default:
        return;
    }
}

EncryptParamWnd::StreamChoice EncryptParamWnd::chosenStream(bool recording) const
{
    const QComboBox *resolution = recording ? m_ui->record_combo : m_ui->netstream_combo;
    const QComboBox *rate = recording ? m_ui->videoRate_combo : m_ui->netRate_combo;
    RateTable table = recording ? RateTable::Recording : RateTable::Network;
    if (m_modelType == 3)
        table = RateTable::Model3;
    quint32 code = 0;
    quint32 fps = 0;
    parseResolution(resolution->currentText(), &code, &fps);
    return {int(code), int(fps), int(rateValue(rate->currentIndex(), table))};
}

// One channel: the network stream's record first, then the recording's.
void EncryptParamWnd::saveStreamsV3(int netStreamType, int netEncoding, int recordingStreamType)
{
    const StreamChoice rec = chosenStream(true);
    const StreamChoice net = chosenStream(false);
    m_expected = 2;
    beginSave(m_expected);
    if (!manager()->SetDevNetV3Param(net.code, net.fps, net.rate, 0, netStreamType, netEncoding)
        || !manager()->SetDevVideoV3Param(rec.code, rec.fps, rec.rate, 0, recordingStreamType))
        saveRefused();
}

void EncryptParamWnd::saveChannels()
{
    // A channel never loaded has nothing to send.
    for (const ChannelEntry &entry : qAsConst(m_channels))
        if (entry.recording.bitRate == 0)
            m_expected -= 2;
    beginSave(m_expected);
    for (auto it = m_channels.cbegin(); it != m_channels.cend(); ++it) {
        const ChannelEntry &entry = it.value();
        if (entry.recording.bitRate == 0)
            continue;
        const VIDEO_PARA_T_V3 &rec = entry.recording;
        const VIDEO_PARA_T_V3 &net = entry.network;
        if (!manager()->SetDevVideoV3Param(int(rec.resolution), int(rec.frameRate), int(rec.bitRate),
                                           int(it.key()), int(rec.streamtype))
            || !manager()->SetDevNetV3Param(int(net.resolution), int(net.frameRate), int(net.bitRate),
                                            int(it.key()), int(net.streamtype), 0)) {
            saveRefused();
            return;
        }
    }
}

void EncryptParamWnd::onReqSetDevVideoParamRes(int result)
{
    if (!takeAnswer())
        return;
    ++m_results;
    m_recordingSaved = result == 0;
    if (m_results == 2)
        finishSave(m_recordingSaved && m_networkSaved ? 0 : 1);
}

void EncryptParamWnd::onReqSetDevNetParamRes(int result)
{
    if (!takeAnswer())
        return;
    ++m_results;
    m_networkSaved = result == 0;
    if (m_results == 2)
        finishSave(m_recordingSaved && m_networkSaved ? 0 : 1);
}

void EncryptParamWnd::onReqSetDevVideoParamV3Res(int result)
{
    if (!takeAnswer())
        return;
    ++m_results;
    if (result == 2) {
        overlay()->setHintText(tr("配置参数异常，请重试。"));
        overlay()->showOkBtn(true);
        overlay()->show();
    }
    if (m_allSucceeded)
        m_allSucceeded = result == 0;
    if (m_results == m_expected)
        finishSave(m_allSucceeded ? 0 : 1);
}
