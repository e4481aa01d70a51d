// SPDX-License-Identifier: MIT
#pragma once

#include "core/form_result.h"
#include "core/western/synastry/synastry_chart.h"
#include "core/western/western_form.h"

namespace lumora {

// The synastry of the Western form's two persons, A the male panel and B the female,
// from the precise ephemeris at each birth's instant and place; or the form's message.
FormResult<SynastryReading> WesternFormSynastry(const WesternForm& form,
                                                const SynastryOptions& options);

}  // namespace lumora
