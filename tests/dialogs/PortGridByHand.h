#pragma once

#include "TPortUitForm.h"
#include "UserDriver.h"

#include <gtest/gtest.h>

#include <QCheckBox>

#include <algorithm>
#include <initializer_list>

// Clicks the boxes of the grid until exactly `ports` are ticked. A box a person cannot see (a
// port the model lacks, a grid on another page) fails when it would have to change.
inline ::testing::AssertionResult TickPortsByHand(TPortUitForm* grid,
                                                  std::initializer_list<int> ports) {
  for (int k = 0; k < grid->PortBoxes.size(); ++k) {
    QCheckBox* box = grid->PortBoxes[k];
    const bool wanted = std::find(ports.begin(), ports.end(), k + 1) != ports.end();
    if (box->isChecked() == wanted) continue;
    if (auto ticked = user::Tick(box, wanted); !ticked) return ticked << " (port " << k + 1 << ")";
  }
  return ::testing::AssertionSuccess();
}
