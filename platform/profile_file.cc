#include "platform/profile_file.h"

#include <SimpleIni.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <thread>

#include "platform/errors.h"
#include "platform/int_text.h"

namespace reki {
namespace {

constexpr std::size_t kMaxTextLength = 1023;
// A store holds the lock for a few milliseconds, so a waiter looks again soon.
constexpr std::chrono::milliseconds kLockPollInterval{2};

std::function<void()>& BeforeReplaceHook() {
  static std::function<void()> hook;
  return hook;
}

std::string ToCrlf(const std::string& text) {
  std::string crlf;
  crlf.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') {
      crlf += '\r';
    }
    crlf += c;
  }
  return crlf;
}

}  // namespace

// Single-byte texts, names without case, one value per key, no multi-line values.
struct ProfileFile::Document {
  CSimpleIniA ini{/*isUtf8=*/false, /*multiKey=*/false, /*multiLine=*/false};
};

ProfileFile::ProfileFile(QString path) : path_(std::move(path)), document_(new Document) {
  document_->ini.SetSpaces(false);
  QFile file(path_);
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray data = file.readAll();
    document_->ini.LoadData(data.constData(), static_cast<std::size_t>(data.size()));
  }
}

ProfileFile::~ProfileFile() = default;
ProfileFile::ProfileFile(ProfileFile&&) noexcept = default;
ProfileFile& ProfileFile::operator=(ProfileFile&&) noexcept = default;

std::string ProfileFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const char* value = document_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return std::string(value != nullptr ? value : defaultValue).substr(0, kMaxTextLength);
}

std::int32_t ProfileFile::ReadInteger(const std::string& section, const std::string& key,
                                      std::int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text = "$" + text.substr(2);
  }
  try {
    return StrToInt(text);
  } catch (const ConvertError&) {
    return defaultValue;
  }
}

void ProfileFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  document_->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
}

void ProfileFile::WriteInteger(const std::string& section, const std::string& key,
                               std::int32_t value) {
  WriteString(section, key, IntToStr(value));
}

void ProfileFile::Save() const {
  std::string text;
  if (document_->ini.Save(text) < 0) {
    throw WriteError(path_.toStdString());
  }
  text = ToCrlf(text);
  QSaveFile file(path_);
  // The new text goes to a temporary file beside the old one, which is replaced in one rename.
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size())) {
    throw WriteError(path_.toStdString());
  }
  if (BeforeReplaceHook()) {
    BeforeReplaceHook()();
  }
  if (!file.commit()) {
    throw WriteError(path_.toStdString());
  }
}

void ProfileFile::SetBeforeReplaceHookForTesting(std::function<void()> hook) {
  BeforeReplaceHook() = std::move(hook);
}

// Not a lock file whose existence is the lock (as QLockFile's): one that a process left behind
// when it was killed between making it and writing its owner into it can be told from a live one
// only by its age, and would block every store for half a minute. The lock file is never removed:
// a waiter could then lock the removed file while a third process locks a new one.
ProfileLock::ProfileLock(const QString& path, std::chrono::milliseconds wait) {
  const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
  fd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) {
    throw WriteError(path.toStdString());
  }
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    const bool tryAgain = errno == EWOULDBLOCK || errno == EINTR;  // held by another, interrupted
    if (!tryAgain || std::chrono::steady_clock::now() >= deadline) {
      ::close(fd_);
      throw WriteError(path.toStdString());
    }
    std::this_thread::sleep_for(kLockPollInterval);
  }
}

ProfileLock::~ProfileLock() {
  ::close(fd_);  // lets go of the lock
}

}  // namespace reki
