// SPDX-License-Identifier: MIT
#include "EnochianNumerology.h"

// The tables' texts are the English originals. The windows show them in the
// user's language: the marker tells Qt's translation tools, which read this
// source, where each text is and which table it belongs to. Here it is only
// the text: this module knows nothing of Qt.
#define QT_TRANSLATE_NOOP(table, text) text

namespace dicemere::reading {

namespace {

// One variant of a row's reading: the combination key that meets it, how that key adds up, and
// the texts it gives. An empty text is no value: a cell without a key is met by no cast.
struct Variant {
    std::string_view key;
    std::string_view combination;
    std::string_view stone;
    std::string_view herb;
    std::string_view essentialOil;
    std::string_view flowerRemedy;
    std::string_view interpretation;
};

// The reading of one number: the number, its totem and description, and its variants.
struct Row {
    std::int16_t number;
    std::string_view totem;
    std::string_view description;
    std::array<Variant, kColumns> variants;
};

// What the page shows where a variant has no interpretation.
constexpr std::string_view kNoInterpretation = QT_TRANSLATE_NOOP("Interpretation", "NA");

// One row per number: 0 to 9, then the master numbers 11 and 22. Rows 1 to 9 key the dice
// totals that reduce to the row's number; rows 10 and 11 key the master combinations, face by
// face. Each variant reads: key, combination, stone, herb, essential oil, flower remedy, and
// the interpretation last, on a line of its own. Each text stays whole on one line, out of the
// formatter's reach: its exact words are the key of its translations.
// clang-format off
constexpr std::array<Row, kRows> kReadings{{
    {0, QT_TRANSLATE_NOOP("Totem", "Turtle, Dolphin"),
     QT_TRANSLATE_NOOP("NumberDescription", "Do not waste your energy. Use this quiet time to rest and gather your strength before you act."),
     {{
         {"0", "0", QT_TRANSLATE_NOOP("Stone", "Agate"), QT_TRANSLATE_NOOP("Herb", "Skullcap"), QT_TRANSLATE_NOOP("EssentialOil", "Tea Tree"), QT_TRANSLATE_NOOP("FlowerRemedy", "Centaury"), {}},
         {"0", {}, {}, {}, {}, {}, {}},
         {"0", {}, {}, {}, {}, {}, {}},
         {"0", {}, {}, {}, {}, {}, {}},
         {"0", {}, {}, {}, {}, {}, {}},
         {"0", {}, {}, {}, {}, {}, {}},
     }}},
    {1, QT_TRANSLATE_NOOP("Totem", "Eagle, Otter"),
     QT_TRANSLATE_NOOP("NumberDescription", "Use your energies for achieving your own goals. Take the first step alone and trust your will."),
     {{
         {"1", "1", QT_TRANSLATE_NOOP("Stone", "Aquamarine"), QT_TRANSLATE_NOOP("Herb", "Fenugreek"), QT_TRANSLATE_NOOP("EssentialOil", "Cedarwood"), QT_TRANSLATE_NOOP("FlowerRemedy", "Cerato"),
          QT_TRANSLATE_NOOP("Interpretation", "This is the time to analyze your situation with a clear mind. Look at the facts, decide what you truly want, and then act on your own judgement without waiting.")},
         {"10", "1+0", QT_TRANSLATE_NOOP("Stone", "Emerald"), QT_TRANSLATE_NOOP("Herb", "Lavender"), QT_TRANSLATE_NOOP("EssentialOil", "Rose"), QT_TRANSLATE_NOOP("FlowerRemedy", "Chicory"),
          QT_TRANSLATE_NOOP("Interpretation", "You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.")},
         {"19", "1+9", QT_TRANSLATE_NOOP("Stone", "Danburite"), QT_TRANSLATE_NOOP("Herb", "Yarrow"), QT_TRANSLATE_NOOP("EssentialOil", "Lavender"), QT_TRANSLATE_NOOP("FlowerRemedy", "Rock Water"),
          QT_TRANSLATE_NOOP("Interpretation", "You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.")},
         {{}, {}, QT_TRANSLATE_NOOP("Stone", "Kyanite"), {}, {}, {}, {}},
     }}},
    {2, QT_TRANSLATE_NOOP("Totem", "Wolf, Dog"),
     QT_TRANSLATE_NOOP("NumberDescription", "This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot."),
     {{
         {"2", "2", QT_TRANSLATE_NOOP("Stone", "Bloodstone, Jasper, Onyx"), QT_TRANSLATE_NOOP("Herb", "Barberry"), QT_TRANSLATE_NOOP("EssentialOil", "Orange"), QT_TRANSLATE_NOOP("FlowerRemedy", "Honeysuckle"),
          QT_TRANSLATE_NOOP("Interpretation", "This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.")},
         {"11", "1+1", QT_TRANSLATE_NOOP("Stone", "Malachite, Diamond"), QT_TRANSLATE_NOOP("Herb", "Plantain"), QT_TRANSLATE_NOOP("EssentialOil", "Sandalwood"), QT_TRANSLATE_NOOP("FlowerRemedy", "Heather"),
          QT_TRANSLATE_NOOP("Interpretation", "Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.")},
         {"20", "2+0", QT_TRANSLATE_NOOP("Stone", "Howlite, Tiger's Eye"), QT_TRANSLATE_NOOP("Herb", "Ephedra"), QT_TRANSLATE_NOOP("EssentialOil", "Citronella"), QT_TRANSLATE_NOOP("FlowerRemedy", "Water Violet"),
          QT_TRANSLATE_NOOP("Interpretation", "This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.")},
     }}},
    {3, QT_TRANSLATE_NOOP("Totem", "Deer, Ant"),
     QT_TRANSLATE_NOOP("NumberDescription", "The keyword for this number is expression. Speak, write or create, and let your joy be seen."),
     {{
         {"3", "3", QT_TRANSLATE_NOOP("Stone", "Ruby, Sapphire"), QT_TRANSLATE_NOOP("Herb", "Coriander"), QT_TRANSLATE_NOOP("EssentialOil", "Geranium"), QT_TRANSLATE_NOOP("FlowerRemedy", "Hornbeam"),
          QT_TRANSLATE_NOOP("Interpretation", "You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.")},
         {"12", "1+2", QT_TRANSLATE_NOOP("Stone", "Lapis Lazuli"), QT_TRANSLATE_NOOP("Herb", "Juniper"), QT_TRANSLATE_NOOP("EssentialOil", "Lime"), QT_TRANSLATE_NOOP("FlowerRemedy", "Clematis"),
          QT_TRANSLATE_NOOP("Interpretation", "Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.")},
         {"21", "2+1", QT_TRANSLATE_NOOP("Stone", "Topaz"), QT_TRANSLATE_NOOP("Herb", "Safflower"), QT_TRANSLATE_NOOP("EssentialOil", "Bergamot"), QT_TRANSLATE_NOOP("FlowerRemedy", "Beech"),
          QT_TRANSLATE_NOOP("Interpretation", "Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.")},
     }}},
    {4, QT_TRANSLATE_NOOP("Totem", "Horse, Swan"),
     QT_TRANSLATE_NOOP("NumberDescription", "You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now."),
     {{
         {"4", "4", QT_TRANSLATE_NOOP("Stone", "Garnet, Peridot"), QT_TRANSLATE_NOOP("Herb", "Chervil"), QT_TRANSLATE_NOOP("EssentialOil", "Thyme"), QT_TRANSLATE_NOOP("FlowerRemedy", "Holly"),
          QT_TRANSLATE_NOOP("Interpretation", "You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.")},
         {"13", "1+3", QT_TRANSLATE_NOOP("Stone", "Lepidolite"), QT_TRANSLATE_NOOP("Herb", "Saw Palmetto"), QT_TRANSLATE_NOOP("EssentialOil", "Eucalyptus"), QT_TRANSLATE_NOOP("FlowerRemedy", "Mimulus"),
          QT_TRANSLATE_NOOP("Interpretation", "You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.")},
     }}},
    {5, QT_TRANSLATE_NOOP("Totem", "Squirrel, Hummingbird"),
     QT_TRANSLATE_NOOP("NumberDescription", "You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties."),
     {{
         {"5", "5", QT_TRANSLATE_NOOP("Stone", "Moonstone, Sunstone, Amazonite"), QT_TRANSLATE_NOOP("Herb", "Thistle"), QT_TRANSLATE_NOOP("EssentialOil", "Ginger"), QT_TRANSLATE_NOOP("FlowerRemedy", "Mustard"),
          QT_TRANSLATE_NOOP("Interpretation", "Do not be secretive and keep your plans hidden. Be open about the changes you want to make.")},
         {"14", "1+4", QT_TRANSLATE_NOOP("Stone", "Turquoise, Azurite"), QT_TRANSLATE_NOOP("Herb", "Damiana"), QT_TRANSLATE_NOOP("EssentialOil", "Rosemary"), QT_TRANSLATE_NOOP("FlowerRemedy", "Wild Oat"),
          QT_TRANSLATE_NOOP("Interpretation", "You are keeping too much to yourself. Share your thoughts and let a friend help you decide.")},
         {"23", "2+3", QT_TRANSLATE_NOOP("Stone", "Calcite, Selenite"), QT_TRANSLATE_NOOP("Herb", "Centaury"), QT_TRANSLATE_NOOP("EssentialOil", "Anise"), QT_TRANSLATE_NOOP("FlowerRemedy", "White Chestnut"),
          QT_TRANSLATE_NOOP("Interpretation", "You are spending too much time on restless pursuits. Slow down and choose what really matters.")},
     }}},
    {6, QT_TRANSLATE_NOOP("Totem", "Beaver, Elk"),
     QT_TRANSLATE_NOOP("NumberDescription", "This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow."),
     {{
         {"6", "6", QT_TRANSLATE_NOOP("Stone", "Apache  Tear, Snowflake"), QT_TRANSLATE_NOOP("Herb", "Feverfew"), QT_TRANSLATE_NOOP("EssentialOil", "Peppermint"), QT_TRANSLATE_NOOP("FlowerRemedy", "Olive"),
          QT_TRANSLATE_NOOP("Interpretation", "You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.")},
         {"15", "1+5", QT_TRANSLATE_NOOP("Stone", "Fluorite"), QT_TRANSLATE_NOOP("Herb", "Chamomile"), QT_TRANSLATE_NOOP("EssentialOil", "Neroli"), QT_TRANSLATE_NOOP("FlowerRemedy", "Impatiens"),
          QT_TRANSLATE_NOOP("Interpretation", "Don't be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.")},
         {"24", "2+4", QT_TRANSLATE_NOOP("Stone", "Jade, Opal"), QT_TRANSLATE_NOOP("Herb", "Root"), QT_TRANSLATE_NOOP("EssentialOil", "Wintergreen"), QT_TRANSLATE_NOOP("FlowerRemedy", "Crab Apple"),
          QT_TRANSLATE_NOOP("Interpretation", "Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.")},
     }}},
    {7, QT_TRANSLATE_NOOP("Totem", "Buffalo, Raven"),
     QT_TRANSLATE_NOOP("NumberDescription", "This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people."),
     {{
         {"7", "7", QT_TRANSLATE_NOOP("Stone", "Hematite, Pyrite"), QT_TRANSLATE_NOOP("Herb", "Cascara Sagrada"), QT_TRANSLATE_NOOP("EssentialOil", "Lemon"), QT_TRANSLATE_NOOP("FlowerRemedy", "Agrimony"),
          QT_TRANSLATE_NOOP("Interpretation", "You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.")},
         {"16", "1+6", QT_TRANSLATE_NOOP("Stone", "Tourmalinated Quartz"), QT_TRANSLATE_NOOP("Herb", "Hops"), QT_TRANSLATE_NOOP("EssentialOil", "Myrrh"), QT_TRANSLATE_NOOP("FlowerRemedy", "Cherry Plum"),
          QT_TRANSLATE_NOOP("Interpretation", "Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.")},
     }}},
    {8, QT_TRANSLATE_NOOP("Totem", "Hawk, Spider"),
     QT_TRANSLATE_NOOP("NumberDescription", "Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep."),
     {{
         {"8", "8", QT_TRANSLATE_NOOP("Stone", "Kunzite"), QT_TRANSLATE_NOOP("Herb", "Dandelion"), QT_TRANSLATE_NOOP("EssentialOil", "Clove"), QT_TRANSLATE_NOOP("FlowerRemedy", "Rock Rose"),
          QT_TRANSLATE_NOOP("Interpretation", "You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.")},
         {"17", "1+7", QT_TRANSLATE_NOOP("Stone", "Rhodonite"), QT_TRANSLATE_NOOP("Herb", "Clove"), QT_TRANSLATE_NOOP("EssentialOil", "Clary Sage"), QT_TRANSLATE_NOOP("FlowerRemedy", "Star of Bethlehem"),
          QT_TRANSLATE_NOOP("Interpretation", "Do you expect something in return for every favour? Give freely and the reward will find you.")},
     }}},
    {9, QT_TRANSLATE_NOOP("Totem", "Butterfly, Antelope"),
     QT_TRANSLATE_NOOP("NumberDescription", "Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely."),
     {{
         {"9", "9", QT_TRANSLATE_NOOP("Stone", "Rhodochrosite"), QT_TRANSLATE_NOOP("Herb", "Lemon Balm"), QT_TRANSLATE_NOOP("EssentialOil", "Frankincense"), QT_TRANSLATE_NOOP("FlowerRemedy", "Gorse"),
          QT_TRANSLATE_NOOP("Interpretation", "Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.")},
         {"18", "1+8", QT_TRANSLATE_NOOP("Stone", "Sugilite"), QT_TRANSLATE_NOOP("Herb", "Agrimony"), QT_TRANSLATE_NOOP("EssentialOil", "Patchouli"), QT_TRANSLATE_NOOP("FlowerRemedy", "Sweet Chestnut"),
          QT_TRANSLATE_NOOP("Interpretation", "Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.")},
     }}},
    {11, QT_TRANSLATE_NOOP("Totem", "Bear, Bat"),
     QT_TRANSLATE_NOOP("NumberDescription", "This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness."),
     {{
         {"56", "5+6", QT_TRANSLATE_NOOP("Stone", "Rose, Lavender Quartz"), QT_TRANSLATE_NOOP("Herb", "Pleurisy root"), QT_TRANSLATE_NOOP("EssentialOil", "Jasmine"), QT_TRANSLATE_NOOP("FlowerRemedy", "Red Chestnut, Aspen"),
          QT_TRANSLATE_NOOP("Interpretation", "Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.")},
         {"335", "3+3+5", QT_TRANSLATE_NOOP("Stone", "Amethyst"), QT_TRANSLATE_NOOP("Herb", "St. Johnswort"), QT_TRANSLATE_NOOP("EssentialOil", "Ylang Ylang"), QT_TRANSLATE_NOOP("FlowerRemedy", "Gentian, Larch"),
          QT_TRANSLATE_NOOP("Interpretation", "Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.")},
         {"443", "4+4+3", QT_TRANSLATE_NOOP("Stone", "Citrine"), QT_TRANSLATE_NOOP("Herb", "Mugwort"), QT_TRANSLATE_NOOP("EssentialOil", "Nutmeg"), QT_TRANSLATE_NOOP("FlowerRemedy", "Chestnut Bud, Scheranthus"),
          QT_TRANSLATE_NOOP("Interpretation", "Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.")},
         {"551", "5+5+1", QT_TRANSLATE_NOOP("Stone", "Black Quartz"), QT_TRANSLATE_NOOP("Herb", "Black Walnut"), QT_TRANSLATE_NOOP("EssentialOil", "Spearmint"), QT_TRANSLATE_NOOP("FlowerRemedy", "Walnut, Vervain"),
          QT_TRANSLATE_NOOP("Interpretation", "You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.")},
         {"2225", "2+2+2+5", QT_TRANSLATE_NOOP("Stone", "Aventurine"), QT_TRANSLATE_NOOP("Herb", "Echinacea"), QT_TRANSLATE_NOOP("EssentialOil", "Camomile"), QT_TRANSLATE_NOOP("FlowerRemedy", "Wild Rose, Willow"),
          QT_TRANSLATE_NOOP("Interpretation", "Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.")},
         {"3332", "3+3+3+2", QT_TRANSLATE_NOOP("Stone", "Blue Quartz, Celestite"), QT_TRANSLATE_NOOP("Herb", "Cleavers"), QT_TRANSLATE_NOOP("EssentialOil", "Cinnamon"), QT_TRANSLATE_NOOP("FlowerRemedy", "Oak, Elm"),
          QT_TRANSLATE_NOOP("Interpretation", "Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.")},
     }}},
    {22, QT_TRANSLATE_NOOP("Totem", "Mountain Lion, Turkey"),
     QT_TRANSLATE_NOOP("NumberDescription", "You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others."),
     {{
         {"5566", "5+5+6+6", QT_TRANSLATE_NOOP("Stone", "Tourmaline"), QT_TRANSLATE_NOOP("Herb", "Angelica"), QT_TRANSLATE_NOOP("EssentialOil", "Fir Needle"), QT_TRANSLATE_NOOP("FlowerRemedy", "Pine"),
          QT_TRANSLATE_NOOP("Interpretation", "You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.")},
         {"6664", "6+6+6+4", QT_TRANSLATE_NOOP("Stone", "Moldavite, Phenacite, Dioptase"), QT_TRANSLATE_NOOP("Herb", "Mullein"), QT_TRANSLATE_NOOP("EssentialOil", "Tangerine"), QT_TRANSLATE_NOOP("FlowerRemedy", "Vine"),
          QT_TRANSLATE_NOOP("Interpretation", "Spread love and gain lots more in return. Your kindness now can change many lives for the better.")},
     }}},
}};
// clang-format on

const Row* RowAt(int row) {
    if (row < 0 || row >= kRows)
        return nullptr;
    return &kReadings[static_cast<std::size_t>(row)];
}

// One text of the variant at (row, column); empty outside the table.
std::string_view VariantText(int row, int column, std::string_view Variant::*text) {
    const Row* r = RowAt(row);
    if (r == nullptr || column < 0 || column >= kColumns)
        return {};
    return r->variants[static_cast<std::size_t>(column)].*text;
}

int DigitSum(std::string_view digits) {
    int sum = 0;
    for (const char c : digits)
        if (c >= '0' && c <= '9')
            sum += c - '0';
    return sum;
}

std::string Joined(std::span<const std::int16_t> values, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += separator;
        text += std::to_string(values[i]);
    }
    return text;
}

} // namespace

std::int16_t EnochianNumber(int row) {
    const Row* r = RowAt(row);
    return r != nullptr ? r->number : 0;
}
std::string_view NumberDescription(int row) {
    const Row* r = RowAt(row);
    return r != nullptr ? r->description : std::string_view{};
}
std::string_view TotemOf(int row) {
    const Row* r = RowAt(row);
    return r != nullptr ? r->totem : std::string_view{};
}
std::string_view CombinationKeyAt(int row, int column) {
    return VariantText(row, column, &Variant::key);
}
std::string_view CombinationTextAt(int row, int column) {
    return VariantText(row, column, &Variant::combination);
}
std::string_view InterpretationAt(int row, int column) {
    const std::string_view text = VariantText(row, column, &Variant::interpretation);
    return text.empty() ? kNoInterpretation : text;
}
std::string_view StoneAt(int row, int column) { return VariantText(row, column, &Variant::stone); }
std::string_view HerbAt(int row, int column) { return VariantText(row, column, &Variant::herb); }
std::string_view EssentialOilAt(int row, int column) {
    return VariantText(row, column, &Variant::essentialOil);
}
std::string_view FlowerRemedyAt(int row, int column) {
    return VariantText(row, column, &Variant::flowerRemedy);
}

std::string CombinationKey(std::span<const std::int16_t> diceValues) {
    return Joined(diceValues, "");
}

std::int16_t ReduceKey(std::string_view key) {
    int sum = DigitSum(key);
    while (sum >= 10)
        sum = DigitSum(std::to_string(sum));
    return static_cast<std::int16_t>(sum);
}

std::optional<Cell> FindCombination(std::string_view key) {
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (const std::string_view cellKey = CombinationKeyAt(row, column);
                !cellKey.empty() && cellKey == key)
                return Cell{row, column};
    return std::nullopt;
}

namespace {

// "19, 1+9 = 10, 1+0 = 1": the total and the passes of its reduction.
std::string ReductionSteps(int total) {
    std::string steps = std::to_string(total);
    while (total >= 10) {
        const std::string digits = std::to_string(total);
        std::string joined;
        for (const char c : digits) {
            if (!joined.empty())
                joined += '+';
            joined += c;
        }
        total = DigitSum(digits);
        steps += ", " + joined + " = " + std::to_string(total);
    }
    return steps;
}

} // namespace

Reading SelectReading(std::span<const std::int16_t> diceValues) {
    Reading reading;
    const std::string key = CombinationKey(diceValues);
    reading.dice = Joined(diceValues, ", ");
    if (const auto cell = FindCombination(key)) {
        reading.cell = *cell;
        reading.combinationMet = true;
        reading.number = EnochianNumber(cell->row);
        const std::string combination(CombinationTextAt(cell->row, cell->column));
        reading.texts[NumberText] = combination + " = " + std::to_string(reading.number);
        reading.working = combination;
    } else {
        const std::int16_t fallback = ReduceKey(key);
        for (int row = 0; row < kRows; ++row) {
            if (EnochianNumber(row) == fallback) {
                reading.cell = Cell{row, 0};
                break;
            }
        }
        reading.number = fallback;
        reading.texts[NumberText] = std::to_string(fallback);
        reading.working = ReductionSteps(DigitSum(key));
    }
    const int r = reading.cell.row;
    const int c = reading.cell.column;
    reading.texts[Description] = NumberDescription(r);
    reading.texts[Interpretation] = InterpretationAt(r, c);
    reading.texts[Stone] = StoneAt(r, c);
    reading.texts[Totem] = TotemOf(r);
    reading.texts[Herb] = HerbAt(r, c);
    reading.texts[EssentialOil] = EssentialOilAt(r, c);
    reading.texts[FlowerRemedy] = FlowerRemedyAt(r, c);
    return reading;
}

} // namespace dicemere::reading
