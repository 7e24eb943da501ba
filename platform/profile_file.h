// Profile files ("ini" files) with the behaviour of Windows' profile service, on which the set
// file was designed:
// - section and key names compare without regard to case;
// - values come back exactly as written (texts holding blanks, ';', ':' or '#' inside them are
//   neither cut, quoted nor taken as comments; only whole lines that begin with ';' or '#' are
//   comments); a text is read up to 1023 characters;
// - files written on Windows (CRLF line ends, blanks around '=') read the same as our own, and
//   ours are written with CRLF and "key=value", as Windows writes them;
// - a missing file, section or key reads as the default.
// Saving replaces the file atomically: a crash or a power loss during a save leaves the previous
// file whole. ProfileLock serialises read-modify-write cycles of several processes.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace reki {

class ProfileFile {
 public:
  // Reads the file at path; a missing or unreadable file reads as empty.
  explicit ProfileFile(QString path);
  ~ProfileFile();
  ProfileFile(ProfileFile&&) noexcept;
  ProfileFile& operator=(ProfileFile&&) noexcept;

  const QString& Path() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // A text longer than two characters that begins with "0x" or "0X" is read as hexadecimal, any
  // other as decimal; a text that is no number gives the default.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);

  // Writes the whole file atomically. Throws WriteError naming the file when it cannot be written.
  void Save() const;

  // Runs just before a save replaces the file; tests use it to interrupt a save at that moment.
  static void SetBeforeReplaceHookForTesting(std::function<void()> hook);

 private:
  struct Document;
  QString path_;
  std::unique_ptr<Document> document_;
};

// Holds the lock of a profile file for a read-modify-write: another process that wants the same
// lock waits for it. The lock is the system's lock on the file "<path>.lock" beside the profile
// file, which stays in place: the system lets go of it the moment its holder ends, however it
// ends, so a process killed at any moment never leaves a lock that blocks the next one.
class ProfileLock {
 public:
  static constexpr std::chrono::milliseconds kDefaultWait{10000};

  // Waits up to `wait` for the lock. Throws WriteError naming the profile file when the lock file
  // cannot be opened or made, or the lock is not had in time.
  explicit ProfileLock(const QString& path, std::chrono::milliseconds wait = kDefaultWait);
  ~ProfileLock();
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace reki
