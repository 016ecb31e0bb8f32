#include "ZnCatalogueDialog.h"

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "ZnException.h"
#include "ZnSNMPRequest2Edits.h"

#include <QComboBox>
#include <QPushButton>

namespace {

QString Text(const char* text) {
  return text ? QString::fromUtf8(text) : QString();
}

void Tune(TConfigForm& form, const std::vector<TSNMPEditorPanel*>& pages,
          const ZnCatalogueTuning& tuning) {
  if (tuning.page < 0 || tuning.page >= static_cast<int>(pages.size()))
    throw ZnException(QStringLiteral("Tuning of a page that does not exist!"), 0);
  TSNMPEditorPanel* page = pages[static_cast<size_t>(tuning.page)];
  auto* table = qobject_cast<TSNMPListViewPanel*>(page);
  using Kind = ZnCatalogueTuning::Kind;
  switch (tuning.kind) {
    case Kind::EditConstraint:
      page->SetVarFormat(tuning.variable, Text(tuning.text));
      break;
    case Kind::ValueWidth:
      page->SetEditWidth(tuning.number);
      break;
    case Kind::FormWidth:
      form.resize(tuning.number, form.height());
      break;
    case Kind::FormHeight:
      form.resize(form.width(), tuning.number);
      break;
    case Kind::WidenAfterBuild:
      form.resize(form.width() + tuning.number, form.height());
      break;
    case Kind::HideEditButton:
      if (table) {
        table->Buttons()->EditButton()->hide();
        table->SetDoubleClickEditing(false);
        table->Buttons()->ArrangeButtons();
      }
      break;
    case Kind::ChangeHandler: {
      if (Text(tuning.text) != QLatin1String("OnIpSourceChange"))
        throw ZnException(QStringLiteral("Unknown change handler: ") + Text(tuning.text), 0);
      TEditsPanel* editor = page->Editor();
      auto* combo = qobject_cast<QComboBox*>(editor->RowAt(tuning.variable).value);
      if (combo == nullptr) throw ZnException(QStringLiteral("Unknow UI Control type!"), 0);
      // Only a choice of the user: opening the dialog shows every row whatever the device says.
      QObject::connect(combo, &QComboBox::activated, editor,
                       [editor](int index) { OnIpSourceChange(*editor, index); });
      break;
    }
    case Kind::RequestTimeout:
      page->Binding()->Request().Timeout = tuning.number;
      break;
  }
}

}  // namespace

void OnIpSourceChange(TEditsPanel& editor, int selectedIndex) {
  for (int row : {1, 2, 3}) {
    if (selectedIndex != 0)
      editor.HideRow(row);
    else
      editor.ShowRow(row);
  }
}

std::unique_ptr<TConfigForm> ZnBuildCatalogueDialog(const ZnCatalogueEntry& entry,
                                                    const QString& deviceAddress,
                                                    QString& currentTitle, QWidget* parent) {
  if (entry.title) currentTitle = Text(entry.title);
  auto form = std::make_unique<TConfigForm>(parent);
  if (entry.title)
    form->setWindowTitle(currentTitle + QStringLiteral(" : ") + deviceAddress);
  else
    form->setWindowTitle(Text(entry.captionPrefix) + deviceAddress);
  if (entry.pagesMode) form->SetPagesMode();

  std::vector<TSNMPEditorPanel*> pages;
  for (const ZnCataloguePage& page : entry.pages) {
    auto* binding = new ZnSNMPRequest2Edits(form.get());
    binding->VarList() = ZnSNMPVarList(page.table, page.itemType, page.keyCount);
    const QString add = Text(page.addLabel), remove = Text(page.deleteLabel);
    TSNMPEditorPanel* built = nullptr;
    if (page.kind == ZnPageKind::Editor) {
      built = entry.pagesMode ? form->AddEditorPage(Text(page.tabCaption), binding)
                              : form->AddEditor(binding);
    } else {
      built = entry.pagesMode
                  ? form->AddListViewPage(Text(page.tabCaption), binding, page.addVariable, add,
                                          page.deleteVariable, remove)
                  : form->AddListView(binding, page.addVariable, add, page.deleteVariable, remove);
    }
    pages.push_back(built);
  }
  for (const ZnCatalogueTuning& tuning : entry.tuning) Tune(*form, pages, tuning);
  if (!entry.title && entry.prefixIsTitle) {
    currentTitle = Text(entry.captionPrefix) + deviceAddress;
    form->setWindowTitle(currentTitle);
  }
  return form;
}
