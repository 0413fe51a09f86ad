#pragma once

// Turns a call of an export into its packet, following the export's row of the
// export table: the row gives the command code and how many record bytes go
// out, so no export repeats a code or a size.

#include "ExportTable.h"

struct XML_PARAM_HEAD;

class ExportRequests
{
public:
    // A bare header asking for a record.
    static int get(int deviceIndex, const tessvar::ExportRow &row);
    // The whole record; a null record sends nothing.
    static int set(int deviceIndex, const tessvar::ExportRow &row, const void *record);
    // The whole record; a null record sends zeros instead.
    static int query(int deviceIndex, const tessvar::ExportRow &row, const void *record);
    // A bare header that asks the camera to act.
    static int action(int deviceIndex, const tessvar::ExportRow &row);
    // A NUL-terminated text in a field of the record's size: copied up to the
    // NUL or the field's end, never past the caller's text, and zero-padded.
    static int fixedText(int deviceIndex, const tessvar::ExportRow &row, const char *text);
    // A JSON text without its NUL; an empty text sends a bare header.
    static int json(int deviceIndex, const tessvar::ExportRow &row, const char *text);
    // The caller's XML head and the XML text without its NUL.
    static int xml(int deviceIndex, const tessvar::ExportRow &row, const XML_PARAM_HEAD *head,
                   const char *text);
};
