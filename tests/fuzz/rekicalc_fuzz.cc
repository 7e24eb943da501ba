// Any bytes as rekicalc's command line: the arguments are the pieces between line breaks (or
// zero bytes). Every command line ends with exit status 0, 1 or 2 and never a crash or an escaped
// exception; a refusal is one line on the error stream and nothing on the output.
//
// The run stays inside a work folder of its own: it is the current folder and holds the game's
// set file, and a command line with a '/' in any argument is skipped, so no file elsewhere is
// read or written. The files that a run writes (worksheets) are removed before the next one.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/rekicalc_app.h"
#include "engine/grading.h"
#include "engine/packing.h"
#include "tests/fuzz/fuzz_check.h"

namespace reki {
namespace {

constexpr std::size_t kMaxArguments = 40;

// The set file that the commands sets, show and worksheet --set read: one sound set, one whose
// texts are damaged and one entry that the file lacks.
std::string SetFileText() {
  GradedSet set{{3, 7, 12, 19, 25, 31, 44, 58, 77, 99}, 36, {}};
  set.levels = GradeSet(set.numbers, set.target);
  const PackedResults packed = PackResults(set);
  const std::string name = SetNaam(set.numbers, set.target);
  return "[Secties]\r\nAantal=3\r\n1=" + name + "\r\n2=25;1:2:3:4:5:6:7:8:9:10:\r\n\r\n[" + name +
         "]\r\n1=" + packed.a + "\r\n2=" + packed.b +
         "\r\n[25;1:2:3:4:5:6:7:8:9:10:]\r\n1=" + packed.a.substr(0, 120) + "\r\n2=" + packed.b +
         "\r\n";
}

void WriteText(const QString& path, const std::string& text) {
  QFile file(path);
  FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  FUZZ_CHECK(file.write(text.data(), static_cast<qint64>(text.size())) ==
             static_cast<qint64>(text.size()));
}

// The work folder holds only the game's set file (in its configuration folder) and a copy named
// sets.ini for --file; anything else that a run made goes.
void ResetWorkFolder() {
  static const std::string text = SetFileText();
  QDir folder(fuzz::WorkFolder());
  for (const QString& entry :
       folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
    if (entry != QStringLiteral("config")) {
      QFileInfo info(folder.filePath(entry));
      if (info.isDir() && !info.isSymLink()) {
        QDir(info.filePath()).removeRecursively();
      } else {
        folder.remove(entry);
      }
    }
  }
  WriteText(folder.filePath(QStringLiteral("config/Rekiplus.ini")), text);
  WriteText(folder.filePath(QStringLiteral("sets.ini")), text);
}

std::vector<std::string> Arguments(std::string_view input) {
  std::vector<std::string> args;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= input.size(); ++i) {
    if (i == input.size() || input[i] == '\n' || input[i] == '\0') {
      args.emplace_back(input.substr(start, i - start));
      start = i + 1;
    }
  }
  return args;
}

bool IsOneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == 1;
}

}  // namespace
}  // namespace reki

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace reki;
  const QString folder = fuzz::WorkFolder();
  FUZZ_CHECK(QDir(folder).mkpath(QStringLiteral("config")));
  FUZZ_CHECK(QDir::setCurrent(folder));
  setenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")).constData(), 1);
  setenv("XDG_RUNTIME_DIR", QFile::encodeName(folder).constData(), 1);
  // One application for the whole run, so that worksheets do not start one each time.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "rekicalc_fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace reki;
  const std::vector<std::string> args =
      Arguments(std::string_view(reinterpret_cast<const char*>(data), size));
  if (args.size() > kMaxArguments ||
      std::any_of(args.begin(), args.end(),
                  [](const std::string& arg) { return arg.find('/') != std::string::npos; })) {
    return -1;  // not worth keeping in the corpus
  }
  ResetWorkFolder();
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunRekicalc(args, out, err);
  FUZZ_CHECK(status == cli::kExitOk || status == cli::kExitFailure || status == cli::kExitUsage);
  if (status == cli::kExitOk) {
    FUZZ_CHECK(err.str().empty());
  } else {
    FUZZ_CHECK(out.str().empty());
    FUZZ_CHECK(IsOneLine(err.str()));
  }
  return 0;
}
