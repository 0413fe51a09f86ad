#pragma once

// Records every signal of one object, MainManager in practice, as it is
// emitted: on the emitting thread (a direct connection), with a copy of
// each record a pointer argument points to, so the test can read the bytes
// after the record's owner has let go of it. Safe for emissions from any
// thread; the waits handle the GUI thread's events meanwhile.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <mutex>

class QThread;

class SignalProbe : public QObject
{
public:
    struct Emission
    {
        QByteArray signal;       // the signal's name, e.g. "devVideoParamChanged"
        QVariantList values;     // every argument; a pointer argument as its copied bytes
        QList<bool> nullPointer; // per argument: a pointer argument that was null
        QThread *thread = nullptr;

        // The copied record of pointer argument `argument` (empty for null).
        QByteArray bytes(int argument = 0) const { return values.value(argument).toByteArray(); }
        bool isNull(int argument) const { return nullPointer.value(argument); }
    };

    explicit SignalProbe(QObject *sender);
    ~SignalProbe() override;

    int count(const char *signal) const;
    QList<Emission> emissions(const char *signal = nullptr) const;
    // The last emission of the signal; an empty Emission when there was none.
    Emission last(const char *signal) const;
    // The names of the recorded signals in emission order, leaving out those
    // given in skip.
    QStringList order(const QStringList &skip = QStringList()) const;
    // Waits until the signal was emitted at least `times` times.
    bool wait(const char *signal, int times = 1, int timeoutMs = 5000) const;
    void clear();

    int qt_metacall(QMetaObject::Call call, int id, void **arguments) override;

private:
    void record(int signalIndex, void **arguments);

    QObject *m_sender;
    QList<int> m_signals; // sender method index per connected slot number
    mutable std::mutex m_mutex;
    QList<Emission> m_emissions;
};
