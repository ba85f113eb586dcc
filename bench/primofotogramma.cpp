// Preloaded into a program started by `lancia`: the first time the program hands a painted
// image to the X server, it writes the monotonic clock and the CPU time the process has used
// (both in ns) to the file named by BENCH_FOTOGRAMMA and ends the process at once. Qt's xcb backing
// store flushes with xcb_shm_put_image (or xcb_put_image without shared memory) and xcb_copy_area.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

void primoFotogramma() {
    timespec t{}, cpu{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    if (const char *file = std::getenv("BENCH_FOTOGRAMMA")) {
        if (FILE *f = std::fopen(file, "w")) {
            std::fprintf(f, "%lld %lld\n", (long long)t.tv_sec * 1000000000LL + t.tv_nsec,
                         (long long)cpu.tv_sec * 1000000000LL + cpu.tv_nsec);
            std::fclose(f);
        }
    }
    _exit(0);
}

} // namespace

extern "C" {

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t *, xcb_drawable_t, xcb_gcontext_t, uint16_t,
                                    uint16_t, uint16_t, uint16_t, uint16_t, uint16_t, int16_t,
                                    int16_t, uint8_t, uint8_t, uint8_t, uint32_t, uint32_t) {
    primoFotogramma();
    return {};
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t *, uint8_t, xcb_drawable_t, xcb_gcontext_t,
                                uint16_t, uint16_t, int16_t, int16_t, uint8_t, uint8_t, uint32_t,
                                const uint8_t *) {
    primoFotogramma();
    return {};
}

xcb_void_cookie_t xcb_copy_area(xcb_connection_t *, xcb_drawable_t, xcb_drawable_t, xcb_gcontext_t,
                                int16_t, int16_t, int16_t, int16_t, uint16_t, uint16_t) {
    primoFotogramma();
    return {};
}
}
