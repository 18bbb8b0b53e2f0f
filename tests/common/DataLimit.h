#pragma once

#include <sys/resource.h>

// A limit on a child process's data segment (the heap included), for runs
// that must stay in bounded memory whatever their input.

// AddressSanitizer maps terabytes of shadow memory, which a data limit refuses:
// there the program runs without the limit, which the plain build checks.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool DataCanBeLimited = false;
#elif defined(__has_feature)
constexpr bool DataCanBeLimited = !__has_feature(address_sanitizer);
#else
constexpr bool DataCanBeLimited = true;
#endif

// Far more than the program needs, far less than reading a large input whole.
constexpr rlim_t DataLimit = 100 * 1024 * 1024;

// For QProcess::setChildProcessModifier: limits the child about to start.
inline void LimitData()
{
    if (DataCanBeLimited) {
        const rlimit limit{DataLimit, DataLimit};
        setrlimit(RLIMIT_DATA, &limit);
    }
}
