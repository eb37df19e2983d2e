// SPDX-License-Identifier: MIT
// modEnochianNumerology: the reading tables and the choice of a cast's reading.
// Plain C++: it knows nothing of windows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dicemere::reading {

inline constexpr int kRows = 12;   // reading rows 0..11
inline constexpr int kColumns = 6; // reading columns 0..5

// The eight lines of a reading, top to bottom as the result page shows them, copies them and
// reads them out. The one list of them: the texts of a Reading, the tables they come from and
// the page's lines all follow it.
enum Text : std::size_t {
    NumberText,
    Description,
    Interpretation,
    Stone,
    Totem,
    Herb,
    EssentialOil,
    FlowerRemedy,
    kTextCount
};

// The table a line's text comes from, by the name its translations are filed under; none for
// the number text, a formula with nothing to translate.
constexpr const char* TableOf(Text text) {
    switch (text) {
    case NumberText:
    case kTextCount:
        break;
    case Description:
        return "NumberDescription";
    case Interpretation:
        return "Interpretation";
    case Stone:
        return "Stone";
    case Totem:
        return "Totem";
    case Herb:
        return "Herb";
    case EssentialOil:
        return "EssentialOil";
    case FlowerRemedy:
        return "FlowerRemedy";
    }
    return nullptr;
}

// The number of reading row r: 0..9, then 11, then 22.
std::int16_t EnochianNumber(int row);
std::string_view NumberDescription(int row);
std::string_view TotemOf(int row);
// The texts of cell (row, column); empty where the cell has none, except the interpretation: the
// text shown for "none" ("NA").
std::string_view CombinationKeyAt(int row, int column);
std::string_view CombinationTextAt(int row, int column);
std::string_view InterpretationAt(int row, int column);
std::string_view StoneAt(int row, int column);
std::string_view HerbAt(int row, int column);
std::string_view EssentialOilAt(int row, int column);
std::string_view FlowerRemedyAt(int row, int column);

// One decimal digit per die, in cast order: 5 then 6 give "56".
std::string CombinationKey(std::span<const std::int16_t> diceValues);

// Repeated digit sums down to one digit, 0..9. Characters that are not
// digits add nothing.
std::int16_t ReduceKey(std::string_view key);

struct Cell {
    int row;
    int column;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The first cell, in row order and then column order, whose key is exactly
// the given key.
std::optional<Cell> FindCombination(std::string_view key);

struct Reading {
    std::array<std::string, kTextCount> texts;
    Cell cell{0, 0};
    bool combinationMet = false;
    std::int16_t number = 0; // the number of the reading's row
    // How the number came about, for people: the dice values ("4, 6, 6"), and
    // either the combination met ("5+6") or the passes of the reduction
    // ("16, 1+6 = 7"). The windows put them into words.
    std::string dice;
    std::string working;
};

// The reading of a finished cast (2 to 4 dice, each 0..6, in cast order).
Reading SelectReading(std::span<const std::int16_t> diceValues);

} // namespace dicemere::reading
