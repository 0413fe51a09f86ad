#include "ExportRequests.h"

#include "PacketSender.h"
#include "Tessvar.h"

#include <cstring>
#include <vector>

using tessvar::ExportSpec;

namespace {

int recordLength(const ExportSpec &spec)
{
    return static_cast<int>(spec.record);
}

} // namespace

int ExportRequests::get(int deviceIndex, const ExportSpec &spec)
{
    return PacketSender::SendGet(deviceIndex, spec.command);
}

int ExportRequests::set(int deviceIndex, const ExportSpec &spec, const void *record)
{
    if (!record)
        return -1;
    return PacketSender::SendSet(deviceIndex, spec.command, record, recordLength(spec));
}

int ExportRequests::query(int deviceIndex, const ExportSpec &spec, const void *record)
{
    if (record)
        return PacketSender::SendSet(deviceIndex, spec.command, record, recordLength(spec));
    const std::vector<char> zeros(spec.record, 0);
    return PacketSender::SendSet(deviceIndex, spec.command, zeros.data(), recordLength(spec));
}

int ExportRequests::action(int deviceIndex, const ExportSpec &spec)
{
    return PacketSender::SendSet(deviceIndex, spec.command, nullptr, 0);
}

int ExportRequests::fixedText(int deviceIndex, const ExportSpec &spec, const char *text)
{
    if (!text)
        return -1;
    // A text that fills the whole field goes out whole, without a NUL, as the
    // camera's char[] fields allow; nothing past the caller's NUL is read.
    std::vector<char> field(spec.record, 0);
    std::memcpy(field.data(), text, strnlen(text, spec.record));
    return PacketSender::SendSet(deviceIndex, spec.command, field.data(), recordLength(spec));
}

int ExportRequests::json(int deviceIndex, const ExportSpec &spec, const char *text)
{
    if (!text)
        return -1;
    return PacketSender::SendSet(deviceIndex, spec.command, text, static_cast<int>(std::strlen(text)));
}

int ExportRequests::xml(int deviceIndex, const ExportSpec &spec, const XML_PARAM_HEAD *head,
                        const char *text)
{
    if (!head || !text)
        return -1;
    const std::size_t length = strnlen(text, TESSVAR_MAX_XML_LEN + 1);
    if (length > TESSVAR_MAX_XML_LEN)
        return -1;
    std::vector<char> payload(sizeof(XML_PARAM_HEAD) + length);
    std::memcpy(payload.data(), head, sizeof(XML_PARAM_HEAD));
    std::memcpy(payload.data() + sizeof(XML_PARAM_HEAD), text, length);
    return PacketSender::SendSet(deviceIndex, spec.command, payload.data(), static_cast<int>(payload.size()));
}
