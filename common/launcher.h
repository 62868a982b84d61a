/* What the program file `corvane` decides before anything else is loaded
 * (app/launcher.c): the two runs that never show a window go to the text
 * module, every other run to the window program.  Plain C, shared by the
 * launcher, the switch table and the language server. */
#ifndef CORVANE_LAUNCHER_H
#define CORVANE_LAUNCHER_H

/* The runs without a window: the comment command, the language server. */
#define CORVANE_COMMENT_SWITCH "/COMMENT"
#define CORVANE_LSP_SWITCH "--lsp"

/* The two halves, in the program's folder (a build tree, a portable copy)
 * or in the installed copy's private library folder. */
#define CORVANE_WINDOW_PROGRAM "corvane-window"
#define CORVANE_TEXT_MODULE "libcorvane_text.so"
#define CORVANE_TEXT_ENTRY "corvane_text_main"
/* The stand-in editor link, which the launcher starts only to hand the
 * selection back when it cannot run either half. */
#define CORVANE_LINK_LIBRARY "libpelinorn.so"

#endif
