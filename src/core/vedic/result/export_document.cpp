// SPDX-License-Identifier: MIT
#include "core/vedic/result/export_document.h"

#include "core/ephemeris/zodiac.h"
#include "core/vedic/porutham/porutham_words.h"

namespace lumora {

namespace {

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kBlack{0, 0, 0};

void Credit(ReportDocument& document, std::optional<Rgb> color = std::nullopt) {
  document.push_back({kCreditLine, false, color});
}

// Heading with the person's name, then every field with its label, each block
// followed by a credit line, then the closing heading and paragraph.
template <typename Record, typename Fields>
ReportDocument InformationDocument(const char* heading, const PersonDetails& person,
                                   const std::optional<Record>& record, const Fields& fields) {
  ReportDocument doc;
  doc.push_back({heading, true, kBlue});
  doc.push_back({person.Name + kCrLf + kCrLf, false, kBlack});
  Credit(doc);
  for (const auto& field : fields) {
    doc.push_back({std::string(field.Label), true, kBlue});
    doc.push_back({RecordFieldText(record, field) + kCrLf + kCrLf, false, kBlack});
    Credit(doc);
  }
  doc.push_back({std::string(kClosingHeading) + kCrLf, true, kBlue});
  doc.push_back({kClosingParagraph, false, kBlack});
  return doc;
}

}  // namespace

ExportInputs MakeExportInputs(const MatchState& state, const MatchResult& result) {
  ExportInputs in;
  in.BoyDetails = state.BoyDetails;
  in.GirlDetails = state.GirlDetails;
  in.BirthDetailsStored = state.BirthDetailsStored;
  in.PoruthamSection = ComposePoruthamReport(result.Poruthams, result.Pair, result.Papasamyam);
  in.Match = result;
  in.BoyRashi = RashiRecordOf(kSignNames[static_cast<std::size_t>(state.Boy.Sign)]);
  in.GirlRashi = RashiRecordOf(kSignNames[static_cast<std::size_t>(state.Girl.Sign)]);
  in.BoyNakshatra =
      NakshatraRecordOf(kNakshatraNames[static_cast<std::size_t>(state.Boy.Nakshatra)]);
  in.GirlNakshatra =
      NakshatraRecordOf(kNakshatraNames[static_cast<std::size_t>(state.Girl.Nakshatra)]);
  return in;
}

std::optional<RashiRecord> RashiRecordOf(std::string_view english_name) {
  const RashiRecord* record = FindRashi(english_name);
  return record != nullptr ? std::optional<RashiRecord>(*record) : std::nullopt;
}

std::optional<NakshatraRecord> NakshatraRecordOf(std::string_view nakshatra_name) {
  const NakshatraRecord* record = FindNakshatraRecord(nakshatra_name);
  return record != nullptr ? std::optional<NakshatraRecord>(*record) : std::nullopt;
}

ReportDocument BuildExportDocument(int tab, const ExportInputs& inputs) {
  switch (tab) {
    case kTabKundaliMatch: {
      // After the kootas: the poruthams, the charts section, then the timing section, as in
      // the match document.
      ReportDocument after_kootas = inputs.PoruthamSection;
      after_kootas.insert(after_kootas.end(), inputs.ChartsSection.begin(),
                          inputs.ChartsSection.end());
      after_kootas.insert(after_kootas.end(), inputs.TimingSection.begin(),
                          inputs.TimingSection.end());
      return ComposeMatchReport(inputs.BoyDetails, inputs.GirlDetails, inputs.BirthDetailsStored,
                                inputs.Match, kCreditLine, after_kootas);
    }
    case kTabChartsAndDoshas: {
      if (inputs.ChartsSection.empty()) {
        return {};
      }
      ReportDocument doc = inputs.ChartsSection;
      doc.push_back({std::string(kClosingHeading) + kCrLf, true, kBlue});
      doc.push_back({kClosingParagraph, false, kBlack});
      return doc;
    }
    case kTabTiming: {
      if (inputs.TimingSection.empty()) {
        return {};
      }
      ReportDocument doc = inputs.TimingSection;
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
