/* The Pelinor editor's link library (pelinorn.dll): seven functions bound at
 * load time.  Texts are NUL-terminated byte strings in the editor's code page.
 * On 32-bit Windows they use stdcall (decorated as _pelr_SetData@8 etc.). */
#ifndef PELINORN_H
#define PELINORN_H

#if defined(_WIN32) && !defined(_WIN64)
#define PELR_CALL __stdcall
#else
#define PELR_CALL
#endif

#if defined(_WIN32)
#if defined(PELINORN_BUILD)
/* Exported under the editor's decorated names by the module-definition
 * file (host/pelinorn.def), not by the compiler's own names. */
#define PELR_API
#else
#define PELR_API __declspec(dllimport)
#endif
#else
#define PELR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Hands the start text and the end text to the editor; called once, last. */
PELR_API int PELR_CALL pelr_SetData(const char* start, const char* end);
/* The editor's line break text. */
PELR_API const char* PELR_CALL pelr_GetCRLF(void);
/* Full path of the edited file, empty when there is none. */
PELR_API const char* PELR_CALL pelr_GetFilePath(void);
/* Writes the screen position for a window of that outer size near the caret. */
PELR_API int PELR_CALL pelr_GetPosAuto(int* left, int* top, int width, int height);
/* 0: horizontal, 1: vertical screen coordinate of the caret. */
PELR_API int PELR_CALL pelr_GetPosSize(int which);
/* 1: bytes needed for the text of pelr_GetData. */
PELR_API int PELR_CALL pelr_GetBufSize(int which);
/* Fills buffer (pelr_GetBufSize(1) + 1 bytes) with the selection and a NUL. */
PELR_API int PELR_CALL pelr_GetData(char* buffer, const char* reserved);

#ifdef __cplusplus
}
#endif

#endif
