// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program and prints the milliseconds from its launch until the X server maps a
 * top-level window of the given title, then ends the program. Run it on a display without a
 * window manager (for example a bare Xvfb), where top-level windows map straight on the root.
 *
 *   window_mapped TITLE PROGRAM [ARGUMENT ...]
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: window_mapped TITLE PROGRAM [ARGUMENT ...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "window_mapped: cannot open the display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const double start = Now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    char* name = NULL;
    if (XFetchName(display, event.xmap.window, &name) && name != NULL) {
      const int match = strcmp(name, argv[1]) == 0;
      XFree(name);
      if (match) break;
    }
  }
  printf("%.1f\n", Now() - start);
  kill(child, SIGTERM);
  waitpid(child, NULL, 0);
  XCloseDisplay(display);
  return 0;
}
