#include "core/vedic/result/export_document.h"

#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

namespace {

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kBlack{0, 0, 0};

void Credit(ReportDocument& document, std::optional<Rgb> color = std::nullopt) {
  document.push_back({kCreditLine, false, color});
}

std::string Text(const PageTexts& page, std::string_view field) {
  const auto it = page.find(std::string(field));
  return it == page.end() ? std::string() : it->second;
}

// The match report with a credit line after each person, after the verdict and
// after each koota's significance.
ReportDocument MatchDocument(const ExportInputs& in) {
  ReportDocument doc;
  doc.push_back({std::string("Your Details:") + kCrLf, true, std::nullopt});
  AppendPersonRuns(doc, in.BoyDetails);
  Credit(doc);
  doc.push_back({std::string("Your Partner's Details:") + kCrLf, true, std::nullopt});
  AppendPersonRuns(doc, in.GirlDetails);
  Credit(doc);
  doc.push_back({in.Grid[43] + kCrLf, true, kBlue});
  doc.push_back({in.Grid[42] + kCrLf + kCrLf, true, kBlue});
  Credit(doc, kBlue);
  for (int k = 0; k < kKootaCount; ++k) {
    const std::string word(kKootas[k].Word);
    const Rgb line = kKootas[k].LineColor;
    doc.push_back({"Guna: " + word + " Kuta" + kCrLf, true, kRed});
    doc.push_back({"Maximum Points: " + in.Grid[5 * k + 2] + kCrLf, false, kRed});
    doc.push_back({"Points Obtained: " + in.Grid[5 * k + 3] + kCrLf, false, kRed});
    doc.push_back({"Area of Life: " + in.Grid[5 * k + 4] + kCrLf, false, kRed});
    doc.push_back({in.BoyDetails.Name + " belongs to " + in.Kootas[k].BoyValue + " " + word + kCrLf,
                   false, line});
    doc.push_back(
        {in.GirlDetails.Name + " belongs to " + in.Kootas[k].GirlValue + " " + word + kCrLf, false,
         line});
    doc.push_back({"Significance Of " + word + " Kuta" + kCrLf, true, kTeal});
    doc.push_back({in.Significance[k] + kCrLf + kCrLf, false, kBlack});
    Credit(doc, kBlack);
  }
  doc.push_back({std::string(kClosingHeading) + kCrLf, true, kRed});
  doc.push_back({kClosingParagraph, false, kRed});
  return doc;
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

}  // namespace

ReportDocument BuildExportDocument(int tab, const ExportInputs& inputs) {
  switch (tab) {
    case kTabKundaliMatch:
      return MatchDocument(inputs);
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
