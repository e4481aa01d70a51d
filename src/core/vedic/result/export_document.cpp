// SPDX-License-Identifier: MIT
#include "core/vedic/result/export_document.h"

#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

namespace {

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kBlack{0, 0, 0};

void Credit(ReportDocument& document, std::optional<Rgb> color = std::nullopt) {
  document.push_back({kCreditLine, false, color});
}

std::string Text(const PageTexts& page, std::string_view field) {
  const auto it = page.find(std::string(field));
  return it == page.end() ? std::string() : it->second;
}

// Heading with the person's name, then every field with its label, each block
// followed by a credit line, then the closing heading and paragraph.
template <typename Fields>
ReportDocument InformationDocument(const char* heading, const PersonDetails& person,
                                   const PageTexts& page, const Fields& fields) {
  ReportDocument doc;
  doc.push_back({heading, true, kBlue});
  doc.push_back({person.Name + kCrLf + kCrLf, false, kBlack});
  Credit(doc);
  for (const auto& field : fields) {
    doc.push_back({std::string(field.Label), true, kBlue});
    doc.push_back({Text(page, field.Name) + kCrLf + kCrLf, false, kBlack});
    Credit(doc);
  }
  doc.push_back({std::string(kClosingHeading) + kCrLf, true, kBlue});
  doc.push_back({kClosingParagraph, false, kBlack});
  return doc;
}

template <typename Record, typename Fields>
PageTexts Page(const Record* record, const Fields& fields) {
  PageTexts page;
  for (const auto& field : fields) {
    page[std::string(field.Name)] = record != nullptr ? std::string(record->*field.Member) : "";
  }
  return page;
}

}  // namespace

ExportInputs MakeExportInputs(const MatchState& state, const MatchResult& result) {
  ExportInputs in;
  in.BoyDetails = state.BoyDetails;
  in.GirlDetails = state.GirlDetails;
  in.BirthDetailsStored = state.BirthDetailsStored;
  in.Grid = result.Grid;
  in.Kootas = result.Kootas;
  in.Significance = result.Texts.KootaSignificance;
  in.BoyRashi = Page(FindRashi(state.BoyRashi), kRashiFields);
  in.GirlRashi = Page(FindRashi(state.GirlRashi), kRashiFields);
  in.BoyNakshatra = Page(FindNakshatraRecord(state.BoyNakshatra), kNakshatraFields);
  in.GirlNakshatra = Page(FindNakshatraRecord(state.GirlNakshatra), kNakshatraFields);
  return in;
}

ReportDocument BuildExportDocument(int tab, const ExportInputs& inputs) {
  switch (tab) {
    case kTabKundaliMatch:
      return ComposeMatchReport(inputs.BoyDetails, inputs.GirlDetails, inputs.BirthDetailsStored,
                                inputs.Grid, inputs.Kootas, inputs.Significance, kCreditLine,
                                inputs.ChartsSection);
    case kTabChartsAndDoshas: {
      if (inputs.ChartsSection.empty()) {
        return {};
      }
      ReportDocument doc = inputs.ChartsSection;
      doc.push_back({std::string(kClosingHeading) + kCrLf, true, kBlue});
      doc.push_back({kClosingParagraph, false, kBlack});
      return doc;
    }
    case kTabBoyRashi:
      return InformationDocument("Rashi Information of ", inputs.BoyDetails, inputs.BoyRashi,
                                 kRashiFields);
    case kTabGirlRashi:
      return InformationDocument("Rashi Information of ", inputs.GirlDetails, inputs.GirlRashi,
                                 kRashiFields);
    case kTabBoyNakshatra:
      return InformationDocument("Nakshatra Information of ", inputs.BoyDetails,
                                 inputs.BoyNakshatra, kNakshatraFields);
    case kTabGirlNakshatra:
      return InformationDocument("Nakshatra Information of ", inputs.GirlDetails,
                                 inputs.GirlNakshatra, kNakshatraFields);
    default:
      return {};
  }
}

}  // namespace lumora
