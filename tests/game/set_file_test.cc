#include "game/set_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/profile_file.h"

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

// The count alone decides where a new set goes: without it the new set becomes entry 1.
TEST_F(SetFileTest, NewSetGoesWhereTheCountSays) {
  WriteFixture("[Secties]\n1=24;1:2:3:4:5:6:7:8:9:10:\n");
  EXPECT_EQ(File().Store(SetWith(36)), 1);
  EXPECT_EQ(File().ReadNames(1).front(), "36;3:7:12:19:25:31:44:58:77:99:");
}

}  // namespace
}  // namespace reki
