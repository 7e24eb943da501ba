#include "tests/game/read_only_folder.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <QFileDevice>

namespace reki::testing {
namespace {

constexpr QFileDevice::Permissions kReadAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther;

// The calling thread's capabilities (version 3: two words of 32 bits each).
struct Capabilities {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};

  bool Get() { return syscall(SYS_capget, &header, data) == 0; }
  bool Set() { return syscall(SYS_capset, &header, data) == 0; }
};

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(QString path)
    : path_(std::move(path)), permissions_(QFile::permissions(path_)) {
  QFile::setPermissions(path_, kReadAndEnter);
  Capabilities caps;
  if (caps.Get()) {
    effective_[0] = caps.data[0].effective;
    effective_[1] = caps.data[1].effective;
    caps.data[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
    droppedCapability_ = caps.Set();
  }
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (droppedCapability_) {
    Capabilities caps;
    if (caps.Get()) {
      caps.data[0].effective = effective_[0];
      caps.data[1].effective = effective_[1];
      caps.Set();
    }
  }
  QFile::setPermissions(path_, permissions_);
}

bool ReadOnlyFolder::Holds() const {
  QFile probe(path_ + QStringLiteral("/probe"));
  if (probe.open(QIODevice::WriteOnly)) {
    probe.remove();
    return false;
  }
  return true;
}

}  // namespace reki::testing
