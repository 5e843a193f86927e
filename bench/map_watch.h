/*
 * Ways for mapwait to learn that the program it started has mapped its first top-level
 * window: one for an X server, one for a Wayland compositor. A watcher is opened before
 * the fork, readies the child just before exec, and is then polled on its descriptor.
 */
#ifndef MAP_WATCH_H
#define MAP_WATCH_H

struct map_watch {
    int (*open)(void);        /* 0, or -1 after saying why on standard error */
    void (*in_child)(void);   /* after the fork, in the child */
    void (*in_parent)(void);  /* after the fork, in mapwait */
    int (*fd)(void);          /* what to poll; -1 when there is nothing more to read */
    int (*poll_mapped)(void); /* takes in what arrived: 1 once the window is mapped */
    void (*close)(void);
};

/* A top-level window is mapped when the X server reports its MapNotify. */
extern const struct map_watch x11_map_watch;

/* A top-level window is mapped when the client commits a buffer to a surface whose
 * xdg-shell configure it has acknowledged: read from the protocol log that libwayland
 * writes to standard error under WAYLAND_DEBUG=client. */
extern const struct map_watch wayland_map_watch;

#endif
