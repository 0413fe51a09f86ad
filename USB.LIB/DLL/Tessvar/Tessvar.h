#pragma once

// The public interface of the device library: flat C functions addressed by
// device index. Replies arrive later through the registered callback.

#if defined(_WIN32)
#define TESSVAR_CALL __stdcall
#if defined(TESSVAR_BUILDING)
#define TESSVAR_API __declspec(dllexport)
#else
#define TESSVAR_API __declspec(dllimport)
#endif
#else
// The stdcall convention has no meaning on x86-64 Linux.
#define TESSVAR_CALL
#define TESSVAR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Closes every open camera, enumerates the attached ones and stores their
// number in *count. Always 0.
TESSVAR_API int TESSVAR_CALL RefreshDecice(int *count);

// Closes the camera, opens it again and starts its reader. 0 or -1.
TESSVAR_API int TESSVAR_CALL OpenDevice(int index);

// Stops the camera's reader and closes it. 0 or -1.
TESSVAR_API int TESSVAR_CALL CloseDevice(int index);

#ifdef __cplusplus
}
#endif
