#pragma once

#include <ctime>

// The processor time of the program in milliseconds: the machine may be shared.
inline double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
