#include "ExportRequests.h"

#include "PacketSender.h"
#include "Tessvar.h"

#include <cstring>
#include <vector>

using tessvar::ExportRow;

namespace {

int recordLength(const ExportRow &row)
{
    return static_cast<int>(row.record);
}

} // namespace

int ExportRequests::get(int deviceIndex, const ExportRow &row)
{
    return PacketSender::SendGet(deviceIndex, row.command);
}

int ExportRequests::set(int deviceIndex, const ExportRow &row, const void *record)
{
    if (!record)
        return -1;
    return PacketSender::SendSet(deviceIndex, row.command, record, recordLength(row));
}

int ExportRequests::query(int deviceIndex, const ExportRow &row, const void *record)
{
    if (record)
        return PacketSender::SendSet(deviceIndex, row.command, record, recordLength(row));
    const std::vector<char> zeros(row.record, 0);
    return PacketSender::SendSet(deviceIndex, row.command, zeros.data(), recordLength(row));
}

int ExportRequests::action(int deviceIndex, const ExportRow &row)
{
    return PacketSender::SendSet(deviceIndex, row.command, nullptr, 0);
}

int ExportRequests::fixedText(int deviceIndex, const ExportRow &row, const char *text)
{
    if (!text)
        return -1;
    // A text that fills the whole field goes out whole, without a NUL, as the
    // camera's char[] fields allow; nothing past the caller's NUL is read.
    std::vector<char> field(row.record, 0);
    std::memcpy(field.data(), text, strnlen(text, row.record));
    return PacketSender::SendSet(deviceIndex, row.command, field.data(), recordLength(row));
}

int ExportRequests::json(int deviceIndex, const ExportRow &row, const char *text)
{
    if (!text)
        return -1;
    return PacketSender::SendSet(deviceIndex, row.command, text, static_cast<int>(std::strlen(text)));
}

int ExportRequests::xml(int deviceIndex, const ExportRow &row, const XML_PARAM_HEAD *head,
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
    return PacketSender::SendSet(deviceIndex, row.command, payload.data(), static_cast<int>(payload.size()));
}
