// What the fuzz targets share: a check that stops the run with a message, which libFuzzer then
// reports as a crash with the input that caused it, and a work folder for files.
#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// Unlike assert, it stays on in every build type.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

namespace reki::fuzz {

// A new empty folder for this process, in memory (/dev/shm) when the system has it, where a
// file's save costs no disk flush; removed when the process ends.
QString WorkFolder();

}  // namespace reki::fuzz
