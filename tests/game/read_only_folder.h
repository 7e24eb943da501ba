// A folder in which nothing can be made or replaced while the object lives, for the tests of
// what a store does there.
//
// Its mode becomes r-x for everyone. That alone does not stop root, for whom the system skips the
// permission bits (CAP_DAC_OVERRIDE), and the tests run as root in CI; so for root the calling
// thread also gives up that capability until the object goes (capabilities belong to a thread, and
// the files are written on this one). A bind mount or chattr +i would need more rights or a file
// system that has them; this works wherever the process may lower its own capabilities.
#pragma once

#include <QFileDevice>
#include <QString>
#include <cstdint>

namespace reki::testing {

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(QString path);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  // True when a file really cannot be made in the folder; a test skips when it can.
  bool Holds() const;

 private:
  QString path_;
  QFileDevice::Permissions permissions_;
  bool droppedCapability_ = false;
  std::uint32_t effective_[2] = {0, 0};
};

}  // namespace reki::testing
