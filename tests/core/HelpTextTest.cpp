// SPDX-License-Identifier: GPL-3.0-or-later
// The help text: the lines the player has always seen stay character for character.

#include "rules/HelpText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using namespace tarnwick;

// Numbered from 1, as the lines appear on the screen.
const std::string& Line(size_t Number) {
    return HelpLines().at(Number - 1);
}

TEST(HelpText, KeptLinesStayCharacterForCharacter) {
    const std::pair<size_t, std::string> Kept[] = {
        {1, std::string(72, ' ') + "WELCOME TO TARNWICK "},
        {2, std::string(73, ' ') + "========================"},
        {4, "    Many of you will be familiar with the rules of Spades. For those who are not, the rules are "
            "not "
            "difficult and the game is very similar to"},
        {5,
         "    Whist.The main exception being that the suit of spades is always trumps. Tarnwick is different "
         "to the normal game in that you play the"},
        {6,
         "    other three players as indivuals, rather than with a partner. An added attraction is that you "
         "play against them for a cent a point and "},
        {7,
         "    records are kept of money won and lost.An excellent and fun way to keep a check over a period "
         "of time of who is winning or losing by how "},
        {8,
         "    many points.Statistics are kept of the number of games won by you and other players.The people "
         "you play are called Rodrick, Desmond and "},
        {9,
         "    Beatrix - ring any bells?. The computer will not let you play a card you should not, and this "
         "is a great help in learning the game. "},
        {11,
         "    Each player is dealt 13 cards and then decides how many tricks they believe they can make with "
         "the cards dealt.This is an interesting and  "},
        {18, "    It is important to get the bid as correct as possible as for every trick you make over the "
             "number you bid you will receive a 'bag'. Bags"},
        {22, "    Beware however, you will lose 200 points if you should take even one trick."},
        {24,
         "    The normal target points for each game is 300 with a limit of 8 hands. If 300 is not reached "
         "when 8 hands have been played the winner is"},
        {28,
         "    In the Options Menu.you may change your name and the target score for quick or long games as "
         "requied. From the Vew menu you can"},
        {30, "    to zero whenever you wish    From the Game Menu you may start a new game or exit. "},
        {32, "    Enjoy"},
        {3, ""},
        {17, ""},
        {23, ""},
        {31, ""},
        {10, " "},
        {27, " "},
    };
    ASSERT_EQ(HelpLines().size(), 32u);
    for (const auto& [Number, Text] : Kept)
        EXPECT_EQ(Line(Number), Text) << "line " << Number;
}

} // namespace
