#include "cli/worksheet_pdf.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "engine/grading.h"

namespace reki::cli {
namespace {

// Layout in millimetres, inside the page margins of an A4 sheet.
constexpr double kMarginMm = 15;
constexpr double kContentWidth = 210 - 2 * kMarginMm;
constexpr double kContentHeight = 297 - 2 * kMarginMm;
constexpr double kFooterTop = kContentHeight - 5;

constexpr double kFirstPageTop = 43;  // below the title, the name line and the instruction
constexpr double kNextPageTop = 12;   // below a short title
constexpr double kBlockWidth = 85;
constexpr double kColumnGap = kContentWidth - 2 * kBlockWidth;
constexpr double kBlockHeight = 43;
constexpr double kBoxSize = 12;
constexpr int kSteps = 3;
constexpr double kStepSpacing = 7;

constexpr double kAnswerTop = 26;
constexpr double kAnswerRowHeight = 8;
constexpr double kNumbersColumn = 20;
constexpr double kLevelColumn = 60;
constexpr double kSolutionColumn = 92;

const QColor kGrey(110, 110, 110);

int RowsBetween(double top, double bottom, double rowHeight) {
  return static_cast<int>((bottom - top) / rowHeight);
}

// How the exercises and the answer key fill pages.
struct Pagination {
  int firstPageExercises = 2 * RowsBetween(kFirstPageTop, kFooterTop, kBlockHeight);
  int nextPageExercises = 2 * RowsBetween(kNextPageTop, kFooterTop, kBlockHeight);
  int answersPerPage = RowsBetween(kAnswerTop, kFooterTop, kAnswerRowHeight);

  int ExercisePages(int count) const {
    const int rest = std::max(0, count - firstPageExercises);
    return 1 + (rest + nextPageExercises - 1) / nextPageExercises;
  }
  int AnswerPages(int count) const {
    return std::max(1, (count + answersPerPage - 1) / answersPerPage);
  }
};

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString NumbersText(const std::array<std::int32_t, 4>& numbers) {
  QStringList parts;
  for (const std::int32_t n : numbers) {
    parts << QString::number(n);
  }
  return parts.join(QStringLiteral("   "));
}

QString SetNumbersText(const NumberSet& numbers) {
  QStringList parts;
  for (const std::int32_t n : numbers) {
    parts << QString::number(n);
  }
  return parts.join(u' ');
}

QString LevelNamesText(const std::vector<int>& levels) {
  QStringList names;
  for (const int level : levels) {
    names << Utf8(std::string(LevelName(level)));
  }
  return names.join(QStringLiteral(", "));
}

QFont SheetFont(double points, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Draws on the pages of one worksheet, in millimetres from the top left of the printable area.
class SheetPainter {
 public:
  SheetPainter(QPdfWriter& writer, QPainter& painter, const Worksheet& sheet, int pages)
      : writer_(writer), painter_(painter), sheet_(sheet), pages_(pages) {}

  void Text(double x, double y, double w, double h, const QString& text, const QFont& font,
            int flags = Qt::AlignLeft | Qt::AlignVCenter, const QColor& color = Qt::black) {
    painter_.setFont(font);
    painter_.setPen(color);
    painter_.drawText(Rect(x, y, w, h), flags, text);
  }

  void Line(double x1, double y1, double x2, double y2, double widthMm = 0.25,
            const QColor& color = Qt::black) {
    painter_.setPen(QPen(color, Mm(widthMm)));
    painter_.drawLine(QPointF(Mm(x1), Mm(y1)), QPointF(Mm(x2), Mm(y2)));
  }

  void Box(double x, double y, double w, double h) {
    painter_.setPen(QPen(Qt::black, Mm(0.35)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(Rect(x, y, w, h));
  }

  // The footer of the current page, then the next page.
  void EndPage() {
    const QString where = tr("Rekito-werkblad · getallen %1 · resultaat %2")
                              .arg(SetNumbersText(sheet_.numbers))
                              .arg(sheet_.target);
    const QString which = tr("seed %1 · blad %2 van %3").arg(sheet_.seed).arg(page_).arg(pages_);
    Line(0, kFooterTop, kContentWidth, kFooterTop, 0.15, kGrey);
    Text(0, kFooterTop + 0.5, kContentWidth, 4.5, where, SheetFont(7.5),
         Qt::AlignLeft | Qt::AlignVCenter, kGrey);
    Text(0, kFooterTop + 0.5, kContentWidth, 4.5, which, SheetFont(7.5),
         Qt::AlignRight | Qt::AlignVCenter, kGrey);
    if (page_ < pages_) {
      writer_.newPage();
    }
    ++page_;
  }

 private:
  static QString tr(const char* text) { return QString::fromUtf8(text); }
  double Mm(double mm) const { return mm * writer_.resolution() / 25.4; }
  QRectF Rect(double x, double y, double w, double h) const {
    return QRectF(Mm(x), Mm(y), Mm(w), Mm(h));
  }

  QPdfWriter& writer_;
  QPainter& painter_;
  const Worksheet& sheet_;
  int pages_;
  int page_ = 1;
};

void DrawFirstPageHeading(SheetPainter& p, const Worksheet& sheet) {
  p.Text(0, 0, kContentWidth, 9, QStringLiteral("Rekito-werkblad"), SheetFont(20, true));
  const QFont label = SheetFont(11);
  p.Text(0, 12, 15, 6, QStringLiteral("Naam:"), label);
  p.Line(15, 18, 95, 18);
  p.Text(101, 12, 12, 6, QStringLiteral("Klas:"), label);
  p.Line(112, 18, 135, 18);
  p.Text(141, 12, 15, 6, QStringLiteral("Datum:"), label);
  p.Line(158, 18, kContentWidth, 18);
  p.Text(0, 22, kContentWidth, 6,
         QStringLiteral("Maak met de vier getallen het resultaat %1.").arg(sheet.target),
         SheetFont(12, true));
  p.Text(0, 28.5, kContentWidth, 5,
         QString::fromUtf8("Gebruik elk getal precies één keer en reken met +, -, x en :."),
         SheetFont(10.5));
  p.Text(0, 33.5, kContentWidth, 5,
         QStringLiteral("Schrijf je berekening op in drie stappen, zoals 7 + 5 = 12."),
         SheetFont(10.5));
  p.Line(0, kFirstPageTop - 2.5, kContentWidth, kFirstPageTop - 2.5, 0.15, kGrey);
}

void DrawExercise(SheetPainter& p, double x, double y, int number, const WorksheetExercise& e,
                  std::int32_t target) {
  p.Text(x, y, kBlockWidth, 6, QStringLiteral("Opgave %1").arg(number), SheetFont(11, true));
  const double boxTop = y + 8;
  for (int i = 0; i < 4; ++i) {
    const double boxLeft = x + i * (kBoxSize + 3);
    p.Box(boxLeft, boxTop, kBoxSize, kBoxSize);
    p.Text(boxLeft, boxTop, kBoxSize, kBoxSize, QString::number(e.numbers[i]), SheetFont(15, true),
           Qt::AlignCenter);
  }
  p.Text(x + 4 * (kBoxSize + 3) + 1, boxTop, 25, kBoxSize, QString::fromUtf8("→ %1").arg(target),
         SheetFont(15, true));
  for (int step = 1; step <= kSteps; ++step) {
    const double baseline = boxTop + kBoxSize + step * kStepSpacing;
    p.Text(x, baseline - 6, 15, 6, QStringLiteral("Stap %1").arg(step), SheetFont(9),
           Qt::AlignLeft | Qt::AlignBottom, kGrey);
    p.Line(x + 15, baseline, x + kBlockWidth, baseline, 0.2, kGrey);
  }
}

void DrawExercisePages(SheetPainter& p, const Worksheet& sheet, const Pagination& layout) {
  DrawFirstPageHeading(p, sheet);
  double top = kFirstPageTop;
  int onPage = layout.firstPageExercises;
  int slot = 0;
  for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
    if (slot == onPage) {
      p.EndPage();
      p.Text(0, 0, kContentWidth, 8, QStringLiteral("Rekito-werkblad (vervolg)"),
             SheetFont(12, true));
      top = kNextPageTop;
      onPage = layout.nextPageExercises;
      slot = 0;
    }
    const double x = (slot % 2) * (kBlockWidth + kColumnGap);
    const double y = top + (slot / 2) * kBlockHeight;
    DrawExercise(p, x, y, static_cast<int>(i + 1), sheet.exercises[i], sheet.target);
    ++slot;
  }
  p.EndPage();
}

void DrawAnswerHeading(SheetPainter& p, const Worksheet& sheet, bool first) {
  p.Text(0, 0, kContentWidth, 10,
         first ? QStringLiteral("Antwoorden") : QStringLiteral("Antwoorden (vervolg)"),
         SheetFont(first ? 20 : 12, true));
  const QString about = QString::fromUtf8("Resultaat %1 · niveaus %2 · één oplossing per opgave")
                            .arg(sheet.target)
                            .arg(LevelNamesText(sheet.levels));
  p.Text(0, 11, kContentWidth, 6, about, SheetFont(9.5), Qt::AlignLeft | Qt::AlignVCenter, kGrey);
  const QFont bold = SheetFont(10, true);
  const double y = kAnswerTop - kAnswerRowHeight;
  p.Text(0, y, kNumbersColumn, kAnswerRowHeight, QStringLiteral("Opgave"), bold);
  p.Text(kNumbersColumn, y, 36, kAnswerRowHeight, QStringLiteral("Getallen"), bold);
  p.Text(kLevelColumn, y, 30, kAnswerRowHeight, QStringLiteral("Niveau"), bold);
  p.Text(kSolutionColumn, y, kContentWidth - kSolutionColumn, kAnswerRowHeight,
         QStringLiteral("Oplossing"), bold);
  p.Line(0, kAnswerTop, kContentWidth, kAnswerTop, 0.3);
}

void DrawAnswerPages(SheetPainter& p, const Worksheet& sheet, const Pagination& layout) {
  const QFont font = SheetFont(10);
  for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
    const int row = static_cast<int>(i) % layout.answersPerPage;
    if (row == 0) {
      if (i > 0) {
        p.EndPage();
      }
      DrawAnswerHeading(p, sheet, i == 0);
    }
    const WorksheetExercise& e = sheet.exercises[i];
    const double y = kAnswerTop + row * kAnswerRowHeight;
    p.Text(0, y, 10, kAnswerRowHeight, QStringLiteral("%1.").arg(i + 1), font,
           Qt::AlignRight | Qt::AlignVCenter);
    p.Text(kNumbersColumn, y, 36, kAnswerRowHeight, NumbersText(e.numbers), font);
    p.Text(kLevelColumn, y, 30, kAnswerRowHeight, Utf8(std::string(LevelName(e.level))), font);
    p.Text(kSolutionColumn, y, kContentWidth - kSolutionColumn, kAnswerRowHeight, Utf8(e.solution),
           font);
    p.Line(0, y + kAnswerRowHeight, kContentWidth, y + kAnswerRowHeight, 0.1, kGrey);
  }
  p.EndPage();
}

// A QGuiApplication for the fonts, when none exists. A PDF needs no screen, so the offscreen
// platform serves unless the caller chose another one.
std::unique_ptr<QGuiApplication> StartGuiWhenNeeded() {
  if (QCoreApplication::instance() != nullptr) {
    return nullptr;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "rekicalc";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// Keeps Qt's remarks about its surroundings (such as "XDG_RUNTIME_DIR not set" on a headless
// machine) off the teacher's screen while the sheet is written; critical messages still show.
class QuietQtMessages {
 public:
  QuietQtMessages() : previous_(qInstallMessageHandler(Handle)) {}
  ~QuietQtMessages() { qInstallMessageHandler(previous_); }
  QuietQtMessages(const QuietQtMessages&) = delete;
  QuietQtMessages& operator=(const QuietQtMessages&) = delete;

 private:
  static void Handle(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "rekicalc: %s\n", message.toLocal8Bit().constData());
    }
  }

  QtMessageHandler previous_;
};

}  // namespace

bool WriteWorksheetPdf(const Worksheet& sheet, const std::string& path) {
  const QuietQtMessages quiet;
  const auto app = StartGuiWhenNeeded();
  QPdfWriter writer(Utf8(path));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                   QPageLayout::Millimeter));
  writer.setResolution(600);
  writer.setTitle(QStringLiteral("Rekito-werkblad"));
  writer.setCreator(QStringLiteral("rekicalc"));
  QPainter painter;
  if (!painter.begin(&writer)) {
    return false;
  }
  const Pagination layout;
  const int count = static_cast<int>(sheet.exercises.size());
  SheetPainter pages(writer, painter, sheet,
                     layout.ExercisePages(count) + layout.AnswerPages(count));
  DrawExercisePages(pages, sheet, layout);
  DrawAnswerPages(pages, sheet, layout);
  return painter.end();
}

}  // namespace reki::cli
