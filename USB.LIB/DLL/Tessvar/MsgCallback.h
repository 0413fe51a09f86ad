#pragma once

// The one callback through which every reply of a camera, and every report of
// the library's own, reaches the program. The payload points into the reader
// thread's receive buffer and is valid only until the callback returns.

extern "C" {
typedef void (*MSG_CALLBACK_FN)(int deviceIndex, int command, int result,
                                const void *payload, int payloadLength, void *user);
}
