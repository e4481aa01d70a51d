// SPDX-License-Identifier: MIT
#include "core/western/synastry/western_synastry.h"

namespace lumora {

FormResult<SynastryReading> WesternFormSynastry(const WesternForm& form,
                                                const SynastryOptions& options) {
  auto read = ValidateWesternInput(form);
  if (auto* failure = std::get_if<FormFailure>(&read)) {
    return *failure;
  }
  const auto& panels = std::get<FormSides<WesternReading>>(read);
  return SynastryOfBirths(SynastryBirthOf(panels.Male.Data), SynastryBirthOf(panels.Female.Data),
                          options);
}

}  // namespace lumora
