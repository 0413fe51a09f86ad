#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// The program's own log, written while the capture lives to a file of a
// temporary folder as bare messages (no stamp, no level), so that a test can
// read back exactly what was logged.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    // Whether logging to the file began.
    bool started() const { return m_started; }
    // Ends logging, so that every line is in the file, and gives its bytes.
    QByteArray finish();

private:
    QTemporaryDir m_dir;
    bool m_started = false;
};
