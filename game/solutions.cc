#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "dialogs/message_table.h"
#include "engine/solver.h"
#include "game/reki_form.h"
#include "game/wiring.h"
#include "platform/clipboard.h"
#include "platform/int_text.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireSolutions() {
  OnClick(ui_->OplossingButton, [this] { OplossingButtonClick(ui_->OplossingButton); });
  OnTrigger(ui_->Oplossing1, [this] { OplossingButtonClick(ui_->Oplossing1); });
  OnSelect(ui_->OplossingenListBox, [this] { OplossingenListBoxClick(); });
  OnClick(ui_->RekenButton, [this] { RekenButtonClick(); });
}

// While the clock runs and nobody has decided for the pupil, the pupil is asked first. Once an
// answer was judged or the time is over, the solutions come without a question.
void TRekitoSpelForm::OplossingButtonClick(QObject*) {
  const bool vragen =
      StatusTimer->Enabled() && ui_->TijdGauge->value() < ui_->TijdGauge->maximum() && !DirectTonen;
  if ((vragen && ToonBericht(kQuestion, kMsgTijdNogNietVerstreken)) || DirectTonen) {
    ToonOplossingen();
  }
}

// The listing ends the exercise and counts as a wrong answer.
void TRekitoSpelForm::ToonOplossingen() {
  ZetSpelStatus(kOplossingTonen);
  ++FoutAantal;
  ui_->FoutAantalLabel->setText(QString::number(FoutAantal));
  DirectTonen = false;
  StatusTimer->SetEnabled(false);
  ui_->OplossingenListBox->clear();
  const std::array<std::int32_t, 4> numbers = LeesOpgave();
  SolveAndShow(numbers[0], numbers[1], numbers[2], numbers[3], true);
}

void TRekitoSpelForm::OplossingenListBoxClick() {
  const QList<QListWidgetItem*> selected = ui_->OplossingenListBox->selectedItems();
  if (!selected.isEmpty()) {
    PutOnClipboard(selected.front()->text());
  }
}

// Solves the numbers in Edit1..Edit4 without touching the game: no status, score or clock.
void TRekitoSpelForm::RekenButtonClick() {
  const std::array<std::int32_t, 4> numbers = LeesOpgave();
  SolveAndShow(numbers[0], numbers[1], numbers[2], numbers[3], true);
}

std::array<std::int32_t, 4> TRekitoSpelForm::LeesOpgave() const {
  const QLineEdit* const edits[] = {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4};
  std::array<std::int32_t, 4> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    numbers[i] = StrToInt(edits[i]->text().toStdString());
  }
  return numbers;
}

std::uint8_t TRekitoSpelForm::SolveAndShow(std::int32_t a, std::int32_t b, std::int32_t c,
                                           std::int32_t d, bool withLines) {
  const SolverResult result = FindSolutions(a, b, c, d, Quotum, withLines);
  if (withLines) {
    ui_->OplossingenListBox->clear();
    for (const std::string& line : result.lines) {
      ui_->OplossingenListBox->addItem(QString::fromLatin1(line));
    }
  }
  return result.count;
}

}  // namespace reki
