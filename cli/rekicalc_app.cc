#include "cli/rekicalc_app.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/graded_output.h"
#include "engine/grading.h"
#include "engine/solver.h"
#include "platform/errors.h"

#ifndef REKIPLUS_VERSION
#define REKIPLUS_VERSION "unknown"
#endif

namespace reki::cli {
namespace {

struct Options {
  std::vector<std::string> numbers;
  std::string target = "24";
  bool json = false;
};

void AddTargetOption(CLI::App& command, Options& options) {
  command.add_option("--target,-t", options.target, "het resultaat, 1..999")
      ->type_name("GETAL")
      ->capture_default_str();
}

void AddJsonFlag(CLI::App& command, Options& options) {
  command.add_flag("--json", options.json, "uitvoer als JSON");
}

int Solve(const Options& options, std::ostream& out) {
  const auto n = ParseExercise(options.numbers);
  const std::int32_t target = ParseTarget(options.target);
  const SolverResult result = FindSolutions(n[0], n[1], n[2], n[3], target, true);
  if (options.json) {
    out << nlohmann::json{{"count", result.count}, {"lines", result.lines}}.dump(2) << '\n';
    return kExitOk;
  }
  out << static_cast<int>(result.count) << '\n';
  for (const auto& line : result.lines) {
    out << line << '\n';
  }
  return kExitOk;
}

int Grade(const Options& options, std::ostream& out) {
  GradedSet set;
  set.numbers = ParseNumberSet(options.numbers);
  set.target = ParseTarget(options.target);
  SortNumbers(set.numbers);
  set.levels = GradeSet(set.numbers, set.target);
  if (options.json) {
    out << GradedSetJson(set).dump(2) << '\n';
  } else {
    PrintGradedSet(out, set);
  }
  return kExitOk;
}

}  // namespace

int RunRekicalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"Rekiplus-rekenmachine: oplossingen en niveaus van Rekito-opgaven", "rekicalc"};
  app.set_help_flag("-h,--help", "toon deze hulp en stop");
  app.set_version_flag("--version", std::string("rekicalc ") + REKIPLUS_VERSION,
                       "toon de versie en stop");
  app.require_subcommand(1);

  Options options;
  int (*run)(const Options&, std::ostream&) = nullptr;

  CLI::App* solve = app.add_subcommand("solve", "alle oplossingen van vier getallen");
  solve->set_help_flag("-h,--help", "toon deze hulp en stop");
  solve->add_option("numbers", options.numbers, "de vier getallen A B C D")
      ->type_name("GETAL")
      ->required();
  AddTargetOption(*solve, options);
  AddJsonFlag(*solve, options);
  solve->callback([&run] { run = Solve; });

  CLI::App* grade = app.add_subcommand("grade", "alle 715 opgaven van tien getallen, per niveau");
  grade->set_help_flag("-h,--help", "toon deze hulp en stop");
  grade->add_option("numbers", options.numbers, "de tien getallen N1 .. N10")
      ->type_name("GETAL")
      ->required();
  AddTargetOption(*grade, options);
  AddJsonFlag(*grade, options);
  grade->callback([&run] { run = Grade; });

  const std::string commands = "solve, grade";
  std::vector<const char*> argv{"rekicalc"};
  for (const auto& arg : args) {
    argv.push_back(arg.c_str());
  }
  try {
    if (args.empty()) {
      throw UsageError("geef een opdracht: " + commands + " (zie --help)");
    }
    const bool known = !app.get_subcommands([&args](CLI::App* command) {
                             return command->check_name(args.front());
                           })
                            .empty();
    if (args.front().rfind('-', 0) != 0 && !known) {
      throw UsageError("onbekende opdracht '" + args.front() + "'; kies uit " + commands);
    }
    app.parse(static_cast<int>(argv.size()), argv.data());
    return run(options, out);
  } catch (const CLI::Success& e) {
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    err << "rekicalc: " << e.what() << '\n';
    return kExitUsage;
  } catch (const UsageError& e) {
    err << "rekicalc: " << e.what() << '\n';
    return kExitUsage;
  } catch (const PlatformError& e) {
    err << "rekicalc: " << e.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace reki::cli
