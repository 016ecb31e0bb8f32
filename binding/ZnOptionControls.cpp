#include "ZnOptionControls.h"

#include "ZnRadioGroup.h"

#include <QComboBox>
#include <QStringList>

namespace {

QStringList Labels(const ZnOptionList& list) {
  QStringList labels;
  for (int k = 0; k < list.Count(); ++k) labels << list.At(k).Label;
  return labels;
}

int IndexOfLabelOrValue(const ZnOptionList& list, const QString& text) {
  const int index = list.IndexOfLabel(text);
  return index >= 0 ? index : list.IndexOfValue(text);
}

}  // namespace

void ZnFillComboBox(const ZnOptionList& list, QComboBox& combo) {
  combo.clear();
  combo.addItems(Labels(list));
}

void ZnSelectInComboBox(const ZnOptionList& list, QComboBox& combo, const QString& text) {
  combo.setCurrentIndex(IndexOfLabelOrValue(list, text));
}

void ZnFillRadioGroup(const ZnOptionList& list, ZnRadioGroup& group) {
  group.SetItems(Labels(list));
}

void ZnSelectInRadioGroup(const ZnOptionList& list, ZnRadioGroup& group, const QString& text) {
  group.SetItemIndex(IndexOfLabelOrValue(list, text));
}
