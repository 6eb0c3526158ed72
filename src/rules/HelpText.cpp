// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/HelpText.h"

namespace tarnwick {

const std::array<std::string, HelpLineCount>& HelpLines() {
    // The heading and its underline are pushed towards the middle of the window with blanks; the
    // window never reflows its text, so the lines are as long as the text was written.
    static const std::array<std::string, HelpLineCount> Lines = {
        std::string(72, ' ') + "WELCOME TO TARNWICK ",
        std::string(73, ' ') + std::string(24, '='),
        "",
        "    Many of you will be familiar with the rules of Spades. For those who are not, the rules are not "
        "difficult and the game is very similar to",
        "    Whist.The main exception being that the suit of spades is always trumps. Tarnwick is different "
        "to the normal game in that you play the",
        "    other three players as indivuals, rather than with a partner. An added attraction is that you "
        "play against them for a cent a point and ",
        "    records are kept of money won and lost.An excellent and fun way to keep a check over a period "
        "of time of who is winning or losing by how ",
        "    many points.Statistics are kept of the number of games won by you and other players.The people "
        "you play are called Rodrick, Desmond and ",
        "    Beatrix - ring any bells?. The computer will not let you play a card you should not, and this "
        "is a great help in learning the game. ",
        " ",
        "    Each player is dealt 13 cards and then decides how many tricks they believe they can make with "
        "the cards dealt.This is an interesting and  ",
        "    skilful part of the game, as you must weigh up your own cards and guess what the others hold. "
        "Spades are always trumps and aces are high.",
        "    The player who leads to a trick may lead any card he likes, except that a spade may not be led "
        "until spades have been broken in that hand.",
        "    Spades are broken when a player plays a spade because he cannot follow the suit led, or when "
        "the player to lead holds nothing but spades.",
        "    If you hold a card of the suit that was led you must follow suit. If you cannot follow suit you "
        "may trump with a spade or throw any card.",
        "    Do not worry about making a mistake, as the program will refuse any card that may not be played "
        "and you simply choose another one. ",
        "",
        "    It is important to get the bid as correct as possible as for every trick you make over the "
        "number you bid you will receive a 'bag'. Bags",
        "    are counted and carried forward from hand to hand until they reach 10, and every 10 bags you "
        "collect costs you 100 points off your score.",
        "    You score 10 points for each trick you bid and make, and 1 point for each trick you take over "
        "your bid. If you take fewer tricks than",
        "    you bid you lose 10 points for each trick bid. You may also bid zero tricks (Nil), and if you "
        "take no tricks at all you score 200 points.",
        "    Beware however, you will lose 200 points if you should take even one trick.",
        "",
        "    The normal target points for each game is 300 with a limit of 8 hands. If 300 is not reached "
        "when 8 hands have been played the winner is",
        "    the player with the highest score. The limit of 8 hands stops a game going on for ever, which "
        "is just as well as a game cannot be saved. ",
        "   If you fancy a quick game you may lower the target to 200 or 100 from the Options menu, and this "
        "can be done before or during a game.",
        " ",
        "    In the Options Menu.you may change your name and the target score for quick or long games as "
        "requied. From the Vew menu you can",
        "    see how many games each player has won and how much fun money each player has won or lost, and "
        "you can set the games won and money back",
        "    to zero whenever you wish    From the Game Menu you may start a new game or exit. ",
        "",
        "    Enjoy",
    };
    return Lines;
}

} // namespace tarnwick
