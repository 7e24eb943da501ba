#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/errors.h"

namespace reki {
namespace {

class ProfileFileTest : public ::testing::Test {
 protected:
  QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  QString WriteFixture(const char* name, const std::string& bytes) const {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.fileName();
  }

  static std::string Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  }

  QTemporaryDir dir_;
};

// A value as the set file holds them: blanks, ';', ':', '#', '"' and '=' inside.
const std::string kAwkwardValue = "4;  #: a=b \"c\" ;;  9";

TEST_F(ProfileFileTest, ReadsAFileWrittenOnWindows) {
  const QString path =
      WriteFixture("windows.ini",
                   "[SECTIES]\r\nAANTAL = 2\r\n1=25;1:2:3:4:5:6:7:8:9:10:\r\n"
                   "; a comment line\r\n# another\r\n\r\n[25;1:2:3:4:5:6:7:8:9:10:]\r\n"
                   "1 = " +
                       kAwkwardValue + "\r\n");
  const ProfileFile file(path);
  EXPECT_EQ(file.ReadInteger("Secties", "Aantal", 0), 2);
  EXPECT_EQ(file.ReadString("secties", "1", ""), "25;1:2:3:4:5:6:7:8:9:10:");
  EXPECT_EQ(file.ReadString("25;1:2:3:4:5:6:7:8:9:10:", "1", ""), kAwkwardValue);
  EXPECT_EQ(file.ReadString("Secties", "; a comment line", "none"), "none");
  EXPECT_EQ(file.ReadString("Secties", "3", "0;0:"), "0;0:");
  EXPECT_EQ(file.ReadString("Elders", "1", "x"), "x");
}

TEST_F(ProfileFileTest, IntegersReadHexAfterZeroXAndDefaultOtherwise) {
  const QString path = WriteFixture(
      "numbers.ini", "[S]\na=0x1A\nb=0X10\nc=0x\nd=12\ne=abc\nf=\ng=$10\nh=-7\ni=99999999999\n");
  const ProfileFile file(path);
  const std::pair<const char*, std::int32_t> cases[] = {
      {"a", 26}, {"b", 16}, {"c", -1}, {"d", 12}, {"e", -1},
      {"f", -1}, {"g", 16}, {"h", -7}, {"i", -1}, {"missing", -1}};
  for (const auto& [key, value] : cases) {
    EXPECT_EQ(file.ReadInteger("S", key, -1), value) << key;
  }
}

TEST_F(ProfileFileTest, WritesCrlfAndKeyEqualsValueAndReadsItBackExactly) {
  const QString path = PathOf("ours.ini");
  ProfileFile file(path);
  file.WriteInteger("Secties", "Aantal", 1);
  file.WriteString("Secties", "1", "24;1:2:3:4:5:6:7:8:9:10:");
  file.WriteString("24;1:2:3:4:5:6:7:8:9:10:", "1", kAwkwardValue);
  file.Save();
  EXPECT_EQ(Contents(path),
            "[Secties]\r\nAantal=1\r\n1=24;1:2:3:4:5:6:7:8:9:10:\r\n\r\n\r\n"
            "[24;1:2:3:4:5:6:7:8:9:10:]\r\n1=" +
                kAwkwardValue + "\r\n");
  EXPECT_EQ(ProfileFile(path).ReadString("24;1:2:3:4:5:6:7:8:9:10:", "1", ""), kAwkwardValue);
}

TEST_F(ProfileFileTest, TextsAreReadUpTo1023Characters) {
  ProfileFile file(PathOf("long.ini"));
  file.WriteString("S", "k", std::string(2000, '7'));
  file.Save();
  EXPECT_EQ(ProfileFile(PathOf("long.ini")).ReadString("S", "k", "").size(), 1023u);
}

TEST_F(ProfileFileTest, InterruptedSaveLeavesThePreviousFileWhole) {
  const QString path = PathOf("safe.ini");
  ProfileFile first(path);
  first.WriteString("S", "k", "old");
  first.Save();
  const std::string before = Contents(path);

  ProfileFile second(path);
  second.WriteString("S", "k", "new");
  ProfileFile::SetBeforeReplaceHookForTesting([] { throw WriteError("interrupted"); });
  EXPECT_THROW(second.Save(), WriteError);
  ProfileFile::SetBeforeReplaceHookForTesting(nullptr);

  EXPECT_EQ(Contents(path), before);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"safe.ini"});  // no leftovers
}

TEST_F(ProfileFileTest, FileThatCannotBeWrittenGivesTheWriteErrorNamingIt) {
  // A folder in the file's place: nothing can be written there, even by root.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("blocked.ini"));
  ProfileFile file(PathOf("blocked.ini"));
  file.WriteString("S", "k", "v");
  try {
    file.Save();
    ADD_FAILURE() << "saved";
  } catch (const WriteError& error) {
    EXPECT_EQ(error.what(), "Unable to write to " + PathOf("blocked.ini").toStdString());
  }
  ProfileFile missingFolder(PathOf("no/such/folder.ini"));
  EXPECT_THROW(missingFolder.Save(), WriteError);
}

// Takes the lock of the profile file at `path` and lets go of it again, waiting up to 50 ms.
void LockBriefly(const QString& path) {
  const ProfileLock lock(path, std::chrono::milliseconds(50));
}

TEST_F(ProfileFileTest, LockIsHeldUntilItsHolderLetsGo) {
  const QString path = PathOf("sets.ini");
  {
    const ProfileLock first(path);
    EXPECT_THROW(LockBriefly(path), WriteError);
  }
  EXPECT_NO_THROW(LockBriefly(path));
}

// Lock files as a killed process leaves them: made but still empty, or naming an owner that is
// gone. Neither holds anything up.
TEST_F(ProfileFileTest, LockFileLeftByAKilledProcessHoldsNothingUp) {
  const QString path = PathOf("sets.ini");
  for (const std::string& left : {std::string(), std::string("999999\nrekiplus\nhost\n")}) {
    WriteFixture("sets.ini.lock", left);
    EXPECT_NO_THROW(LockBriefly(path));
  }
}

TEST_F(ProfileFileTest, LockThatCannotBeMadeGivesTheWriteError) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("blocked.ini.lock"));  // a folder in its place
  try {
    const ProfileLock lock(PathOf("blocked.ini"));
    ADD_FAILURE() << "locked";
  } catch (const WriteError& error) {
    EXPECT_EQ(error.what(), "Unable to write to " + PathOf("blocked.ini").toStdString());
  }
  EXPECT_THROW(LockBriefly(PathOf("no/such/folder.ini")), WriteError);
}

TEST_F(ProfileFileTest, MissingFileReadsAsEmpty) {
  const ProfileFile file(PathOf("absent.ini"));
  EXPECT_EQ(file.ReadInteger("Secties", "Aantal", 0), 0);
  EXPECT_EQ(file.ReadString("Secties", "1", ""), "");
}

}  // namespace
}  // namespace reki
