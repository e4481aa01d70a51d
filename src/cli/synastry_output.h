// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "cli/cli_io.h"
#include "core/western/synastry/synastry.h"

namespace lumora::cli {

// --orbs, --minor and --houses, shared by `western --synastry` and `synastry`.
struct SynastryFlags {
  std::string orbs = "standard";
  bool minor = false;
  std::string houses = "placidus";

  SynastryOptions Options() const;
};

void AddSynastryOptions(CLI::App* command, SynastryFlags& flags);

// The Synastry object: Aspects, HouseOverlays, Composite, Davison, and Notes where a
// chart's Placidus houses fell back to equal houses.
Json SynastryJson(const SynastryReading& reading);

}  // namespace lumora::cli
