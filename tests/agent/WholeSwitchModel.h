#pragma once

#include "DeviceParts.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A fixture for tests of the device model made of all its parts, as the agent serves it, without
// the agent around it: read an instance, apply a SET as one request with its undo.
namespace nx596::test {

inline Oid O(const std::string& text) {
  return *ParseOid(text);
}

inline SetVarbind Bytes(const std::string& name, std::string bytes) {
  return {O(name), asn::kOctetString, Value{std::move(bytes)}};
}

inline SetVarbind Number(const std::string& name, std::int64_t number) {
  return {O(name), asn::kInteger, Value{number}};
}

class WholeSwitchModel : public ::testing::Test {
 protected:
  WholeSwitchModel() : model_(ModelOfParts(DeviceParts())) {}

  std::optional<Value> At(const std::string& instance) const {
    const auto [found, cell] = model_->Get(O(instance));
    if (found != DeviceModel::Lookup::kFound) return std::nullopt;
    return cell->value;
  }
  std::uint64_t Count(const std::string& instance) const {
    return std::get<std::uint64_t>(*At(instance));
  }
  std::size_t Rows(const std::string& column) const { return model_->Indexes(O(column)).size(); }
  SetCheck Set(std::vector<SetVarbind> varbinds) {
    const SetCheck check = model_->Check(varbinds);
    undo_ = SetUndo();  // one per request, as the agent keeps it
    if (check.error == SetError::kNoError) model_->Apply(varbinds, undo_);
    return check;
  }

  std::unique_ptr<DeviceModel> model_;
  SetUndo undo_;
};

}  // namespace nx596::test
