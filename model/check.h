// A broken assumption of the program itself (asking for a widget that the
// window does not have, say) stops it at once with a message, in every build:
// such a fault must never turn into a silent default.
#pragma once

#include <cstdio>
#include <cstdlib>

#define VR_CHECK(cond, ...)                                                      \
    do {                                                                         \
        if (!(cond)) {                                                           \
            std::fprintf(stderr, "vojtik-rournik: %s:%d: ", __FILE__, __LINE__); \
            std::fprintf(stderr, __VA_ARGS__);                                   \
            std::fputc('\n', stderr);                                            \
            std::abort();                                                        \
        }                                                                        \
    } while (0)
