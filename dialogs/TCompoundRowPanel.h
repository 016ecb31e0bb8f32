#pragma once

#include <QString>
#include <QWidget>

#include <vector>

// The value control of a compound row of the row editor: a borderless panel whose controls each
// show one field of the value side by side, all as high as the panel. Its text is what the
// editor page tests for missing input: "-" while every field is filled, empty otherwise.
class TCompoundRowPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)

 public:
  explicit TCompoundRowPanel(QWidget* parent = nullptr);

  QString text() const { return text_; }
  void setText(const QString& text) { text_ = text; }

  // A field control at `left`, `width` wide; it follows the panel's height.
  void AddField(QWidget* control, int left, int width);
  const std::vector<QWidget*>& Fields() const { return fields_; }
  // Whether some field shows no text (an unchosen list counts as empty).
  bool AnyFieldEmpty() const;
  // Every field shows nothing: no list entry chosen, no text.
  void ClearFields();

  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString text_;
  std::vector<QWidget*> fields_;
};
