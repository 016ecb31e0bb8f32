#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QLabel;

// The value control of a compound row of the row editor: a borderless panel whose controls each
// show one field of the value side by side, in equal slots of the panel's width and as high as
// the panel. Its text is what the editor page tests for missing input: "-" while every field is
// filled, empty otherwise.
class TCompoundRowPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)

 public:
  TCompoundRowPanel(int slotCount, QWidget* parent = nullptr);

  QString text() const { return text_; }
  void setText(const QString& text) { text_ = text; }

  // A field control in slot `slot`, moved `shift` pixels right and `narrower` pixels narrower
  // than the slot.
  void AddField(QWidget* control, int slot, int shift = 0, int narrower = 0);
  // A label whose left edge stays at the right edge of `field`, 2 pixels from the top.
  void AddSeparator(QLabel* label, QWidget* field);
  const std::vector<QWidget*>& Fields() const { return fields_; }
  // Whether some field shows no text (an unchosen list counts as empty).
  bool AnyFieldEmpty() const;
  // Every field shows nothing: no list entry chosen, no text.
  void ClearFields();
  // The panel width at which every list shows its longest entry in full.
  int WidthForLists() const;

  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Slot {
    int slot;
    int shift;
    int narrower;
  };
  void Arrange();

  int slotCount_;
  QString text_;
  std::vector<QWidget*> fields_;
  std::vector<Slot> places_;
  std::vector<std::pair<QLabel*, QWidget*>> separators_;
};
