// SPDX-License-Identifier: MIT
#include "core/vedic/result/rashi_catalogue.h"

namespace lumora {

// The twelve rashi records, Aries to Pisces. Short fields are the traditional
// attributes of each sign; the prose is written for this program.
const std::array<RashiRecord, 12> kRashiCatalogue{{
    // Aries
    {
        .IndianName = "Mesha",
        .EnglishName = "Aries",
        .RullingPlanet = "Mars",
        .Symbol = "The Ram",
        .InbornNature = "Fire",
        .SignColor = "Red, Brown, Copper",
        .TypeOfSign = "Movable",
        .Gender = "Male",
        .BestPeriodOfActivity = "Night",
        .Barren = "Barren",
        .SignCaste = "Kshatriya",
        .SignPosition = "Dwara",
        .Constituent = "Mineral (Dhatu)",
        .LuckyDays = "Monday, Tuesday",
        .LuckyNumbers = "9, 1",
        .BestDirection = "East",
        .LuckyColors = "Red, Brown, Copper",
        .LuckyGemstone = "Coral",
        .PartOfTheBody = "Head",
        .Physique = "Short",
        .Looks =
            "You may be slim and of medium height, with a lean, active build, sharp features and "
            "bright, alert eyes. "
            "You tend to walk quickly, and a small mark or scar on the head or face is often "
            "seen.",
        .Nature =
            "You are very independent and prefer to follow your own path rather than wait for "
            "permission. "
            "Ruled by Mars, you are full of energy, courage and drive, and you are usually the "
            "first to take up a new challenge. "
            "You think, decide and act fast, which makes you a natural pioneer. "
            "Your temper can flare up suddenly, but it cools just as quickly, and you rarely "
            "hold a grudge for long. "
            "You love sports, adventure and the outdoor life. "
            "You are honest and direct, sometimes to the point of bluntness, and you dislike "
            "deceit in others. "
            "Patience is not your strongest quality, so routine work and long delays can "
            "frustrate you. "
            "You enjoy competition and love to win, yet you are generous to those who lose "
            "gracefully. "
            "You may start many projects with great enthusiasm and leave some of them half done. "
            "Learning to pause before reacting will help you turn your bold spirit into lasting "
            "success.",
        .CareerAndFinance =
            "You are ambitious by nature. "
            "You do well in the army, police, sports, engineering or work that needs courage. "
            "Money comes through your own effort, but rash spending drains it.",
        .LoveAndDomesticLife =
            "You are a romantic to the core and fall in love quickly and passionately. "
            "You like to take the lead in a relationship. "
            "Your partner must give you freedom, and you need to guard against jealousy and "
            "quick anger.",
        .Health = "You may be prone to headaches, fever and minor injuries to the head or face. "
                  "Rest, cool food and calm habits keep you well.",
        .CompatibleWith = "Leo, Sagittarius, Gemini, Aquarius, Libra",
        .NotCompatibleWith = "Scorpio, Pisces, Cancer",
    },
    // Taurus
    {
        .IndianName = "Vrishabha",
        .EnglishName = "Taurus",
        .RullingPlanet = "Venus",
        .Symbol = "The Bull",
        .InbornNature = "Earth",
        .SignColor = "White",
        .TypeOfSign = "Fixed",
        .Gender = "Female",
        .BestPeriodOfActivity = "Night",
        .Barren = "Semi-Fruitful",
        .SignCaste = "Vaisya",
        .SignPosition = "Bahya",
        .Constituent = "Vegetable (Moola)",
        .LuckyDays = "Thursday, Friday",
        .LuckyNumbers = "2, 8",
        .BestDirection = "South",
        .LuckyColors = "Pink, Green",
        .LuckyGemstone = "Diamond",
        .PartOfTheBody = "Face",
        .Physique = "Short",
        .Looks =
            "You are most probably attractive, with a well built, sturdy body, a broad forehead, "
            "a strong neck and large, kind eyes. "
            "Your face often has a pleasant, calm look, and you may gain weight easily later in "
            "life.",
        .Nature =
            "You have a powerful and steady personality. "
            "Ruled by Venus, you love beauty, comfort and the good things of life, and you have "
            "refined taste in food, music and dress. "
            "You are patient and reliable, and once you give your word you keep it. "
            "You do not like sudden change and prefer a settled, secure routine. "
            "You are slow to anger, but when you are provoked your anger can be hard to calm. "
            "You can be stubborn and may hold on to your views even when others disagree. "
            "You are loyal to friends and family and value lasting bonds. "
            "Your practical sense and determination help you build something solid over time, "
            "step by step. "
            "You are also a good cook and a warm, generous host to all guests.",
        .CareerAndFinance =
            "You love spending on luxurious things, yet you know the worth of money and like to "
            "save. "
            "You do well in banking, farming, real estate, fashion, the arts or any field linked "
            "with beauty. "
            "Your steady effort brings slow but sure growth, and your wealth usually rises as "
            "you grow older.",
        .LoveAndDomesticLife =
            "You may not express your feelings openly, but your love is deep and loyal. "
            "You want a stable home, and you look after your family devotedly.",
        .Health =
            "You may not enjoy good health in the throat and neck, so colds and coughs may occur.",
        .CompatibleWith = "Cancer, Virgo, Scorpio, Capricorn, Pisces",
        .NotCompatibleWith = "Gemini, Aquarius, Libra",
    },
    // Gemini
    {
        .IndianName = "Mithuna",
        .EnglishName = "Gemini",
        .RullingPlanet = "Mercury",
        .Symbol = "The Twins",
        .InbornNature = "Air",
        .SignColor = "Green",
        .TypeOfSign = "Mixed",
        .Gender = "Female",
        .BestPeriodOfActivity = "Night",
        .Barren = "Barren",
        .SignCaste = "Sudra",
        .SignPosition = "Garbha",
        .Constituent = "Animal (Jeeva)",
        .LuckyDays = "Monday, Wednesday",
        .LuckyNumbers = "3, 7",
        .BestDirection = "West",
        .LuckyColors = "Yellow, Purple, Blue",
        .LuckyGemstone = "Emerald",
        .PartOfTheBody = "Shoulders",
        .Physique = "Even",
        .Looks =
            "People of this sign are usually tall and slender, with long limbs, expressive hands "
            "and lively, quick eyes. "
            "You often look younger than your actual age.",
        .Nature =
            "You have an analytical mind. "
            "Ruled by Mercury, you are curious, clever and quick to learn, and you enjoy "
            "reading, talking and exchanging ideas. "
            "You can see both sides of a question, which makes you a good debater, though it can "
            "also make decisions hard for you. "
            "You are witty and charming, and you make friends easily wherever you go. "
            "You like variety and may become bored with routine, so you often keep several "
            "interests going at once. "
            "Your moods can change quickly, and you may sometimes seem restless or inconsistent "
            "to others. "
            "You adapt well to new situations and people. "
            "Focusing your many talents on just a few goals will bring the best results.",
        .CareerAndFinance =
            "You will do very well in any work that uses words and ideas, such as writing, "
            "teaching, media, sales and trade. "
            "You may earn from more than one source at a time. "
            "Money comes and goes quickly, so keeping a budget helps you save.",
        .LoveAndDomesticLife =
            "You are blessed with a lively and friendly nature that draws many admirers. "
            "You need a partner who is also a friend and loves to chat. "
            "You may find it hard to settle down early, but a mental bond will keep you happy.",
        .Health = "You may have some problems with your lungs, shoulders or nerves. "
                  "Good rest and calm breathing will help you.",
        .CompatibleWith = "Aries, Leo, Libra, Sagittarius, Aquarius",
        .NotCompatibleWith = "Taurus, Virgo, Capricorn",
    },
    // Cancer
    {
        .IndianName = "Kataka",
        .EnglishName = "Cancer",
        .RullingPlanet = "Moon",
        .Symbol = "The Crab",
        .InbornNature = "Water",
        .SignColor = "Pink",
        .TypeOfSign = "Movable",
        .Gender = "Female",
        .BestPeriodOfActivity = "Night",
        .Barren = "Fruitful",
        .SignCaste = "Brahmana",
        .SignPosition = "Dwara",
        .Constituent = "Mineral (Dhatu)",
        .LuckyDays = "Monday, Thursday",
        .LuckyNumbers = "2, 7, 9",
        .BestDirection = "North",
        .LuckyColors = "White, Red, Yellow",
        .LuckyGemstone = "Pearl",
        .PartOfTheBody = "Chest",
        .Physique = "Even",
        .Looks =
            "You may have a medium height and a soft, rounded face with gentle eyes and a fair "
            "or pale complexion. "
            "Your frame may tend to fill out over time.",
        .Nature =
            "You are a patient person with a deep emotional life. "
            "Ruled by the Moon, you are sensitive, caring and protective of the people you love. "
            "Your moods may rise and fall like the tides, and you can be hurt easily, though you "
            "may hide it behind a calm face. "
            "You have a strong memory and often cherish the past, old friends and family "
            "traditions. "
            "Your intuition is sharp, and you can sense what others feel without being told. "
            "You like security and may be cautious with new people until you trust them. "
            "Once you do, you are loyal, kind and really generous. "
            "Learning not to worry too much will bring you greater peace of mind.",
        .CareerAndFinance =
            "You have an artistic bent and a caring nature, so you do well in nursing, "
            "hospitality, food, teaching, property or the arts. "
            "You are careful with money and save steadily for your future.",
        .LoveAndDomesticLife =
            "Parents will mean a lot to you, especially your mother, and home is the very center "
            "of your life. "
            "You are a devoted and tender partner who needs emotional security. "
            "You love children and enjoy making a warm, loving home.",
        .Health = "You may have stress and worry that affect your digestion and chest. "
                  "Colds and water retention may also trouble you. "
                  "A calm mind and a simple, regular diet help a lot.",
        .CompatibleWith = "Virgo, Scorpio, Capricorn, Pisces, Taurus",
        .NotCompatibleWith = "Aries, Leo, Sagittarius",
    },
    // Leo
    {
        .IndianName = "Simha",
        .EnglishName = "Leo",
        .RullingPlanet = "Sun",
        .Symbol = "The Lion",
        .InbornNature = "Fire",
        .SignColor = "White",
        .TypeOfSign = "Fixed",
        .Gender = "Male",
        .BestPeriodOfActivity = "Day",
        .Barren = "Barren",
        .SignCaste = "Kshatriya",
        .SignPosition = "Bahya",
        .Constituent = "Vegetable (Moola)",
        .LuckyDays = "Sunday, Monday",
        .LuckyNumbers = "1, 4, 5, 9",
        .BestDirection = "East",
        .LuckyColors = "Orange, Red, Green",
        .LuckyGemstone = "Ruby",
        .PartOfTheBody = "Heart & Stomach",
        .Physique = "Tall",
        .Looks =
            "Leos are usually tall and well built, with broad shoulders, a proud bearing and a "
            "dignified walk. "
            "Your eyes are bright, and your hair is often thick and striking.",
        .Nature =
            "You are a leader and feel most at home when you are in charge. "
            "Ruled by the Sun, you are warm, generous and confident, and you have a natural "
            "dignity that draws respect. "
            "You are loyal to your friends and protective of those who depend on you. "
            "You like to be admired and appreciated, and praise brings out the best in you. "
            "Your pride can sometimes make it hard for you to admit a mistake or accept advice. "
            "You are honest and open, and you dislike meanness and petty behavior. "
            "You have a big, warm heart and a love of drama, celebration and fine things. "
            "You are creative and playful, and you enjoy the company of children and the arts. "
            "When you use your strength to lift others up, you become a truly inspiring figure.",
        .CareerAndFinance =
            "You can do well in government, administration, management, politics, the performing "
            "arts or any post of authority. "
            "You earn well and like to live in style, so you should plan your spending to keep a "
            "healthy balance.",
        .LoveAndDomesticLife =
            "You love living life king size, and you bring the same warmth to love. "
            "You are a loyal and affectionate partner who enjoys romance and grand gestures. "
            "You expect respect and admiration in return. "
            "You are proud of your family and protective of your children. "
            "A partner who lets you shine keeps your home warm and cheerful.",
        .Health = "Heart problems may occur. "
                  "Stomach upsets and back pain are also possible. "
                  "Regular exercise and a calm routine keep you well.",
        .CompatibleWith = "Libra, Sagittarius, Aquarius, Aries, Gemini",
        .NotCompatibleWith = "Scorpio, Pisces, Cancer",
    },
    // Virgo
    {
        .IndianName = "Kanya",
        .EnglishName = "Virgo",
        .RullingPlanet = "Mercury",
        .Symbol = "The Virgin",
        .InbornNature = "Earth",
        .SignColor = "Multicolored",
        .TypeOfSign = "Mixed",
        .Gender = "Female",
        .BestPeriodOfActivity = "Day",
        .Barren = "Barren",
        .SignCaste = "Vaisya",
        .SignPosition = "Garbha",
        .Constituent = "Animal (Jeeva)",
        .LuckyDays = "Wednesday, Friday",
        .LuckyNumbers = "2, 3, 5, 6",
        .BestDirection = "South",
        .LuckyColors = "Green",
        .LuckyGemstone = "Emerald",
        .PartOfTheBody = "Abdomen",
        .Physique = "Tall",
        .Looks =
            "You are most probably tall and slim, with a neat, well kept appearance and refined "
            "features. "
            "You often look younger than you are and dress with care.",
        .Nature =
            "You are practical and polished. "
            "Ruled by Mercury, you have a sharp, analytical mind and a great eye for detail. "
            "You like order, cleanliness and clear plans, and you feel uneasy when things are "
            "messy or uncertain. "
            "You are modest and hardworking, and you prefer to help quietly rather than seek "
            "attention. "
            "Your sense of duty is strong, and people can rely on you to finish what you begin. "
            "You may be very critical, both of yourself and of others, and you may worry over "
            "small matters. "
            "You learn quickly and enjoy solving problems in a methodical way. "
            "You are careful with words and often give sound advice. "
            "You take a keen interest in health and diet, and you notice little things that "
            "others miss. "
            "Learning to accept that not everything can be perfect will bring you more peace and "
            "joy. "
            "Your kindness and helpfulness make you a valued friend and colleague.",
        .CareerAndFinance =
            "You are skilled in music and writing, and you also do well in accounting, health "
            "care or research. "
            "You manage money carefully.",
        .LoveAndDomesticLife =
            "You are not romantic at heart and show love through caring deeds. "
            "You want a partner who is sincere and practical, and you keep a clean, orderly home.",
        .Health = "Your intestine and liver may be sensitive. "
                  "Eat wholesome meals and avoid anxiety.",
        .CompatibleWith = "Scorpio, Capricorn, Pisces, Cancer",
        .NotCompatibleWith = "Gemini, Aquarius, Libra",
    },
    // Libra
    {
        .IndianName = "Thula",
        .EnglishName = "Libra",
        .RullingPlanet = "Venus",
        .Symbol = "The Balance",
        .InbornNature = "Air",
        .SignColor = "Black",
        .TypeOfSign = "Movable",
        .Gender = "Male",
        .BestPeriodOfActivity = "Day",
        .Barren = "Semi-Fruitful",
        .SignCaste = "Sudra",
        .SignPosition = "Dwara",
        .Constituent = "Mineral (Dhatu)",
        .LuckyDays = "Friday, Wednesday, Thursday",
        .LuckyNumbers = "1, 2, 4",
        .BestDirection = "West",
        .LuckyColors = "White, Green, Yellow",
        .LuckyGemstone = "Diamond",
        .PartOfTheBody = "Lower Abdomen & Groin",
        .Physique = "Tall",
        .Looks =
            "You are mostly tall and well proportioned, with a pleasing face, a charming smile "
            "and a graceful way of moving. "
            "You like to dress smartly and care about appearances.",
        .Nature =
            "Justice means everything to you. "
            "Ruled by Venus, you seek balance, harmony and fairness in every part of your life. "
            "You are polite, charming and diplomatic, and you have a gift for bringing people "
            "together. "
            "You dislike quarrels and often act as a peacemaker among friends and family. "
            "You love beauty, art, music and pleasant surroundings, and you have refined, "
            "elegant taste. "
            "Because you like to weigh every side of a question, you may take a long time to "
            "make up your mind. "
            "You enjoy company and do not like to be alone for long. "
            "At times you may try too hard to please others and neglect your own needs. "
            "You are sociable, kind and gracious, and people really enjoy being around you. "
            "Standing firm on your own views from time to time will help you feel more confident.",
        .CareerAndFinance =
            "You could make a career in law, the arts, fashion, design, diplomacy or public "
            "relations. "
            "You earn well through partners, but also like to spend on comforts.",
        .LoveAndDomesticLife =
            "Being peaceful and loving by nature, you value partnership above almost anything. "
            "You are a devoted and romantic partner and work hard to keep harmony, comfort and "
            "beauty in your home.",
        .Health = "Kidney and liver are your weaker areas. "
                  "Drink plenty of clean water and keep a balanced diet.",
        .CompatibleWith = "Sagittarius, Aquarius, Aries, Gemini, Leo",
        .NotCompatibleWith = "Taurus, Virgo, Capricorn",
    },
    // Scorpio
    {
        .IndianName = "Vrischika",
        .EnglishName = "Scorpio",
        .RullingPlanet = "Mars",
        .Symbol = "The Scorpion",
        .InbornNature = "Water",
        .SignColor = "Reddish Brown",
        .TypeOfSign = "Fixed",
        .Gender = "Female",
        .BestPeriodOfActivity = "Day",
        .Barren = "Fruitful",
        .SignCaste = "Brahmana",
        .SignPosition = "Bahya",
        .Constituent = "Vegetable (Moola)",
        .LuckyDays = "Monday, Tuesday, Thursday",
        .LuckyNumbers = "3, 7, 9",
        .BestDirection = "North",
        .LuckyColors = "Brown, Red, Yellow, White",
        .LuckyGemstone = "Coral",
        .PartOfTheBody = "External Genitalia",
        .Physique = "Tall",
        .Looks = "You may have broad body proportions and a strong frame, with deep, piercing eyes "
                 "and an intense gaze that people recall.",
        .Nature =
            "Mysterious is the first word that comes to mind when people try to describe you. "
            "Ruled by Mars, you are intense, determined and deeply emotional, though you rarely "
            "show your feelings openly. "
            "You have strong willpower and can endure a good deal to reach your goals. "
            "You are very perceptive and can see through pretense and hidden motives. "
            "You keep your secrets well and expect loyalty in return. "
            "When hurt, you may find it hard to forgive and forget. "
            "You are drawn to hidden knowledge, research and the deeper side of life, including "
            "the occult. "
            "Your passion and courage make you a powerful friend and a formidable opponent. "
            "You can transform yourself after hard times and come back stronger than before. "
            "Learning to let go of suspicion and old hurts will help you use your great inner "
            "strength in positive ways.",
        .CareerAndFinance =
            "You may come in possession of wealth through inheritance, insurance or your spouse. "
            "You do well in research, medicine, surgery, investigation or finance. "
            "You are shrewd with money and good at handling the resources of others. "
            "You keep money matters private.",
        .LoveAndDomesticLife =
            "Your possessive nature may create tension in love, as you want total devotion from "
            "your partner. "
            "You love deeply and with great passion, and you are very loyal once committed. "
            "Trust is everything to you. "
            "Giving your partner some freedom will make your home calmer and happier.",
        .Health = "You may have problems from infections of the urinary tract. "
                  "Rest, good hygiene and enough water keep you well.",
        .CompatibleWith = "Capricorn, Pisces, Taurus, Cancer, Virgo",
        .NotCompatibleWith = "Aries, Leo, Sagittarius",
    },
    // Sagittarius
    {
        .IndianName = "Dhanus",
        .EnglishName = "Sagittarius",
        .RullingPlanet = "Jupiter",
        .Symbol = "The Archer",
        .InbornNature = "Fire",
        .SignColor = "Yellowish brown",
        .TypeOfSign = "Mixed",
        .Gender = "Male",
        .BestPeriodOfActivity = "Night",
        .Barren = "Semi-Fruitful",
        .SignCaste = "Kshatriya",
        .SignPosition = "Garbha",
        .Constituent = "Animal (Jeeva)",
        .LuckyDays = "Sunday, Thursday",
        .LuckyNumbers = "3, 5, 6, 8",
        .BestDirection = "East",
        .LuckyColors = "Yellow, Gray, Brown",
        .LuckyGemstone = "Yellow Sapphire",
        .PartOfTheBody = "Thighs",
        .Physique = "Even",
        .Looks = "You may be medium to tall in height, with a well built, athletic body, a broad "
                 "forehead and a cheerful, open face. "
                 "You tend to walk with long strides and have a friendly, ready smile.",
        .Nature =
            "You are very optimistic and cheerful, and you look at life as a great adventure. "
            "Ruled by Jupiter, you are wise, generous and fond of learning, philosophy and "
            "faith. "
            "You love freedom and travel, and you dislike being tied down by rules. "
            "You are honest and candid, and at times your words can be too blunt. "
            "You believe in fairness and often stand up for what is right. "
            "You enjoy sports and the outdoors. "
            "You may promise more than you can deliver, but you always mean well. "
            "Your warmth and humor win you many friends.",
        .CareerAndFinance =
            "You always yearn to learn more, so you do well in teaching, law, religion, "
            "publishing, foreign trade, travel or guiding others. "
            "You are lucky with money and often find help when you need it, but your generosity "
            "can make saving hard for you.",
        .LoveAndDomesticLife =
            "You may have some problem settling down, as you value your freedom highly. "
            "You need a partner who shares your love of travel and ideas and gives you room to "
            "grow. "
            "Once committed, you are honest, warm and cheerful. "
            "Your home is often lively and open to guests, and you make a fun and caring parent.",
        .Health = "Your body gives out too much energy at times, and you may tend to overdo it. "
                  "Your hips, thighs and liver need care. "
                  "Rest and moderation will keep you well.",
        .CompatibleWith = "Aquarius, Aries, Gemini, Leo, Libra",
        .NotCompatibleWith = "Scorpio, Pisces, Cancer",
    },
    // Capricorn
    {
        .IndianName = "Makara",
        .EnglishName = "Capricorn",
        .RullingPlanet = "Saturn",
        .Symbol = "The Crocodile",
        .InbornNature = "Earth",
        .SignColor = "Multicolored",
        .TypeOfSign = "Movable",
        .Gender = "Female",
        .BestPeriodOfActivity = "Night",
        .Barren = "Barren",
        .SignCaste = "Vaisya",
        .SignPosition = "Dwara",
        .Constituent = "Mineral (Dhatu)",
        .LuckyDays = "Saturday, Wednesday",
        .LuckyNumbers = "6, 8, 9",
        .BestDirection = "South",
        .LuckyColors = "Black, Blue",
        .LuckyGemstone = "Blue Sapphire",
        .PartOfTheBody = "Knees",
        .Physique = "Even",
        .Looks =
            "You generally have beautiful eyes. "
            "You may be thin and fairly tall, with a bony frame and a serious, thoughtful face.",
        .Nature =
            "You want to achieve a high position in life, and you are ready to work hard and "
            "wait patiently for it. "
            "Ruled by Saturn, you are disciplined, practical and responsible. "
            "You set clear goals and climb toward them step by step. "
            "You are reserved and may seem serious or cool to those who do not know you well. "
            "You respect tradition and authority and value status and reputation. "
            "You are careful and cautious and rarely take needless risks. "
            "You are thrifty and plan with care. "
            "At times you may be too hard on yourself and find it difficult to relax. "
            "Your success often comes later in life, but it tends to be solid and lasting. "
            "Your sense of humor is dry but sharp. "
            "Making time for rest and fun will help you enjoy what you achieve.",
        .CareerAndFinance =
            "Material wealth means a lot to you. "
            "You do well in business, management, government, engineering or real estate. "
            "Through patience and thrift you build lasting wealth.",
        .LoveAndDomesticLife =
            "Domestic life will have its ups and downs, as you can be reserved about your "
            "feelings and busy with work. "
            "You take duty to your family very seriously and provide for them very well. "
            "You may marry later or choose a partner who is older or more mature. "
            "Sharing your feelings more openly will bring greater warmth to your home.",
        .Health = "You may be prone to joint pain, sore knees, dry skin and tooth trouble. "
                  "Keep warm and active.",
        .CompatibleWith = "Pisces, Taurus, Cancer, Virgo, Scorpio",
        .NotCompatibleWith = "Gemini, Aquarius, Libra",
    },
    // Aquarius
    {
        .IndianName = "Kumbha",
        .EnglishName = "Aquarius",
        .RullingPlanet = "Saturn",
        .Symbol = "The Water Carrier",
        .InbornNature = "Air",
        .SignColor = "Deep Brown",
        .TypeOfSign = "Fixed",
        .Gender = "Male",
        .BestPeriodOfActivity = "Day",
        .Barren = "Semi-Fruitful",
        .SignCaste = "Sudra",
        .SignPosition = "Bahya",
        .Constituent = "Vegetable (Moola)",
        .LuckyDays = "Thursday, Friday, Saturday",
        .LuckyNumbers = "2, 3, 7, 9",
        .BestDirection = "West",
        .LuckyColors = "Blue, Black",
        .LuckyGemstone = "Blue Sapphire",
        .PartOfTheBody = "Calves",
        .Physique = "Short",
        .Looks = "You may have a fair complexion and a tall, well proportioned body, with an "
                 "attractive, friendly face and a distinct, original look. "
                 "You may choose to dress in an unusual way. "
                 "Your eyes often have a thoughtful, faraway look that draws attention.",
        .Nature =
            "You are a thinker, philosopher and humanitarian. "
            "Ruled by Saturn, you are independent, inventive and often ahead of your time. "
            "You value truth and fairness and care about the welfare of society. "
            "You like to make friends from all walks of life, yet you need time alone to think. "
            "You dislike being told what to do and may rebel against rules that seem unfair. "
            "Your ideas are original, and you may be drawn to science, technology and social "
            "reform. "
            "You can seem detached because you think before you feel. "
            "You are loyal to your ideals and to your friends. "
            "Opening your heart a little more will bring you closer to those you love.",
        .CareerAndFinance =
            "You will do very well in science, technology, research, social work, astrology or "
            "any field that calls for fresh ideas. "
            "You may earn through groups or networks. "
            "Money comes second to your ideals.",
        .LoveAndDomesticLife = "You are influenced more by the mind than the heart in love. "
                               "You want a partner who is also a friend and respects your freedom. "
                               "You are loyal and fair, though not very emotional.",
        .Health = "Your legs and eyes may need some extra care. "
                  "Circulation problems, cramps or swelling in the ankles may occur. "
                  "Regular walks and proper rest keep you well.",
        .CompatibleWith = "Aquarius, Libra, Gemini",
        .NotCompatibleWith = "Taurus, Virgo, Capricorn",
    },
    // Pisces
    {
        .IndianName = "Meena",
        .EnglishName = "Pisces",
        .RullingPlanet = "Jupiter",
        .Symbol = "The Double Fish",
        .InbornNature = "Water",
        .SignColor = "Blue",
        .TypeOfSign = "Mixed",
        .Gender = "Female",
        .BestPeriodOfActivity = "Day",
        .Barren = "Fruitful",
        .SignCaste = "Brahmana",
        .SignPosition = "Garbha",
        .Constituent = "Animal (Jeeva)",
        .LuckyDays = "Thursday, Monday, Tuesday",
        .LuckyNumbers = "1, 3, 4",
        .BestDirection = "North",
        .LuckyColors = "Pink, Cream",
        .LuckyGemstone = "Yellow Sapphire",
        .PartOfTheBody = "Feet",
        .Physique = "Short",
        .Looks =
            "You may have the perfect blend of softness and charm, with a medium build, a kind "
            "face and large, dreamy eyes. "
            "Your hands and feet may be small, and you move with grace.",
        .Nature =
            "You are very creative and imaginative, with a rich inner world. "
            "Ruled by Jupiter, you are kind, gentle and deeply compassionate, and you feel the "
            "pain of others as if it were your own. "
            "You are spiritual by nature and may be drawn to prayer, meditation or charity. "
            "Your intuition is strong and you often sense things before they happen. "
            "You may be easily influenced by others and sometimes find it hard to say no. "
            "At times you may escape into dreams rather than face harsh reality. "
            "You are modest and generous, and you rarely seek power over others. "
            "You adapt well and can get along with many kinds of people. "
            "You adore music, art and the sea. "
            "Setting clear limits will protect your sensitive nature.",
        .CareerAndFinance =
            "You are artistically inclined. "
            "You can do well in music, painting, poetry, healing, medicine, charity or spiritual "
            "work. "
            "You earn through creativity and service, but you are not always careful with money, "
            "so it helps to plan ahead.",
        .LoveAndDomesticLife =
            "Your children will be very dear to you, and you are a loving and devoted parent. "
            "In love you are romantic, tender and willing to sacrifice for your partner. "
            "You may idealize the one you love, so choose with care. "
            "A gentle, caring home suits you best, and your family finds much comfort in you.",
        .Health = "Common cold will be your frequent visitor. "
                  "Your feet and lymph glands may need care. "
                  "Rest, warm water and sleep help you stay well.",
        .CompatibleWith = "Taurus, Cancer, Virgo, Scorpio, Capricorn",
        .NotCompatibleWith = "Aries, Leo, Sagittarius",
    },
}};

}  // namespace lumora
