// The message dialog: one numbered message from the message table, as a notice with "OK" or as a
// question with "Ja" and "Nee". Its answer is true for "OK" and "Ja", false for "Nee".
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TMessageForm;
}

namespace reki {

class TMessageForm : public QDialog {
  Q_OBJECT

 public:
  explicit TMessageForm(QWidget* parent = nullptr);
  ~TMessageForm() override;

  // Prepares the dialog: the buttons of the kind (1 a notice, any other a question) and the text
  // of message nr in the program's language (message 0 for a number outside the table).
  void ZetBericht(int kind, int nr);

  // The answer of the last showing.
  bool Antwoord = true;

  void FormActivate();
  void OKButtonClick();
  void JaButtonClick();
  void NeeButtonClick();

  // Escape answers the way the dialog's safe button does: "Nee" for a question, "OK" for a notice.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TMessageForm> ui_;
};

}  // namespace reki
