#include "LocalText.h"

#include <QTextCodec>

#include <cstring>

namespace {

QTextCodec *gbk()
{
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    return codec;
}

} // namespace

QByteArray LocalText::encode(const QString &text)
{
    return gbk()->fromUnicode(text);
}

QString LocalText::decode(const QByteArray &bytes)
{
    return gbk()->toUnicode(bytes);
}

QString LocalText::decodeField(const char *field, int size)
{
    if (!field || size <= 0)
        return QString();
    const void *nul = std::memchr(field, '\0', static_cast<std::size_t>(size));
    const int length = nul ? static_cast<int>(static_cast<const char *>(nul) - field) : size;
    return gbk()->toUnicode(field, length);
}

int LocalText::byteLength(const QString &text)
{
    return encode(text).size();
}
