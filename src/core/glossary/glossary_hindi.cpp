// SPDX-License-Identifier: MIT
#include "core/glossary/glossary.h"

namespace lumora {

// Hindi, in Devanagari. Sources: the names of the rashis, nakshatras, grahas, kootas and
// their values as Hindi panchangas and milan tables print them, in the forms of Hindi
// Wikipedia's articles "नक्षत्र" and "राशि" (the nakshatras joined as पूर्वाफाल्गुनी, with the
// dotted ढ़ of पूर्वाषाढ़ा and उत्तराषाढ़ा). The taras are the Hindi milan tables' nine names
// (जन्म .. अतिमित्र).
// Chart abbreviations are the first syllables Hindi kundalis write in the houses.
const Glossary kHindiGlossary{
    .Source = "Hindi panchangas and milan tables; Hindi Wikipedia: नक्षत्र, राशि",
    .Rashis = {"मेष", "वृषभ", "मिथुन", "कर्क", "सिंह", "कन्या", "तुला", "वृश्चिक", "धनु", "मकर", "कुंभ", "मीन"},
    .Nakshatras = {"अश्विनी",     "भरणी",        "कृत्तिका",    "रोहिणी", "मृगशिरा",     "आर्द्रा",
                   "पुनर्वसु",      "पुष्य",         "आश्लेषा",     "मघा",    "पूर्वाफाल्गुनी", "उत्तराफाल्गुनी",
                   "हस्त",        "चित्रा",       "स्वाति",     "विशाखा", "अनुराधा",     "ज्येष्ठा",
                   "मूल",         "पूर्वाषाढ़ा",    "उत्तराषाढ़ा", "श्रवण",   "धनिष्ठा",     "शतभिषा",
                   "पूर्वाभाद्रपद", "उत्तराभाद्रपद", "रेवती"},
    .Kootas = {"वर्ण", "वश्य", "तारा", "योनि", "ग्रह मैत्री", "गण", "भकूट", "नाड़ी"},
    .Varnas = {"ब्राह्मण", "क्षत्रिय", "वैश्य", "शूद्र"},
    .SpecifiedVasyas = {"चतुष्पद", "नर", "जलचर"},
    .VasyaClasses = {"चतुष्पद", "मानव", "जलचर", "वनचर", "कीट"},
    .Taras = {"जन्म", "सम्पत्", "विपत्", "क्षेम", "प्रत्यरि", "साधक", "वध", "मित्र", "अतिमित्र"},
    .YoniAnimals = {"अश्व", "गज", "मेष", "सर्प", "श्वान", "मार्जार", "मूषक", "गौ", "महिष", "व्याघ्र", "मृग",
                    "वानर", "नकुल", "सिंह"},
    .Ganas = {"देव", "मनुष्य", "राक्षस"},
    .Nadis = {"आदि", "मध्य", "अन्त्य"},
    .SpecifiedNadis = {"वात/आदि", "पित्त/मध्य", "कफ/अन्त्य"},
    .Poruthams = {"दिन", "गण", "माहेन्द्र", "स्त्री दीर्घ", "योनि", "राशि", "राशि अधिपति", "वश्य", "रज्जु",
                  "वेध"},
    .RajjuGroups = {"पाद", "कटि", "नाभि", "कण्ठ", "शिर"},
    .PoruthamVerdicts = {"उत्तम", "स्वीकार्य", "अनुशंसित नहीं"},
    .Grahas = {"सूर्य", "चन्द्र", "मंगल", "बुध", "गुरु", "शुक्र", "शनि", "राहु", "केतु"},
    .GrahaAbbreviations = {"सू", "चं", "मं", "बु", "गु", "शु", "श", "रा", "के"},
    .Lagna = "लग्न",
    .LagnaAbbreviation = "ल",
    .RetrogradeMark = "(व)",
    .MatchVerdicts = {"यह मिलान कमज़ोर है", "यह मिलान साधारण है", "यह अच्छा मिलान है",
                      "यह बहुत अच्छा मिलान है", "यह उत्कृष्ट मिलान है"},
    .PairDoshas = {"नाड़ी दोष", "भकूट दोष", "गण दोष"},
    .Manglik = "मांगलिक",
    .DoshaExceptions =
        {
            "मंगल अपनी या उच्च राशि (मेष, वृश्चिक या मकर) में है",
            "मंगल ऐसी राशि में है जो लग्न से उसके भाव का दोष हटाती है",
            "मंगल सिंह या कुंभ में है",
            "लग्न कर्क या सिंह है",
            "गुरु मंगल के साथ है या लग्न से पहले या सातवें भाव में है",
            "राशि एक, नक्षत्र भिन्न",
            "नक्षत्र एक, राशि भिन्न",
            "दोनों राशियों का स्वामी एक है",
            "राशि स्वामी मित्र हैं (ग्रह मैत्री 4 या अधिक)",
        },
    .DashaLevels = {"महादशा", "अन्तर्दशा", "प्रत्यन्तर्दशा"},
    .SadeSatiPhases = {"पहला चरण", "दूसरा चरण (शिखर)", "तीसरा चरण"},
    .SadeSati = "साढ़े साती",
    .AshtamaShani = "अष्टम शनि",
    .DashaSandhi = "दशा सन्धि",
    .Papasamyam = "पाप साम्य",
    .Rashi = "राशि",
    .Nakshatra = "नक्षत्र",
    .Pada = "पाद",
    .Navamsa = "नवांश",
    .Ayanamsa = "अयनांश",
    .GunaMilan = "गुण मिलान",
    .PoruthamMatching = "दस पोरुथम",
};

}  // namespace lumora
