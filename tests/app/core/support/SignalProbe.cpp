#include "SignalProbe.h"

#include "MainManager.h"

#include <QHash>
#include <QMetaMethod>
#include <QTest>
#include <QThread>

#include <cstring>

namespace {

// The size of the record behind each pointer type that MainManager's signals
// carry.
const QHash<QByteArray, int> &recordSizes()
{
    static const QHash<QByteArray, int> sizes = {
        {"VIDEO_PARA_T*", sizeof(VIDEO_PARA_T)},
        {"VIDEO_PARA_T_V3*", sizeof(VIDEO_PARA_T_V3)},
        {"WIFI_PARA_T_V1_0*", sizeof(WIFI_PARA_T_V1_0)},
        {"EACH_PPP_PARA_T*", sizeof(EACH_PPP_PARA_T)},
        {"PLATFORM_PARA_T*", sizeof(PLATFORM_PARA_T)},
        {"TIME_PARA_T*", sizeof(TIME_PARA_T)},
        {"WIFI_PARA_STATIC_T*", sizeof(WIFI_PARA_STATIC_T)},
        {"PLATFORM_DOMAIN_T*", sizeof(PLATFORM_DOMAIN_T)},
        {"WIFI_PARA_V2_T*", sizeof(WIFI_PARA_V2_T)},
        {"AES_CFG_PARAM*", sizeof(AES_CFG_PARAM)},
        {"GROUP_TALK_PARA_T*", sizeof(GROUP_TALK_PARA_T)},
        {"SIPUA_CONFIG_T*", sizeof(SIPUA_CONFIG_T)},
        {"EXTRA_OSD*", sizeof(EXTRA_OSD)},
        {"PLATFROM_TARVIO50_PARAM*", sizeof(PLATFROM_TARVIO50_PARAM)},
        {"FTP_CFG_PARAM*", sizeof(FTP_CFG_PARAM)},
        {"PLATFORM_FACE_CFG_PARAM*", sizeof(PLATFORM_FACE_CFG_PARAM)},
        {"PLATFORM_1400_CFG_PARAM*", sizeof(PLATFORM_1400_CFG_PARAM)},
        {"PLATFORM_CUSTOM_CFG_PARAM*", sizeof(PLATFORM_CUSTOM_CFG_PARAM)},
        {"AUDIO_VEDIO_PACK_CFG_PARAM*", sizeof(AUDIO_VEDIO_PACK_CFG_PARAM)},
        {"LUMARO_PARAM_V3_T*", sizeof(LUMARO_PARAM_V3_T)},
        {"TIM_PARAM_T*", sizeof(TIM_PARAM_T)},
        {"USB_DST_T*", sizeof(USB_DST_T)},
        {"PIC_PARAM*", sizeof(PIC_PARAM)},
        {"CCID_PARA_T*", sizeof(CCID_PARA_T)},
        {"SYSTEM_PARA_T*", sizeof(SYSTEM_PARA_T)},
        {"Ex_Param_V3_T*", sizeof(Ex_Param_V3_T)},
        {"DEVICE_ID_PARA_T*", sizeof(DEVICE_ID_PARA_T)},
        {"DEV_ACTIVATE_CAPA*", sizeof(DEV_ACTIVATE_CAPA)},
        {"ACTIVATE_STATUS*", sizeof(ACTIVATE_STATUS)},
    };
    return sizes;
}

// A char* argument: the device key is a text, the media list a page whose
// length its count gives.
QByteArray charPayload(const QByteArray &signal, const char *data)
{
    if (signal == "updateMediaInfo") {
        quint32 count = 0;
        std::memcpy(&count, data + 4, sizeof count);
        return QByteArray(data, 16 + static_cast<int>(count) * static_cast<int>(sizeof(FILE_IDX_ITEM)));
    }
    return QByteArray(data);
}

} // namespace

SignalProbe::SignalProbe(QObject *sender)
    : m_sender(sender)
{
    const QMetaObject *meta = sender->metaObject();
    const int slotBase = QObject::staticMetaObject.methodCount();
    for (int index = QObject::staticMetaObject.methodCount(); index < meta->methodCount(); ++index) {
        if (meta->method(index).methodType() != QMetaMethod::Signal)
            continue;
        QMetaObject::connect(sender, index, this, slotBase + m_signals.size(), Qt::DirectConnection);
        m_signals << index;
    }
}

SignalProbe::~SignalProbe() = default;

int SignalProbe::qt_metacall(QMetaObject::Call call, int id, void **arguments)
{
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0)
        return id;
    if (call == QMetaObject::InvokeMetaMethod) {
        if (id < m_signals.size())
            record(m_signals.at(id), arguments);
        id -= m_signals.size();
    }
    return id;
}

void SignalProbe::record(int signalIndex, void **arguments)
{
    const QMetaMethod method = m_sender->metaObject()->method(signalIndex);
    Emission emission;
    emission.signal = method.name();
    emission.thread = QThread::currentThread();
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QByteArray type = method.parameterTypes().at(i);
        void *argument = arguments[i + 1];
        if (type.endsWith('*')) {
            const void *pointer = *static_cast<void *const *>(argument);
            emission.nullPointer << (pointer == nullptr);
            if (!pointer) {
                emission.values << QByteArray();
            } else if (type == "char*") {
                emission.values << charPayload(emission.signal, static_cast<const char *>(pointer));
            } else {
                const int size = recordSizes().value(type, 0);
                emission.values << QByteArray(static_cast<const char *>(pointer), size);
            }
            continue;
        }
        emission.nullPointer << false;
        emission.values << QVariant(method.parameterType(i), argument);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_emissions << emission;
}

int SignalProbe::count(const char *signal) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int n = 0;
    for (const Emission &emission : m_emissions)
        n += emission.signal == signal;
    return n;
}

QList<SignalProbe::Emission> SignalProbe::emissions(const char *signal) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!signal)
        return m_emissions;
    QList<Emission> list;
    for (const Emission &emission : m_emissions) {
        if (emission.signal == signal)
            list << emission;
    }
    return list;
}

SignalProbe::Emission SignalProbe::last(const char *signal) const
{
    const QList<Emission> list = emissions(signal);
    return list.isEmpty() ? Emission() : list.last();
}

QStringList SignalProbe::order(const QStringList &skip) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList names;
    for (const Emission &emission : m_emissions) {
        const QString name = QString::fromLatin1(emission.signal);
        if (!skip.contains(name))
            names << name;
    }
    return names;
}

bool SignalProbe::wait(const char *signal, int times, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return count(signal) >= times; }, timeoutMs);
}

void SignalProbe::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_emissions.clear();
}
