#include "cli/rekicalc_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/packing.h"
#include "game/set_file.h"
#include "platform/profile_file.h"

namespace reki::cli {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Rekicalc(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunRekicalc(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(RekicalcSolveTest, CountThenLinesInTheSolversOrder) {
  const CliRun run = Rekicalc({"solve", "1", "2", "3", "4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "4\n((1 + 2) + 3) x 4 = 24\n((1 x 2) x 3) x 4 = 24\n(3 + 1) x (2 + 4) = 24\n"
            "((2 x 3) x 4) : 1 = 24\n");
  EXPECT_EQ(Rekicalc({"solve", "1", "1", "1", "1"}).out, "0\n");
  EXPECT_EQ(Rekicalc({"solve", "--target", "10", "1", "2", "3", "4"}).out.substr(0, 3), "10\n");
}

TEST(RekicalcSolveTest, Json) {
  const CliRun run = Rekicalc({"solve", "1", "5", "5", "5", "--json"});
  ASSERT_EQ(run.status, 0);
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["count"], 1);
  EXPECT_EQ(json["lines"], nlohmann::json::array({"5 x (5 - (1 : 5)) = 24"}));
}

TEST(RekicalcGradeTest, JsonHoldsLevelsTableAndPackedTexts) {
  const CliRun run = Rekicalc(
      {"grade", "--json", "--target", "25", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["numbers"], nlohmann::json::array({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));  // sorted
  EXPECT_EQ(json["target"], 25);
  ASSERT_EQ(json["table"].size(), 715u);
  std::size_t entries = 0;
  for (int level = 1; level <= 6; ++level) {
    const auto& list = json["levels"][std::to_string(level)];
    entries += list.size();
    for (const auto& entry : list) {
      EXPECT_EQ(entry.get<std::string>().size(), 17u);
    }
  }
  EXPECT_EQ(entries, 715u);
  EXPECT_EQ(json["packed"]["name"], "25;1:2:3:4:5:6:7:8:9:10:");
  const auto unpacked = UnpackResults({json["packed"]["A"], json["packed"]["B"]});
  ASSERT_TRUE(unpacked.has_value());
  EXPECT_EQ(unpacked->target, 25);
  for (std::size_t i = 0; i < 715; ++i) {
    EXPECT_EQ(unpacked->levels[i], json["table"][i]);
  }
}

TEST(RekicalcGradeTest, TextNamesEveryLevel) {
  const CliRun run = Rekicalc({"grade", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  ASSERT_EQ(run.status, 0);
  for (const char* heading : {"Niveau 1, Erg eenvoudig:", "Niveau 5, Heel lastig:",
                              "Niveau 6, Onmogelijk:", "Set: 24;1:2:3:4:5:6:7:8:9:10:"}) {
    EXPECT_NE(run.out.find(heading), std::string::npos) << heading;
  }
}

const std::vector<std::string> kTwoDigitNumbers = {"3",  "7",  "12", "19", "25",
                                                   "31", "44", "58", "77", "99"};

std::vector<std::string> WithTwoDigitNumbers(std::vector<std::string> args) {
  args.insert(args.end(), kTwoDigitNumbers.begin(), kTwoDigitNumbers.end());
  return args;
}

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(RekicalcGradeTest, CompleteMarksOnmogelijkExercisesThatOtherBracketsSolve) {
  const CliRun text = Rekicalc(WithTwoDigitNumbers({"grade", "--complete", "--target", "36"}));
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Niveau 6, Onmogelijk: 640 opgaven, waarvan 57 met andere haakjes wel op "
                          "te lossen\n"),
            std::string::npos);
  EXPECT_NE(text.out.find("\n 3 :  7 : 12 : 58   met andere haakjes: ((58 - 12) - 7) - 3 = 36\n"),
            std::string::npos);
  EXPECT_EQ(Rekicalc(WithTwoDigitNumbers({"grade", "-t", "36"})).out.find("andere haakjes"),
            std::string::npos);

  const CliRun json =
      Rekicalc(WithTwoDigitNumbers({"grade", "--complete", "--json", "--target", "36"}));
  ASSERT_EQ(json.status, 0) << json.err;
  const auto hidden = nlohmann::json::parse(json.out)["hidden"];
  ASSERT_EQ(hidden.size(), 57u);
  EXPECT_EQ(hidden[0]["entry"], "12 : 12 : 12 : 25");
  EXPECT_EQ(hidden[0]["solution"], "(25 - (12 : 12)) + 12 = 36");
}

TEST(RekicalcAdviseTest, TargetsWithEveryPlayableLevelBestSpreadFirst) {
  const CliRun run = Rekicalc(WithTwoDigitNumbers({"advise"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("5 resultaten geven opgaven op alle vijf speelbare niveaus"),
            std::string::npos);
  EXPECT_NE(run.out.find("Resultaat  Erg eenvoudig  Eenvoudig  Gaat wel  Lastig  Heel lastig  "
                         "Onmogelijk  Andere haakjes\n"
                         "       77              2          1         4      20          151  "
                         "       537               6\n"
                         "       12 "),
            std::string::npos)
      << run.out;
  const CliRun all = Rekicalc(WithTwoDigitNumbers({"advise", "--all"}));
  EXPECT_NE(all.out.find("\n       36              1          0         1      15           58"
                         "         640              57\n"),
            std::string::npos);
  EXPECT_GT(LineCount(all.out), 999u);
}

TEST(RekicalcAdviseTest, CsvAndJsonHoldTheWholeTable) {
  const CliRun csv = Rekicalc(WithTwoDigitNumbers({"advise", "--csv"}));
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(LineCount(csv.out), 1000u);
  EXPECT_EQ(csv.out.rfind(
                "resultaat,niveau_1,niveau_2,niveau_3,niveau_4,niveau_5,niveau_6,andere_haakjes\n"
                "1,",
                0),
            0u);
  EXPECT_NE(csv.out.find("\n36,1,0,1,15,58,640,57\n"), std::string::npos);

  const CliRun json = Rekicalc(WithTwoDigitNumbers({"advise", "--json"}));
  ASSERT_EQ(json.status, 0) << json.err;
  const auto parsed = nlohmann::json::parse(json.out);
  ASSERT_EQ(parsed["targets"].size(), 999u);
  const auto& t36 = parsed["targets"][35];
  EXPECT_EQ(t36["target"], 36);
  EXPECT_EQ(t36["levels"], nlohmann::json::array({1, 0, 1, 15, 58, 640}));
  EXPECT_EQ(t36["hidden_solutions"], 57);
  EXPECT_EQ(t36["every_playable_level"], false);
  EXPECT_EQ(parsed["targets"][76]["every_playable_level"], true);
}

TEST(RekicalcWorksheetTest, WritesAPdfAndNamesItsSeed) {
  const std::filesystem::path dir = testing::TempDir();
  const std::string file = (dir / "rekicalc_werkblad_test.pdf").string();
  std::filesystem::remove(file);
  const CliRun run = Rekicalc(WithTwoDigitNumbers({"worksheet", "-t", "77", "--level", "3,4", "-l",
                                                   "5", "-n", "12", "--seed", "2024", "-o", file}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Werkblad " + file + ": 12 opgaven, seed 2024\n");
  EXPECT_TRUE(run.err.empty()) << run.err;
  std::ifstream pdf(file, std::ios::binary);
  std::string start(5, '\0');
  pdf.read(start.data(), 5);
  EXPECT_EQ(start, "%PDF-");

  const CliRun unwritable = Rekicalc(
      WithTwoDigitNumbers({"worksheet", "-o", (dir / "geen-map" / "werkblad.pdf").string()}));
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("geen-map"), std::string::npos) << unwritable.err;
  EXPECT_EQ(LineCount(unwritable.err), 1u);
}

// A set file with two readable sets and, as set 3, one whose key "1" was cut short.
class RekicalcStoredSetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // One file per test: ctest runs the tests of this fixture side by side.
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    path_ = (std::filesystem::path(testing::TempDir()) / ("rekicalc_" + test + ".ini")).string();
    std::filesystem::remove(path_);
    const SetFile file(QString::fromStdString(path_));
    file.Store({kDefaultNumbers, 25, GradeSet(kDefaultNumbers, 25)});
    file.Store({kDefaultNumbers, 30, GradeSet(kDefaultNumbers, 30)});
    file.Store({kDefaultNumbers, 31, GradeSet(kDefaultNumbers, 31)});
    ProfileFile raw(QString::fromStdString(path_));
    raw.WriteString("31;1:2:3:4:5:6:7:8:9:10:", "1", "1234");
    raw.Save();
  }
  std::string path_;
};

TEST_F(RekicalcStoredSetsTest, SetsListsEveryStoredSetAndWhetherItReads) {
  const CliRun text = Rekicalc({"sets", "--file", path_});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find(": 3\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("   2  resultaat  30  getallen 1 2 3 4 5 6 7 8 9 10\n"),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("   3  onleesbaar (31;1:2:3:4:5:6:7:8:9:10:)"), std::string::npos);

  const auto json = nlohmann::json::parse(Rekicalc({"sets", "-f", path_, "--json"}).out);
  ASSERT_EQ(json["sets"].size(), 3u);
  EXPECT_EQ(json["sets"][0]["target"], 25);
  EXPECT_EQ(json["sets"][2]["readable"], false);
}

TEST_F(RekicalcStoredSetsTest, ShowPrintsAStoredSetAsGradeDoes) {
  const CliRun shown = Rekicalc({"show", "2", "--file", path_, "--json"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out, Rekicalc({"grade", "--json", "-t", "30", "1", "2", "3", "4", "5", "6", "7",
                                 "8", "9", "10"})
                           .out);
  const CliRun builtIn = Rekicalc({"show", "0", "--file", path_});
  EXPECT_EQ(builtIn.out,
            Rekicalc({"grade", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}).out);

  const CliRun damaged = Rekicalc({"show", "3", "--file", path_});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_TRUE(damaged.out.empty());
  EXPECT_EQ(damaged.err, "rekicalc: set 3 in " + path_ + " is onleesbaar\n");

  const CliRun missing = Rekicalc({"show", "4", "--file", path_});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("set 4 bestaat niet: er zijn 3 opgeslagen sets"), std::string::npos);
}

TEST_F(RekicalcStoredSetsTest, WorksheetFromAStoredSet) {
  const std::string pdf = (std::filesystem::path(testing::TempDir()) / "opgeslagen.pdf").string();
  const CliRun run =
      Rekicalc({"worksheet", "--set", "1", "--file", path_, "--seed", "7", "-n", "5", "-o", pdf});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(Rekicalc({"worksheet", "--set", "1", "-t", "24", "-f", path_}).status, 2);
  EXPECT_EQ(Rekicalc({"worksheet", "--set", "3", "-f", path_, "-o", pdf}).status, 1);
  const CliRun both = Rekicalc(WithTwoDigitNumbers({"worksheet", "--set", "1", "-f", path_}));
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.err.find("niet allebei"), std::string::npos);
}

TEST(RekicalcErrorsTest, BadInputGivesOneLineNamingTheValueAndStatusTwo) {
  const std::vector<std::string> ten = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  auto grade = [&ten](std::size_t at, const std::string& value) {
    std::vector<std::string> args = {"grade"};
    args.insert(args.end(), ten.begin(), ten.end());
    args[at + 1] = value;
    return args;
  };
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"solve", "1", "2", "3", "x7"}, "'x7'"},
      {{"solve", "1", "2", "3", "100"}, "100"},
      {{"solve", "1", "2", "3", "0"}, "0"},
      {{"solve", "1", "2", "3"}, "4 getallen verwacht, 3"},
      {{"solve", "1", "2", "3", "4", "--target", "1000"}, "1000"},
      {{"solve", "1", "2", "3", "4", "--target", "0"}, "0"},
      {{"solve", "1", "2", "3", "4", "--target", "abc"}, "'abc'"},
      {grade(9, "9"), "9 komt twee keer voor"},
      {grade(0, "-1"), "-1"},
      {grade(4, "vijf"), "'vijf'"},
      {{"grade", "1", "2", "3"}, "10 getallen verwacht, 3"},
      {{"solve", "--frobnicate", "1", "2", "3", "4"}, "--frobnicate"},
      {{"advise", "1", "2", "3"}, "10 getallen verwacht, 3"},
      {WithTwoDigitNumbers({"advise", "--csv", "--json"}), "--csv of --json"},
      {WithTwoDigitNumbers({"grade", "--complete", "-t", "1000"}), "1000"},
      {WithTwoDigitNumbers({"worksheet", "--level", "6"}), "niveau 6"},
      {WithTwoDigitNumbers({"worksheet", "--level", "0"}), "niveau 0"},
      {WithTwoDigitNumbers({"worksheet", "--level", "2,zes"}), "'zes'"},
      {WithTwoDigitNumbers({"worksheet", "--count", "0"}), "aantal 0"},
      {WithTwoDigitNumbers({"worksheet", "--count", "101"}), "aantal 101"},
      {WithTwoDigitNumbers({"worksheet", "--count", "tien"}), "'tien'"},
      {WithTwoDigitNumbers({"worksheet", "--seed", "-1"}), "'-1'"},
      {WithTwoDigitNumbers({"worksheet", "--seed", "4294967296"}), "'4294967296'"},
      {WithTwoDigitNumbers({"worksheet", "-t", "36", "-l", "1", "-n", "2"}),
       "aantal 2 is te groot: dat niveau heeft bij resultaat 36 maar 1 opgave"},
      {{"worksheet", "1", "2", "3", "4", "5", "6", "7", "8", "9", "99", "99"}, "11"},
      {{"divide"}, "divide"},
      {{}, "geef een opdracht"},
  };
  for (const auto& [args, named] : cases) {
    const CliRun run = Rekicalc(args);
    EXPECT_EQ(run.status, 2) << named;
    EXPECT_TRUE(run.out.empty()) << named;
    EXPECT_EQ(run.err.rfind("rekicalc: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(RekicalcErrorsTest, HelpAndVersionSucceed) {
  const CliRun help = Rekicalc({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("solve"), std::string::npos);
  EXPECT_NE(help.out.find("grade"), std::string::npos);
  EXPECT_NE(help.out.find("advise"), std::string::npos);
  EXPECT_NE(help.out.find("worksheet"), std::string::npos);
  const CliRun version = Rekicalc({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("rekicalc ", 0), 0u);
}

}  // namespace
}  // namespace reki::cli
