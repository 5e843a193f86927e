/*
 * peak_memory: runs a program and prints its peak resident memory in KiB, as the kernel
 * counts it for the finished child (ru_maxrss); the program's own output goes on as usual.
 *
 *   peak_memory program [argument...]
 *
 * Small itself, so that the copy of it that the fork makes, counted until the exec, stays
 * below what any program reaches. Exit status: the program's, or 127 when it could not run.
 */
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: peak_memory program [argument...]\n");
        return 127;
    }
    pid_t pid = fork();
    if (pid < 0) {
        perror("peak_memory: fork");
        return 127;
    }
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        perror("peak_memory: exec");
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (wait4(pid, &status, 0, &usage) != pid) {
        perror("peak_memory: wait");
        return 127;
    }
    fprintf(stderr, "peak_kib=%ld\n", usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
