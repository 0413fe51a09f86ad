#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QMap>
#include <QScopedPointer>
#include <QStringList>

namespace Ui {
class EncryptParamWnd;
}

// The encoding tab of cameras without a JSON description: resolution with
// frame rate, bit rate and stream type of the recording and the network
// stream. The lists depend on the model type; generation-3 cameras of model
// type 3 have several channels, each with its own pair of records, all of
// which a save sends.
class EncryptParamWnd : public ParamPage
{
    Q_OBJECT

public:
    // Which table a bit rate is read from or written to.
    enum class RateTable {
        Model3, // seven values, both streams
        Recording, // 1M..8M; 512K reads as the first item
        Network, // 512K..8M
    };

    // The option lists of a camera, in combo-box order; an empty list hides its row.
    struct Lists
    {
        QStringList record;
        QStringList recordRate;
        QStringList net;
        QStringList netRate;
        QStringList streamType;
        QStringList netStreamType;
        QStringList encoding;
    };

    explicit EncryptParamWnd(QWidget *parent = nullptr);
    ~EncryptParamWnd() override;

    static Lists listsFor(quint32 modelType, quint32 generation, bool fps30Cap);

    // "720p@15" and code 0x1001 with 15 fps, both ways. An unknown code gives
    // an empty name; an unknown name gives code 0.
    static QString resolutionText(quint32 code, quint32 frameRate);
    static void parseResolution(const QString &text, quint32 *code, quint32 *frameRate);

    // -1: the value is not in the table (the combo box shows nothing).
    static int rateIndex(quint32 value, RateTable table);
    // 0: the index is outside the table.
    static quint32 rateValue(int index, RateTable table);

    // The network stream must not be larger than the recording stream: lines
    // by frame rate, compared as products.
    static bool networkWithinRecording(const QString &recordText, const QString &netText);

public slots:
    void onSaveBtnClicked();
    void onSiganlDevVideoParamChanged(VIDEO_PARA_T *param);
    void onSiganlDevNetParamChanged(VIDEO_PARA_T *param);
    void onSiganlDevVideoParamChangedV3(VIDEO_PARA_T_V3 *param);
    void onSiganlDevNetParamChangedV3(VIDEO_PARA_T_V3 *param);
    void onReqSetDevVideoParamRes(int result);
    void onReqSetDevNetParamRes(int result);
    void onReqSetDevVideoParamV3Res(int result);
    void comboBoxValueChanged(int index);
    void onParamChange();

protected:
    void requestParam() override;

private:
    struct ChannelEntry
    {
        VIDEO_PARA_T_V3 recording;
        VIDEO_PARA_T_V3 network;
    };
    // What the combo boxes choose for one stream, as the setters take it.
    struct StreamChoice
    {
        int code;
        int fps;
        int rate;
    };

    bool isModel3Multichannel() const;
    bool networkCheckPasses();
    void selectResolution(class QComboBox *box, quint32 code, quint32 frameRate);
    void selectStreamType(class QComboBox *box, quint32 streamType);
    quint32 streamTypeOf(const class QComboBox *box) const;
    ChannelEntry &entryFor(quint32 chan);
    void saveChannels();
    StreamChoice chosenStream(bool recording) const;
    void saveStreamsV3(int netStreamType, int netEncoding, int recordingStreamType);
    void showChannel(quint32 chan);

    const QScopedPointer<Ui::EncryptParamWnd> m_ui;
    quint32 m_generation = 0;
    quint32 m_modelType = 0;
    bool m_singleStream = false;
    bool m_netLimitFree = false;
    int m_channelCount = 0;
    QMap<quint32, ChannelEntry> m_channels;
    // Set while a record fills the combo boxes: their changes are the
    // camera's values, not the operator's, and belong to no channel entry.
    bool m_filling = false;
    int m_results = 0;
    int m_expected = 0;
    bool m_recordingSaved = false;
    bool m_networkSaved = false;
    bool m_allSucceeded = true;
};
