// SPDX-License-Identifier: MIT
#include "cli/porutham_json.h"

namespace lumora::cli {

void AddPoruthamSummaryJson(Json& out, const PoruthamMatch& match) {
  out["PoruthamCount"] = match.Count;
  Json vetoes = Json::array();
  for (const Porutham veto : match.Vetoes) {
    vetoes.push_back(std::string(kPoruthamNames[static_cast<std::size_t>(veto)]));
  }
  out["PoruthamVetoes"] = std::move(vetoes);
  out["PoruthamVerdict"] =
      std::string(kPoruthamVerdictNames[static_cast<std::size_t>(match.Verdict)]);
}

void AddPoruthamJson(Json& out, const PoruthamMatch& match) {
  Json poruthams = Json::array();
  for (const PoruthamResult& result : match.Poruthams) {
    Json item;
    item["Name"] = std::string(kPoruthamNames[static_cast<std::size_t>(result.Which)]);
    item["Agrees"] = result.Agrees;
    item["Count"] = result.Count ? Json(*result.Count) : Json(nullptr);
    item["Group"] =
        result.Group ? Json(std::string(kRajjuGroupNames[static_cast<std::size_t>(*result.Group)]))
                     : Json(nullptr);
    poruthams.push_back(std::move(item));
  }
  out["Poruthams"] = std::move(poruthams);
  AddPoruthamSummaryJson(out, match);
}

Json PapasamyamJson(const PapasamyamResult& result) {
  Json contributions = Json::array();
  for (const PapaPlacement& placement : result.Contributions()) {
    Json item;
    item["Person"] = placement.Boy ? "Boy" : "Girl";
    item["Planet"] = std::string(kGrahaNames[static_cast<std::size_t>(placement.Planet)].Name);
    item["From"] = std::string(kPapaReferenceNames[static_cast<std::size_t>(placement.From)]);
    item["House"] = placement.House;
    item["Points"] = placement.Points;
    contributions.push_back(std::move(item));
  }
  Json out;
  out["Boy"] = result.Boy;
  out["Girl"] = result.Girl;
  out["Agrees"] = result.Agrees;
  out["Contributions"] = std::move(contributions);
  return out;
}

}  // namespace lumora::cli
