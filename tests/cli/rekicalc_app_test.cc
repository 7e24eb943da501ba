#include "cli/rekicalc_app.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/packing.h"

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
  const CliRun version = Rekicalc({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("rekicalc ", 0), 0u);
}

}  // namespace
}  // namespace reki::cli
