#include "game/set_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "platform/errors.h"
#include "platform/profile_file.h"
#include "tests/game/read_only_folder.h"

namespace reki {
namespace {

class SetFileTest : public ::testing::Test {
 protected:
  SetFile File() const { return SetFile(dir_.filePath("Rekiplus.ini")); }
  ProfileFile Raw() const { return ProfileFile(dir_.filePath("Rekiplus.ini")); }

  static GradedSet SetWith(std::int32_t target, std::uint8_t level = 2) {
    GradedSet set{{3, 7, 12, 19, 25, 31, 44, 58, 77, 99}, target, {}};
    set.levels.fill(level);
    return set;
  }

  std::string Contents() const {
    QFile file(dir_.filePath("Rekiplus.ini"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  }

  static void ExpectWriteError(const QString& path, const std::function<void()>& write) {
    try {
      write();
      ADD_FAILURE() << "written";
    } catch (const WriteError& error) {
      EXPECT_EQ(error.what(), "Unable to write to " + path.toStdString());
    }
  }

  void WriteFixture(const std::string& bytes) const {
    QFile file(dir_.filePath("Rekiplus.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  QTemporaryDir dir_;
};

TEST_F(SetFileTest, FirstStoreCreatesTheListAndTheSetsSection) {
  EXPECT_EQ(File().Store(SetWith(36)), 1);
  const ProfileFile raw = Raw();
  const std::string name = "36;3:7:12:19:25:31:44:58:77:99:";
  EXPECT_EQ(raw.ReadInteger("Secties", "Aantal", 0), 1);
  EXPECT_EQ(raw.ReadString("Secties", "1", ""), name);
  EXPECT_EQ(raw.ReadString(name, "1", "").size(), 190u);
  EXPECT_EQ(raw.ReadString(name, "2", "").size(), 190u);
  EXPECT_EQ(UnpackResults(File().ReadPacked(1)), SetWith(36));
}

TEST_F(SetFileTest, SameSetAgainKeepsItsPlaceAndGetsNewResults) {
  File().Store(SetWith(36, 1));
  File().Store(SetWith(24));
  EXPECT_EQ(File().Store(SetWith(36, 4)), 2);
  EXPECT_EQ(File().ReadCount(), 2);
  EXPECT_EQ(File().ReadNames(2), (std::vector<std::string>{"36;3:7:12:19:25:31:44:58:77:99:",
                                                           "24;3:7:12:19:25:31:44:58:77:99:"}));
  EXPECT_EQ(UnpackResults(File().ReadPacked(1)), SetWith(36, 4));
}

TEST_F(SetFileTest, MissingFileEntriesAndKeysReadAsDefaults) {
  EXPECT_EQ(File().ReadCount(), 0);
  EXPECT_TRUE(File().ReadPacked(1).a.empty());
  File().Store(SetWith(36));
  EXPECT_TRUE(File().ReadPacked(2).a.empty());
  EXPECT_EQ(File().ReadNames(3).back(), kMissingSetName);
}

TEST_F(SetFileTest, ReadsASetFileWrittenOnWindows) {
  const PackedResults packed = PackResults(SetWith(36));
  WriteFixture(
      "[secties]\r\naantal = 1\r\n1 = 36;3:7:12:19:25:31:44:58:77:99:\r\n\r\n"
      "[36;3:7:12:19:25:31:44:58:77:99:]\r\n1 = " +
      packed.a + "\r\n2=" + packed.b + "\r\n");
  EXPECT_EQ(File().ReadCount(), 1);
  EXPECT_EQ(UnpackResults(File().ReadPacked(1)), SetWith(36));
}

TEST_F(SetFileTest, DamagedCountsAreKeptWithinBounds) {
  WriteFixture("[Secties]\nAantal=2147483647\n");
  EXPECT_EQ(File().ReadCount(), SetFile::kMaxSets);
  WriteFixture("[Secties]\nAantal=-3\n");
  EXPECT_EQ(File().ReadCount(), 0);
}

// A new set that the list could never show is refused, not stored out of sight.
TEST_F(SetFileTest, FullListTakesNoNewSet) {
  WriteFixture("[Secties]\nAantal=9999\n");
  EXPECT_THROW(File().Store(SetWith(36)), WriteError);
  EXPECT_EQ(File().ReadCount(), SetFile::kMaxSets);
  EXPECT_TRUE(Raw().ReadString("36;3:7:12:19:25:31:44:58:77:99:", "1", "").empty());
}

// The count alone decides where a new set goes: without it the new set becomes entry 1.
TEST_F(SetFileTest, NewSetGoesWhereTheCountSays) {
  WriteFixture("[Secties]\n1=24;1:2:3:4:5:6:7:8:9:10:\n");
  EXPECT_EQ(File().Store(SetWith(36)), 1);
  EXPECT_EQ(File().ReadNames(1).front(), "36;3:7:12:19:25:31:44:58:77:99:");
}

// A store that cannot write gives the write error and leaves the file as it was, so every set
// stored before still reads; nothing half-written stays behind.
TEST_F(SetFileTest, ReadOnlyFolderGivesTheWriteErrorAndLosesNothing) {
  File().Store(SetWith(36));
  File().Store(SetWith(24));
  const std::string before = Contents();
  {
    const testing::ReadOnlyFolder readOnly(dir_.path());
    if (!readOnly.Holds()) {
      GTEST_SKIP() << "this process can write into a read-only folder";
    }
    ExpectWriteError(File().Path(), [this] { File().Store(SetWith(25)); });
    // The save itself, apart from the lock that a store takes first.
    ProfileFile raw = Raw();
    raw.WriteInteger("Secties", "Aantal", 3);
    ExpectWriteError(File().Path(), [&raw] { raw.Save(); });
  }
  EXPECT_EQ(Contents(), before);
  EXPECT_EQ(File().Restore(1), SetWith(36));
  EXPECT_EQ(File().Restore(2), SetWith(24));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"Rekiplus.ini", "Rekiplus.ini.lock"}));
}

TEST_F(SetFileTest, MissingFolderGivesTheWriteError) {
  const QString path = dir_.filePath("gone/Rekiplus.ini");
  ExpectWriteError(path, [&path] { SetFile(path).Store(SetWith(36)); });
  EXPECT_FALSE(QFileInfo::exists(dir_.filePath("gone")));
}

// The game's own file lies in the user's configuration folder, which a new account may not have
// yet: the first store makes it, unless it cannot be made.
TEST_F(SetFileTest, GamesOwnFolderIsMadeOnTheFirstStore) {
  struct RestoreConfigHome {
    bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    QByteArray value = qgetenv("XDG_CONFIG_HOME");
    ~RestoreConfigHome() {
      wasSet ? qputenv("XDG_CONFIG_HOME", value) : qunsetenv("XDG_CONFIG_HOME");
    }
  } restore;
  qputenv("XDG_CONFIG_HOME", dir_.filePath("new/config").toLocal8Bit());
  EXPECT_EQ(SetFile().Store(SetWith(36)), 1);
  EXPECT_EQ(SetFile().Restore(1), SetWith(36));
  EXPECT_TRUE(QFileInfo::exists(dir_.filePath("new/config/Rekiplus.ini")));

  ASSERT_TRUE(QDir(dir_.path()).mkdir("locked"));
  qputenv("XDG_CONFIG_HOME", dir_.filePath("locked/config").toLocal8Bit());
  {
    const testing::ReadOnlyFolder readOnly(dir_.filePath("locked"));
    if (readOnly.Holds()) {
      ExpectWriteError(SetFile().Path(), [] { SetFile().Store(SetWith(36)); });
    }
  }
}

}  // namespace
}  // namespace reki
