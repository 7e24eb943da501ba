#include "cli/rekicalc_app.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <random>

#include "cli/advice_output.h"
#include "cli/arguments.h"
#include "cli/graded_output.h"
#include "cli/stored_sets.h"
#include "cli/worksheet_pdf.h"
#include "engine/advisor.h"
#include "engine/complete_search.h"
#include "engine/grading.h"
#include "engine/solver.h"
#include "engine/worksheet.h"
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
  bool csv = false;
  bool all = false;
  bool complete = false;
  std::vector<std::string> levels;
  std::string count = "10";
  std::string seed;  // empty: a new one
  std::string output = "werkblad.pdf";
  std::string set;   // a set number of the set file; empty: none
  std::string file;  // the set file; empty: the game's own
};

void AddNumbersArgument(CLI::App& command, Options& options) {
  command.add_option("numbers", options.numbers, "de tien getallen N1 .. N10")
      ->type_name("GETAL")
      ->required();
}

void AddTargetOption(CLI::App& command, Options& options) {
  command.add_option("--target,-t", options.target, "het resultaat, 1..999")
      ->type_name("GETAL")
      ->capture_default_str();
}

void AddFileOption(CLI::App& command, Options& options) {
  command.add_option("--file,-f", options.file, "het setbestand (standaard dat van het spel)")
      ->type_name("BESTAND");
}

void AddJsonFlag(CLI::App& command, Options& options) {
  command.add_flag("--json", options.json, "uitvoer als JSON");
}

// Every refusal and failure is one line on stderr.
int Report(std::ostream& err, const std::exception& error, int status) {
  err << "rekicalc: " << error.what() << '\n';
  return status;
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

void PrintSet(const Options& options, const GradedSet& set, std::ostream& out) {
  std::vector<HiddenSolution> hidden;
  if (options.complete) {
    hidden = FindHiddenSolutions(set.numbers, set.target, set.levels);
  }
  const std::vector<HiddenSolution>* marked = options.complete ? &hidden : nullptr;
  if (options.json) {
    out << GradedSetJson(set, marked).dump(2) << '\n';
  } else {
    PrintGradedSet(out, set, marked);
  }
}

int Grade(const Options& options, std::ostream& out) {
  GradedSet set;
  set.numbers = ParseNumberSet(options.numbers);
  set.target = ParseTarget(options.target);
  SortNumbers(set.numbers);
  set.levels = GradeSet(set.numbers, set.target);
  PrintSet(options, set, out);
  return kExitOk;
}

int Sets(const Options& options, std::ostream& out) {
  const SetFile file = SetFileAt(options.file);
  if (options.json) {
    out << SetListJson(file).dump(2) << '\n';
  } else {
    PrintSetList(out, file);
  }
  return kExitOk;
}

int Show(const Options& options, std::ostream& out) {
  PrintSet(options, LoadSet(SetFileAt(options.file), options.set), out);
  return kExitOk;
}

int Advise(const Options& options, std::ostream& out) {
  NumberSet numbers = ParseNumberSet(options.numbers);
  if (options.csv && options.json) {
    throw UsageError("kies --csv of --json, niet allebei");
  }
  SortNumbers(numbers);
  const std::vector<TargetAdvice> table = AdviseTargets(numbers);
  if (options.json) {
    out << AdviceJson(numbers, table).dump(2) << '\n';
  } else if (options.csv) {
    PrintAdviceCsv(out, table);
  } else {
    PrintAdvice(out, numbers, table, options.all);
  }
  return kExitOk;
}

// A new seed that is easy to write down, for a sheet that should be printed again later.
std::uint32_t NewSeed() {
  std::random_device device;
  return 1 + device() % 999999;
}

std::vector<int> ChosenLevels(const std::vector<std::string>& texts) {
  if (texts.empty()) {
    return {1, 2, 3, 4, 5};
  }
  std::vector<int> levels;
  std::transform(texts.begin(), texts.end(), std::back_inserter(levels), ParseLevel);
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  return levels;
}

int MakeWorksheetFile(const Options& options, std::ostream& out) {
  WorksheetRequest request;
  if (options.set.empty()) {
    request.numbers = ParseNumberSet(options.numbers);
    request.target = ParseTarget(options.target);
  } else {
    if (!options.numbers.empty()) {
      throw UsageError("geef de tien getallen of --set, niet allebei");
    }
    const GradedSet stored = LoadSet(SetFileAt(options.file), options.set);
    request.numbers = stored.numbers;
    request.target = stored.target;
  }
  request.levels = ChosenLevels(options.levels);
  request.count = ParseWorksheetCount(options.count);
  request.seed = options.seed.empty() ? NewSeed() : ParseSeed(options.seed);
  NumberSet sorted = request.numbers;
  SortNumbers(sorted);
  const std::size_t available =
      ExercisesInLevels(GradeSet(sorted, request.target), request.levels).size();
  if (available < static_cast<std::size_t>(request.count)) {
    throw UsageError("aantal " + options.count + " is te groot: " +
                     (request.levels.size() == 1 ? "dat niveau heeft" : "die niveaus hebben") +
                     " bij resultaat " + std::to_string(request.target) + " maar " +
                     std::to_string(available) + (available == 1 ? " opgave" : " opgaven"));
  }
  const Worksheet sheet = MakeWorksheet(request);
  if (!WriteWorksheetPdf(sheet, options.output)) {
    throw WorkError("kan werkblad niet schrijven naar '" + options.output + "'");
  }
  out << "Werkblad " << options.output << ": " << sheet.exercises.size() << " opgaven, seed "
      << sheet.seed << '\n';
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
  AddNumbersArgument(*grade, options);
  AddTargetOption(*grade, options);
  AddJsonFlag(*grade, options);
  grade->add_flag("--complete", options.complete,
                  "zoek ook met alle haakjes: welke \"Onmogelijk\"-opgaven toch kunnen");
  grade->callback([&run] { run = Grade; });

  CLI::App* advise =
      app.add_subcommand("advise", "welk resultaat geeft opgaven op alle niveaus? (1..999)");
  advise->set_help_flag("-h,--help", "toon deze hulp en stop");
  AddNumbersArgument(*advise, options);
  advise->add_flag("--all", options.all, "alle resultaten 1..999, op volgorde");
  advise->add_flag("--csv", options.csv, "de hele tabel als CSV");
  AddJsonFlag(*advise, options);
  advise->callback([&run] { run = Advise; });

  CLI::App* worksheet = app.add_subcommand("worksheet", "een werkblad (A4-pdf) met antwoordblad");
  worksheet->set_help_flag("-h,--help", "toon deze hulp en stop");
  worksheet->add_option("numbers", options.numbers, "de tien getallen N1 .. N10 (of --set)")
      ->type_name("GETAL");
  AddTargetOption(*worksheet, options);
  worksheet
      ->add_option("--set,-s", options.set,
                   "een opgeslagen set in plaats van getallen en resultaat (0: de ingebouwde)")
      ->type_name("NUMMER")
      ->excludes(worksheet->get_option("--target"));
  AddFileOption(*worksheet, options);
  worksheet
      ->add_option("--level,-l", options.levels,
                   "niveaus 1..5, herhaald of als 2,3 (standaard alle)")
      ->type_name("NIVEAU")
      ->delimiter(',')
      ->allow_extra_args(false);  // one value per --level, so the numbers after it stay numbers
  worksheet->add_option("--count,-n", options.count, "aantal opgaven, 1..100")
      ->type_name("AANTAL")
      ->capture_default_str();
  worksheet
      ->add_option("--seed", options.seed,
                   "hetzelfde getal geeft hetzelfde werkblad (standaard een nieuw)")
      ->type_name("GETAL");
  worksheet->add_option("--output,-o", options.output, "het pdf-bestand")
      ->type_name("BESTAND")
      ->capture_default_str();
  worksheet->callback([&run] { run = MakeWorksheetFile; });

  CLI::App* sets = app.add_subcommand("sets", "de opgeslagen sets van het spel");
  sets->set_help_flag("-h,--help", "toon deze hulp en stop");
  AddFileOption(*sets, options);
  AddJsonFlag(*sets, options);
  sets->callback([&run] { run = Sets; });

  CLI::App* show = app.add_subcommand("show", "de niveaus van een opgeslagen set, zoals grade");
  show->set_help_flag("-h,--help", "toon deze hulp en stop");
  show->add_option("set", options.set, "het nummer van de set (0: de ingebouwde set 1..10, 24)")
      ->type_name("NUMMER")
      ->required();
  AddFileOption(*show, options);
  AddJsonFlag(*show, options);
  show->add_flag("--complete", options.complete,
                 "zoek ook met alle haakjes: welke \"Onmogelijk\"-opgaven toch kunnen");
  show->callback([&run] { run = Show; });

  const std::string commands = "solve, grade, advise, worksheet, sets, show";
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
    return Report(err, e, kExitUsage);
  } catch (const UsageError& e) {
    return Report(err, e, kExitUsage);
  } catch (const WorkError& e) {
    return Report(err, e, kExitFailure);
  } catch (const PlatformError& e) {
    return Report(err, e, kExitFailure);
  }
}

}  // namespace reki::cli
