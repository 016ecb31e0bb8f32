#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the model's icon, the product line and the release. It is modeless and frees
// itself when closed; Shift+Alt+F3 on its button reveals the full build version.
class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutForm(QWidget* parent = nullptr);
  ~TAboutForm() override;

  // The about box opened last, while it is open.
  static inline TAboutForm* Instance = nullptr;

  QLabel* VersionLabel() const { return versionLabel_; }
  QPushButton* OkButton() const { return ok_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* versionLabel_;
  QPushButton* ok_;
};

// A 32 × 32 picture of the switch, painted so that it stays crisp at any scale.
QPixmap ZnModelIcon(qreal devicePixelRatio = 1.0);
