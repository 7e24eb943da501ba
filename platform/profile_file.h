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

#include <QLockFile>
#include <QString>
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
// lock waits for it. A lock left by a process that died is taken over.
class ProfileLock {
 public:
  // Throws WriteError naming the file when the lock cannot be had.
  explicit ProfileLock(const QString& path);

 private:
  QLockFile lock_;
};

}  // namespace reki
