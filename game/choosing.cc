#include <QButtonGroup>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {
namespace {

// The playable levels 1..5: the items of RadioGroup1 and of the "Niveau" menu.
constexpr int kPlayableLevels = kImpossibleLevel - 1;

}  // namespace

void TRekitoSpelForm::WireChoosing() {
  // Opening the menu clicks it first, so that its check marks are right before the items appear.
  connect(ui_->NiveauKiezen1, &QMenu::aboutToShow, this,
          Guarded([this] { NiveauClick(ui_->NiveauKiezen1); }));
  const QList<QAction*> levelItems = ui_->NiveauKiezen1->actions();
  for (QAction* item : levelItems) {
    OnTrigger(item, [this, item] { NiveauClick(item); });
  }
  // A new selection, by the user or from code; selecting the selected item again runs nothing.
  connect(ui_->RadioGroup1Buttons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      RunGuarded([this] { RadioGroup1Click(); });
    }
  });
  OnClick(ui_->OpgaveSelectButton, [this] { OpgaveKiezenClick(); });
  OnTrigger(ui_->OpgaveKiezen1, [this] { OpgaveKiezenClick(); });
}

// The check marks show the radio group's selection as it was before this click; a level item
// then selects its level in the radio group, and its mark follows when the menu opens again.
void TRekitoSpelForm::NiveauClick(QObject* sender) {
  const QList<QAction*> levelItems = ui_->NiveauKiezen1->actions();
  const int selected = ui_->RadioGroup1Buttons->checkedId();
  for (int i = 0; i < kPlayableLevels; ++i) {
    levelItems.at(i)->setChecked(i == selected);
  }
  const int tag = sender->property("Tag").toInt();
  for (int i = 0; i < kPlayableLevels; ++i) {
    if (tag == i + 1) {
      ui_->RadioGroup1Buttons->button(i)->setChecked(true);
    }
  }
}

void TRekitoSpelForm::RadioGroup1Click() {
  const int level = ui_->RadioGroup1Buttons->checkedId() + 1;
  if (Lijst(level).empty()) {
    // The pupil keeps the level chosen before until a level with exercises is chosen.
    ToonGeenOpgaven();
    return;
  }
  HuidigNiveau = level;
  ui_->NiveauMemo_ENG->hide();
  ui_->NiveauMemo->hide();
  ui_->OpgaveSelectButton->show();
  ui_->AndereGetallenButton->show();
}

void TRekitoSpelForm::ToonGeenOpgaven() {
  ui_->NiveauMemo->show();
  ui_->OpgaveSelectButton->hide();
  ui_->AndereGetallenButton->hide();
}

// Draws from HuidigNiveau, which after a stored set has been loaded may be a level that this set
// leaves empty; then nothing is drawn and the notice says so.
void TRekitoSpelForm::OpgaveKiezenClick() {
  const std::vector<std::string>& exercises = Lijst(HuidigNiveau);
  if (exercises.empty()) {
    ToonGeenOpgaven();
    return;
  }
  const int drawn = Willekeurig.Next(static_cast<int>(exercises.size()));
  // Parsed before anything changes: an entry that does not parse leaves the window as it was.
  ZetOpgave(ParseOpgaveTekst(exercises[drawn]));
  ZetSpelStatus(kOpgaveMaken);
  ZetTijd(0);
}

void TRekitoSpelForm::ZetOpgave(const std::array<std::int32_t, 4>& numbers) {
  QLineEdit* const edits[] = {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    edits[i]->setText(QString::number(numbers[i]));
  }
}

}  // namespace reki
