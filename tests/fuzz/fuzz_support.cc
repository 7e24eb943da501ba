#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "tests/fuzz/fuzz_check.h"

namespace reki::fuzz {

QString WorkFolder() {
  static const std::unique_ptr<QTemporaryDir> folder = [] {
    const QString memory = QStringLiteral("/dev/shm");
    const QString parent = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    auto made = std::make_unique<QTemporaryDir>(parent + QStringLiteral("/rekiplus-fuzz-XXXXXX"));
    FUZZ_CHECK(made->isValid());
    return made;
  }();
  return folder->path();
}

}  // namespace reki::fuzz
