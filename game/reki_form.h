// The main window of the game and the game's state.
//
// The window holds ten panels of which the game status shows at most three at a time. Every event
// that moves the game on ends in ZetSpelStatus, which records the status and arranges the window
// for it. The handlers are split over one source file per part of the game:
//   reki_form.cc        creation, layout, wiring of the controls
//   status.cc           the status machine
//   window_commands.cc  size options, help, info, end, and the message dialog
//   set_analysis.cc     computing a set in idle time and restoring graded sets
//   set_storage.cc      the set file and the saved-set grid
//   number_entry.cc     entering the ten numbers and the target
//   choosing.cc         choosing a level and drawing an exercise
//   playing.cc          building an answer on the calculator
//   clock.cc            the exercise clock, the score and the pictures
//   solutions.cc        listing the solutions of an exercise
//   teacher.cc          the teacher panel
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/fraction.h"
#include "engine/grading.h"
#include "engine/number_set.h"
#include "platform/idle.h"
#include "platform/random.h"
#include "platform/timer.h"

class QAbstractButton;
class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Ui {
class TRekitoSpelForm;
}

namespace reki {

class THelpBox;
class TMessageForm;

// The game statuses.
enum SpelStatusCode : int {
  kBerekenen = 10,
  kInvoeren = 11,
  kSetKiezen = 15,
  kNiveauKiezen = 20,
  kOpgaveMaken = 30,
  kOplossingTonen = 40,
  kDocentModus = 50,
};

class TRekitoSpelForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TRekitoSpelForm(QWidget* parent = nullptr);
  ~TRekitoSpelForm() override;

  // The dialogs are created after the main window; they are attached once they exist.
  void AttachDialogs(THelpBox* helpBox, TMessageForm* messageForm);

  // --- The game's state ------------------------------------------------------------------------

  int SpelStatus = 0;
  bool EersteNiveauKeuze = true;

  // The number set: ten different numbers 1..99 and the target 1..999.
  NumberSet Getallen = kDefaultNumbers;
  std::int32_t Quotum = kDefaultTarget;

  // The six level lists (element 0 holds level 1) and the level code of every combination.
  LevelLists NiveauLijst;
  LevelTable NiveauTabel{};
  std::int32_t CombinatieTeller = 0;
  int HuidigNiveau = 1;

  // The pupil's answer under construction.
  CalcStep HuidigeStap;
  int StapNummer = 1;
  int AantalOperanden = 0;
  bool OperatieGekozen = false;
  bool DirectTonen = false;
  // The exact result of each finished step, kept beside its button R1..R3: the button's caption is
  // cut to 20 characters and cannot carry every value.
  std::array<Fraction, 3> StapResultaat{};

  // The score, never reset while the program runs.
  int GoedAantal = 0;
  int FoutAantal = 0;

  int PlaatjeFase = 0;
  int DocentSet = 1;
  int StatusVoorDocent = 0;
  int GekozenRij = 1;
  int AantalSets = 0;
  // False while a message of ToonBericht is open.
  bool BerichtGesloten = true;

  // The ten number edits; element 0 is GetalEdit[1].
  std::array<QLineEdit*, kNumberCount> GetalEdit{};

  Timer* PlaatjesTimer = nullptr;
  Timer* StatusTimer = nullptr;
  IdleCall Idle;
  Random Willekeurig;

  // --- Status machine ---------------------------------------------------------------------------
  void ZetSpelStatus(int status);

  // --- Window commands and messages -------------------------------------------------------------
  void FormCreate();
  void StartIndeling();
  void Normaal1Click();
  void Groot1Click();
  void HelpClick();
  void InfoButtonClick();
  void EindeClick();
  // Shows message nr as a notice (kind 1) or a question (kind 2); true for "OK" and "Ja".
  bool ToonBericht(int kind, int nr);

  // --- Set analysis -----------------------------------------------------------------------------
  void BerekenButtonClick();
  void BerekenVolgende();
  void BerekeningKlaar();
  void AnnuleerButtonClick();
  // Restores set k (0 the built-in default set, k >= 1 a stored set); false when unreadable.
  bool LeesSet(int k);

  // --- Set storage ------------------------------------------------------------------------------
  void BewaarSet();
  void VulSetGrid();
  void StringGrid1MouseUp(int x, int y);
  void SelecteerButtonClick();
  void AndersButtonClick();
  void AndereGetallenButtonClick();

  // --- Number entry -----------------------------------------------------------------------------
  void GetallenChange(QObject* sender);
  void GetalEditClick(QObject* sender);
  void QuotumEditChange();
  void QuotumEditClick();

  // --- Choosing an exercise ---------------------------------------------------------------------
  void NiveauClick(QObject* sender);
  void RadioGroup1Click();
  void OpgaveKiezenClick();

  // --- Playing ----------------------------------------------------------------------------------
  void GetalClick(QObject* sender);
  void ResultaatClick(QObject* sender);
  void OperatieClick(QObject* sender);
  void FoutButtonClick(QObject* sender);
  void ToonStap(QObject* sender);

  // --- Clock, score and pictures ----------------------------------------------------------------
  void TimerStatusTimer(QObject* sender);
  void TimerPlaatjesTimer();

  // --- Solutions --------------------------------------------------------------------------------
  void OplossingButtonClick(QObject* sender);
  void OplossingenListBoxClick();
  void RekenButtonClick();
  // Solves four numbers for Quotum; with lines, OplossingenListBox then holds exactly the lines.
  std::uint8_t SolveAndShow(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                            bool withLines);

  // --- Teacher panel ----------------------------------------------------------------------------
  void DocentClick();
  void NiveauButtonClick();
  void ListBox1Click();

  // The level list of level 1..6.
  std::vector<std::string>& Lijst(int level);

  Ui::TRekitoSpelForm& Form() { return *ui_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One per part of the game: connects that part's controls to its handlers.
  void WireWindowCommands();
  void WireSetAnalysis();
  void WireSetStorage();
  void WireNumberEntry();
  void WireChoosing();
  void WirePlaying();
  void WireClock();
  void WireSolutions();
  void WireTeacher();

  // Runs handler under the error guard when the button is clicked or the action triggered.
  template <class Handler>
  void OnClick(QAbstractButton* button, Handler handler);
  template <class Handler>
  void OnTrigger(QAction* action, Handler handler);
  // Runs handler under the error guard when a line of list becomes the selected one.
  template <class Handler>
  void OnSelect(QListWidget* list, Handler handler);

  // Choosing: the notice that the level has no exercises, in place of NiveauPanel's buttons.
  void ToonGeenOpgaven();
  // The exercise lives in Edit1..Edit4, one number each.
  void ZetOpgave(const std::array<std::int32_t, 4>& numbers);
  std::array<std::int32_t, 4> LeesOpgave() const;

  // Playing: one operand for the step under construction; the step finished or judged.
  void NeemOperand(QPushButton* source, Fraction value);
  void RondStapAf(QPushButton* result);
  void BeoordeelAntwoord(QObject* sender);
  void GoedAntwoord(QObject* sender);
  void FoutAntwoord(QObject* sender);

  // Clock: the two minutes are over; the gauge set to a number of seconds.
  void TijdVerstreken(QObject* sender);
  void ZetTijd(int seconds);
  // Solutions: the listing that ends an exercise.
  void ToonOplossingen();
  // Teacher panel: the next level list.
  void ToonVolgendeDocentSet();

  void CreateNumberEdits();
  // The target edit shows a whole number in 1..999.
  bool TargetEditShowsTarget() const;
  void SetUpGrid();
  void SetClientSize(int width, int height);
  void SetRightColumnLeft(int left);
  // Number-entry events of the edits, delivered by eventFilter.
  bool NumberEntryEvent(QObject* watched, QEvent* event);
  // Set-storage events of the grid, delivered by eventFilter.
  bool SetStorageEvent(QObject* watched, QEvent* event);

  std::unique_ptr<Ui::TRekitoSpelForm> ui_;
  THelpBox* helpBox_ = nullptr;
  TMessageForm* messageForm_ = nullptr;
  int openMessages_ = 0;
  // True while a number edit's exit is being handled.
  bool checkingNumber_ = false;
};

}  // namespace reki
