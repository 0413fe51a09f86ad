#pragma once

// The program's logging service: three plain C functions (initialise, shut
// down, write one line) and the call-site macro that every trace line goes
// through. Lines written before initialisation, after shut-down or without a
// usable configuration are dropped silently, so callers never check results.

#ifdef __cplusplus
#include <cstddef>
#include <cstring>
extern "C" {
#endif

// Reads the log4cxx properties file; a relative name is looked for in the
// working folder first, then beside the program. The second argument is kept
// for the callers' sake and has no effect. A second call while initialised
// keeps the first configuration. Returns 0 when logging is on, -1 otherwise.
int MostrelInit(const char *configFile, int reserved);

// Flushes and closes every appender; later lines are dropped until the next
// MostrelInit. Returns 0.
int MostrelShutdown(void);

// Writes one printf-style line through the named logger. The formatted text is
// the program's 8-bit text (GBK) and is stored as UTF-8; one trailing line feed
// is dropped because the layout ends every line itself. Levels: 1 error,
// 2 warning, 3 information, 4 debug, 5 and above trace, 0 and below fatal.
// Returns 0 when the line was handed to the logger, -1 when it was dropped.
int MostrelWrite(int level, const char *loggerName, const char *format, ...)
    __attribute__((format(printf, 3, 4)));

#ifdef __cplusplus
}

namespace mostrel {

// "Class::method" out of the compiler's pretty function name, for example
// "MainManager::RecvDevLogin" from "void MainManager::RecvDevLogin(int, int)".
inline const char *callSite(const char *prettyFunction, char *buffer, std::size_t size)
{
    const char *open = prettyFunction;
    int depth = 0;
    for (; *open; ++open) {
        if (*open == '<')
            ++depth;
        else if (*open == '>' && depth > 0)
            --depth;
        else if (*open == '(' && depth == 0)
            break;
    }
    const char *start = open;
    depth = 0;
    while (start > prettyFunction) {
        const char previous = start[-1];
        if (previous == '>')
            ++depth;
        else if (previous == '<' && depth > 0)
            --depth;
        else if (previous == ' ' && depth == 0)
            break;
        --start;
    }
    // Keep the last two name components: namespaces add nothing to a trace.
    const char *name = start;
    const char *lastSeparator = nullptr;
    for (const char *p = start; p + 1 < open; ++p) {
        if (p[0] == ':' && p[1] == ':') {
            if (lastSeparator)
                name = lastSeparator + 2;
            lastSeparator = p;
            ++p;
        }
    }
    std::size_t length = static_cast<std::size_t>(open - name);
    if (length >= size)
        length = size - 1;
    std::memcpy(buffer, name, length);
    buffer[length] = '\0';
    return buffer;
}

} // namespace mostrel

#define MOSTREL_LEVEL 3
#define MOSTREL_LOGGER "Orlesk"

// Trace line with the source line and a caller tag such as "MSG_CALLBACK".
#define MOSTREL_LOG_AS(tag, format, ...) \
    MostrelWrite(MOSTREL_LEVEL, MOSTREL_LOGGER, "<%d>\t<%s>," format, __LINE__, tag, ##__VA_ARGS__)

// Trace line with the source line and the calling "Class::method". The name
// is worked out once per call site rather than on every line.
#define MOSTREL_LOG(format, ...)                                                                   \
    do {                                                                                           \
        static char mostrelSiteBuffer_[160];                                                       \
        static const char *const mostrelSite_ =                                                    \
            mostrel::callSite(__PRETTY_FUNCTION__, mostrelSiteBuffer_, sizeof mostrelSiteBuffer_); \
        MOSTREL_LOG_AS(mostrelSite_, format, ##__VA_ARGS__);                                       \
    } while (0)

#endif
