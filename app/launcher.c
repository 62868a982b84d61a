/* `corvane` itself: looks at the first argument, and hands the run on before
 * any C++ or toolkit library is loaded.
 *
 * A run that may show a window becomes the window program (exec), which
 * the loader starts with Qt as one set of libraries, the way any Qt
 * program starts; a dlopen of Qt from here would search this program's
 * libraries first for each of the tens of thousands of symbols Qt binds at
 * load time.  The comment command and the language server load the text
 * module, which holds no Qt.
 *
 * Both halves sit beside this program (a build tree, a portable copy) or in
 * the installed copy's private library folder.  The window program is
 * given this program's own path as its argv[0], so that it finds its
 * settings where this program's layout puts them.
 *
 * When neither half can be run, the editor's selection still goes back
 * unchanged: the stand-in link is started and hands it back at exit. */
#include <dlfcn.h>
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/launcher.h"

#ifndef CORVANE_PRIVATE_LIBDIR
#define CORVANE_PRIVATE_LIBDIR "../lib/corvane"
#endif

/* This program's path, from the system rather than from argv[0]. */
static int own_path(char* out, size_t size) {
    ssize_t n = readlink("/proc/self/exe", out, size - 1);
    if (n <= 0 || (size_t)n >= size - 1) return 0;
    out[n] = '\0';
    return 1;
}

static int is_file(const char* path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

/* The folder that holds the halves: beside the program, else the private
 * library folder.  `out` gets the path of `name` in it (the private one
 * when the file is in neither, so a message names where it belongs). */
static void half_path(const char* self, const char* name, char* out, size_t size) {
    const char* cut = strrchr(self, '/');
    int dir_len = cut ? (int)(cut - self) : 0;
    snprintf(out, size, "%.*s/%s", dir_len, self, name);
    if (is_file(out)) return;
    snprintf(out, size, "%.*s/%s/%s", dir_len, self, CORVANE_PRIVATE_LIBDIR, name);
}

/* Neither half could be run: the selection goes back unchanged, then the
 * run ends with the message. */
static int fail(const char* self, const char* message) {
    char link[PATH_MAX + 64];
    half_path(self, CORVANE_LINK_LIBRARY, link, sizeof link);
    void* module = dlopen(link, RTLD_NOW | RTLD_LOCAL);
    void (*start)(void) = module ? (void (*)(void))dlsym(module, "pelinorn_standin_start") : NULL;
    if (start) start(); /* it also moves standard error off the editor's text */
    fprintf(stderr, "corvane: %s\n", message);
    return 1;
}

int main(int argc, char** argv) {
    char self[PATH_MAX], path[PATH_MAX + 64], message[2 * PATH_MAX];
    if (!own_path(self, sizeof self)) snprintf(self, sizeof self, "%s", argc >= 1 && argv[0] ? argv[0] : "corvane");
    const char* arg = argc >= 2 ? argv[1] : "";
    if (strcmp(arg, CORVANE_COMMENT_SWITCH) != 0 && strcmp(arg, CORVANE_LSP_SWITCH) != 0) {
        half_path(self, CORVANE_WINDOW_PROGRAM, path, sizeof path);
        char* none[] = {self, NULL};
        if (argc >= 1) argv[0] = self;
        execv(path, argc >= 1 ? argv : none);
        snprintf(message, sizeof message, "cannot run %s: %s", path, strerror(errno));
        return fail(self, message);
    }
    half_path(self, CORVANE_TEXT_MODULE, path, sizeof path);
    void* module = dlopen(path, RTLD_LAZY | RTLD_LOCAL);
    int (*entry)(int, char**) = module ? (int (*)(int, char**))dlsym(module, CORVANE_TEXT_ENTRY) : NULL;
    if (!entry) {
        snprintf(message, sizeof message, "cannot load %s: %s", path, module ? "it has no entry point" : dlerror());
        return fail(self, message);
    }
    return entry(argc, argv);
}
