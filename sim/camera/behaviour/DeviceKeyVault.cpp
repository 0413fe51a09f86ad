#include "DeviceKeyVault.h"

#include <QCryptographicHash>

namespace sim::camera {

namespace {

std::string between(const std::string &text, const std::string &open, const std::string &close)
{
    const auto start = text.find(open);
    if (start == std::string::npos)
        return std::string();
    const auto from = start + open.size();
    const auto end = text.find(close, from);
    return end == std::string::npos ? std::string() : text.substr(from, end - from);
}

std::string hexDigest(const std::string &text)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha256)
        .toHex()
        .toUpper()
        .toStdString();
}

} // namespace

DeviceKeyVault::DeviceKeyVault(const CameraProfile &profile)
    : m_token(hexDigest("device-key:" + profile.serialNumber).substr(0, 32))
{
}

std::string DeviceKeyVault::keyText() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DeviceKey><Key>" + m_token
        + "</Key></DeviceKey>";
}

std::string DeviceKeyVault::answerFor(const std::string &keyText)
{
    const std::string token = between(keyText, "<Key>", "</Key>");
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Encrypt><Answer>"
        + hexDigest("maker:" + token) + "</Answer></Encrypt>";
}

bool DeviceKeyVault::validate(const std::string &answer) const
{
    const std::string given = between(answer, "<Answer>", "</Answer>");
    return !given.empty() && given == between(answerFor(keyText()), "<Answer>", "</Answer>");
}

} // namespace sim::camera
