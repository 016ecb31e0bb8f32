#pragma once

#include "ZnOptionList.h"

class QComboBox;
class ZnRadioGroup;

// Option lists in controls: the labels in list order, so that item index and list index agree.

// Clears the combo box and adds every label.
void ZnFillComboBox(const ZnOptionList& list, QComboBox& combo);
// Selects the text taken as a label, else taken as a value; neither leaves no selection.
void ZnSelectInComboBox(const ZnOptionList& list, QComboBox& combo, const QString& text);
void ZnFillRadioGroup(const ZnOptionList& list, ZnRadioGroup& group);
void ZnSelectInRadioGroup(const ZnOptionList& list, ZnRadioGroup& group, const QString& text);
