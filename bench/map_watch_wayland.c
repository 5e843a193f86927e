/*
 * The Wayland watcher. A Wayland client has no MapNotify that another client could
 * see: a toplevel is mapped when the client, having acknowledged the compositor's
 * xdg_surface.configure, commits a buffer to the surface. The child runs with
 * WAYLAND_DEBUG=client and its standard error on a pipe; libwayland logs each request
 * there as it is made, e.g.
 *
 *   [3120051.289]  -> xdg_wm_base@3.get_xdg_surface(new id xdg_surface@13, wl_surface@7)
 *   [3120198.530]  -> xdg_surface@13.ack_configure(3)
 *   [3120227.266]  -> wl_surface@7.attach(wl_buffer@19, 0, 0)
 *   [3120227.274]  -> wl_surface@7.commit()
 *
 * and the map time is when that commit line arrives. Lines that are not protocol log
 * (the program's own messages) are passed on to mapwait's standard error.
 */
#define _GNU_SOURCE
#include "map_watch.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { kMaxSurfaces = 32 };

/* An xdg_surface, the wl_surface under it, and how far it is on its way to the screen. */
struct shell_surface {
    unsigned xdg_surface;
    unsigned wl_surface;
    int acked;    /* a configure was acknowledged */
    int attached; /* a buffer is attached, to be shown at the next commit */
};

static int log_pipe[2] = {-1, -1};
static struct shell_surface surfaces[kMaxSurfaces];
static int surface_count;
static char pending[16384];
static size_t pending_used;

static struct shell_surface *find(unsigned id, int by_wl_surface)
{
    for (int i = 0; i < surface_count; ++i) {
        if ((by_wl_surface ? surfaces[i].wl_surface : surfaces[i].xdg_surface) == id)
            return &surfaces[i];
    }
    return NULL;
}

/* One log line: 1 when it is the commit that maps a window. */
static int take_request(const char *line)
{
    const char *request = strstr(line, " -> ");
    if (line[0] != '[' || request == NULL)
        return 0;
    request += 4;
    const char *arguments = strchr(request, '(');
    unsigned id = 0, xdg_surface = 0, wl_surface = 0;
    char call[64];
    if (arguments == NULL || sscanf(request, "%*[a-z_0-9]@%u.%63[a-z_0-9](", &id, call) != 2)
        return 0;
    if (strcmp(call, "get_xdg_surface") == 0 &&
        sscanf(arguments, "(new id xdg_surface@%u, wl_surface@%u)", &xdg_surface, &wl_surface) ==
            2 &&
        surface_count < kMaxSurfaces) {
        surfaces[surface_count++] = (struct shell_surface){xdg_surface, wl_surface, 0, 0};
        return 0;
    }
    if (strncmp(request, "xdg_surface@", 12) == 0 && strcmp(call, "ack_configure") == 0) {
        struct shell_surface *surface = find(id, 0);
        if (surface != NULL)
            surface->acked = 1;
        return 0;
    }
    if (strncmp(request, "wl_surface@", 11) != 0)
        return 0;
    struct shell_surface *surface = find(id, 1);
    if (surface == NULL)
        return 0;
    if (strcmp(call, "attach") == 0)
        surface->attached = strncmp(arguments, "(wl_buffer@", 11) == 0;
    return strcmp(call, "commit") == 0 && surface->acked && surface->attached;
}

static int wayland_open(void)
{
    if (getenv("WAYLAND_DISPLAY") == NULL) {
        fprintf(stderr, "mapwait: WAYLAND_DISPLAY is not set\n");
        return -1;
    }
    if (pipe2(log_pipe, O_CLOEXEC) != 0) {
        perror("mapwait: pipe");
        return -1;
    }
    return 0;
}

static void wayland_in_child(void)
{
    setenv("WAYLAND_DEBUG", "client", 1);
    dup2(log_pipe[1], STDERR_FILENO); /* dup2 leaves the copy open across exec */
}

static void wayland_in_parent(void)
{
    close(log_pipe[1]);
    fcntl(log_pipe[0], F_SETFL, O_NONBLOCK);
}

static int wayland_fd(void)
{
    return log_pipe[0];
}

static int wayland_poll_mapped(void)
{
    int mapped = 0;
    for (;;) {
        if (pending_used == sizeof pending) /* a line longer than the buffer: drop it */
            pending_used = 0;
        ssize_t got = read(log_pipe[0], pending + pending_used, sizeof pending - pending_used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 0) { /* the program has ended: nothing more to read */
            close(log_pipe[0]);
            log_pipe[0] = -1;
        }
        if (got <= 0)
            return mapped;
        pending_used += (size_t)got;
        char *start = pending, *end;
        while ((end = memchr(start, '\n', pending_used - (size_t)(start - pending))) != NULL) {
            *end = '\0';
            if (start[0] != '[')
                fprintf(stderr, "%s\n", start);
            else if (take_request(start))
                mapped = 1;
            start = end + 1;
        }
        pending_used -= (size_t)(start - pending);
        memmove(pending, start, pending_used);
    }
}

static void wayland_close(void)
{
    if (log_pipe[0] >= 0)
        close(log_pipe[0]);
}

const struct map_watch wayland_map_watch = {
    wayland_open, wayland_in_child,    wayland_in_parent,
    wayland_fd,   wayland_poll_mapped, wayland_close,
};
