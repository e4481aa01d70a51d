// SPDX-License-Identifier: MIT
#include "core/vedic/result/nakshatra_catalogue.h"

namespace lumora {

// The 27 nakshatra records, Ashwini to Revati. Short fields are the traditional
// attributes of each lunar mansion; the prose is written for this program.
const std::array<NakshatraRecord, 27> kNakshatraCatalogue{{
    // Ashwini
    {
        .NakshatraName = "Ashwini",
        .RullingDeva = "Ashwina Kumara",
        .PurposeOfTheDeva = "Physician of the Demi Gods",
        .RullingPlanet = "Ketu",
        .AnimalSymbol = "Horse",
        .Symbol = "Head of a Horse",
        .AstronomicalName = "Beta Arietis",
        .Element = "Prithvi (Earth)",
        .PartOfBody = "Upper Part of Feet",
        .Nature = "Light / Swift",
        .Gender = "Male",
        .PurposeInLife = "Dharma",
        .Dosha = "Vata",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "North-East",
        .LuckyGemstone = "Cat's Eye",
        .GeneralAndPhysicalFeatures =
            "Ashwini is the first nakshatra and spans from 0 to 13 degrees 20 minutes of Aries. "
            "Its ruling planet is Ketu, its deities are the Ashwini Kumaras, the twin "
            "horse-headed physicians of the gods, and its symbol is the head of a horse. "
            "Natives tend to have a beautiful face, bright eyes, a broad forehead and an active, "
            "agile build.",
        .PositiveHumanTraits =
            "People influenced by this nakshatra are quick, energetic and eager to begin new "
            "things. "
            "Like the swift horse of their symbol, they act at once when an idea appeals to them "
            "and rarely wait for others to lead. "
            "They are intelligent, cheerful and sincere, with a natural gift for healing and "
            "helping people in need. "
            "Their friends value them for their loyalty, honesty and willingness to lend a hand. "
            "They enjoy travel, adventure and learning, and they keep a youthful spirit into old "
            "age. "
            "Courageous and independent, they meet problems head on and recover fast from "
            "setbacks, which makes them excellent at starting projects and inspiring others to "
            "follow.",
        .NegativeHumanTraits =
            "Ruled by the horse, Ashwini natives can be restless and impatient, rushing into "
            "decisions without thinking through all the consequences. "
            "They like to do things their own way and may resent advice, even when it is given "
            "with care. "
            "Their quick temper can flare up over small matters, although it usually cools down "
            "just as fast. "
            "Because they love to start new ventures, they sometimes lose interest before a task "
            "is finished and leave others to complete the work. "
            "They can be stubborn, and their pride may stop them from admitting that they were "
            "wrong. "
            "Some find it hard to sit still or to save money, spending freely on whatever "
            "catches their eye. "
            "Learning patience, listening before acting and following through on promises will "
            "help them turn their great energy into lasting success.",
        .BestCareerOptions =
            "Careers that are best suited to Ashwini people include medicine, nursing, rescue "
            "work, sports, the armed forces, police work, transport, horse training and "
            "engineering.",
        .DomesticLife = "You will have a joyful family life and a caring, faithful partner.",
        .Health =
            "Moreover, since people ruled by Ashwini rush about so much, they may be prone to "
            "minor injuries, headaches and fevers. "
            "Rest, regular meals and calm moments will keep them well.",
    },
    // Bharani
    {
        .NakshatraName = "Bharani",
        .RullingDeva = "Yamaraja",
        .PurposeOfTheDeva = "Punisher of Death",
        .RullingPlanet = "Venus",
        .AnimalSymbol = "Elephant",
        .Symbol = "Yoni ( Female Sexual Organ)",
        .AstronomicalName = "35 Arietis",
        .Element = "Prithvi (Earth)",
        .PartOfBody = "Soles",
        .Nature = "Ferocious",
        .Gender = "Male",
        .PurposeInLife = "Artha",
        .Dosha = "Pitta",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "North-East",
        .LuckyGemstone = "Diamond",
        .GeneralAndPhysicalFeatures =
            "The second nakshatra of the zodiac, Bharani spans from 13 degrees 20 minutes to 26 "
            "degrees 40 minutes of Aries. "
            "It is ruled by Venus, its deity is Yama, the lord of death, and its symbol is the "
            "yoni. "
            "Natives often have a medium build and sparkling eyes.",
        .PositiveHumanTraits =
            "People influenced by this nakshatra are honest, determined and full of life. "
            "They carry a strong sense of duty and justice inherited from Yama, and they will "
            "stand up for what is right even when it is not popular. "
            "Venus gives them a love of beauty, music, art and comfort, and many have refined "
            "tastes in clothing and home decoration. "
            "They are capable of bearing heavy burdens, as the name Bharani, meaning the bearer, "
            "suggests, and they can carry responsibilities that would overwhelm others. "
            "Loyal and truthful, they keep their word and expect the same of the people around "
            "them. "
            "They have good health, a cheerful disposition and the ability to enjoy life to the "
            "full. "
            "They also have a keen sense of fun. "
            "Their intelligence is practical, and they learn quickly from experience. "
            "Creative and resourceful, they often succeed where others give up, and they are "
            "generous with those they love, protecting family and friends with great devotion.",
        .NegativeHumanTraits =
            "On the other side, Bharani natives can be extreme in their likes and dislikes, "
            "swinging between indulgence and strict restraint. "
            "They may be jealous and possessive in relationships, and strong desires can lead "
            "them into excess in food, pleasure or spending. "
            "Their bluntness sometimes hurts the feelings of others, as they say exactly what "
            "they think without softening it. "
            "They can be stubborn and unwilling to accept criticism, and they may hold grudges "
            "long after a quarrel is over. "
            "Their restless nature makes it hard for them to settle, and they may change plans "
            "often. "
            "Some are impatient with people who work slowly. "
            "When they feel restrained they can become rebellious. "
            "Practising moderation, forgiveness and tact will help them keep good relations with "
            "family, friends and colleagues.",
        .BestCareerOptions =
            "Career options well suited to Bharani people include the arts, fashion, cinema, "
            "law, finance, hotels and midwifery.",
        .DomesticLife =
            "Marriage will be a source of happiness, and the family will enjoy comfort and care.",
        .Health = "They fear water, are sensitive to the cold and may face troubles with the "
                  "reproductive system, skin or blood. "
                  "A calm pace, a good diet and regular check-ups help.",
    },
    // Krittika
    {
        .NakshatraName = "Krittika",
        .RullingDeva = "Agni",
        .PurposeOfTheDeva = "The Demi God of Fire",
        .RullingPlanet = "Sun",
        .AnimalSymbol = "Sheep",
        .Symbol = "A Razor",
        .AstronomicalName = "Eta Tauri",
        .Element = "Prithvi (Earth)",
        .PartOfBody = "Head",
        .Nature = "Sharp & Soft",
        .Gender = "Female",
        .PurposeInLife = "Kama",
        .Dosha = "Kapha",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "Central",
        .LuckyGemstone = "Ruby",
        .GeneralAndPhysicalFeatures =
            "Krittika is the 3rd nakshatra, spanning from 26 degrees 40 minutes of Aries to 10 "
            "degrees of Taurus. "
            "It corresponds to the Pleiades cluster, is ruled by the Sun and has Agni, the god "
            "of fire, as its deity. "
            "Its symbol is a razor or a flame, showing its power to cut and purify. "
            "Natives are usually of medium height with a well built body, a bright face, a "
            "prominent nose and a strong neck. "
            "They often walk with a quick, confident step.",
        .PositiveHumanTraits =
            "Krittikas also have a sharp intellect and a fiery determination that pushes them "
            "towards their goals. "
            "Like the flame of their deity Agni, they burn away what is false and bring clarity "
            "to every situation. "
            "They are honest, straightforward and dignified, and they dislike pretence in any "
            "form. "
            "Their strong will and self-confidence allow them to take on leadership roles with "
            "ease, and they are not easily discouraged by obstacles. "
            "They are hardworking and can be trusted to complete whatever they begin. "
            "Many are nurturing and protective, caring for the people they love as a mother "
            "cares for her children, a trait linked with the six mothers of the Pleiades who "
            "raised the war god Kartikeya. "
            "They have a great appetite for knowledge and often excel in study and debate. "
            "Their sense of honour makes them reliable friends, wise counsellors and fair "
            "judges. "
            "They enjoy good food and the comforts of home, yet they can also live simply when "
            "required. "
            "With the Sun as their ruler they are ambitious and proud of their achievements, and "
            "they shine in public life. "
            "They are generous, courageous and ready to fight for a just cause, and their inner "
            "fire gives them the energy to rise again after any fall.",
        .NegativeHumanTraits =
            "On the other hand, Krittikas can be sharp tongued and critical, and their words may "
            "cut as deeply as the razor that symbolises them. "
            "They can be short tempered and quick to take offence, and once angered they find it "
            "difficult to forgive. "
            "Their pride may make them stubborn and unwilling to admit their mistakes. "
            "Some are restless and find it hard to stay in one place or job for very long. "
            "They may also become too demanding of the people around them, expecting the same "
            "high standards they set for themselves. "
            "Learning gentleness in speech and patience with others will help them enjoy warmer "
            "relationships.",
        .BestCareerOptions =
            "Krittikas can go on to become teachers, cooks, soldiers, critics, metalworkers or "
            "managers.",
        .DomesticLife = "You will be lucky in family life, with a loyal and capable spouse.",
        .Health = "You may suffer from fevers, eye strain, indigestion, acne or minor burns.",
    },
    // Rohini
    {
        .NakshatraName = "Rohini",
        .RullingDeva = "Brahma",
        .PurposeOfTheDeva = "Creator of the Universe",
        .RullingPlanet = "Moon",
        .AnimalSymbol = "Serpent",
        .Symbol = "A Chariot",
        .AstronomicalName = "Aldebaran",
        .Element = "Prithvi (Earth)",
        .PartOfBody = "Forehead",
        .Nature = "Fixed",
        .Gender = "Male",
        .PurposeInLife = "Moksha",
        .Dosha = "Kapha",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "Central",
        .LuckyGemstone = "White Pearl",
        .GeneralAndPhysicalFeatures =
            "Rohini is the fourth nakshatra and lies wholly in Taurus, from 10 degrees to 23 "
            "degrees 20 minutes. "
            "It is linked with the star Aldebaran, ruled by the Moon, and its deity is Brahma, "
            "the creator. "
            "Its symbol is an ox cart or a chariot. "
            "Rohini was the favourite of the Moon's wives, and it is considered one of the most "
            "fertile of all nakshatras.",
        .PositiveHumanTraits =
            "They are lightly built, attractive and graceful, with soft, fine features and "
            "expressive eyes that draw people towards them. "
            "Rohinis are charming, gentle and sweet in speech, and they know how to make others "
            "feel at ease. "
            "They have a strong sense of beauty and a talent for music, art, poetry and design. "
            "Blessed by the Moon, they are emotional, caring and imaginative, and they form "
            "close bonds with family and friends. "
            "They are practical too, and they can build wealth and comfort through steady "
            "effort. "
            "Honest and sincere, they keep their promises and treat people fairly. "
            "Their creative minds and warm hearts make them popular wherever they go, and they "
            "often enjoy a good reputation.",
        .NegativeHumanTraits =
            "Conversely speaking, Rohinis make the mistake of giving too much importance to "
            "comfort and material possessions. "
            "They can be possessive of the people and things they love, and their jealousy may "
            "cause tension in close relationships. "
            "Being emotional, they are easily hurt and may take criticism to heart, becoming "
            "moody or withdrawn. "
            "They can be stubborn, holding on to their opinions even when facts point elsewhere. "
            "Some are apt to indulge in rich food and luxuries, which can strain both their "
            "health and their finances. "
            "Their charm can make them vain, and they may enjoy flattery more than honest "
            "advice. "
            "They sometimes find it hard to let go of the past. "
            "They may be critical of others while being sensitive to criticism themselves. "
            "Practising moderation, trust and a willingness to listen will help them keep their "
            "relationships and their health in balance.",
        .BestCareerOptions =
            "Rohinis are great motivators and do well in fields such as agriculture, the food "
            "trade, fashion, cosmetics, music, art, acting, hotels, interior design, banking and "
            "politics, where charm and steady work are valued.",
        .DomesticLife = "Family life will be joyful, and the bonds with parents strong.",
        .Health =
            "You may be prone to colds, coughs, sore throats and minor problems with weight and "
            "blood sugar.",
    },
    // Mrigasira
    {
        .NakshatraName = "Mrigasira",
        .RullingDeva = "Chandra",
        .PurposeOfTheDeva = "Moon, Deity of the Mind",
        .RullingPlanet = "Mars",
        .AnimalSymbol = "Serpent",
        .Symbol = "Head of a Deer",
        .AstronomicalName = "Lambda Orionis",
        .Element = "Prithvi (Earth)",
        .PartOfBody = "Eye Brows",
        .Nature = "Soft",
        .Gender = "Female",
        .PurposeInLife = "Moksha",
        .Dosha = "Pitta",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "Central",
        .LuckyGemstone = "Red Coral",
        .GeneralAndPhysicalFeatures =
            "Mrigasira is the fifth nakshatra, spanning from 23 degrees 20 minutes of Taurus to "
            "6 degrees 40 minutes of Gemini. "
            "It is ruled by Mars, and its deity is Soma, the Moon god. "
            "Its symbol is the head of a deer, showing a gentle, searching and curious nature. "
            "Natives are generally of medium or tall build with a slender body, long arms and "
            "legs, and bright, alert eyes. "
            "They often have a pleasant, youthful face.",
        .PositiveHumanTraits =
            "They have the ability to learn quickly and to find the answers where others see "
            "only questions. "
            "Like the deer of their symbol, they are alert, gentle and always searching for "
            "something new, whether it is knowledge, experience or beauty. "
            "They are intelligent, well spoken and full of ideas, and they enjoy reading, travel "
            "and good conversation. "
            "They are friendly and sociable, and people appreciate their kindness and good "
            "humour. "
            "Mars gives them courage and energy, so they can act firmly when needed. "
            "They are sincere in their work and can give great attention to detail. "
            "Many have a talent for music, writing and the arts. "
            "Their curiosity keeps them young in spirit, and their love of research makes them "
            "good scholars, explorers and advisers.",
        .NegativeHumanTraits =
            "On the flip side, Mrigasira natives can be restless and changeable, moving from one "
            "interest to another before finishing what they started. "
            "They may be suspicious of others and find it hard to trust even close friends. "
            "Their nervous energy can make them anxious, indecisive and easily upset by small "
            "things. "
            "Some are quick to argue and can be sarcastic when annoyed. "
            "They may also spend money carelessly on passing fancies. "
            "Learning to settle, to trust and to finish what they begin will help them use their "
            "many gifts to the full.",
        .BestCareerOptions =
            "Careers, which allow creative expression and travel, suit them well: writing, "
            "teaching, research, music, design, sales, tourism, real estate, surveying and "
            "communications.",
        .DomesticLife =
            "Marriage may not be smooth at first, but patience and honest talk bring a steady "
            "family life.",
        .Health =
            "An Mrigasira might suffer from coughs, throat trouble, aching shoulders or nervous "
            "tension.",
    },
    // Ardra
    {
        .NakshatraName = "Ardra",
        .RullingDeva = "Rudra",
        .PurposeOfTheDeva = "Shiva, Lord of Destruction & Anger",
        .RullingPlanet = "Rahu",
        .AnimalSymbol = "Dog",
        .Symbol = "Precious Stone",
        .AstronomicalName = "Alpha Orionis",
        .Element = "Jala (Water)",
        .PartOfBody = "Eyes",
        .Nature = "Sharp & Dreadful",
        .Gender = "Female",
        .PurposeInLife = "Kama",
        .Dosha = "Vata",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "East",
        .LuckyGemstone = "Gomeda",
        .GeneralAndPhysicalFeatures =
            "The sixth nakshatra of the zodiac, Ardra spans from 6 degrees 40 minutes to 20 "
            "degrees of Gemini. "
            "It is ruled by Rahu, and its deity is Rudra, the storm god. "
            "Its symbol is a teardrop, and it is linked with the red star Betelgeuse. "
            "Natives often have a strong, sturdy build, piercing eyes and a quick, restless "
            "manner, and may look younger than their years.",
        .PositiveHumanTraits =
            "Being vigorous in nature, Ardra natives work hard and bring great energy to "
            "everything they do. "
            "They have a sharp, enquiring mind and enjoy solving difficult problems that others "
            "avoid. "
            "Like the storm of Rudra that clears the air, they can sweep away old patterns and "
            "make room for something new. "
            "They are truthful, direct and always willing to face harsh facts. "
            "Their sympathy for those who suffer is deep, and they often help people through "
            "hard times. "
            "They learn from their own trials and grow stronger with every challenge they "
            "overcome.",
        .NegativeHumanTraits =
            "Surprisingly however, these same people can be harsh in speech and careless of the "
            "feelings of others. "
            "Their restless energy can turn into impatience, and they may act on impulse, "
            "creating trouble for themselves and those around them. "
            "They can be moody, swinging between high spirits and gloom, much like a storm that "
            "comes and goes. "
            "Some are proud and ungrateful, forgetting the help they once received. "
            "They may be drawn to arguments and find it hard to let a quarrel rest. "
            "Under pressure they can become secretive or deceptive. "
            "A love of change may make them unstable in work and money matters. "
            "Learning to pause before speaking, to show gratitude and to keep calm in difficult "
            "moments will help them make the most of their strengths.",
        .BestCareerOptions =
            "Careerwise, the people born in Ardra excel in research, science, electronics, "
            "medicine or writing.",
        .DomesticLife = "Marriage may be delayed, but it will be settled later on.",
        .Health =
            "A lot of people born under Ardra may have problems with the throat, ears and lungs, "
            "and some suffer from dry coughs or asthma. "
            "Rest and clean air help them heal.",
    },
    // Punarvasu
    {
        .NakshatraName = "Punarvasu",
        .RullingDeva = "Aditi",
        .PurposeOfTheDeva = "Mother of the Demigods",
        .RullingPlanet = "Jupiter",
        .AnimalSymbol = "Cat",
        .Symbol = "A Bow / A House",
        .AstronomicalName = "Beta Geminorium",
        .Element = "Jala (Water)",
        .PartOfBody = "Nose",
        .Nature = "Mutable",
        .Gender = "Female",
        .PurposeInLife = "Artha",
        .Dosha = "Vata",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "East",
        .LuckyGemstone = "Yellow Sapphire",
        .GeneralAndPhysicalFeatures =
            "Indians hold Punarvasu in high regard as the star of renewal, whose name means the "
            "return of the light. "
            "The seventh nakshatra spans from 20 degrees of Gemini to 3 degrees 20 minutes of "
            "Cancer and is ruled by Jupiter. "
            "Its deity is Aditi, the mother of the gods, and its symbol is a quiver of arrows. "
            "It is linked with the twin stars Castor and Pollux. "
            "Natives usually have a pleasant face, a kind smile, a good memory and a tall, well "
            "proportioned body.",
        .PositiveHumanTraits =
            "Simple people, they are content with little and find happiness in ordinary things. "
            "They are kind, generous and forgiving, and they bear no malice towards those who "
            "have hurt them. "
            "Blessed by Jupiter, they are wise, religious and philosophical, and they enjoy "
            "learning about the meaning of life. "
            "Like Aditi, the boundless mother, they are caring and nurturing, and make others "
            "feel at home. "
            "They are honest and truthful, and their word can be relied upon. "
            "Whenever they suffer a loss they have the strength to begin again, true to the name "
            "Punarvasu. "
            "Their friendly nature wins them many friends, and their patience and good humour "
            "help them through hardship. "
            "They are loyal to family and love travel.",
        .NegativeHumanTraits =
            "People born under the star Punarvasu can be too trusting, which lets others take "
            "advantage of their good nature. "
            "They may lack long term plans and be content with less than they deserve. "
            "Some are restless and fond of travel, finding it hard to settle. "
            "They can be indecisive at key moments.",
        .BestCareerOptions =
            "Careerwise, religious and spiritual work suits them, as do teaching, writing, "
            "counselling, travel, trade, hotels, nursing and caring for children.",
        .DomesticLife =
            "Interestingly, those born under Punarvasu are devoted to their parents and "
            "teachers, and they give their family warmth and stability. "
            "Marriage may bring some difficulties at first, yet patience keeps the home peaceful.",
        .Health =
            "Healthwise, these people should watch for lung, ear and stomach troubles, and be "
            "careful not to overeat.",
    },
    // Pushya
    {
        .NakshatraName = "Pushya",
        .RullingDeva = "Brihaspati",
        .PurposeOfTheDeva = "Jupiter, Teacher of the Demigods",
        .RullingPlanet = "Saturn",
        .AnimalSymbol = "Sheep",
        .Symbol = "A Circle / A Flower/ An Arrow",
        .AstronomicalName = "Delta Cancri",
        .Element = "Jala (Water)",
        .PartOfBody = "Face",
        .Nature = "Light / Swift",
        .Gender = "Male",
        .PurposeInLife = "Dharma",
        .Dosha = "Pitta",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "East",
        .LuckyGemstone = "Blue Sapphire",
        .GeneralAndPhysicalFeatures =
            "Pushya is the eighth nakshatra and lies wholly within Cancer, from 3 degrees 20 "
            "minutes to 16 degrees 40 minutes. "
            "It is ruled by Saturn, and its deity is Brihaspati, the teacher of the gods. "
            "Its symbol is the udder of a cow, showing nourishment and care. "
            "Pushya is seen as the most auspicious of all nakshatras. "
            "Natives have a medium build and a calm, kind face.",
        .PositiveHumanTraits =
            "Those born under this nakshatra are caring, steady and deeply devoted to the people "
            "they love. "
            "They find joy in nourishing others, whether by sharing food, knowledge or comfort, "
            "and they are often the ones others turn to in times of need. "
            "Guided by Brihaspati, they cherish tradition, learning and spiritual values, and "
            "many have a strong faith. "
            "Saturn gives them discipline, patience and a great capacity for hard work, so they "
            "build their success slowly and surely. "
            "They are honest, responsible, generous and law abiding, and they keep their "
            "promises. "
            "Their calm nature helps them stay composed in a sudden crisis, and their advice is "
            "sensible and practical. "
            "They are modest about their achievements and rarely seek any praise. "
            "Loyal to family and friends, they make dependable partners and wise parents. "
            "They often hold positions of trust in their communities. "
            "With their kindness, sound judgement and quiet strength, they bring stability and "
            "peace wherever they live and work, and they are highly esteemed.",
        .NegativeHumanTraits =
            "However, Pushya people should beware of becoming too rigid in their views and too "
            "attached to routine. "
            "They can be very stubborn and may find it hard to accept new ideas. "
            "Their wish to protect others can turn into interference or possessiveness. "
            "Some are overly sensitive and easily hurt, and they may hide their feelings until "
            "they become resentful. "
            "They can be pessimistic at times and worry too much. "
            "Learning flexibility and openness will bring them greater happiness.",
        .BestCareerOptions =
            "Careerwise, they can be teachers, priests, counsellors, healers, farmers or bankers.",
        .DomesticLife =
            "Family peace can be upset by little quarrels, but their devotion and care keep the "
            "home together.",
        .Health = "Some of them could suffer from coughs, chest congestion, stomach troubles or "
                  "jaundice, so a light diet is helpful.",
    },
    // Ashlesha
    {
        .NakshatraName = "Ashlesha",
        .RullingDeva = "Naga",
        .PurposeOfTheDeva = "The Serpent Demigod",
        .RullingPlanet = "Mercury",
        .AnimalSymbol = "Cat",
        .Symbol = "A Serpent",
        .AstronomicalName = "Alpha Hydroe",
        .Element = "Jala (Water)",
        .PartOfBody = "Ears",
        .Nature = "Sharp & Dreadful",
        .Gender = "Male",
        .PurposeInLife = "Dharma",
        .Dosha = "Kapha",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "South-East",
        .LuckyGemstone = "Emerald",
        .GeneralAndPhysicalFeatures =
            "Ashlesha is the ninth nakshatra, spanning from 16 degrees 40 minutes to 30 degrees "
            "of Cancer. "
            "It is ruled by Mercury, its deities are the Nagas, the serpent gods, and its symbol "
            "is a coiled snake. "
            "Natives often have a square face, piercing eyes and a quiet, watchful air.",
        .PositiveHumanTraits =
            "People born under this nakshatra are intelligent, perceptive and gifted with deep "
            "insight into human nature. "
            "Mercury gives them a quick mind, skill with words and a talent for strategy, so "
            "they can see through situations that puzzle others. "
            "Like the serpent, they are patient and wise, waiting for the proper moment to act. "
            "They are often interested in hidden knowledge, research, medicine and the mysteries "
            "of life. "
            "They have strong willpower and overcome great difficulties by persistence. "
            "Their sense of self-protection makes them careful with money and resources, and "
            "they rarely act without a plan. "
            "They can be charming and persuasive, winning people over. "
            "Many have a healing touch and an interest in herbs and remedies. "
            "Once they trust someone, they are fiercely loyal and will defend that person from "
            "any harm.",
        .NegativeHumanTraits =
            "Since the Ashlesha is symbolised by a serpent, its people can be secretive and hard "
            "to read, hiding their true feelings and intentions. "
            "They may be suspicious of other people and slow to trust. "
            "Some use their clever minds to manipulate situations for their own gain. "
            "Their words can sting when they are angry, and they may hold grudges for a long "
            "time. "
            "They can be jealous and possessive, and moody when things do not go their way. "
            "At times they may feel isolated, believing that nobody truly understands them. "
            "Practising openness, honesty and forgiveness will help them form warmer and more "
            "trusting relationships with those around them.",
        .BestCareerOptions =
            "Politics and statesmanship are natural fields for them, along with research and the "
            "occult.",
        .DomesticLife = "Family responsibilities will be many.",
        .Health = "They frequently suffer from digestive troubles and gas.",
    },
    // Magha
    {
        .NakshatraName = "Magha",
        .RullingDeva = "Pitara",
        .PurposeOfTheDeva = "The Forefathers",
        .RullingPlanet = "Ketu",
        .AnimalSymbol = "Rat",
        .Symbol = "A House or a Palaquin",
        .AstronomicalName = "Regulus",
        .Element = "Jala (Water)",
        .PartOfBody = "Lips & Chin",
        .Nature = "Ferocious",
        .Gender = "Male",
        .PurposeInLife = "Artha",
        .Dosha = "Kapha",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "South-East",
        .LuckyGemstone = "Cat's Eye",
        .GeneralAndPhysicalFeatures =
            "The tenth nakshatra of the zodiac, Magha spans from 0 degrees to 13 degrees 20 "
            "minutes of Leo. "
            "Its name means the mighty one, and its symbol is a royal throne, a sign of rank and "
            "inherited honour. "
            "The presiding deities are the Pitris, the ancestors of the family line, and its "
            "ruling planet is Ketu. "
            "People born under Magha tend to carry themselves with a regal bearing. "
            "They are often of medium height with a broad face, strong shoulders and a "
            "commanding voice, and their eyes shine with calm pride.",
        .PositiveHumanTraits =
            "They are knowledgeable people who respect tradition and take great pride in their "
            "roots. "
            "Loyal to their family and mindful of the customs handed down by their elders, they "
            "often feel a duty to uphold the good name of those who came before them. "
            "Natural leaders, they carry responsibility with ease and are willing to step "
            "forward when a group needs direction. "
            "They are generous with their time and money, and will gladly help those who "
            "approach them in need. "
            "Their sense of honour is strong, so they keep their word and expect the same of "
            "others. "
            "They enjoy the finer things of life but are also hard workers who earn what they "
            "have. "
            "Many of them have a deep interest in history, religion or philosophy, and they "
            "speak with a confidence that draws respect. "
            "Kind at heart, they are quick to forgive those who show them true regret.",
        .NegativeHumanTraits =
            "At times, however, such pride in status can turn into arrogance, and they may look "
            "down on people they regard as less refined or less worthy. "
            "They can be rather quick tempered when their authority is questioned and often find "
            "it hard to accept criticism. "
            "A strong attachment to the past may make them rigid and slow to adapt to change. "
            "Some tend to spend lavishly to keep up appearances, and they can be deeply "
            "sensitive to slights.",
        .BestCareerOptions =
            "Careers as social workers, historians, lawyers, administrators, politicians and "
            "senior officials suit them well.",
        .DomesticLife =
            "The men will enjoy a happy marriage and a loyal partner, and the women are devoted, "
            "caring and wise.",
        .Health =
            "They frequently suffer from back pain, heart strain and eye trouble, so steady rest "
            "and regular checkups help.",
    },
    // Poorva Phalguni
    {
        .NakshatraName = "Poorva Phalguni",
        .RullingDeva = "Bhaga",
        .PurposeOfTheDeva = "The Demi God of Lavishness",
        .RullingPlanet = "Venus",
        .AnimalSymbol = "Rat",
        .Symbol = "A Fire Place",
        .AstronomicalName = "Delta Leonis",
        .Element = "Jala (Water)",
        .PartOfBody = "Right Hand",
        .Nature = "Ferocious",
        .Gender = "Female",
        .PurposeInLife = "Kama",
        .Dosha = "Pitta",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "South-East",
        .LuckyGemstone = "Diamond",
        .GeneralAndPhysicalFeatures =
            "The eleventh nakshatra of the zodiac, Poorva Phalguni spans from 13 degrees 20 "
            "minutes to 26 degrees 40 minutes of Leo. "
            "Its symbol is the front legs of a bed or a swinging hammock, pointing to rest, "
            "pleasure and leisure. "
            "The presiding deity is Bhaga, the god of fortune and marital bliss, and the ruling "
            "planet is Venus. "
            "Natives are often attractive, with a pleasant smile, gentle features and a graceful "
            "walk.",
        .PositiveHumanTraits =
            "They are very determined people who, once they set their heart on a goal, work "
            "patiently until they reach it. "
            "Warm, friendly and charming, they find it easy to make friends and are often the "
            "life of any gathering. "
            "They have a fine eye for beauty and a natural gift for music, dance or design. "
            "Generous and kind, they like to share what they have and will go out of their way "
            "to make others feel welcome. "
            "They are honest in their dealings and speak sweetly, which wins them trust and "
            "goodwill. "
            "Their love of comfort is matched by a gift for making a home feel pleasant and "
            "inviting. "
            "Loyal in friendship and love, they stand by the people they care about and offer "
            "them steady support. "
            "They also have a bright, playful sense of humour.",
        .NegativeHumanTraits =
            "On the flip side, their love of pleasure and comfort can make them lazy, and they "
            "may put off hard tasks. "
            "They can also be vain and overly concerned with appearance and praise. "
            "Their spending is often impulsive, and money may slip away on luxuries they do not "
            "need. "
            "Some of them are restless in love and can be drawn into passing affairs. "
            "They may be stubborn once they have formed an opinion and can react strongly when "
            "their pride is hurt. "
            "A tendency to rely on charm rather than effort sometimes holds them back.",
        .BestCareerOptions =
            "These people do well as artists, musicians, actors, designers, teachers and wedding "
            "planners.",
        .DomesticLife = "Married life will be happy and warm, with a devoted spouse and children.",
        .Health =
            "Sinus, dental problems, high blood pressure and sugar trouble may affect them, so a "
            "gentle diet and rest can help.",
    },
    // Uttara Phalguni
    {
        .NakshatraName = "Uttara Phalguni",
        .RullingDeva = "Aryama",
        .PurposeOfTheDeva = "Lord of the Manes",
        .RullingPlanet = "Sun",
        .AnimalSymbol = "Cow",
        .Symbol = "A Small Bed",
        .AstronomicalName = "Beta Leonis",
        .Element = "Tejo (Fire)",
        .PartOfBody = "Left Hand",
        .Nature = "Fixed",
        .Gender = "Male",
        .PurposeInLife = "Moksha",
        .Dosha = "Vata",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "South",
        .LuckyGemstone = "Ruby",
        .GeneralAndPhysicalFeatures =
            "Uttara Phalguni is the twelfth nakshatra, spanning from 26 degrees 40 minutes of "
            "Leo to 10 degrees of Virgo. "
            "Its symbol is the back legs of a bed, its deity is Aryaman, the god of contracts "
            "and friendship, and its ruling planet is the Sun. "
            "Natives tend to be tall and well built, with a wide forehead and a kindly, open "
            "face.",
        .PositiveHumanTraits =
            "People born under this star are friendly, helpful and generous, and they feel a "
            "strong sense of duty toward their family, friends and community. "
            "They value fairness and keep their promises, which earns them a reputation for "
            "being reliable. "
            "Hard working and well organised, they take on responsibility willingly and see "
            "tasks through to the very end. "
            "They are good at bringing people together, settling disputes and building lasting "
            "partnerships in both work and private life. "
            "Their intelligence is practical, and they learn very quickly from experience. "
            "Many of them are drawn to service and enjoy using their skills to better the lives "
            "of others. "
            "They are modest about their achievements, yet confident enough to lead when asked. "
            "Social and well mannered, they are easy to talk to and make steady, trustworthy "
            "friends who remain loyal for years.",
        .NegativeHumanTraits =
            "Sometimes, people governed by this star can be proud and stubborn, refusing to "
            "change course once they have made up their minds. "
            "Their strong sense of duty may lead them to take on too much, leaving them tired "
            "and resentful. "
            "They can be critical of others who do not share their high standards. "
            "Some of them have a need for recognition and feel deeply hurt when their efforts go "
            "unnoticed. "
            "They may also be restless and find it hard to settle down until they feel secure.",
        .BestCareerOptions =
            "Career wise, public relations, counselling, social work, teaching, law, human "
            "resources and government service are fields in which they can shine.",
        .DomesticLife =
            "People under this star have a peaceful family life with a loving, loyal spouse.",
        .Health = "Muscle pain, gastric ulcers and liver problems may appear, so regular meals and "
                  "sleep help.",
    },
    // Hasta
    {
        .NakshatraName = "Hasta",
        .RullingDeva = "Aditya",
        .PurposeOfTheDeva = "The Sun, Demi God of Light",
        .RullingPlanet = "Moon",
        .AnimalSymbol = "Buffalo",
        .Symbol = "The Fist",
        .AstronomicalName = "Delta Corvi",
        .Element = "Tejo (Fire)",
        .PartOfBody = "Fingers",
        .Nature = "Light / Swift",
        .Gender = "Female",
        .PurposeInLife = "Moksha",
        .Dosha = "Vata",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "South",
        .LuckyGemstone = "White Pearl",
        .GeneralAndPhysicalFeatures =
            "Hasta, being the thirteenth nakshatra, spans from 10 degrees to 23 degrees 20 "
            "minutes of Virgo. "
            "Its name means the hand, and its symbol is an open palm or a closed fist, showing "
            "skill, effort and the power to grasp what one wants. "
            "The presiding deity is Savitar, the sun god who brings light and creative power, "
            "and the ruling planet is the Moon. "
            "People born under Hasta are often of medium height, with expressive hands, keen "
            "eyes and a youthful look that stays with them into later life.",
        .PositiveHumanTraits =
            "It is very difficult to match the skill these people show with their hands, whether "
            "in craft, art, writing or healing. "
            "They are clever, practical and quick to learn, and they solve problems with calm "
            "good sense. "
            "Cheerful and witty, they make lively company and have a gift for putting others at "
            "ease. "
            "They are hard workers who plan carefully and pay close attention to detail. "
            "Honest and helpful, they are ready to serve others and gain friends easily. "
            "Their sense of humour helps them through hard times, and they adapt well to change "
            "while keeping a clear view of their aims. "
            "Many have a gentle healing touch and bring comfort to those who suffer.",
        .NegativeHumanTraits =
            "People born under this star can be restless and anxious, worrying over details "
            "until small troubles seem large. "
            "They may be critical of themselves and others, expecting more than people can give. "
            "Their wish for control can make them possessive or manipulative, and they can use "
            "clever words to get their way. "
            "Some find it hard to trust others and hide their true feelings behind a cheery "
            "face. "
            "Moods may change quickly, and they grow impatient when plans do not go as expected. "
            "They may also be careful with money to the point of being miserly.",
        .BestCareerOptions =
            "At work, these people shine as craftspeople, surgeons, healers, writers, artists, "
            "accountants and skilled traders.",
        .DomesticLife =
            "Their marital life is mostly peaceful and happy, with a caring partner who values "
            "their warmth. "
            "They work hard for the comfort of their family and show great affection to their "
            "children, though moods may cause strife.",
        .Health =
            "Stress related ailments such as headaches, sleeplessness and nervous tension may "
            "trouble them, along with digestive upsets. "
            "Calm routines and rest help to keep them well.",
    },
    // Chitra
    {
        .NakshatraName = "Chitra",
        .RullingDeva = "Thvasta",
        .PurposeOfTheDeva = "Vishwakarma, Architect of the Demigods",
        .RullingPlanet = "Mars",
        .AnimalSymbol = "Tiger",
        .Symbol = "A Pearl",
        .AstronomicalName = "Spica Virginis -Vegus",
        .Element = "Tejo (Fire)",
        .PartOfBody = "Neck",
        .Nature = "Soft",
        .Gender = "Female",
        .PurposeInLife = "Kama",
        .Dosha = "Pitta",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "South",
        .LuckyGemstone = "Coral",
        .GeneralAndPhysicalFeatures =
            "Chitra is the fourteenth nakshatra, spanning from 23 degrees 20 minutes of Virgo to "
            "6 degrees 40 minutes of Libra. "
            "Its symbol is a bright jewel or pearl, its deity is Vishvakarma, the divine "
            "architect, and its ruling planet is Mars. "
            "Natives are often good looking, with a slim, well shaped body, keen eyes and a "
            "graceful way of moving.",
        .PositiveHumanTraits =
            "People born under the influence of Chitra are creative, charming and full of "
            "energy. "
            "They have a keen sense of beauty and design, and they enjoy making things that are "
            "both useful and pleasing to the eye. "
            "Confident and courageous, they face challenges directly and are not afraid to stand "
            "out from the crowd. "
            "They are sharp, observant and eager to learn, and they talk with wit and flair. "
            "Generous with friends, they like to brighten the lives of those around them and "
            "often bring fresh, original ideas to any group they join.",
        .NegativeHumanTraits =
            "Persons born under this star can be proud and self centred, paying too much heed to "
            "their own image and needs. "
            "They may be quick tempered and argumentative, and their sharp words can hurt people "
            "close to them. "
            "A love of luxury and display may lead them to spend beyond their means. "
            "They can be restless and easily bored, moving from one project or relationship to "
            "the next before finishing what they started. "
            "Some of them crave praise and feel slighted when it does not come. "
            "They may also be secretive about their plans and slow to forgive those who have "
            "wronged them, holding on to grudges for years.",
        .BestCareerOptions =
            "Professions that suit them include architecture, interior design, fashion, "
            "jewellery, art and engineering.",
        .DomesticLife =
            "The star Chitra has a mixed effect on married life. "
            "Such people are affectionate and devoted, yet their independent nature and sharp "
            "tongue can cause friction with a spouse. "
            "Patience and open talk help them build a loving bond. "
            "They take pride in keeping the home beautiful and are caring parents who encourage "
            "their children's creative gifts.",
        .Health = "They often suffer from minor kidney trouble.",
    },
    // Swati
    {
        .NakshatraName = "Swati",
        .RullingDeva = "Vayu",
        .PurposeOfTheDeva = "Demi God of Wind",
        .RullingPlanet = "Rahu",
        .AnimalSymbol = "Buffalo",
        .Symbol = "A Coral",
        .AstronomicalName = "Arcturus",
        .Element = "Tejo (Fire)",
        .PartOfBody = "Chest",
        .Nature = "Mutable",
        .Gender = "Male",
        .PurposeInLife = "Artha",
        .Dosha = "Kapha",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "South-West",
        .LuckyGemstone = "Gomeda",
        .GeneralAndPhysicalFeatures =
            "Swati is the fifteenth nakshatra, spanning from 6 degrees 40 minutes to 20 degrees "
            "of Libra. "
            "Its symbol is a young plant shoot swaying in the breeze, and at times a piece of "
            "coral, showing flexibility and quiet strength. "
            "The presiding deity is Vayu, the god of the wind, and the ruling planet is Rahu. "
            "Natives are usually slender and of good height, with a gentle voice, soft features "
            "and a calm, pleasant manner that others find inviting.",
        .PositiveHumanTraits =
            "Independent and self reliant, people born under Swati like to find their own way in "
            "life and dislike being told what to do. "
            "They are polite, diplomatic and fair minded, with a talent for seeing both sides of "
            "an issue. "
            "Their charm and easy manner help them make friends from all walks of life. "
            "They are flexible and adapt quickly to new places and circumstances, much like a "
            "young plant bending in the breeze without breaking. "
            "Skilled in business and trade, they have a good sense of timing and know how to "
            "earn and save. "
            "Kind and compassionate, they are ready to help those in need. "
            "They also have a love of learning and travel, and their curiosity keeps them open "
            "to fresh ideas throughout life. "
            "Their gentle ways hide a firm will.",
        .NegativeHumanTraits =
            "However, people born under this star can be indecisive, changing their minds often "
            "and finding it hard to commit. "
            "Their love of freedom may make them restless and unwilling to settle in one place "
            "or role. "
            "They can be overly sensitive to criticism and may hide their true feelings from "
            "others. "
            "Some tend to be cautious to the point of missing chances, while others can be "
            "stubborn once they have decided.",
        .BestCareerOptions =
            "In the professional sphere, they do well in business, trade, sales, banking and "
            "finance, where their diplomacy and sense of timing help. "
            "They also succeed as lawyers, travel agents, teachers and in any field that lets "
            "them keep their freedom.",
        .DomesticLife =
            "Their marital life is mostly pleasant, as they are gentle and thoughtful partners "
            "who value harmony at home. "
            "Their need for space may at times be mistaken for distance, so open talk with a "
            "spouse helps. "
            "They care deeply for their children and give them room to grow.",
        .Health =
            "People born under Swati, though generally healthy, may face skin allergies, gas and "
            "joint pain.",
    },
    // Vishakha
    {
        .NakshatraName = "Vishakha",
        .RullingDeva = "Shakragni",
        .PurposeOfTheDeva = "Combination of Indra & Agni",
        .RullingPlanet = "Jupiter",
        .AnimalSymbol = "Tiger",
        .Symbol = "A Potter's Wheel",
        .AstronomicalName = "Alpha Libroe",
        .Element = "Tejo (Fire)",
        .PartOfBody = "Breasts",
        .Nature = "Sharp & Soft",
        .Gender = "Male",
        .PurposeInLife = "Dharma",
        .Dosha = "Kapha",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "South-West",
        .LuckyGemstone = "Yellow Sapphire",
        .GeneralAndPhysicalFeatures =
            "Vishakha is the sixteenth nakshatra, spanning from 20 degrees of Libra to 3 degrees "
            "20 minutes of Scorpio. "
            "Its symbol is a triumphal arch decorated with leaves, marking success after long "
            "effort. "
            "Its deities are Indra and Agni, the king of the gods and the god of fire, and its "
            "ruling planet is Jupiter. "
            "Natives often have a bright, radiant face, a sturdy frame and a confident, "
            "purposeful walk.",
        .PositiveHumanTraits =
            "An interesting aspect about people born under Vishakha is their drive to reach "
            "their goals. "
            "Once they set their sights on something, they pursue it with great patience and "
            "energy, and rarely give up. "
            "They are intelligent, ambitious and hard working, and they have a gift for speaking "
            "that helps them persuade others. "
            "Their sense of justice is strong, and they often stand up for what they believe is "
            "right. "
            "Religious or spiritual by nature, many of them hold firm principles and respect "
            "learning. "
            "They are sociable and enjoy the company of friends, and they can be charming hosts. "
            "Their focus and courage help them overcome obstacles that would stop others. "
            "Over time, their steady efforts bring success, status and the respect of the people "
            "around them. "
            "They are loyal friends who keep their word and value honesty.",
        .NegativeHumanTraits =
            "The single minded pursuit of their goals can make them impatient and competitive, "
            "and they may see others as rivals. "
            "They can become jealous of people who succeed where they have not, and a fear of "
            "failure may push them to overwork themselves. "
            "Some of them are quick tempered and speak harshly when crossed. "
            "Their ambition may at times lead them to bend rules or ignore the feelings of "
            "others. "
            "They can be restless and dissatisfied even after success, always seeking the next "
            "prize. "
            "A tendency to be stubborn and argumentative may cause trouble at home and work, and "
            "they may find it hard to relax or enjoy the present.",
        .BestCareerOptions =
            "In the professional sphere, they do well as politicians, lawyers, researchers, "
            "teachers, speakers, army officers and business heads.",
        .DomesticLife =
            "Both males and females born under this star generally enjoy a happy married life "
            "and a loving family.",
        .Health = "Paralysis, hormonal deficiencies and kidney trouble may affect some, so gentle "
                  "exercise and care help.",
    },
    // Anuradha
    {
        .NakshatraName = "Anuradha",
        .RullingDeva = "Mitra",
        .PurposeOfTheDeva = "Demi God of Brain",
        .RullingPlanet = "Saturn",
        .AnimalSymbol = "Deer",
        .Symbol = "A Lotus Flower",
        .AstronomicalName = "Delta Scorpio",
        .Element = "Tejo (Fire)",
        .PartOfBody = "Stomach",
        .Nature = "Soft",
        .Gender = "Female",
        .PurposeInLife = "Dharma",
        .Dosha = "Pitta",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "South-West",
        .LuckyGemstone = "Blue Sapphire",
        .GeneralAndPhysicalFeatures =
            "Anuradha is the seventeenth nakshatra, spanning from 3 degrees 20 minutes to 16 "
            "degrees 40 minutes of Scorpio. "
            "Its symbol is a lotus blossom or a staff, and its presiding deity is Mitra, the god "
            "of friendship and partnership. "
            "The ruling planet is Saturn, which lends them discipline, patience and endurance. "
            "Natives generally have a pleasant face, bright eyes and a well proportioned body, "
            "and many of them look younger than their years.",
        .PositiveHumanTraits =
            "They can be entrusted with any responsibility, as they are honest, disciplined and "
            "loyal. "
            "Friendship matters greatly to them, and they build warm and lasting bonds with "
            "people from many walks of life. "
            "They are good at working in groups and know how to bring people together toward a "
            "shared purpose. "
            "Hard working and patient, they can endure hardship and keep going when others lose "
            "heart. "
            "Many have a spiritual side and a deep interest in mystic subjects. "
            "They are also skilled organisers who plan ahead and manage resources wisely. "
            "Kind and caring, they help friends in need and are ready to forgive. "
            "Their devotion to those they love and their balanced judgement win them respect and "
            "support. "
            "They stay true to their promises.",
        .NegativeHumanTraits =
            "People born under this star can be moody and jealous, and they may hold on to hurt "
            "feelings for a long time. "
            "Their strong emotions are sometimes hidden behind a calm face. "
            "They can be stubborn and controlling, especially when they feel insecure. "
            "Some find it hard to accept the success of rivals, and they may become bitter when "
            "their efforts are not rewarded. "
            "They may be blunt in speech.",
        .BestCareerOptions =
            "Career options best suited to them include management, research, astrology, "
            "photography, counselling and leading groups.",
        .DomesticLife =
            "These people usually have a happy home life and care deeply for their spouse and "
            "children, though work may take them far from home.",
        .Health =
            "Those born under this star may suffer from constipation, sore throat, toothache and "
            "backache, so a light diet and rest are helpful.",
    },
    // Jyeshtha
    {
        .NakshatraName = "Jyeshtha",
        .RullingDeva = "Indra",
        .PurposeOfTheDeva = "Vasava, King of the Demigods",
        .RullingPlanet = "Mercury",
        .AnimalSymbol = "Deer",
        .Symbol = "An Umbrella",
        .AstronomicalName = "Antares",
        .Element = "Vayu (Air)",
        .PartOfBody = "Right Side of Trunk",
        .Nature = "Sharp & Dreadful",
        .Gender = "Male",
        .PurposeInLife = "Artha",
        .Dosha = "Vata",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "West",
        .LuckyGemstone = "Emerald",
        .GeneralAndPhysicalFeatures =
            "Jyeshta is the eighteenth nakshatra, spanning from 16 degrees 40 minutes to 30 "
            "degrees of Scorpio. "
            "Its name means the eldest or the most senior one, and its symbol is a circular "
            "amulet or an umbrella, signs of protection, status and rank. "
            "The presiding deity is Indra, king of the gods, and the ruling planet is Mercury. "
            "Natives often have a strong build, a firm face and an alert look. "
            "Many of them carry an air of authority from a young age and are noticed the moment "
            "they enter a room.",
        .PositiveHumanTraits =
            "Intelligent in speech and quick in thought, people born under Jyeshta have sharp "
            "minds and a strong sense of responsibility. "
            "They are natural protectors who look after the weak and stand up for the people "
            "close to them. "
            "Courageous and resourceful, they handle crises calmly and find clever solutions to "
            "hard problems. "
            "They are often skilled leaders who win the respect of others through competence. "
            "Their ambition drives them to rise in life, and they work hard to earn a place of "
            "honour. "
            "Many are generous and kind at heart, even if they seldom show it. "
            "They have a keen interest in knowledge and can be deep thinkers on spiritual or "
            "philosophical matters. "
            "They also keep their promises and make loyal, trusted friends.",
        .NegativeHumanTraits =
            "People born under the influence of this star can be proud, secretive and quick to "
            "anger. "
            "They may feel that they are not given the respect they deserve, which can make them "
            "resentful or jealous of others. "
            "Their strong will can turn into a wish to control people around them. "
            "Some of them are hard to satisfy and find fault easily, and their sharp tongue can "
            "cause quarrels. "
            "They may hide their feelings and trust few people, which can leave them feeling "
            "lonely and misunderstood. "
            "A tendency to take on too much and carry every burden alone can leave them tired "
            "and irritable, and they may find it hard to ask others for help.",
        .BestCareerOptions =
            "Career wise, their best options are in administration, police work, the military, "
            "law, management, politics and journalism.",
        .DomesticLife = "Married life will be fairly happy, though quarrels may arise at times.",
        .Health = "People under the influence of this star may face shoulder pain, arm injuries, "
                  "stomach upsets and nervous strain, so care and rest keep them well.",
    },
    // Moola
    {
        .NakshatraName = "Moola",
        .RullingDeva = "Nirriti",
        .PurposeOfTheDeva = "Rakshasa, King of Demons",
        .RullingPlanet = "Ketu",
        .AnimalSymbol = "Dog",
        .Symbol = "Tail of a Lion",
        .AstronomicalName = "Lambda Scorpio",
        .Element = "Vayu (Air)",
        .PartOfBody = "Left Side of Trunk",
        .Nature = "Sharp & Dreadful",
        .Gender = "Male",
        .PurposeInLife = "Kama",
        .Dosha = "Vata",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "West",
        .LuckyGemstone = "Cat's Eye",
        .GeneralAndPhysicalFeatures =
            "Moola signifies the nineteenth nakshatra, spanning 0 degrees to 13 degrees 20 "
            "minutes of Sagittarius. "
            "Its name means root; its symbol is a bundle of roots tied together. "
            "Ketu rules it and Nirriti, goddess of dissolution, presides. "
            "Natives often have a lean, well-proportioned frame, bright eyes and a steady gaze, "
            "and they carry themselves with quiet confidence.",
        .PositiveHumanTraits =
            "They are soft at heart beneath a sometimes blunt exterior, and they care deeply for "
            "those they love. "
            "Guided by Ketu and the roots of their symbol, they want to get to the bottom of "
            "things, so they make natural researchers who question received ideas until they "
            "find what lies underneath. "
            "They are honest and say what they mean, which wins them trust once people get used "
            "to their directness. "
            "Many have a philosophical or spiritual bent inherited from Jupiter, the lord of "
            "Sagittarius, and they think about the purpose of life more than most. "
            "They are brave in a crisis, able to let go of what no longer serves them and start "
            "again from nothing. "
            "Their intuition is keen and often reliable. "
            "Generous with time and money, they stand by friends in hard times, and their "
            "loyalty, once given, rarely wavers.",
        .NegativeHumanTraits =
            "Conversely, however, people born under Moola can be restless and impatient, tearing "
            "down plans or relationships before giving them time to grow. "
            "Their frankness sometimes turns into harsh words which hurt others. "
            "They may be stubborn, convinced their own view is the only right one, and they can "
            "resist advice from elders or partners. "
            "Mood swings are common, moving from great enthusiasm to sudden detachment. "
            "Some spend money carelessly or take needless risks, and a streak of pride can make "
            "it hard for them to admit a mistake or ask for help.",
        .BestCareerOptions =
            "Best suited career roles include research, medicine, herbal healing, philosophy, "
            "law, investigation, public speaking and lecturing.",
        .DomesticLife =
            "Financially successful, they enjoy a pleasant home, though early wedded life needs "
            "patience.",
        .Health =
            "Health wise, such people may be prone to hip and thigh complaints, back pain and "
            "fatigue, so regular stretching and rest serve them well.",
    },
    // Purva Ashadha
    {
        .NakshatraName = "Purva Ashadha",
        .RullingDeva = "Varuna",
        .PurposeOfTheDeva = "Demi God of Water",
        .RullingPlanet = "Venus",
        .AnimalSymbol = "Monkey",
        .Symbol = "Tusk of an Elephant / A Handfan",
        .AstronomicalName = "Delta Sagittari",
        .Element = "Vayu (Air)",
        .PartOfBody = "Back",
        .Nature = "Ferocious",
        .Gender = "Male",
        .PurposeInLife = "Moksha",
        .Dosha = "Pitta",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "West",
        .LuckyGemstone = "Diamond",
        .GeneralAndPhysicalFeatures =
            "The Purva Ashadha nakshatra extends from 13 degrees 20 minutes to 26 degrees 40 "
            "minutes of Sagittarius. "
            "Ruled by Venus, with Apas, the goddess of water, as its deity, it is called the "
            "invincible star, and its symbol is a fan or an elephant tusk. "
            "Natives tend to be tall and graceful, with lustrous eyes.",
        .PositiveHumanTraits =
            "The most striking feature of Purva Ashadha natives is their unshakable self-belief. "
            "Like water that wears away stone, they keep going until they reach their goal, and "
            "setbacks rarely discourage them for long. "
            "Venus gives them charm, good taste and a love of beauty, so they often dress well "
            "and enjoy art, music and fine surroundings. "
            "They are warm, open and sociable, make friends easily and are loyal to them. "
            "Their speech is persuasive, and they can win people over to a cause with enthusiasm "
            "rather than force. "
            "Many are idealistic and hold firm principles, and they will defend what they "
            "believe is right even when it is unpopular. "
            "They are generous hosts and kind to those in need, and their optimism lifts the "
            "spirits of people around them. "
            "Quick learners with broad interests, they adapt well to new places, people and "
            "situations. "
            "In the family they are protective and affectionate, and they take pride in the "
            "achievements of their relatives and friends.",
        .NegativeHumanTraits =
            "Given their good qualities, it may surprise others that Purva Ashadha natives can "
            "be proud and hard to persuade. "
            "Their confidence sometimes becomes arrogance, and they may refuse to consider that "
            "they could be wrong. "
            "They can be argumentative, turning small differences into contests they feel they "
            "must win. "
            "A love of comfort and pleasure may lead to overspending or indulgence in rich "
            "foods. "
            "Some make promises they cannot keep because they overestimate what they can do. "
            "They may also be quick to take offence and slow to forget a slight. "
            "In relationships they can be possessive or demanding, and their wish for admiration "
            "may make them sensitive to criticism, even when it could help them to grow.",
        .BestCareerOptions =
            "Well-suited career roles that fit them include law, politics, the arts, shipping, "
            "water supply, teaching, public relations and fashion design.",
        .DomesticLife =
            "Their married life is mostly happy, and they are affectionate, devoted partners and "
            "parents.",
        .Health = "Health wise, they often need to watch out for kidney, bladder and lower back "
                  "complaints, and for colds during damp weather.",
    },
    // Uttara Ashadha
    {
        .NakshatraName = "Uttara Ashadha",
        .RullingDeva = "Vishwadeva",
        .PurposeOfTheDeva = "Demi God of the Stars",
        .RullingPlanet = "Sun",
        .AnimalSymbol = "Mongoose",
        .Symbol = "A Small Cot",
        .AstronomicalName = "Sigma Sagittari",
        .Element = "Vayu (Air)",
        .PartOfBody = "Waist",
        .Nature = "Fixed",
        .Gender = "Male",
        .PurposeInLife = "Moksha",
        .Dosha = "Kapha",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "North-West",
        .LuckyGemstone = "Ruby",
        .GeneralAndPhysicalFeatures =
            "The second part of the Ashadha pair, Uttara Ashadha spans 26 degrees 40 minutes of "
            "Sagittarius to 10 degrees of Capricorn. "
            "The Sun rules it, the ten Vishvadevas or universal gods are its deities, and its "
            "symbol is an elephant tusk or planks of a bed. "
            "Its name means the later invincible one. "
            "Natives are often tall with a broad forehead, a long nose and clear eyes, and they "
            "have a dignified bearing.",
        .PositiveHumanTraits =
            "These people are usually sincere, upright and dependable, with a strong sense of "
            "duty inherited from the Sun. "
            "They set long-term goals and work toward them patiently, so their success tends to "
            "last. "
            "They are fair in their dealings and respect rules, and others often turn to them to "
            "settle disputes. "
            "Kind and modest despite their abilities, they do not boast about what they achieve. "
            "They are loyal friends and faithful partners who keep their word. "
            "Many have a clear sense of right and wrong and a gift for leadership that comes "
            "from example rather than command. "
            "They are thoughtful and well read, and they enjoy learning throughout life. "
            "Their calm manner helps them stay steady in difficult times and reassures those "
            "around them.",
        .NegativeHumanTraits =
            "On the flip side, Uttara Ashadha natives can be rigid and set in their ways, "
            "finding it hard to accept change or new methods. "
            "Their high standards may make them critical of others who do not work as hard, and "
            "they can come across as cold or distant. "
            "Some are too serious and forget to relax, letting work crowd out rest, hobbies and "
            "family time. "
            "They may be stubborn once they have made a decision, even when the facts show they "
            "are mistaken. "
            "Their trusting nature can be exploited by people who flatter them. "
            "Pride sometimes keeps them from asking for help, so they carry burdens alone longer "
            "than they should. "
            "They may begin many projects at once and then struggle to finish them all. "
            "When hurt, they tend to withdraw and brood rather than talk openly about what "
            "troubles them.",
        .BestCareerOptions =
            "Career wise, they do well in government, law, business, teaching, defence and "
            "research.",
        .DomesticLife =
            "Family life will be happy on the whole, though they may live away from their native "
            "place for some years.",
        .Health = "Eye and stomach problems, along with joint stiffness, may call for attention as "
                  "they get older.",
    },
    // Shravana
    {
        .NakshatraName = "Shravana",
        .RullingDeva = "Govinda",
        .PurposeOfTheDeva = "Lord Vishnu",
        .RullingPlanet = "Moon",
        .AnimalSymbol = "Monkey",
        .Symbol = "An Ear /An Arrow / Three Footprints",
        .AstronomicalName = "Alpha Aquiloe",
        .Element = "Vayu (Air)",
        .PartOfBody = "Sex Organs",
        .Nature = "Mutable",
        .Gender = "Female",
        .PurposeInLife = "Artha",
        .Dosha = "Kapha",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "North-West",
        .LuckyGemstone = "White Pearl",
        .GeneralAndPhysicalFeatures =
            "The Shravana constellation ranges from 10 degrees to 23 degrees 20 minutes of "
            "Capricorn. "
            "Its name comes from the word for hearing, and its symbol is an ear, sometimes shown "
            "with three unequal footprints that recall the three strides of Vishnu, its "
            "presiding deity. "
            "The Moon rules this nakshatra, lending sensitivity and a good memory, while Saturn, "
            "the lord of Capricorn, adds discipline and patience. "
            "Shravana is linked with listening, learning and the passing on of knowledge from "
            "teacher to student. "
            "Natives are usually of medium height with a pleasant, well-formed face, a warm, "
            "gentle smile and a graceful walk. "
            "Many have attractive eyes and a soft voice, and they tend to look younger than "
            "their years. "
            "Their manner is usually polite and composed.",
        .PositiveHumanTraits =
            "Deeply religious at heart, Shravana natives respect tradition and elders. "
            "They are good listeners, learn quickly and are careful with words. "
            "Honest and hardworking, they keep their promises and are generous to those in need, "
            "which earns them a good name.",
        .NegativeHumanTraits =
            "On the other hand, Shravana natives can be too sensitive to criticism and may take "
            "harsh remarks to heart for long. "
            "Their wish to do the right thing can turn into rigid views about how others should "
            "live. "
            "They may be secretive, keeping their plans and feelings to themselves, which can "
            "puzzle their loved ones. "
            "Some worry too much about their reputation and what others say. "
            "They can be fussy about cleanliness and order, and a tendency to overthink may lead "
            "to restlessness and lost sleep.",
        .BestCareerOptions =
            "The arts such as music, storytelling and languages suit them well, and their gift "
            "for listening makes them fine teachers, counsellors and interpreters. "
            "They also do well in radio, sound engineering, research, librarianship and academic "
            "work. "
            "Their patience and care fit administration, accounts and social service, and many "
            "thrive in travel, hospitality and religious or charitable work.",
        .DomesticLife = "Their marital life is peaceful and full of joy.",
        .Health = "Such individuals also suffer at times from ear infections, skin complaints, "
                  "indigestion and joint pains, so regular meals, rest and gentle exercise help to "
                  "keep them well.",
    },
    // Dhanistha
    {
        .NakshatraName = "Dhanistha",
        .RullingDeva = "Vasu",
        .PurposeOfTheDeva = "Deity of the Sun",
        .RullingPlanet = "Mars",
        .AnimalSymbol = "Lion",
        .Symbol = "A Musical Drum / A Flute",
        .AstronomicalName = "Beta Delphinum",
        .Element = "Akasha (Space)",
        .PartOfBody = "Anus",
        .Nature = "Mutable",
        .Gender = "Female",
        .PurposeInLife = "Dharma",
        .Dosha = "Pitta",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "North-West",
        .LuckyGemstone = "Red Coral",
        .GeneralAndPhysicalFeatures =
            "The Dhanishta nakshatra is spread from 23 degrees 20 minutes of Capricorn to 6 "
            "degrees 40 minutes of Aquarius. "
            "Mars rules it, the eight Vasus, gods of abundance, are its deities, and its symbol "
            "is a drum or a flute. "
            "Its name means the wealthiest. "
            "Natives often have a slim, tall figure, an energetic manner and an expressive face.",
        .PositiveHumanTraits =
            "These people are generally generous, cheerful and full of energy. "
            "They have a fine sense of rhythm and often love music, song and dance. "
            "Ambitious yet practical, they know how to earn and manage money, and they are "
            "willing to share it with family and friends. "
            "They are good organisers who keep calm under pressure, and Mars gives them the "
            "courage to act when others falter. "
            "Many are sociable and well liked, able to work well in a team and inspire others to "
            "give of their best.",
        .NegativeHumanTraits =
            "On the flip side, Dhanishta natives can be proud and self-absorbed, wanting praise "
            "and recognition for everything they do. "
            "Mars can make them quick-tempered and blunt, so they may speak too sharply and "
            "regret it later. "
            "They sometimes find it hard to trust others and may be suspicious of people's "
            "motives, even in close relationships. "
            "Their drive for success can become greed or a need to own more than they need. "
            "Some are impatient and careless about details, rushing on without a clear plan. "
            "They may also be stubborn in arguments and slow to forgive, and a restless streak "
            "can make it difficult for them to settle into a steady routine.",
        .BestCareerOptions =
            "Being interested in the arts, they do well in music, dance, sports, property, "
            "finance and engineering.",
        .DomesticLife =
            "These people are characterized by deep family ties, yet married life has its ups "
            "and downs, and patience helps them to keep harmony at home.",
        .Health =
            "They also have an active, restless body that needs regular movement, and they may "
            "be prone to coughs, anaemia, high blood pressure and back or leg strain. "
            "Getting enough sleep, eating iron-rich food and avoiding overwork generally keep "
            "them in shape, and a calm routine settles their nerves.",
    },
    // Shatabhisha
    {
        .NakshatraName = "Shatabhisha",
        .RullingDeva = "Varuna",
        .PurposeOfTheDeva = "God of the Rains",
        .RullingPlanet = "Rahu",
        .AnimalSymbol = "Horse",
        .Symbol = "Hundred Flowers / A Circle",
        .AstronomicalName = "Lambda Aquarius",
        .Element = "Akasha (Space)",
        .PartOfBody = "Right Thigh",
        .Nature = "Mutable",
        .Gender = "Female",
        .PurposeInLife = "Dharma",
        .Dosha = "Vata",
        .Temperaments = "Rakshasa (Demon)",
        .BestDirection = "North",
        .LuckyGemstone = "Gomeda",
        .GeneralAndPhysicalFeatures =
            "The Shatabhisha nakshatra is found between 6 degrees 40 minutes and 20 degrees of "
            "Aquarius. "
            "Its name means a hundred physicians, and its symbol is an empty circle. "
            "Rahu rules it and Varuna, god of the cosmic waters, is its deity. "
            "Natives often have a soft appearance, a broad forehead, bright, alert eyes and a "
            "calm, thoughtful expression.",
        .PositiveHumanTraits =
            "People born under this nakshatra are truthful, principled and independent, and they "
            "prefer to follow their own path rather than the crowd. "
            "They are deep thinkers with a scientific turn of mind, drawn to puzzles, hidden "
            "knowledge and the study of how things work. "
            "True to the name of their star, many have a natural gift for healing, whether "
            "through medicine, herbs or simple comfort. "
            "They are brave in defending what they believe is right and will work hard behind "
            "the scenes without needing praise. "
            "Their memory is sharp and their judgement sound. "
            "Once they commit to a task, they see it through with quiet patience. "
            "Their humane outlook makes them sympathetic to people in trouble, and they are "
            "often generous to worthy causes.",
        .NegativeHumanTraits =
            "People born under the influence of Shatabhisha can be secretive and reserved, "
            "keeping others at a distance and rarely revealing their true feelings. "
            "This can make them seem aloof or cold, even to family. "
            "They may be stubborn and opinionated, unwilling to change course once their mind is "
            "made up. "
            "Rahu can bring restlessness and sudden mood changes, and some swing between bursts "
            "of activity and long periods of withdrawal. "
            "They may become suspicious of others' motives and hold grudges for years. "
            "Their frankness can be tactless, hurting people they care about. "
            "Some find it hard to cooperate, preferring to work alone even when teamwork would "
            "help them. "
            "A tendency to brood over past wrongs can lead to loneliness, and they may neglect "
            "their own needs while caring for others. "
            "Learning to open up and trust is one of their key life lessons.",
        .BestCareerOptions =
            "Good career options exist in medicine, nursing, astronomy, optics, software, "
            "aviation and space science.",
        .DomesticLife =
            "These people are usually devoted to their families, but they may face early "
            "hardship or distance from siblings. "
            "Married life can take time to settle but improves as they learn to share their "
            "thoughts with a partner.",
        .Health = "They are likely to need some care for chest, jaw and circulation.",
    },
    // Poorva Bhadrapada
    {
        .NakshatraName = "Poorva Bhadrapada",
        .RullingDeva = "Ajaekapat",
        .PurposeOfTheDeva = "A form of Shiva",
        .RullingPlanet = "Jupiter",
        .AnimalSymbol = "Lion",
        .Symbol = "A Sword",
        .AstronomicalName = "Alpha Pegasi",
        .Element = "Akasha (Space)",
        .PartOfBody = "Left Thigh",
        .Nature = "Ferocious",
        .Gender = "Male",
        .PurposeInLife = "Artha",
        .Dosha = "Vata",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "North",
        .LuckyGemstone = "Yellow Sapphire",
        .GeneralAndPhysicalFeatures =
            "This nakshatra ranges from 20 degrees of Aquarius to 3 degrees 20 minutes of "
            "Pisces. "
            "Its name means the former lucky feet, and its symbol is the front legs of a funeral "
            "cot, though it is also seen as a two-faced man or as a sword. "
            "Jupiter is its ruling planet, and its deity is Aja Ekapada, the one-footed goat, a "
            "fiery form closely linked with Rudra. "
            "Natives are often of medium or tall height with a lean build, a long face and a "
            "prominent nose, and they can look intense, serious and thoughtful.",
        .PositiveHumanTraits =
            "They are also born with a strong idealism and a wish to make the world better. "
            "Jupiter gives them wisdom, a love of learning and a deep interest in philosophy and "
            "spiritual matters. "
            "They are honest and sincere, and once they commit to a cause they work for it with "
            "great energy and courage. "
            "Many are eloquent speakers and skilled writers who can move others with their "
            "words. "
            "They are often generous with money and help friends and strangers alike. "
            "Their intelligence is quick and wide-ranging, and they are able to see both sides "
            "of a question, which makes them fair judges. "
            "They are loyal to those they love and protective of the weak. "
            "Despite a serious exterior, they can be warm, witty and good company. "
            "Their self-discipline helps them endure hardship, and their independent spirit lets "
            "them take bold steps that others would fear. "
            "Over time, they often grow into respected guides, teachers or advisers. "
            "They value truth above all.",
        .NegativeHumanTraits =
            "Persons under the influence of this star can be anxious and restless, worrying "
            "about the future. "
            "Their two-sided nature may make them swing between kindness and sharp temper. "
            "They can be stubborn and cynical, and some act impulsively, later regretting what "
            "they did. "
            "Their strong opinions can make them intolerant of others' views. "
            "They may also be extravagant one moment and miserly the next, and they can be "
            "readily swayed by others. "
            "A tendency to brood can make them feel gloomy.",
        .BestCareerOptions =
            "Careers that will suit them include teaching, research, writing, banking, "
            "statistics and astrology.",
        .DomesticLife =
            "The mother of the native often plays a big role. "
            "Married life is usually stable, and they take good care of their spouse, though "
            "they may be critical.",
        .Health =
            "Paralysis, gastric problems and ankle or foot swelling are often linked with this "
            "nakshatra, so gentle exercise and good food help.",
    },
    // Uttara Bhadrapada
    {
        .NakshatraName = "Uttara Bhadrapada",
        .RullingDeva = "Ahirbudhanya",
        .PurposeOfTheDeva = "The Snake that holds the Universe",
        .RullingPlanet = "Saturn",
        .AnimalSymbol = "Cow",
        .Symbol = "Twins or the Number Two",
        .AstronomicalName = "Gama Pegasi",
        .Element = "Akasha (Space)",
        .PartOfBody = "Shins",
        .Nature = "Fixed",
        .Gender = "Female",
        .PurposeInLife = "Kama",
        .Dosha = "Pitta",
        .Temperaments = "Manushya (Human)",
        .BestDirection = "North",
        .LuckyGemstone = "Blue Sapphire",
        .GeneralAndPhysicalFeatures =
            "Uttara Bhadrapada is traditionally the twenty-sixth nakshatra, spanning 3 degrees "
            "20 minutes to 16 degrees 40 minutes of Pisces. "
            "Saturn rules it, and its deity is Ahir Budhnya, the serpent of the deep sea. "
            "Its symbol is the back legs of a funeral cot, or a pair of twins. "
            "Natives tend to have an attractive and innocent face, a sturdy, well-built body and "
            "a calm smile, and they often appear more mature than their years.",
        .PositiveHumanTraits =
            "People born under Uttara Bhadrapada are calm, patient and self-controlled, with a "
            "depth that others often sense at once. "
            "Saturn makes them disciplined and hardworking, and they stay steady in difficult "
            "times. "
            "They are kind, gentle and helpful, and they treat others with respect regardless of "
            "status. "
            "Many are wise beyond their years and give sound counsel. "
            "They are good at keeping a secret, and friends trust them with private matters. "
            "They are truthful and dislike deceit. "
            "Their spiritual nature draws them to meditation and service, and they can sacrifice "
            "their own comfort for those they love. "
            "They often make excellent speakers, writers and teachers. "
            "Their steady nature helps them save money and build security over time, and they "
            "tend to win over enemies with patience rather than force.",
        .NegativeHumanTraits =
            "Some of the people born under this star can be lazy or slow to act, waiting too "
            "long for the right moment. "
            "Their calm may hide a temper that flares when they feel wronged, and they can be "
            "hard to calm down afterwards. "
            "They may be too trusting and give away too much of their time or money. "
            "Some are moody and withdraw into themselves, and they may fret needlessly about "
            "things beyond their control. "
            "A fondness for solitude can make them seem distant, and they may struggle to show "
            "affection openly. "
            "At times they are stubborn and unwilling to compromise.",
        .BestCareerOptions =
            "Career wise they can excel in charity, counselling, research, writing and commerce.",
        .DomesticLife =
            "Family life is satisfactory, with a loving, loyal partner and obedient children who "
            "bring them joy and comfort in later years.",
        .Health = "Rheumatism and body aches may trouble them, along with foot pain.",
    },
    // Revati
    {
        .NakshatraName = "Revati",
        .RullingDeva = "Pushan",
        .PurposeOfTheDeva = "Demi God for Agriculture",
        .RullingPlanet = "Mercury",
        .AnimalSymbol = "Elephant",
        .Symbol = "A Fish",
        .AstronomicalName = "Zeta Piscum",
        .Element = "Akasha (Space)",
        .PartOfBody = "Ankles",
        .Nature = "Soft",
        .Gender = "Female",
        .PurposeInLife = "Moksha",
        .Dosha = "Kapha",
        .Temperaments = "Deva (Godly)",
        .BestDirection = "North-East",
        .LuckyGemstone = "Emerald",
        .GeneralAndPhysicalFeatures =
            "Revati is the penultimate star's successor and the last of the twenty-seven "
            "nakshatras, spanning 16 degrees 40 minutes to 30 degrees of Pisces. "
            "Mercury rules it, and Pushan, the nourisher who guards travellers and herds, is its "
            "deity. "
            "Its symbol is a fish or a drum. "
            "Its name means prosperous. "
            "Natives are often of medium height with a well-proportioned body, a fair or glowing "
            "complexion and a gentle, friendly face.",
        .PositiveHumanTraits =
            "Independent and often fiercely self-reliant, Revati natives are nonetheless gentle, "
            "kind and full of compassion. "
            "Mercury gives them a sharp, quick mind, good humour and a way with words. "
            "They are honest and clean in their dealings and dislike hurting anyone. "
            "Like Pushan, their deity, they love to nurture and protect, and they are often "
            "found caring for children, animals or travellers who have lost their way. "
            "They are sociable and adaptable, get along with all kinds of people and are loyal "
            "friends. "
            "Many have artistic gifts and a rich imagination. "
            "Their faith and optimism help them through hard times, and they are content with "
            "simple pleasures.",
        .NegativeHumanTraits =
            "Persons influenced by Revati can be overly sensitive, easily hurt by careless words "
            "and slow to recover from disappointment. "
            "Their trusting nature leaves them open to being deceived, and they may offer help "
            "to people who do not deserve it. "
            "They can be indecisive, changing plans often or relying on others to make choices "
            "for them. "
            "Some lack confidence and underrate their own abilities, which keeps them from "
            "seeking the success they could reach. "
            "When they feel let down, they may withdraw into daydreams or become stubborn and "
            "sulky. "
            "A tendency to worry can make them anxious about small, everyday matters. "
            "They may find it hard to say no, taking on too many duties and tiring themselves "
            "out. "
            "In some cases they can be jealous or possessive, and they need to balance their "
            "kindness towards others with care for themselves.",
        .BestCareerOptions =
            "Well-suited career options include teaching, tourism, art, counselling and charity "
            "work.",
        .DomesticLife = "Marital bliss is assured for most, with a kind, caring partner.",
        .Health =
            "Common afflictions troubling such natives include ear and foot complaints, fevers "
            "and an upset stomach.",
    },
}};

}  // namespace lumora
