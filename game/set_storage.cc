#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include "dialogs/message_table.h"
#include "engine/packing.h"
#include "game/reki_form.h"
#include "game/set_file.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {
namespace {

constexpr int kTargetColumnWidth = 27;
constexpr int kNumberColumnWidth = 18;
constexpr int kRowHeight = 18;
// With more stored sets than fit, the grid widens by a scroll bar.
constexpr int kSetsWithoutScrollBar = 6;
constexpr int kWidthWithScrollBar = 223;

// The grid's header is row 0 of the picks; row r of the picks is table row r - 1.
void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  grid->setItem(row - 1, column, new QTableWidgetItem(text));
}

}  // namespace

void TRekitoSpelForm::WireSetStorage() {
  OnClick(ui_->SelecteerButton, [this] { SelecteerButtonClick(); });
  OnClick(ui_->AndersButton, [this] { AndersButtonClick(); });
  OnClick(ui_->AndereGetallenButton, [this] { AndereGetallenButtonClick(); });
  OnTrigger(ui_->Anders1, [this] { AndereGetallenButtonClick(); });
  SetUpGrid();
}

void TRekitoSpelForm::SetUpGrid() {
  QTableWidget* grid = ui_->StringGrid1;
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->horizontalHeader()->setFixedHeight(kRowHeight);
  grid->horizontalHeader()->setMinimumSectionSize(kNumberColumnWidth);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->horizontalHeader()->setSectionsClickable(false);
  QStringList header{QStringLiteral("Q")};
  for (int i = 1; i <= kNumberCount; ++i) {
    header.append(QString::number(i));
  }
  grid->setHorizontalHeaderLabels(header);
  grid->setColumnWidth(0, kTargetColumnWidth);
  for (int column = 1; column <= kNumberCount; ++column) {
    grid->setColumnWidth(column, kNumberColumnWidth);
  }
  grid->viewport()->installEventFilter(this);
}

bool TRekitoSpelForm::SetStorageEvent(QObject* watched, QEvent* event) {
  if (watched != ui_->StringGrid1->viewport()) {
    return false;
  }
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    RunGuarded([this, at] { StringGrid1MouseUp(at.x(), at.y()); });
  }
  // The double click restores the row under it (its first click has picked that row already).
  if (type == QEvent::MouseButtonDblClick) {
    RunGuarded([this] { SelecteerButtonClick(); });
  }
  return false;
}

void TRekitoSpelForm::BewaarSet() {
  AantalSets = SetFile().Store({Getallen, Quotum, NiveauTabel});
}

void TRekitoSpelForm::VulSetGrid() {
  const SetFile file;
  AantalSets = file.ReadCount();
  const std::vector<std::string> names = file.ReadNames(AantalSets);
  QTableWidget* grid = ui_->StringGrid1;
  grid->setRowCount(AantalSets + 1);
  if (AantalSets > kSetsWithoutScrollBar) {
    grid->setFixedWidth(kWidthWithScrollBar + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  }
  SetCell(grid, 1, 0, QString::number(kDefaultTarget));
  for (int i = 1; i <= kNumberCount; ++i) {
    SetCell(grid, 1, i, QString::number(kDefaultNumbers[i - 1]));
  }
  for (int k = 1; k <= AantalSets; ++k) {
    const SetNameParts parts = SplitSetNaam(names[k - 1]);
    SetCell(grid, k + 1, 0, QString::fromStdString(parts.target));
    for (int i = 1; i <= kNumberCount; ++i) {
      SetCell(grid, k + 1, i, QString::fromStdString(parts.numbers[i - 1]));
    }
  }
}

void TRekitoSpelForm::StringGrid1MouseUp(int, int y) {
  // Points outside the rows (and the header, which lies outside the cells) change nothing.
  const int tableRow = ui_->StringGrid1->rowAt(y);
  if (tableRow >= 0) {
    GekozenRij = tableRow + 1;
  }
}

void TRekitoSpelForm::SelecteerButtonClick() {
  for (auto& list : NiveauLijst) {
    list.clear();
  }
  if (LeesSet(GekozenRij - 1)) {
    ZetSpelStatus(kNiveauKiezen);
  } else {
    ToonBericht(kNotice, kMsgLeesFout);
  }
}

void TRekitoSpelForm::AndersButtonClick() {
  ZetSpelStatus(kInvoeren);
}

void TRekitoSpelForm::AndereGetallenButtonClick() {
  VulSetGrid();
  ZetSpelStatus(ui_->GridPanel->isVisibleTo(this) ? kInvoeren : kSetKiezen);
}

}  // namespace reki
