// The help box: a fixed explanation of the game in the program's language, closed with "OK".
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class THelpBox;
}

namespace reki {

class THelpBox : public QDialog {
  Q_OBJECT

 public:
  // The language is decided here, once: English when Taal is "ENG" at this moment.
  explicit THelpBox(QWidget* parent = nullptr);
  ~THelpBox() override;

  void OKButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:

  void FormCreate();

  std::unique_ptr<Ui::THelpBox> ui_;
};

}  // namespace reki
