#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireTeacher() {
  OnTrigger(ui_->Docent1, [this] { DocentClick(); });
  OnClick(ui_->NiveauButton, [this] { NiveauButtonClick(); });
  OnSelect(ui_->ListBox1, [this] { ListBox1Click(); });
}

// Opens the panel on the next level list, or closes it into the status it was opened from. The
// panel changes nothing of the game: no score, no clock, no current level.
void TRekitoSpelForm::DocentClick() {
  if (SpelStatus == kDocentModus) {
    ZetSpelStatus(StatusVoorDocent);
    return;
  }
  StatusVoorDocent = SpelStatus;
  ui_->OplossingenListBox->clear();
  ToonVolgendeDocentSet();
  ZetSpelStatus(kDocentModus);
}

void TRekitoSpelForm::NiveauButtonClick() {
  ToonVolgendeDocentSet();
}

// The lists come round in the order 1..6, the impossible exercises included.
void TRekitoSpelForm::ToonVolgendeDocentSet() {
  DocentSet = DocentSet % kLevelCount + 1;
  const std::string_view name = LevelName(DocentSet);
  ui_->NiveauEdit->setText(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  ui_->ListBox1->clear();
  for (const std::string& entry : Lijst(DocentSet)) {
    ui_->ListBox1->addItem(QString::fromStdString(entry));
  }
}

// The exercise of the selected entry in Edit1..Edit4 and its solutions beside them.
void TRekitoSpelForm::ListBox1Click() {
  const QList<QListWidgetItem*> selected = ui_->ListBox1->selectedItems();
  if (selected.isEmpty()) {
    return;
  }
  const std::array<std::int32_t, 4> numbers =
      ParseOpgaveTekst(selected.front()->text().toStdString());
  ZetOpgave(numbers);
  if (SolveAndShow(numbers[0], numbers[1], numbers[2], numbers[3], true) == 0) {
    ui_->OplossingenListBox->addItem(QStringLiteral("Geen oplossing!"));
  }
}

}  // namespace reki
