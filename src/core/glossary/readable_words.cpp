// SPDX-License-Identifier: MIT
#include "core/glossary/readable_words.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/ephemeris/chart_points.h"
#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/glossary/western_phrases.h"
#include "core/vedic/match/koota_texts.h"

namespace lumora {

namespace {

// Written for this program in the words of the Hindi and Tamil panchangas and jataka
// booklets the phrase tables follow (सायन/निरयण, சாயன/நிராயன for tropical and sidereal,
// भोगांश/பாகை for a longitude, दशा स्वामी/தசா நாதன் for a dasha lord), and of the
// everyday words of maps and clocks (अक्षांश/அட்சரேகை, समय क्षेत्र/நேர மண்டலம்).
constexpr std::array<ReadableWords, 92> kKeyWords{{
    // The Moon of a birth moment.
    {"UT", "सार्वत्रिक समय (घंटे)", "சர்வதேச நேரம் (மணி)"},
    {"T", "J2000.0 से जूलियन शताब्दियाँ", "J2000.0 முதல் ஜூலியன் நூற்றாண்டுகள்"},
    {"JulianDay", "जूलियन दिन", "ஜூலியன் நாள்"},
    {"TropicalLongitude", "सायन भोगांश", "சாயன பாகை"},
    {"AyanamsaCorrection", "अयनांश संशोधन", "அயனாம்சத் திருத்தம்"},
    {"SiderealLongitude", "निरयण भोगांश", "நிராயன பாகை"},
    {"MoonLongitudeText", "चन्द्र स्पष्ट", "சந்திர ஸ்புடம்"},
    {"MoonSignName", "चन्द्र राशि", "சந்திர ராசி"},
    {"NakshatraName", "नक्षत्र", "நட்சத்திரம்"},
    {"MoonModel", "चन्द्र गणना", "சந்திரக் கணிப்பு"},
    {"TimeZone", "समय क्षेत्र", "நேர மண்டலம்"},
    {"UtcOffsetSeconds", "UTC से अन्तर (सेकंड)", "UTC வேறுபாடு (விநாடி)"},
    {"Abbreviation", "संक्षेप", "சுருக்கம்"},
    {"Grid", "सारणी के खाने", "அட்டவணைக் கட்டங்கள்"},
    {"PointsByKoota", "कूटवार अंक", "கூட வாரியான புள்ளிகள்"},
    {"Report", "विवरण", "அறிக்கை"},
    {"Text", "पाठ", "உரை"},
    {"Bold", "मोटा", "தடித்த"},
    {"Color", "रंग", "நிறம்"},
    {"Note", "टिप्पणी", "குறிப்பு"},
    // Charts, Manglik and the birth-time windows.
    {"Degrees", "अंश", "பாகை"},
    {"Retrograde", "वक्री", "வக்கிரம்"},
    {"Speeds", "दैनिक गति", "தினசரி வேகம்"},
    {"FromLagna", "लग्न से", "லக்னத்திலிருந்து"},
    {"FromMoon", "चन्द्र से", "சந்திரனிலிருந்து"},
    {"FromVenus", "शुक्र से", "சுக்கிரனிலிருந்து"},
    {"House", "भाव", "பாவம்"},
    {"Dosha", "दोष", "தோஷம்"},
    {"Present", "उपस्थित", "உள்ளது"},
    {"BoyTimeWindows", "वर के जन्म-समय की सीमाएँ", "மணமகன் பிறப்பு நேர வரம்புகள்"},
    {"GirlTimeWindows", "कन्या के जन्म-समय की सीमाएँ", "மணமகள் பிறப்பு நேர வரம்புகள்"},
    {"Nakshatra", "नक्षत्र", "நட்சத்திரம்"},
    {"Minutes", "मिनट", "நிமிடங்கள்"},
    {"Lowest", "न्यूनतम", "குறைந்தபட்சம்"},
    {"Highest", "अधिकतम", "அதிகபட்சம்"},
    {"Count", "गणना", "எண்ணிக்கை"},
    {"Group", "रज्जु", "ரஜ்ஜு"},
    {"Contributions", "योगदान", "பங்களிப்புகள்"},
    {"Person", "व्यक्ति", "நபர்"},
    {"Planet", "ग्रह", "கிரகம்"},
    {"JulianDayUT", "जूलियन दिन (UT)", "ஜூலியன் நாள் (UT)"},
    {"DeltaT", "डेल्टा T (सेकंड)", "டெல்டா T (விநாடி)"},
    {"Tropical", "सायन", "சாயனம்"},
    {"Sidereal", "निरयण", "நிராயனம்"},
    // Two lunar theories compared.
    {"MoonComparison", "चन्द्र गणनाओं की तुलना", "சந்திரக் கணிப்புகளின் ஒப்பீடு"},
    {"BoyMoonComparison", "वर के चन्द्र की तुलना", "மணமகன் சந்திரன் ஒப்பீடு"},
    {"GirlMoonComparison", "कन्या के चन्द्र की तुलना", "மணமகள் சந்திரன் ஒப்பீடு"},
    {"StandardTropicalLongitude", "मानक गणना का सायन भोगांश", "தரநிலைக் கணிப்பின் சாயன பாகை"},
    {"PreciseTropicalLongitude", "सूक्ष्म गणना का सायन भोगांश", "நுண் கணிப்பின் சாயன பாகை"},
    {"DifferenceArcseconds", "अन्तर (विकला)", "வேறுபாடு (விகலை)"},
    {"StandardNakshatra", "मानक गणना का नक्षत्र", "தரநிலைக் கணிப்பின் நட்சத்திரம்"},
    {"StandardPada", "मानक गणना का पाद", "தரநிலைக் கணிப்பின் பாதம்"},
    {"PreciseNakshatra", "सूक्ष्म गणना का नक्षत्र", "நுண் கணிப்பின் நட்சத்திரம்"},
    {"PrecisePada", "सूक्ष्म गणना का पाद", "நுண் கணிப்பின் பாதம்"},
    {"NakshatraDiffers", "नक्षत्र भिन्न", "நட்சத்திரம் வேறுபடுகிறது"},
    {"PadaDiffers", "पाद भिन्न", "பாதம் வேறுபடுகிறது"},
    // Timing.
    {"MoonNakshatra", "चन्द्र नक्षत्र", "சந்திர நட்சத்திரம்"},
    {"BirthLord", "जन्म दशा स्वामी", "பிறப்பு தசா நாதன்"},
    {"BalanceYears", "शेष वर्ष", "மீதி ஆண்டுகள்"},
    {"Lord", "स्वामी", "நாதன்"},
    {"AtWedding", "विवाह के दिन", "திருமண நாளில்"},
    {"Date", "तिथि", "தேதி"},
    {"Antardashas", "अन्तर्दशाएँ", "புக்திகள்"},
    {"Pratyantardashas", "प्रत्यन्तर्दशाएँ", "அந்தரங்கள்"},
    {"Phase", "चरण", "கட்டம்"},
    {"DaysApart", "दिनों का अन्तर", "நாள் இடைவெளி"},
    // Clocks and places.
    {"Readings", "घड़ी के पाठ", "கடிகார வாசிப்புகள்"},
    {"IsDaylight", "ग्रीष्म समय", "பகலொளி நேரம்"},
    {"ZoneHour", "क्षेत्र के घंटे", "மண்டல மணி"},
    {"ZoneMinute", "क्षेत्र के मिनट", "மண்டல நிமிடம்"},
    {"ZoneIsEast", "क्षेत्र पूर्व में", "மண்டலம் கிழக்கில்"},
    {"IsDST", "ग्रीष्म समय लागू", "பகலொளி நேரம் உண்டு"},
    {"State", "राज्य", "மாநிலம்"},
    {"Country", "देश", "நாடு"},
    {"CountryCode", "देश कोड", "நாட்டுக் குறியீடு"},
    {"Latitude", "अक्षांश", "அட்சரேகை"},
    {"Longitude", "देशान्तर", "தீர்க்கரேகை"},
    {"Population", "जनसंख्या", "மக்கள் தொகை"},
    {"Id", "क्रमांक", "அடையாள எண்"},
    // A refused input.
    {"Icon", "प्रकार", "வகை"},
    {"Focus", "सुधारने का स्थान", "திருத்த வேண்டிய இடம்"},
    // Synastry.
    {"Aspects", "दृष्टियाँ", "பார்வைகள்"},
    {"Aspect", "दृष्टि", "பார்வை"},
    {"Orb", "अंतर (अंश)", "இடைவெளி (பாகை)"},
    {"Applying", "निकट आती", "நெருங்குகிறது"},
    {"HouseOverlays", "भावों में ग्रह", "பாவங்களில் கிரகங்கள்"},
    {"Composite", "संयुक्त कुंडली", "கூட்டு ஜாதகம்"},
    {"Davison", "डेविसन कुंडली", "டேவிசன் ஜாதகம்"},
    {"Synastry", "दो कुंडलियों की तुलना", "இரு ஜாதக ஒப்பீடு"},
    {"AInB", "A के बिंदु B के भावों में", "A-யின் புள்ளிகள் B-யின் பாவங்களில்"},
    {"BInA", "B के बिंदु A के भावों में", "B-யின் புள்ளிகள் A-யின் பாவங்களில்"},
    {"UniversalTime", "सार्वत्रिक समय", "சர்வதேச நேரம்"},
}};

// Values scripts read in English that a reader reads as words.
constexpr std::array<ReadableWords, 12> kValueWords{{
    {"Both", "दोनों", "இருவரும்"},
    {"Neither", "कोई नहीं", "யாருமில்லை"},
    {"error", "त्रुटि", "பிழை"},
    {"information", "सूचना", "தகவல்"},
    {"Precise", "सूक्ष्म", "நுண்ணிய"},
    {"Conjunction", "युति", "சேர்க்கை"},
    {"Opposition", "प्रतियुति", "எதிர்நிலை"},
    {"Trine", "नवपंचम", "திரிகோணம்"},
    {"Square", "केन्द्र", "கேந்திரம்"},
    {"Sextile", "षडंश", "அறுகோணம்"},
    {"SemiSextile", "अर्ध-षडंश", "அரை அறுகோணம்"},
    {"Quincunx", "षडाष्टक", "சஷ்டாஷ்டகம்"},
}};

// The controls of the birth-details and Western forms, by the name after the side letter
// ("cboMHH": "HH").
struct ControlWords {
  std::string_view Key;
  ReadableWords Words;
};

constexpr std::array<ControlWords, 24> kControlWords{{
    {"Name", {"name", "नाम", "பெயர்"}},
    {"Date", {"day of birth", "जन्म का दिन", "பிறந்த நாள்"}},
    {"Month", {"month of birth", "जन्म का माह", "பிறந்த மாதம்"}},
    {"Year", {"year of birth", "जन्म का वर्ष", "பிறந்த ஆண்டு"}},
    {"HH", {"hour of birth", "जन्म का घंटा", "பிறந்த மணி"}},
    {"MM", {"minute of birth", "जन्म का मिनट", "பிறந்த நிமிடம்"}},
    {"SS", {"second of birth", "जन्म का सेकंड", "பிறந்த விநாடி"}},
    {"City", {"city", "शहर", "நகரம்"}},
    {"State", {"state", "राज्य", "மாநிலம்"}},
    {"Country", {"country", "देश", "நாடு"}},
    {"LD", {"latitude degrees", "अक्षांश के अंश", "அட்சரேகை பாகை"}},
    {"LM", {"latitude minutes", "अक्षांश की कला", "அட்சரேகை கலை"}},
    {"LoD", {"longitude degrees", "देशान्तर के अंश", "தீர்க்கரேகை பாகை"}},
    {"LoM", {"longitude minutes", "देशान्तर की कला", "தீர்க்கரேகை கலை"}},
    {"North", {"latitude direction", "अक्षांश की दिशा", "அட்சரேகை திசை"}},
    {"South", {"latitude direction", "अक्षांश की दिशा", "அட்சரேகை திசை"}},
    {"East", {"longitude direction", "देशान्तर की दिशा", "தீர்க்கரேகை திசை"}},
    {"West", {"longitude direction", "देशान्तर की दिशा", "தீர்க்கரேகை திசை"}},
    {"Long", {"latitude direction", "अक्षांश की दिशा", "அட்சரேகை திசை"}},
    {"Lat", {"longitude direction", "देशान्तर की दिशा", "தீர்க்கரேகை திசை"}},
    {"ZoneHour", {"time-zone hours", "समय क्षेत्र के घंटे", "நேர மண்டல மணி"}},
    {"ZoneMinute", {"time-zone minutes", "समय क्षेत्र के मिनट", "நேர மண்டல நிமிடம்"}},
    {"TimeZone", {"time zone", "समय क्षेत्र", "நேர மண்டலம்"}},
    {"DST", {"daylight saving", "ग्रीष्म समय", "பகலொளி நேரம்"}},
}};

// "{0} of the male ({1})": {0} the control's words, {1} its name; the person first where
// the language's grammar would otherwise bend the words after it.
constexpr ReadableWords kOfMale{"{0} of the male ({1})", "पुरुष: {0} ({1})", "ஆண்: {0} ({1})"};
constexpr ReadableWords kOfFemale{"{0} of the female ({1})", "स्त्री: {0} ({1})", "பெண்: {0} ({1})"};

}  // namespace

std::string ControlInWords(Language language, const std::string& control) {
  if (control.size() < 5 || (control[3] != 'M' && control[3] != 'F')) {
    return control;
  }
  const std::string_view rest = std::string_view(control).substr(4);
  for (const ControlWords& words : kControlWords) {
    if (words.Key == rest) {
      return Fill((control[3] == 'M' ? kOfMale : kOfFemale).In(language),
                  {words.Words.In(language), control});
    }
  }
  return control;
}

std::span<const ReadableWords> ReadableKeyWords() {
  return kKeyWords;
}

std::span<const ReadableWords> ReadableValueWords() {
  return kValueWords;
}

std::optional<std::string_view> ReadableKeyWord(Language language, std::string_view key) {
  const auto row = RowOf(kKeyWords, key);
  return row ? std::optional(row->In(language)) : std::nullopt;
}

std::optional<std::string_view> ReadableValueWord(Language language, std::string_view english) {
  if (const auto row = RowOf(kValueWords, english)) {
    return row->In(language);
  }
  const Phrases& words = PhrasesOf(language);
  const Phrases& english_words = PhrasesOf(Language::English);
  for (std::size_t k = 0; k < kKootas.size(); ++k) {
    if (kKootas[k].AreaOfLife == english) {
      return words.AreasOfLife[k];
    }
  }
  for (std::size_t s = 0; s < english_words.TableSets.size(); ++s) {
    if (english_words.TableSets[s] == english) {
      return words.TableSets[s];
    }
  }
  if (english == english_words.Boy) {
    return words.Boy;
  }
  if (english == english_words.Girl) {
    return words.Girl;
  }
  if (english == GlossaryOf(Language::English).Lagna) {
    return GlossaryOf(language).Lagna;
  }
  for (std::size_t p = 0; p < kChartPointCount; ++p) {
    if (ChartPointName(static_cast<ChartPoint>(p)) == english) {
      return WesternPhrasesOf(language).Points[p];
    }
  }
  return std::nullopt;
}

}  // namespace lumora
