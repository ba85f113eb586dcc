// lancia PROBE FILE PROGRAM [ARGS...]: starts PROGRAM with the first-frame probe (a shared
// library) preloaded and prints the milliseconds from just before exec to its first painted
// frame, then the CPU milliseconds the program had used by then.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

static long long adesso() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: lancia SONDA FILE PROGRAMMA [ARGOMENTI...]\n");
        return 2;
    }
    const char *file = argv[2];
    std::remove(file);
    setenv("BENCH_FOTOGRAMMA", file, 1);
    const long long inizio = adesso();
    const pid_t figlio = fork();
    if (figlio == 0) {
        setenv("LD_PRELOAD", argv[1], 1);
        execv(argv[3], argv + 3);
        _exit(127);
    }
    int stato = 0;
    waitpid(figlio, &stato, 0);
    long long fine = 0, cpu = 0;
    FILE *f = std::fopen(file, "r");
    if (!f || std::fscanf(f, "%lld %lld", &fine, &cpu) != 2) {
        std::fprintf(stderr, "lancia: %s non ha disegnato nulla\n", argv[3]);
        return 1;
    }
    std::fclose(f);
    std::printf("%.3f %.3f\n", double(fine - inizio) / 1e6, double(cpu) / 1e6);
    return 0;
}
