#include "DeviceParts.h"
#include "MibValue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

// The parts of the simulated switch make one consistent device: every part loads beside every
// other, and each object lies in a subtree its part has the agent serve.
namespace {

bool Under(const nx596::Oid& name, const char* subtree) {
  const auto root = nx596::ParseOid(subtree);
  return root && name.size() > root->size() && std::equal(root->begin(), root->end(), name.begin());
}

TEST(DevicePartsTest, AllPartsMakeOneSwitch) {
  std::unique_ptr<nx596::DeviceModel> model;
  try {
    model = nx596::ModelOfParts(nx596::DeviceParts());
  } catch (const std::invalid_argument& mistake) {
    FAIL() << mistake.what();
  }
  ASSERT_NE(model, nullptr);
  const std::vector<nx596::DevicePart> parts = nx596::DeviceParts();
  const std::vector<const char*> subtrees = nx596::AllSubtrees(parts);
  for (const nx596::DevicePart& part : parts)
    for (const nx596::ObjectDefinition& object : part.objects) {
      const auto name = nx596::ParseOid(object.oid);
      ASSERT_TRUE(name) << object.name;
      bool served = false;
      for (const char* subtree : subtrees) served = served || Under(*name, subtree);
      EXPECT_TRUE(served) << object.name << " lies outside every subtree the agent serves";
    }
}

TEST(DevicePartsTest, AValueSeededByTwoPartsIsRefused) {
  std::vector<nx596::DevicePart> parts = nx596::DeviceParts();
  ASSERT_FALSE(parts.front().seed.empty());
  nx596::DevicePart twice;
  twice.seed = parts.front().seed.first(1);
  parts.push_back(twice);
  EXPECT_THROW(nx596::ModelOfParts(parts), std::invalid_argument);
}

}  // namespace
