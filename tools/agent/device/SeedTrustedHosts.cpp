#include "SeedTrustedHosts.h"

#include "DeviceRules.h"

namespace nx596 {

DevicePart TrustedHostsPart() {
  DevicePart part;
  // A host beyond the tenth has no index to take: creating one is refused with noCreation.
  part.rules.push_back(std::make_shared<RowIndexRule>("1.3.6.1.4.1.99917.12.1.2.10.1.1.3", 1, 10,
                                                      std::vector<std::uint32_t>{}));
  return part;
}

}  // namespace nx596
