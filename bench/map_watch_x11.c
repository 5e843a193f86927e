/*
 * The X11 watcher: subscribes to SubstructureNotify on the root window before the fork,
 * so the X server itself tells mapwait about the map; it never asks the server in a loop.
 */
#include "map_watch.h"

#include <X11/Xlib.h>

#include <fcntl.h>
#include <stdio.h>

static Display *display;

static int x11_open(void)
{
    display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "mapwait: cannot open display '%s'\n", XDisplayName(NULL));
        return -1;
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False); /* the subscription is in force before the program starts */
    return 0;
}

static void x11_nothing(void) {}

static int x11_fd(void)
{
    return ConnectionNumber(display);
}

static int x11_poll_mapped(void)
{
    int mapped = 0;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            mapped = 1;
    }
    return mapped;
}

static void x11_close(void)
{
    XCloseDisplay(display);
}

const struct map_watch x11_map_watch = {
    x11_open, x11_nothing, x11_nothing, x11_fd, x11_poll_mapped, x11_close,
};
