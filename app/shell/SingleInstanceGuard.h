#pragma once

#include <QSharedMemory>
#include <QString>

// Keeps a second copy of the program from running: the first start holds a
// one-byte shared-memory segment under a fixed key until it ends; a start that
// finds the segment held is refused.
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString &key);

    // True when this process now holds the key; false when another running
    // process holds it. Call once.
    bool acquire();

    // Gives the key up; also done by the destructor.
    void release();

private:
    void removeOrphan() const;
    bool tryCreate();

    QString m_key;
    QSharedMemory m_memory;
};
