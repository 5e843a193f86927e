/*
 * mapwait: starts a program and reports how long it takes until its first top-level
 * window is mapped, and how much resident memory it peaked at a moment later.
 *
 *   mapwait [--wayland] [--settle-ms N] [--timeout-ms N] program [argument...]
 *
 * Under an X server ($DISPLAY) the map is the X server's MapNotify of the window; with
 * --wayland ($WAYLAND_DISPLAY) it is the client's first commit of a buffer to its
 * configured toplevel (see map_watch.h). The clock starts in the child just before
 * exec and stops when mapwait learns of the map. After the settle time it reads VmHWM
 * from /proc/<pid>/status, ends the program and prints one line:
 *
 *   map_ms=12.345 vmhwm_kib=23456
 *
 * Exit status: 0 on success, 1 on a usage or display error, 2 when the program could
 * not be started, exited before mapping a window, or mapped none within the timeout.
 */
#define _GNU_SOURCE
#include "map_watch.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

static int parse_ms(const char *text, long *out)
{
    char *end = NULL;
    errno = 0;
    long value = strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 0 || value > 3600L * 1000L)
        return -1;
    *out = value;
    return 0;
}

static void sleep_ms(long ms)
{
    struct timespec ts = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

/* Peak resident set in KiB, or -1 when the process is gone or the field is missing. */
static long read_vmhwm_kib(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *file = fopen(path, "r");
    if (file == NULL)
        return -1;
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, file) != NULL) {
        if (strncmp(line, "VmHWM:", 6) == 0) {
            kib = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(file);
    return kib;
}

/* Ends the program: SIGTERM, then SIGKILL if it is still there after a second. */
static void stop_child(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        sleep_ms(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static int usage(void)
{
    fprintf(stderr,
            "usage: mapwait [--wayland] [--settle-ms N] [--timeout-ms N] program [argument...]\n");
    return 1;
}

/* Waits for the watcher's descriptor, at most `ms` milliseconds. */
static void wait_for(const struct map_watch *watch, double ms)
{
    struct pollfd readable = {watch->fd(), POLLIN, 0};
    poll(&readable, 1, ms <= 0 ? 0 : (int)ms + 1);
}

int main(int argc, char **argv)
{
    const struct map_watch *watch = &x11_map_watch;
    long settle_ms = 300;
    long timeout_ms = 20000;
    int first = 1;
    while (first < argc && strncmp(argv[first], "--", 2) == 0) {
        if (strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (strcmp(argv[first], "--wayland") == 0) {
            watch = &wayland_map_watch;
            ++first;
            continue;
        }
        if (first + 1 >= argc)
            return usage();
        long *target = NULL;
        if (strcmp(argv[first], "--settle-ms") == 0)
            target = &settle_ms;
        else if (strcmp(argv[first], "--timeout-ms") == 0)
            target = &timeout_ms;
        if (target == NULL || parse_ms(argv[first + 1], target) != 0)
            return usage();
        first += 2;
    }
    if (first >= argc)
        return usage();
    if (watch->open() != 0)
        return 1;

    /* The child writes its start time here just before exec. */
    double *start =
        mmap(NULL, sizeof *start, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    /* A failed exec sends its errno through this pipe; a successful one closes it. */
    int report[2];
    if (start == MAP_FAILED || pipe2(report, O_CLOEXEC) != 0) {
        perror("mapwait");
        return 1;
    }

    pid_t pid = fork();
    if (pid < 0) {
        perror("mapwait: fork");
        return 1;
    }
    if (pid == 0) {
        close(report[0]);
        watch->in_child();
        *start = now_ms();
        execvp(argv[first], argv + first);
        int error = errno;
        if (write(report[1], &error, sizeof error) < 0) {
        }
        _exit(127);
    }
    close(report[1]);
    watch->in_parent();
    int exec_error = 0;
    ssize_t got;
    while ((got = read(report[0], &exec_error, sizeof exec_error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (got > 0) {
        fprintf(stderr, "mapwait: cannot run %s: %s\n", argv[first], strerror(exec_error));
        waitpid(pid, NULL, 0);
        return 2;
    }

    double deadline = now_ms() + (double)timeout_ms;
    while (!watch->poll_mapped()) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "mapwait: %s exited (status %d) before mapping a window\n", argv[first],
                    WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
            return 2;
        }
        double left = deadline - now_ms();
        if (left <= 0) {
            fprintf(stderr, "mapwait: %s mapped no window within %ld ms\n", argv[first],
                    timeout_ms);
            stop_child(pid);
            return 2;
        }
        /* Wake on news, or every 50 ms to notice a program that died. */
        wait_for(watch, left < 50 ? left : 50);
    }
    double mapped_at = now_ms();

    /* The program keeps running; what it reports meanwhile is taken in, not left to
     * fill a pipe and stall it. */
    for (double left = (double)settle_ms; left > 0;
         left = mapped_at + (double)settle_ms - now_ms()) {
        wait_for(watch, left);
        watch->poll_mapped();
    }
    long vmhwm = read_vmhwm_kib(pid);
    stop_child(pid);
    watch->close();
    if (vmhwm < 0) {
        fprintf(stderr, "mapwait: %s exited before its memory could be read\n", argv[first]);
        return 2;
    }
    printf("map_ms=%.3f vmhwm_kib=%ld\n", mapped_at - *start, vmhwm);
    return 0;
}
