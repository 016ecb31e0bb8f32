#pragma once

#include "ZnException.h"

#include <functional>

// The code of the ZnException an action raises, 0 when it raises none.
inline int CodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ZnException& e) {
    return e.Code();
  }
  return 0;
}
