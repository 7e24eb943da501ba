// Stores the sets of one writer in a set file, one after the other, as the storage tests need:
//   store_sets FILE WRITER FIRST COUNT [HOLD_MS PAUSE_MS]
// stores sets FIRST, FIRST+1, ... (COUNT of them; 0 means until killed) and, every third time,
// set FIRST again, which is then already in the file. Before each store it prints "store N" and
// after it "stored N", each line flushed at once, so that a test that kills the process knows
// which saves had finished. HOLD_MS widens each save's critical moment: the new file is written
// but does not yet replace the old one, and the file's lock is held. PAUSE_MS is a pause between
// stores, as a game leaves between two computed sets. A store that fails prints the error and
// ends with status 1.
#include <QString>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "game/set_file.h"
#include "platform/errors.h"
#include "platform/profile_file.h"
#include "tests/game/stress_sets.h"

int main(int argc, char** argv) {
  if (argc != 5 && argc != 7) {
    std::fprintf(stderr, "usage: store_sets FILE WRITER FIRST COUNT [HOLD_MS PAUSE_MS]\n");
    return 2;
  }
  const reki::SetFile file(QString::fromLocal8Bit(argv[1]));
  const int writer = std::atoi(argv[2]);
  const long long first = std::atoll(argv[3]);
  const long long count = std::atoll(argv[4]);
  const std::chrono::milliseconds hold(argc == 7 ? std::atoi(argv[5]) : 0);
  const std::chrono::milliseconds pause(argc == 7 ? std::atoi(argv[6]) : 0);
  if (hold.count() > 0) {
    reki::ProfileFile::SetBeforeReplaceHookForTesting(
        [hold] { std::this_thread::sleep_for(hold); });
  }
  long long next = first;
  for (long long n = 0; count == 0 || next < first + count; ++n) {
    const long long index = n % 3 == 2 ? first : next++;
    std::printf("store %lld\n", index);
    std::fflush(stdout);
    try {
      file.Store(reki::testing::StressSet(writer, index));
    } catch (const reki::PlatformError& error) {
      std::fprintf(stderr, "store_sets: %s\n", error.what());
      return 1;
    }
    std::printf("stored %lld\n", index);
    std::fflush(stdout);
    std::this_thread::sleep_for(pause);
  }
  return 0;
}
