#include "TPortUitForm.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A marker file of the host product: its presence means a narrower window, so the grids wrap
// after 10 ports.
bool DeviceInfoPresent() {
  return QFileInfo::exists(QStringLiteral("DeviceInfo.ini"));
}

void Fill(QWidget* host, QWidget* content) {
  if (auto* scroll = qobject_cast<QScrollArea*>(host)) {
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    return;
  }
  QLayout* layout = host->layout();
  if (layout == nullptr) {
    layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  layout->addWidget(content);
}

}  // namespace

TPortUitForm::TPortUitForm(QWidget* host) : QWidget(nullptr) {
  setObjectName(QStringLiteral("PortUitForm"));
  QFont font = this->font();
  font.setPointSize(kFontPoints);
  setFont(font);
  UnitPageControl = new QTabWidget(this);
  UnitPageControl->setObjectName(QStringLiteral("UnitPageControl"));
  UnitPageControl->setDocumentMode(true);
  UnitPageControl->tabBar()->hide();
  // The unit pages are never chosen by the user (their tabs are hidden): Tab goes straight from
  // port box to port box instead of stopping at a page control that cannot take the focus.
  UnitPageControl->setFocusPolicy(Qt::NoFocus);
  UnitPageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(UnitPageControl);
  Fill(host, this);
  show();
}

TPortUitForm* TPortUitForm::EmbedDeviceGrid(QWidget* host) {
  auto* grid = new TPortUitForm(host);
  grid->AddUnit(QStringLiteral("Unit1"), 1, kBoxesPerUnit, kColumns);
  grid->ShowUnit(1, kPortGridModel, PortCountOfModel(kPortGridModel));
  return grid;
}

void TPortUitForm::AddUnit(const QString& caption, int firstPort, int portCount, int columns,
                           bool singlePage) {
  if (DeviceInfoPresent()) columns = kColumnsWithDeviceInfo;
  columns = std::max(columns, 1);
  auto* sheet = new QWidget;
  sheet->setObjectName(caption);
  auto* scroll = new QScrollArea(sheet);
  scroll->setFrameShape(QFrame::NoFrame);
  // The keyboard goes from port box to port box; the area around them never holds the focus.
  scroll->setFocusPolicy(Qt::NoFocus);
  auto* boxes = new QWidget;
  boxes->setObjectName(QStringLiteral("Ports"));
  int right = 0, bottom = 0;
  for (int i = 0; i < portCount; ++i) {
    auto* box = new QCheckBox(QString::number(firstPort + i), boxes);
    box->setObjectName(QStringLiteral("Port%1").arg(firstPort + i));
    const int row = i / columns;
    const int column = i % columns;
    const int height = box->sizeHint().height();
    const int width = static_cast<int>(box->text().size()) * kFontPoints + 3 * kFontPoints;
    box->setGeometry(column * kFontPoints * 5 + 20, row * height + 4, width, height);
    box->hide();
    right = std::max(right, box->geometry().right());
    bottom = std::max(bottom, box->geometry().bottom());
    PortBoxes.append(box);
  }
  boxes->setMinimumSize(right + 8, bottom + 8);
  scroll->setWidget(boxes);
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  UnitPageControl->addTab(sheet, caption);
  UnitSheets.append(sheet);
  UnitPageControl->tabBar()->setVisible(singlePage);
}

void TPortUitForm::ShowUnit(int unitNumber, const QString& modelName, int shownPorts) {
  if (unitNumber < 1 || unitNumber > UnitSheets.size()) return;
  QWidget* sheet = UnitSheets[unitNumber - 1];
  const int page = UnitPageControl->indexOf(sheet);
  UnitPageControl->setTabText(page, UnitPageControl->tabText(page) + QLatin1Char(' ') + modelName);
  UnitPageControl->setCurrentIndex(page);
  sheet->show();
  const int first = (unitNumber - 1) * kBoxesPerUnit;
  for (int k = first; k < first + shownPorts && k < PortBoxes.size(); ++k) PortBoxes[k]->show();
}

QList<QWidget*> TPortUitForm::TabStops() const {
  return {PortBoxes.begin(), PortBoxes.end()};
}

void TPortUitForm::ClearPorts() {
  for (QCheckBox* box : PortBoxes) box->setChecked(false);
}

int TPortUitForm::PortCountOfModel(const QString& modelName) {
  struct ModelPorts {
    const char* name;
    int ports;
  };
  static constexpr ModelPorts kModels[] = {
      {"NX561", 10}, {"NH561", 10}, {"NX563", 10}, {"NH563", 10}, {"NX562", 10},
      {"NX574", 16}, {"NX585", 18}, {"NH585", 18}, {"NX596", 26}, {"NH596", 26},
  };
  for (const ModelPorts& model : kModels)
    if (modelName == QLatin1String(model.name)) return model.ports;
  return 0;
}

QString TPortUitForm::PortBitIndexes() {
  QStringList indexes;
  for (int n = 0; n < kBoxesPerUnit; ++n) indexes << QString::number(n);
  return indexes.join(QLatin1Char(','));
}
