// SPDX-License-Identifier: MIT
#include "core/glossary/western_phrases.h"

#include "core/western/western_document.h"

namespace lumora {

namespace {

// The report's own English, byte for byte as it has always been written.
constexpr WesternPhrases kEnglish{
    .Title = "Western Compatibility: {0} and {1}",
    .PairLine = "{0} and {1}",
    .MaleName = "Male",
    .FemaleName = "Female",
    .MaleColumn = "Male:",
    .FemaleColumn = "Female:",
    .DetailRows = {"Name:", "Date of Birth:", "Time of Birth:", "City:", "State:", "Country:",
                   "Coordinates:", "Clock:"},
    .NatalPositions = "Natal Position Data:",
    .Points = kWesternPointCaptions,
    .CompatibilityReport = "Compatibility Report:",
    .Figures = {"Power", "Harmony", "P * H", "Percentage", "Comment"},
    .Comments = {"Very Bad", "Bad", "Average", "Good", "Very Good"},
    .Synastry = "Synastry",
    .GridNote =
        "Aspects between the charts: {0}'s points down the side, {1}'s across the top. "
        "Each cell gives the aspect, its orb and A for applying or S for separating.",
    .HouseOverlays = "House overlays",
    .HousesLine = "{0}'s houses: {1}. {2}'s houses: {3}.",
    .InHouseOf = "{0} in {1}'s house",
    .CompositeAndDavison = "Composite and Davison charts",
    .CompositeNote =
        "Composite: each point at the midpoint of its two places. Davison: the "
        "chart of {0}.",
    .Composite = "Composite",
    .Davison = "Davison",
    .WheelCaption = "{0} (inside) and {1} (outside)",
    .HouseSystems = {"Placidus", "Whole sign", "Equal"},
    .PlacidusFellBack = "{0} (Placidus does not exist beyond 66\u00B0 of latitude)",
    .CreditLine = "Data compiled by {0}",
    .KeyLabels = {"Positions",
                  "Point",
                  "Male",
                  "Male longitude",
                  "Female",
                  "Female longitude",
                  "Western score",
                  "Power",
                  "Harmony",
                  "Power times harmony",
                  "Percentage",
                  "Comment",
                  "Report",
                  "Male name",
                  "Male date of birth",
                  "Male time of birth",
                  "Male coordinates and clock",
                  "Male city",
                  "Male state",
                  "Male country",
                  "Female name",
                  "Female date of birth",
                  "Female time of birth",
                  "Female coordinates and clock",
                  "Female city",
                  "Female state",
                  "Female country"},
};

// Hindi: the planets as the Hindi almanacs name them, the outer planets by the names of
// Hindi astronomy books (अरुण, वरुण, यम); the rest written for this program.
constexpr WesternPhrases kHindi{
    .Title = "पाश्चात्य अनुकूलता: {0} और {1}",
    .PairLine = "{0} और {1}",
    .MaleName = "पुरुष",
    .FemaleName = "स्त्री",
    .MaleColumn = "पुरुष",
    .FemaleColumn = "स्त्री",
    .DetailRows = {"नाम", "जन्म तिथि", "जन्म समय", "शहर", "राज्य", "देश", "अक्षांश-देशान्तर", "समय क्षेत्र"},
    .NatalPositions = "जन्म के समय ग्रहों की स्थिति",
    .Points = {"सूर्य", "चन्द्र", "बुध", "शुक्र", "मंगल", "गुरु", "शनि", "अरुण", "वरुण", "यम", "राहु", "केतु",
               "लग्न", "मध्याकाश"},
    .CompatibilityReport = "अनुकूलता विवरण",
    .Figures = {"शक्ति", "सामंजस्य", "शक्ति × सामंजस्य", "प्रतिशत", "टिप्पणी"},
    .Comments = {"बहुत खराब", "खराब", "औसत", "अच्छा", "बहुत अच्छा"},
    .Synastry = "दो कुंडलियों का मेल",
    .GridNote =
        "दोनों कुंडलियों के बीच के दृष्टि-सम्बन्ध: {0} के ग्रह बाईं ओर, {1} के ऊपर। "
        "हर खाने में सम्बन्ध, उसका अंतर, और निकट आते हुए के लिए A या दूर जाते हुए के "
        "लिए S।",
    .HouseOverlays = "एक-दूसरे के भावों में ग्रह",
    .HousesLine = "{0} के भाव: {1}। {2} के भाव: {3}।",
    .InHouseOf = "{0} के ग्रह {1} के भाव में",
    .CompositeAndDavison = "संयुक्त और डेविसन कुंडली",
    .CompositeNote = "संयुक्त: हर ग्रह अपनी दोनों स्थितियों के मध्य में। डेविसन: {0} की कुंडली।",
    .Composite = "संयुक्त",
    .Davison = "डेविसन",
    .WheelCaption = "{0} (भीतर) और {1} (बाहर)",
    .HouseSystems = {"प्लेसिडस", "सम्पूर्ण राशि भाव", "सम भाव"},
    .PlacidusFellBack = "{0} (66\u00B0 अक्षांश से आगे प्लेसिडस भाव नहीं बनते)",
    .CreditLine = "आँकड़े {0} द्वारा संकलित",
    .KeyLabels = {"ग्रह स्थितियाँ",
                  "ग्रह",
                  "पुरुष",
                  "पुरुष: भोगांश",
                  "स्त्री",
                  "स्त्री: भोगांश",
                  "पाश्चात्य अंक",
                  "शक्ति",
                  "सामंजस्य",
                  "शक्ति × सामंजस्य",
                  "प्रतिशत",
                  "टिप्पणी",
                  "विवरण",
                  "पुरुष का नाम",
                  "पुरुष की जन्म तिथि",
                  "पुरुष का जन्म समय",
                  "पुरुष के अक्षांश-देशान्तर और समय",
                  "पुरुष का शहर",
                  "पुरुष का राज्य",
                  "पुरुष का देश",
                  "स्त्री का नाम",
                  "स्त्री की जन्म तिथि",
                  "स्त्री का जन्म समय",
                  "स्त्री के अक्षांश-देशान्तर और समय",
                  "स्त्री का शहर",
                  "स्त्री का राज्य",
                  "स्त्री का देश"},
};

// Tamil: the planets as the Tamil panchangams name them, the outer planets in the
// transliteration Tamil astronomy writing uses; the rest written for this program.
constexpr WesternPhrases kTamil{
    .Title = "மேற்கத்திய பொருத்தம்: {0} – {1}",
    .PairLine = "{0} – {1}",
    .MaleName = "ஆண்",
    .FemaleName = "பெண்",
    .MaleColumn = "ஆண்",
    .FemaleColumn = "பெண்",
    .DetailRows = {"பெயர்", "பிறந்த தேதி", "பிறந்த நேரம்", "நகரம்", "மாநிலம்", "நாடு",
                   "அட்சரேகை, தீர்க்கரேகை", "நேர மண்டலம்"},
    .NatalPositions = "பிறப்பின் போது கிரக நிலைகள்",
    .Points = {"சூரியன்", "சந்திரன்", "புதன்", "சுக்கிரன்", "செவ்வாய்", "குரு", "சனி", "யுரேனஸ்", "நெப்டியூன்",
               "புளூட்டோ", "ராகு", "கேது", "லக்னம்", "நடுவானம்"},
    .CompatibilityReport = "பொருத்த அறிக்கை",
    .Figures = {"வலிமை", "இசைவு", "வலிமை × இசைவு", "சதவீதம்", "கருத்து"},
    .Comments = {"மிக மோசம்", "மோசம்", "சராசரி", "நன்று", "மிக நன்று"},
    .Synastry = "இரு ஜாதகங்களின் ஒப்பீடு",
    .GridNote =
        "இரு ஜாதகங்களுக்கு இடையிலான பார்வைகள்: {0} அவர்களின் கிரகங்கள் இடப்புறம், {1} "
        "அவர்களின் கிரகங்கள் மேலே. ஒவ்வொரு கட்டத்திலும் பார்வை, அதன் இடைவெளி, நெருங்குவதற்கு "
        "A அல்லது விலகுவதற்கு S.",
    .HouseOverlays = "ஒருவர் பாவங்களில் மற்றவரின் கிரகங்கள்",
    .HousesLine = "{0} அவர்களின் பாவங்கள்: {1}. {2} அவர்களின் பாவங்கள்: {3}.",
    .InHouseOf = "{1} பாவங்களில் {0}",
    .CompositeAndDavison = "கூட்டு மற்றும் டேவிசன் ஜாதகங்கள்",
    .CompositeNote = "கூட்டு: ஒவ்வொரு கிரகமும் அதன் இரு இடங்களின் நடுவில். டேவிசன்: {0} ஜாதகம்.",
    .Composite = "கூட்டு",
    .Davison = "டேவிசன்",
    .WheelCaption = "{0} (உள்ளே), {1} (வெளியே)",
    .HouseSystems = {"பிளாசிடஸ்", "முழு ராசி பாவம்", "சம பாவம்"},
    .PlacidusFellBack = "{0} (66\u00B0 அட்சரேகைக்கு அப்பால் பிளாசிடஸ் பாவங்கள் அமைவதில்லை)",
    .CreditLine = "தரவு தொகுப்பு: {0}",
    .KeyLabels = {"கிரக நிலைகள்",
                  "கிரகம்",
                  "ஆண்",
                  "ஆண்: பாகை",
                  "பெண்",
                  "பெண்: பாகை",
                  "மேற்கத்திய மதிப்பெண்",
                  "வலிமை",
                  "இசைவு",
                  "வலிமை × இசைவு",
                  "சதவீதம்",
                  "கருத்து",
                  "அறிக்கை",
                  "ஆணின் பெயர்",
                  "ஆணின் பிறந்த தேதி",
                  "ஆணின் பிறந்த நேரம்",
                  "ஆணின் அட்சரேகை, தீர்க்கரேகை, நேரம்",
                  "ஆணின் நகரம்",
                  "ஆணின் மாநிலம்",
                  "ஆணின் நாடு",
                  "பெண்ணின் பெயர்",
                  "பெண்ணின் பிறந்த தேதி",
                  "பெண்ணின் பிறந்த நேரம்",
                  "பெண்ணின் அட்சரேகை, தீர்க்கரேகை, நேரம்",
                  "பெண்ணின் நகரம்",
                  "பெண்ணின் மாநிலம்",
                  "பெண்ணின் நாடு"},
};

}  // namespace

const WesternPhrases& WesternPhrasesOf(Language language) {
  switch (language) {
    case Language::Hindi:
      return kHindi;
    case Language::Tamil:
      return kTamil;
    case Language::English:
      break;
  }
  return kEnglish;
}

std::string_view WesternCommentWord(Language language, std::string_view english) {
  for (std::size_t i = 0; i < kEnglish.Comments.size(); ++i) {
    if (kEnglish.Comments[i] == english) {
      return WesternPhrasesOf(language).Comments[i];
    }
  }
  return english;
}

}  // namespace lumora
