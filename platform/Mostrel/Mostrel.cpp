#include "Mostrel.h"

#include "WriterFirstLock.h"

#include <log4cxx/helpers/loglog.h>
#include <log4cxx/level.h>
#include <log4cxx/logger.h>
#include <log4cxx/logmanager.h>
#include <log4cxx/propertyconfigurator.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <shared_mutex>
#include <string>

#include <iconv.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writers share the lock; initialising and shutting down take it alone, so no
// line is ever written into appenders that are being closed.
struct State {
    WriterFirstLock lock;
    bool configured = false;
};

// Never destroyed: reader threads may still log while the process exits.
State &state()
{
    static State *instance = new State;
    return *instance;
}

bool isFile(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string programFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::string();
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.find_last_of('/'));
}

std::string findConfigFile(const char *name)
{
    if (isFile(name))
        return name;
    if (name[0] == '/')
        return std::string();
    const std::string besideProgram = programFolder() + '/' + name;
    return isFile(besideProgram) ? besideProgram : std::string();
}

log4cxx::LevelPtr levelFor(int level)
{
    switch (level) {
    case 1:
        return log4cxx::Level::getError();
    case 2:
        return log4cxx::Level::getWarn();
    case 3:
        return log4cxx::Level::getInfo();
    case 4:
        return log4cxx::Level::getDebug();
    default:
        return level <= 0 ? log4cxx::Level::getFatal() : log4cxx::Level::getTrace();
    }
}

// Most trace lines fit the stack buffer and are formatted once, without a
// heap buffer of their own; only a longer line is formatted a second time.
std::string formatLine(const char *format, va_list arguments)
{
    char buffer[512];
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    std::string line;
    if (length > 0 && static_cast<std::size_t>(length) < sizeof buffer) {
        line.assign(buffer, static_cast<std::size_t>(length));
    } else if (length > 0) {
        line.resize(static_cast<std::size_t>(length));
        std::vsnprintf(&line[0], line.size() + 1, format, again);
    }
    va_end(again);
    return line;
}

bool isAscii(const std::string &text)
{
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

const iconv_t noConverter = reinterpret_cast<iconv_t>(-1);

// Opening a converter costs more than converting a line, and a converter must
// not serve two threads at once: each writing thread keeps its own until it
// ends.
iconv_t threadGbkConverter()
{
    struct Converter {
        iconv_t handle = noConverter;
        ~Converter()
        {
            if (handle != noConverter)
                ::iconv_close(handle);
            handle = noConverter;
        }
    };
    thread_local Converter converter;
    if (converter.handle == noConverter)
        converter.handle = ::iconv_open("UTF-8", "GBK");
    return converter.handle;
}

// The program's 8-bit text is GBK; the log files are UTF-8.
std::string gbkToUtf8(const std::string &text)
{
    if (isAscii(text))
        return text;
    const iconv_t converter = threadGbkConverter();
    if (converter == noConverter)
        return text;
    // A lone GBK byte can take three bytes of UTF-8 (0x80 is the euro sign).
    std::string result(text.size() * 3, '\0');
    char *in = const_cast<char *>(text.data());
    std::size_t inLeft = text.size();
    char *out = &result[0];
    std::size_t outLeft = result.size();
    const std::size_t converted = ::iconv(converter, &in, &inLeft, &out, &outLeft);
    if (converted == static_cast<std::size_t>(-1))
        return text;
    result.resize(result.size() - outLeft);
    return result;
}

void dropTrailingLineFeed(std::string &line)
{
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}

} // namespace

extern "C" int MostrelInit(const char *configFile, int /*reserved*/)
{
    if (!configFile || !*configFile)
        return -1;
    std::unique_lock<WriterFirstLock> guard(state().lock);
    if (state().configured)
        return 0;
    const std::string path = findConfigFile(configFile);
    if (path.empty())
        return -1;
    log4cxx::helpers::LogLog::setQuietMode(true);
    log4cxx::LogManager::resetConfiguration();
    if (log4cxx::PropertyConfigurator::configure(log4cxx::File(path)) != log4cxx::spi::ConfigurationStatus::Configured)
        return -1;
    state().configured = true;
    return 0;
}

extern "C" int MostrelShutdown(void)
{
    std::unique_lock<WriterFirstLock> guard(state().lock);
    if (state().configured) {
        state().configured = false;
        log4cxx::LogManager::shutdown();
    }
    return 0;
}

extern "C" int MostrelWrite(int level, const char *loggerName, const char *formatText, ...)
{
    if (!formatText)
        return -1;
    std::shared_lock<WriterFirstLock> guard(state().lock);
    if (!state().configured)
        return -1;
    const log4cxx::LoggerPtr logger = log4cxx::LogManager::getLoggerLS(loggerName ? loggerName : "");
    const log4cxx::LevelPtr logLevel = levelFor(level);
    if (!logger || !logger->isEnabledFor(logLevel))
        return -1;
    va_list arguments;
    va_start(arguments, formatText);
    std::string line = formatLine(formatText, arguments);
    va_end(arguments);
    dropTrailingLineFeed(line);
    logger->forcedLogLS(logLevel, gbkToUtf8(line), log4cxx::spi::LocationInfo::getLocationUnavailable());
    return 0;
}
