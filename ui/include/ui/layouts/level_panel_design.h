#pragma once

#include <array>
#include <cstddef>

// Where the controls of the main window's three level panels lie, in twips.
namespace Design {

// A control's place in twips, as the design gives it.
struct Place
{
    int left;
    int top;
    int width;
    int height;
};

// The design of a level panel: where its controls lie. Its controls are
// named after the level, "expertScoreButton", "expertChoice9".
template<std::size_t N>
struct LevelPanelDesign
{
    const char *level;
    int scoreLeft;
    int scoreWidth;
    Place resultFrame;
    Place result; // inside the result frame
    Place hint;
    std::array<Place, N> choices;
};

// Beginner panel: a zigzag of five pictures under the hint.
inline constexpr LevelPanelDesign<5> beginnerDesign{
    "beginner", 360, 8655, {3240, 120, 2895, 2055}, {720, 360, 1515, 1470}, {3045, 2280, 3525, 195},
    {{{360, 3480, 1500, 1500}, {2160, 2520, 1500, 1500}, {3960, 3480, 1500, 1500}, {5760, 2520, 1500, 1500},
      {7560, 3480, 1500, 1500}}}};

// Intermediate panel: the hint lies below the pictures.
inline constexpr LevelPanelDesign<8> intermediateDesign{
    "intermediate", 1680, 6255, {3308, 120, 2895, 2055}, {720, 360, 1515, 1470}, {3045, 4680, 3525, 195},
    {{{120, 2280, 1500, 1500}, {1680, 1560, 1500, 1500}, {6360, 1560, 1500, 1500}, {7920, 2280, 1500, 1500},
      {1680, 3120, 1500, 1455}, {3240, 3120, 1515, 1470}, {4800, 3120, 1515, 1470}, {6360, 3120, 1515, 1470}}}};

// Expert panel: the shared symbols above, the Expert emblems below.
inline constexpr LevelPanelDesign<10> expertDesign{
    "expert", 120, 9255, {3548, 120, 2415, 1935}, {480, 240, 1515, 1470}, {2985, 4680, 3525, 195},
    {{{120, 1560, 1500, 1500}, {1680, 1560, 1500, 1500}, {6360, 1560, 1500, 1500}, {7920, 1560, 1500, 1500},
      {120, 3120, 1530, 1455}, {1680, 3120, 1515, 1470}, {3240, 3120, 1530, 1470}, {4800, 3120, 1515, 1470},
      {6360, 3120, 1515, 1470}, {7920, 3120, 1515, 1470}}}};

} // namespace Design
