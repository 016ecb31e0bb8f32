#pragma once

#include "ZnSNMPVarList.h"

#include <utility>
#include <vector>

// Leaves variables of a list out of the next write (their access bit "invalid") for as long as
// it lives, and puts them back afterwards, also when the write raises.
class ZnLeftOutOfWrite {
 public:
  ZnLeftOutOfWrite(ZnSNMPVarList& list, std::vector<int> variables)
      : list_(list), variables_(std::move(variables)) {
    for (int i : variables_) list_.Item(i).Access |= ZnAccess::Invalid;
  }
  ~ZnLeftOutOfWrite() {
    for (int i : variables_) list_.Item(i).Access &= ~ZnAccess::Invalid;
  }
  ZnLeftOutOfWrite(const ZnLeftOutOfWrite&) = delete;
  ZnLeftOutOfWrite& operator=(const ZnLeftOutOfWrite&) = delete;

 private:
  ZnSNMPVarList& list_;
  std::vector<int> variables_;
};
