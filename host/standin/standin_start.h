/* The stand-in link's one function beyond the editor's seven: it starts the
 * link at once (reads the editor's state and the selection, and sees to it
 * that the selection is handed back however the run ends), where otherwise
 * the link starts at its first call.  A program that may end without
 * calling the link at all calls it first; the editor's own library has no
 * such function, so the program refers to it weakly and calls it only where
 * it is there (corvane_start_link).  The Windows stand-in exports the
 * editor's seven names alone and starts at its first call. */
#ifndef PELINORN_STANDIN_START_H
#define PELINORN_STANDIN_START_H

#ifdef __cplusplus
extern "C" {
#endif

#if !defined(_WIN32)
__attribute__((weak, visibility("default"))) void pelinorn_standin_start(void);

/* Starts the stand-in link where the program runs with it. */
static inline void corvane_start_link(void) {
    if (pelinorn_standin_start) pelinorn_standin_start();
}
#else
static inline void corvane_start_link(void) {}
#endif

#ifdef __cplusplus
}
#endif

#endif
