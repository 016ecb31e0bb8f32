#include "TPortUitForm.h"
#include "TestApplication.h"
#include "ZnException.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>

// The port grid the hand-made dialogs share: its layout, which boxes show, and the 802.1Q
// port-list order it has with the binding.
namespace {

class TPortUitFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    host_ = std::make_unique<QScrollArea>();
  }
  TPortUitForm* Grid() { return TPortUitForm::EmbedDeviceGrid(host_.get()); }

  std::unique_ptr<QScrollArea> host_;
};

struct Place {
  int port;
  int row;
  int column;
};

// Boxes sit at 40 * column + 20 pixels with the dialogs' 8-point font, one box height per row.
void ExpectPlaces(const TPortUitForm& grid, std::initializer_list<Place> places) {
  const int height = grid.PortBoxes[0]->height();
  for (const Place& place : places) {
    const QCheckBox* box = grid.PortBoxes[place.port - 1];
    EXPECT_EQ(box->text(), QString::number(place.port));
    EXPECT_EQ(box->x(), 40 * place.column + 20) << "port " << place.port;
    EXPECT_EQ(box->y(), place.row * height + 4) << "port " << place.port;
    // 24 pixels and 8 per digit of the caption
    EXPECT_EQ(box->width(), 24 + 8 * box->text().size()) << "port " << place.port;
  }
}

TEST_F(TPortUitFormTest, OneUnitOf32BoxesShowsTheModelsPortsInRowsOf12) {
  TPortUitForm* grid = Grid();
  EXPECT_EQ(host_->widget(), grid);
  ASSERT_EQ(grid->PortBoxes.size(), 32);
  ASSERT_EQ(grid->UnitSheets.size(), 1);
  EXPECT_EQ(grid->UnitPageControl->tabText(0), "Unit1 NX596");
  for (int k = 0; k < 32; ++k) EXPECT_EQ(grid->PortBoxes[k]->isHidden(), k >= 26) << k;
  ExpectPlaces(*grid, {{1, 0, 0}, {12, 0, 11}, {13, 1, 0}, {24, 1, 11}, {26, 2, 1}, {32, 2, 7}});
}

TEST_F(TPortUitFormTest, DeviceInfoFileInTheCurrentDirectoryWrapsAfter10) {
  QTemporaryDir dir;
  const QString before = QDir::currentPath();
  QFile marker(dir.filePath("DeviceInfo.ini"));
  ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  marker.close();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  TPortUitForm* grid = Grid();
  QDir::setCurrent(before);
  ExpectPlaces(*grid, {{1, 0, 0}, {10, 0, 9}, {11, 1, 0}, {21, 2, 0}, {31, 3, 0}, {32, 3, 1}});
}

TEST_F(TPortUitFormTest, PortCountsOfTheModels) {
  const std::pair<const char*, int> models[] = {
      {"NX561", 10}, {"NH561", 10}, {"NX563", 10}, {"NH563", 10}, {"NX562", 10},
      {"NX574", 16}, {"NX585", 18}, {"NH585", 18}, {"NX596", 26}, {"NH596", 26},
      {"nx596", 0},  {"NX-596", 0}, {"", 0}};
  for (const auto& [name, ports] : models)
    EXPECT_EQ(TPortUitForm::PortCountOfModel(name), ports) << name;
}

// The grid bound as every dialog binds it: box k is bit k, the most significant bit of the first
// octet first.
class PortListOrderTest : public TPortUitFormTest {
 protected:
  void SetUp() override {
    TPortUitFormTest::SetUp();
    grid_ = Grid();
    binding_ = new ZnSNMPRequest2Edits(host_.get());
    binding_->VarList() = ZnSNMPVarList(kPorts, ZnItemType::SVT_SV, 0);
    binding_->BindCheckBoxes(0, TPortUitForm::PortBitIndexes(), grid_->PortBoxes);
  }
  QList<int> Ticked() const {
    QList<int> ports;
    for (int k = 0; k < grid_->PortBoxes.size(); ++k)
      if (grid_->PortBoxes[k]->isChecked()) ports << k + 1;
    return ports;
  }
  QString& Value() { return binding_->VarList().Item(0).Value; }

  static constexpr ZnSNMPVarDef kPorts[] = {
      {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", ZnSyntax::OctetString, ZnAccess::ReadWrite},
      {}};
  TPortUitForm* grid_ = nullptr;
  ZnSNMPRequest2Edits* binding_ = nullptr;
};

TEST_F(PortListOrderTest, ValuesTickTheirPortsAndTicksWriteTheirBits) {
  const std::pair<QString, QList<int>> shown[] = {
      {"80000040", {1, 26}},
      {"00000001", {32}},  // a hidden box
      {"01800000", {8, 9}},
      {"00000000", {}},
  };
  for (const auto& [value, ports] : shown) {
    Value() = value;
    binding_->ShowValues();
    EXPECT_EQ(Ticked(), ports) << value.toStdString();
  }
  grid_->ClearPorts();
  EXPECT_EQ(Ticked(), QList<int>{});
  grid_->PortBoxes[0]->setChecked(true);
  grid_->PortBoxes[25]->setChecked(true);
  binding_->ReadControls();
  EXPECT_EQ(Value(), "80000040");
}

TEST_F(PortListOrderTest, AValueShorterThanFourOctetsShowsInNoBox) {
  Value() = "FFFFFFC0";
  binding_->ShowValues();
  ASSERT_EQ(Ticked().size(), 26);
  Value() = "F0F0";
  try {
    binding_->ShowValues();
    ADD_FAILURE() << "a two-octet list was shown";
  } catch (const ZnException& e) {
    EXPECT_EQ(e.Code(), -519);
  }
  EXPECT_EQ(Ticked(), QList<int>{});
}

}  // namespace
