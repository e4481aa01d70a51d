// SPDX-License-Identifier: MIT
#include "core/glossary/catalogue_words.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/glossary/glossary.h"
#include "core/text.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

namespace {

// Written for this program in the words of Hindi panchangs and Tamil panchangams where
// they describe a rashi or a nakshatra: स्वामी ग्रह/அதிபதி for the ruling planet, योनि/யோனி
// for the animal, चर-स्थिर-द्विस्वभाव/சரம்-ஸ்திரம்-உபயம் for the type of a sign, the
// three doors द्वार-बाह्य-गर्भ/த்வாரம்-பாஹ்யம்-கர்ப்பம், धातु-मूल-जीव/தாது-மூலம்-ஜீவன்,
// the nakshatras' natures ध्रुव, चर, मृदु, तीक्ष्ण, उग्र, क्षिप्र/உக்ரம், க்ஷிப்ரம் ..., the Tamil
// names of the four aims of life (அறம், பொருள், இன்பம், வீடுபேறு) and of the five elements
// (நிலம், நீர், நெருப்பு, காற்று, ஆகாயம்). Captions differing only in case or in
// punctuation ("Type of Sign: ", "Type Of Sign") are one row.
constexpr std::array<CatalogueWords, 56> kCaptionWords{{
    // The fields of a rashi.
    {"Vedic Name", "वैदिक नाम", "வடமொழிப் பெயர்"},
    {"English Name", "अंग्रेज़ी नाम", "ஆங்கிலப் பெயர்"},
    {"Ruling Planet", "स्वामी ग्रह", "அதிபதி"},
    {"Symbol", "प्रतीक", "சின்னம்"},
    {"Inborn Nature", "मूल तत्व", "இயல்புத் தத்துவம்"},
    {"Sign Color", "राशि का रंग", "ராசியின் நிறம்"},
    {"Type Of Sign", "राशि का प्रकार", "ராசியின் வகை"},
    {"Gender", "लिंग", "பாலினம்"},
    {"Best Period Of Activity", "सक्रियता का श्रेष्ठ समय", "சிறந்த செயல்பாட்டு நேரம்"},
    {"Barren / Fruitful", "बंध्या / फलदायी", "மலடு / பலன் தருவது"},
    {"Sign Caste", "राशि का वर्ण", "ராசியின் வர்ணம்"},
    {"Sign Position", "राशि की स्थिति", "ராசியின் நிலை"},
    {"Constituent Character", "धातु, मूल या जीव", "தாது, மூலம் அல்லது ஜீவன்"},
    {"Lucky Days", "शुभ दिन", "அதிர்ஷ்ட நாட்கள்"},
    {"Lucky Numbers", "शुभ अंक", "அதிர்ஷ்ட எண்கள்"},
    {"Best Direction", "शुभ दिशा", "உகந்த திசை"},
    {"Lucky Colors", "शुभ रंग", "அதிர்ஷ்ட நிறங்கள்"},
    {"Lucky Gemstone", "शुभ रत्न", "அதிர்ஷ்ட ரத்தினம்"},
    {"Part Of The Body", "शरीर का अंग", "உடல் உறுப்பு"},
    {"Physique", "कद-काठी", "உடல்வாகு"},
    {"Looks", "रूप-रंग", "தோற்றம்"},
    {"Look", "रूप", "தோற்றப் பொலிவு"},
    {"Nature", "स्वभाव", "இயல்பு"},
    {"Career And Finance", "व्यवसाय और धन", "தொழிலும் பொருளாதாரமும்"},
    {"Love And Domestic Life", "प्रेम और गृहस्थ जीवन", "காதலும் இல்லற வாழ்க்கையும்"},
    {"Love And Domestic", "प्रेम और गृहस्थी", "காதலும் இல்லறமும்"},
    {"Health", "स्वास्थ्य", "உடல்நலம்"},
    {"Compatible With", "अनुकूल राशियाँ", "பொருந்தும் ராசிகள்"},
    {"Not Compatible With", "प्रतिकूल राशियाँ", "பொருந்தாத ராசிகள்"},
    // The fields of a nakshatra.
    {"Ruling Deva", "अधिष्ठाता देवता", "அதிதேவதை"},
    {"Name Of Ruling Deva/Demi God", "अधिष्ठाता देवता का नाम", "அதிதேவதையின் பெயர்"},
    {"Purpose Of The Deva", "देवता की भूमिका", "தேவதையின் பொறுப்பு"},
    {"Animal Symbol", "योनि पशु", "யோனி விலங்கு"},
    {"Astronomical Name", "खगोलीय नाम", "வானியல் பெயர்"},
    {"Element", "तत्व", "பூதம்"},
    {"Element / Tatthwa", "तत्व", "பூதம் (தத்துவம்)"},
    {"Part Of Body", "शरीर का भाग", "உடல் பாகம்"},
    {"Nature Of Nakshatra", "नक्षत्र का स्वभाव", "நட்சத்திரத்தின் இயல்பு"},
    {"Purpose In Life", "जीवन का पुरुषार्थ", "வாழ்க்கையின் புருஷார்த்தம்"},
    {"Dosha", "दोष (प्रकृति)", "தோஷம் (உடல் இயல்பு)"},
    {"Temperaments", "गण (स्वभाव)", "கணம் (குணம்)"},
    {"General And Physical Features", "सामान्य और शारीरिक लक्षण", "பொது மற்றும் உடல் அம்சங்கள்"},
    {"Positive Human Traits", "सकारात्मक गुण", "நற்பண்புகள்"},
    {"Negative Human Traits", "नकारात्मक गुण", "குறைபாடுகள்"},
    {"Best Career Options", "उपयुक्त व्यवसाय", "ஏற்ற தொழில்கள்"},
    {"Domestic Life", "गृहस्थ जीवन", "இல்லற வாழ்க்கை"},
    // The pages.
    {"Sign Characteristics", "राशि के लक्षण", "ராசியின் இயல்புகள்"},
    {"Physique And Looks", "कद-काठी और रूप", "உடல்வாகும் தோற்றமும்"},
    {"Human Nature", "मानव स्वभाव", "மனித இயல்பு"},
    {"Love And Compatibility", "प्रेम और अनुकूलता", "காதலும் பொருத்தமும்"},
    {"Lucky for Rashi", "राशि के लिए शुभ", "ராசிக்கு அதிர்ஷ்டம்"},
    {"More About Nakshatra", "नक्षत्र के बारे में और", "நட்சத்திரம் பற்றி மேலும்"},
    {"Career And Health And Domestic", "व्यवसाय, स्वास्थ्य और गृहस्थी", "தொழில், உடல்நலம், இல்லறம்"},
    {"About Software", "सॉफ़्टवेयर के बारे में", "மென்பொருள் பற்றி"},
    // The info command's keys the readable output has no other word for.
    {"Significance", "महत्व", "முக்கியத்துவம்"},
    {"Hours", "घंटे", "மணி"},
}};

constexpr std::array<CatalogueWords, 57> kValueWords{{
    // Element of a sign, and of a nakshatra with its Sanskrit name.
    {"Fire", "अग्नि", "நெருப்பு"},
    {"Earth", "पृथ्वी", "நிலம்"},
    {"Air", "वायु", "காற்று"},
    {"Water", "जल", "நீர்"},
    {"Tejo (Fire)", "तेज (अग्नि)", "நெருப்பு (தேயு)"},
    {"Prithvi (Earth)", "पृथ्वी", "நிலம் (பிருத்வி)"},
    {"Vayu (Air)", "वायु", "காற்று (வாயு)"},
    {"Jala (Water)", "जल", "நீர் (ஜலம்)"},
    {"Akasha (Space)", "आकाश", "ஆகாயம்"},
    // Type of a sign; "Fixed" is also a nakshatra's nature (ध्रुव, ஸ்திரம்).
    {"Movable", "चर", "சரம்"},
    {"Fixed", "स्थिर", "ஸ்திரம்"},
    {"Mixed", "द्विस्वभाव", "உபயம்"},
    // Gender, best period, fertility.
    {"Male", "पुरुष", "ஆண்"},
    {"Female", "स्त्री", "பெண்"},
    {"Day", "दिन", "பகல்"},
    {"Night", "रात्रि", "இரவு"},
    {"Barren", "बंध्या", "மலடு"},
    {"Fruitful", "फलदायी", "பலன் தருவது"},
    {"Semi-Fruitful", "अर्ध-फलदायी", "ஓரளவு பலன் தருவது"},
    // Position and constituent.
    {"Dwara", "द्वार", "த்வாரம்"},
    {"Bahya", "बाह्य", "பாஹ்யம்"},
    {"Garbha", "गर्भ", "கர்ப்பம்"},
    {"Mineral (Dhatu)", "धातु", "தாது"},
    {"Vegetable (Moola)", "मूल", "மூலம்"},
    {"Animal (Jeeva)", "जीव", "ஜீவன்"},
    // Physique.
    {"Short", "छोटा कद", "குட்டை"},
    {"Even", "मध्यम कद", "நடுத்தரம்"},
    {"Tall", "लम्बा कद", "உயரம்"},
    // Weekdays.
    {"Sunday", "रविवार", "ஞாயிறு"},
    {"Monday", "सोमवार", "திங்கள்"},
    {"Tuesday", "मंगलवार", "செவ்வாய்"},
    {"Wednesday", "बुधवार", "புதன்"},
    {"Thursday", "गुरुवार", "வியாழன்"},
    {"Friday", "शुक्रवार", "வெள்ளி"},
    {"Saturday", "शनिवार", "சனி"},
    // Directions.
    {"East", "पूर्व", "கிழக்கு"},
    {"West", "पश्चिम", "மேற்கு"},
    {"North", "उत्तर", "வடக்கு"},
    {"South", "दक्षिण", "தெற்கு"},
    {"North-East", "ईशान (उत्तर-पूर्व)", "வடகிழக்கு"},
    {"North-West", "वायव्य (उत्तर-पश्चिम)", "வடமேற்கு"},
    {"South-East", "आग्नेय (दक्षिण-पूर्व)", "தென்கிழக்கு"},
    {"South-West", "नैऋत्य (दक्षिण-पश्चिम)", "தென்மேற்கு"},
    {"Central", "मध्य", "மையம்"},
    // A nakshatra's nature.
    {"Mutable", "चर", "சரம்"},
    {"Soft", "मृदु", "மிருது"},
    {"Sharp & Dreadful", "तीक्ष्ण (दारुण)", "தீட்சண்யம் (கொடூரம்)"},
    {"Sharp & Soft", "मिश्र (मृदु-तीक्ष्ण)", "மிஸ்ரம் (மிருது-தீட்சண்யம்)"},
    {"Light / Swift", "लघु (क्षिप्र)", "லகு (க்ஷிப்ரம்)"},
    {"Ferocious", "उग्र", "உக்ரம்"},
    // Aims of life and the three doshas.
    {"Dharma", "धर्म", "அறம்"},
    {"Artha", "अर्थ", "பொருள்"},
    {"Kama", "काम", "இன்பம்"},
    {"Moksha", "मोक्ष", "வீடுபேறு"},
    {"Vata", "वात", "வாதம்"},
    {"Pitta", "पित्त", "பித்தம்"},
    {"Kapha", "कफ", "கபம்"},
}};

// The catalogue's spellings of the four varnas, in the glossary's order.
constexpr std::array<std::string_view, 4> kVarnaSpellings = {"Brahmana", "Kshatriya", "Vaisya",
                                                             "Sudra"};

// "Deva (Godly)": the name before a gloss in brackets.
std::string_view BeforeGloss(std::string_view text) {
  const std::size_t open = text.find(" (");
  return open == std::string_view::npos || text.back() != ')' ? text : text.substr(0, open);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  while (!text.empty() && text.back() == ' ') {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::span<const CatalogueWords> CatalogueCaptionWords() {
  return kCaptionWords;
}

std::span<const CatalogueWords> CatalogueValueWords() {
  return kValueWords;
}

std::optional<std::string_view> CatalogueCaptionWord(Language language, std::string_view english) {
  const std::string key = FoldedKey(english);
  if (key.empty()) {
    return std::nullopt;
  }
  if (key == FoldedKey(GlossaryOf(Language::English).Nakshatra)) {
    return GlossaryOf(language).Nakshatra;
  }
  for (const CatalogueWords& words : kCaptionWords) {
    if (FoldedKey(words.English) == key) {
      return words.In(language);
    }
  }
  return std::nullopt;
}

std::optional<std::string_view> CatalogueKeyWord(Language language, std::string_view key) {
  for (const RashiField& field : kRashiFields) {
    if (field.Name == key) {
      return CatalogueCaptionWord(language, field.Label);
    }
  }
  for (const NakshatraField& field : kNakshatraFields) {
    if (field.Name == key) {
      return CatalogueCaptionWord(language, field.Label);
    }
  }
  // The info command's keys are words run together: "Significance", "Hours".
  if (const auto words = RowOf(kCaptionWords, key)) {
    return words->In(language);
  }
  return std::nullopt;
}

std::optional<std::string_view> CatalogueValueWord(Language language, std::string_view english) {
  if (const auto words = RowOf(kValueWords, english)) {
    return words->In(language);
  }
  for (std::size_t v = 0; v < kVarnaSpellings.size(); ++v) {
    if (kVarnaSpellings[v] == english) {
      return GlossaryOf(language).Varnas[v];
    }
  }
  // A graha, a rashi, a yoni animal, or a gana with its gloss.
  if (const auto word = WordOfEnglishName(language, english)) {
    return word;
  }
  return WordOfEnglishName(language, BeforeGloss(english));
}

std::string CatalogueValueText(Language language, std::string_view english) {
  if (language == Language::English) {
    return std::string(english);
  }
  if (const auto word = CatalogueValueWord(language, english)) {
    return std::string(*word);
  }
  // A list: every item must have its word, else the list stays whole.
  if (english.find(',') == std::string_view::npos) {
    return std::string(english);
  }
  std::string out;
  for (std::size_t start = 0; start <= english.size();) {
    const std::size_t comma = std::min(english.find(',', start), english.size());
    const auto word = CatalogueValueWord(language, Trimmed(english.substr(start, comma - start)));
    if (!word) {
      return std::string(english);
    }
    out += (out.empty() ? "" : ", ") + std::string(*word);
    start = comma + 1;
  }
  return out;
}

std::string CatalogueFieldText(Language language, std::string_view field, std::string_view value) {
  if (language == Language::English || field == "EnglishName") {
    return std::string(value);
  }
  // The catalogues run in the glossary's order: Aries to Pisces, Ashwini to Revati.
  if (field == "IndianName") {
    if (const auto sign = FindRashiByAnyName(value)) {
      return std::string(RashiWord(language, static_cast<int>(*sign)));
    }
  } else if (field == "NakshatraName") {
    if (const auto star = FindNakshatraByAnyName(value)) {
      return std::string(NakshatraWord(language, static_cast<int>(*star)));
    }
  }
  return CatalogueValueText(language, value);
}

}  // namespace lumora
