#include "game/reki_form.h"

#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>

#include "dialogs/language.h"
#include "game/layout.h"
#include "game/wiring.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/int_text.h"
#include "ui_rekitospelform.h"

namespace reki {

using namespace window_layout;

TRekitoSpelForm::TRekitoSpelForm(QWidget* parent)
    : QMainWindow(parent), ui_(new Ui::TRekitoSpelForm) {
  ui_->setupUi(this);
  // A fixed window with a close box and a minimise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  ApplyPixelFontSizes(this);
  const QList<QAbstractButton*> levelButtons = ui_->RadioGroup1Buttons->buttons();
  for (QAbstractButton* button : levelButtons) {
    ui_->RadioGroup1Buttons->setId(button, button->objectName().back().digitValue());
  }
  PlaatjesTimer = new Timer(700, true, this);
  PlaatjesTimer->setObjectName(QStringLiteral("PlaatjesTimer"));
  StatusTimer = new Timer(1000, false, this);
  StatusTimer->setObjectName(QStringLiteral("StatusTimer"));

  WireWindowCommands();
  WireSetAnalysis();
  WireSetStorage();
  WireNumberEntry();
  WireChoosing();
  WirePlaying();
  WireClock();
  WireSolutions();
  WireTeacher();

  FormCreate();
}

TRekitoSpelForm::~TRekitoSpelForm() = default;

void TRekitoSpelForm::AttachDialogs(THelpBox* helpBox, TMessageForm* messageForm) {
  helpBox_ = helpBox;
  messageForm_ = messageForm;
}

void TRekitoSpelForm::FormCreate() {
  Willekeurig.SeedFromClock();
  SetApplicationTitle(ApplicationTitle() + QStringLiteral(" v2.1+"));
  // Task bars show a window's icon text; the caption stays the game's own.
  setWindowIconText(ApplicationTitle());
  ui_->Docent1->setVisible(false);
  ui_->Bereken1->setVisible(false);
  ui_->Annuleren1->setVisible(false);
  Taal = QStringLiteral("NL");

  Quotum = kDefaultTarget;
  StapNummer = 1;
  AantalOperanden = 0;
  HuidigNiveau = 1;
  GoedAantal = 0;
  FoutAantal = 0;
  DocentSet = 1;
  OperatieGekozen = false;
  BerichtGesloten = true;
  DirectTonen = false;
  EersteNiveauKeuze = true;

  ui_->TijdGauge->setMaximum(120);
  ui_->WachtGauge->setMaximum(kCombinationCount);
  ui_->NiveauEdit->setText(QString::fromUtf8(LevelName(DocentSet).data()));
  StartIndeling();
  ui_->RadioGroup1Buttons->button(HuidigNiveau - 1)->setChecked(true);
  ui_->GoedAantalLabel->setText(QStringLiteral("0"));
  ui_->FoutAantalLabel->setText(QStringLiteral("0"));
  CreateNumberEdits();
  for (auto& list : NiveauLijst) {
    list.clear();
  }
  LeesSet(0);
}

void TRekitoSpelForm::StartIndeling() {
  SetClientSize(kNormalWidth, kNormalHeight);
  for (QWidget* panel : {ui_->AntwoordPanel, ui_->GridPanel, ui_->NiveauPanel, ui_->AanmaakPanel}) {
    panel->move(kLeftColumn, kTop);
  }
  SetRightColumnLeft(kRightColumn);
}

void TRekitoSpelForm::SetClientSize(int width, int height) {
  ui_->ClientArea->setFixedSize(width, height);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // The three strips are aligned to the bottom edge over the full width.
  for (QWidget* strip :
       std::initializer_list<QWidget*>{ui_->GoedFoutPanel, ui_->StatusPanel, ui_->InfoPanel}) {
    strip->setGeometry(0, height - kStripHeight, width, kStripHeight);
  }
  adjustSize();
}

void TRekitoSpelForm::SetRightColumnLeft(int left) {
  for (QWidget* panel : {ui_->PlaatjesPanel, ui_->DocentPanel, ui_->RekenPanel}) {
    panel->move(left, kTop);
  }
}

void TRekitoSpelForm::CreateNumberEdits() {
  QWidget* previous = ui_->HelpButton;
  for (int i = 1; i <= kNumberCount; ++i) {
    auto* edit = new QLineEdit(ui_->AanmaakPanel);
    edit->setObjectName(QStringLiteral("GetalEdit%1").arg(i));
    edit->setProperty("Tag", i);
    edit->setAccessibleName(QStringLiteral("Getal %1").arg(i));

    // The height that the font needs may be more than 15 pixels.
    const int height = std::max(15, edit->minimumSizeHint().height());
    edit->setGeometry(8 + 33 * ((i - 1) % 5), 28 + 33 * ((i - 1) / 5), 25, height);
    edit->installEventFilter(this);
    edit->show();
    QWidget::setTabOrder(previous, edit);
    previous = edit;
    GetalEdit[i - 1] = edit;
  }
}

std::vector<std::string>& TRekitoSpelForm::Lijst(int level) {
  if (level < 1 || level > kLevelCount) {
    throw RangeCheckError();
  }
  return NiveauLijst[level - 1];
}

bool TRekitoSpelForm::eventFilter(QObject* watched, QEvent* event) {
  if (NumberEntryEvent(watched, event) || SetStorageEvent(watched, event)) {
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace reki
