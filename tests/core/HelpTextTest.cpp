// The help text: the lines the player has always seen stay character for character, and the
// lines written for this version keep their manner: indented, long, one after another.

#include "shell/HelpText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace tarnwick;

// Numbered from 1, as the lines appear on the screen.
const std::string& Line(size_t Number) { return HelpLines().at(Number - 1); }

TEST(HelpText, HasThirtyTwoLines) { EXPECT_EQ(HelpLines().size(), 32u); }

TEST(HelpText, HeadingAndUnderlineAreIndentedWithBlanks) {
    EXPECT_EQ(Line(1), std::string(72, ' ') + "WELCOME TO TARNWICK ");
    EXPECT_EQ(Line(2), std::string(73, ' ') + "========================");
}

TEST(HelpText, OpeningParagraphIsKeptWordForWord) {
    EXPECT_EQ(Line(4), "    Many of you will be familiar with the rules of Spades. For those who are not, the rules are not "
                       "difficult and the game is very similar to");
    EXPECT_EQ(Line(5), "    Whist.The main exception being that the suit of spades is always trumps. Tarnwick is different "
                       "to the normal game in that you play the");
    EXPECT_EQ(Line(6), "    other three players as indivuals, rather than with a partner. An added attraction is that you "
                       "play against them for a cent a point and ");
    EXPECT_EQ(Line(7), "    records are kept of money won and lost.An excellent and fun way to keep a check over a period "
                       "of time of who is winning or losing by how ");
    EXPECT_EQ(Line(8), "    many points.Statistics are kept of the number of games won by you and other players.The people "
                       "you play are called Rodrick, Desmond and ");
    EXPECT_EQ(Line(9), "    Beatrix - ring any bells?. The computer will not let you play a card you should not, and this "
                       "is a great help in learning the game. ");
}

TEST(HelpText, ParagraphOpeningsAreKeptWordForWord) {
    EXPECT_EQ(Line(11), "    Each player is dealt 13 cards and then decides how many tricks they believe they can make with "
                        "the cards dealt.This is an interesting and  ");
    EXPECT_EQ(Line(18), "    It is important to get the bid as correct as possible as for every trick you make over the "
                        "number you bid you will receive a 'bag'. Bags");
    EXPECT_EQ(Line(24), "    The normal target points for each game is 300 with a limit of 8 hands. If 300 is not reached "
                        "when 8 hands have been played the winner is");
    EXPECT_EQ(Line(28), "    In the Options Menu.you may change your name and the target score for quick or long games as "
                        "requied. From the Vew menu you can");
}

TEST(HelpText, ClosingLinesAreKeptWordForWord) {
    EXPECT_EQ(Line(22), "    Beware however, you will lose 200 points if you should take even one trick.");
    EXPECT_EQ(Line(30), "    to zero whenever you wish    From the Game Menu you may start a new game or exit. ");
    EXPECT_EQ(Line(32), "    Enjoy");
}

TEST(HelpText, GapsBetweenParagraphs) {
    for (size_t Number : {3u, 17u, 23u, 31u}) EXPECT_EQ(Line(Number), "") << "line " << Number;
    for (size_t Number : {10u, 27u}) EXPECT_EQ(Line(Number), " ") << "line " << Number;
}

TEST(HelpText, WrittenLinesReadLikeTheRest) {
    for (size_t Number : {12u, 13u, 14u, 15u, 16u, 19u, 20u, 21u, 25u, 29u}) {
        const std::string& Text = Line(Number);
        EXPECT_EQ(Text.substr(0, 4), "    ") << "line " << Number;
        EXPECT_NE(Text[4], ' ') << "line " << Number;
        EXPECT_GE(Text.size(), 120u) << "line " << Number;
        EXPECT_LE(Text.size(), 150u) << "line " << Number;
    }
    // The one line that has always been indented a blank less.
    const std::string& Quick = Line(26);
    EXPECT_EQ(Quick.substr(0, 3), "   ");
    EXPECT_NE(Quick[3], ' ');
    EXPECT_GE(Quick.size(), 120u);
    EXPECT_LE(Quick.size(), 150u);
}

TEST(HelpText, NoLineBreaksOrTabsInsideALine) {
    for (const std::string& Text : HelpLines()) EXPECT_EQ(Text.find_first_of("\t\r\n"), std::string::npos) << Text;
}

TEST(HelpText, ScoringParagraphStatesTheGamesOwnNumbers) {
    std::string Scoring;
    for (size_t Number = 18; Number <= 22; ++Number) Scoring += Line(Number);
    EXPECT_NE(Scoring.find("10 points for each trick you bid and make"), std::string::npos);
    EXPECT_NE(Scoring.find("1 point for each trick"), std::string::npos);
    EXPECT_NE(Scoring.find("100 points"), std::string::npos);
    EXPECT_NE(Scoring.find("score 200 points"), std::string::npos);

    std::string Target;
    for (size_t Number = 24; Number <= 26; ++Number) Target += Line(Number);
    EXPECT_NE(Target.find("highest score"), std::string::npos);
    EXPECT_NE(Target.find("200 or 100"), std::string::npos);
}

} // namespace
