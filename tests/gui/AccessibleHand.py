#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One whole hand played through the accessibility interface alone, as a screen reader or a switch
device would play it: the real game under Xvfb, talking AT-SPI on a private session bus.

New Game is chosen through its menu item's action, the bid through a bid number's action, every
card through its action (the hand and the status text are read from the tree; a refused card is
answered by trying the next) and Continue through its action. Meanwhile an event listener hears
every announcement the status bar sends out, and the texts heard are checked against the game's
own: in order, each new, each matching what the panels show, every card played and every trick.

Run it inside dbus-run-session, with the game's executable as its argument."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

# The whole hand takes tens of seconds at the game's own pace; nothing waits longer than this.
TimeLimit = 180
Started = time.monotonic()

YourTurn = "please click on card you wish to play."
TryAgain = " Sorry, you cannot play that card. Try again please"
Seats = ["Rodrick", "Desmond", "Beatrix"]


def Fail(Why):
    print("FAIL:", Why, flush=True)
    sys.exit(1)


def Check(Holds, Why):
    if not Holds:
        Fail(Why)


def Pump(Seconds):
    """Lets the listener hear what the game sends while time passes."""
    Until = time.monotonic() + Seconds
    Context = GLib.MainContext.default()
    while time.monotonic() < Until:
        while Context.pending():
            Context.iteration(False)
        time.sleep(0.01)


def WaitFor(Found, What, Seconds=60):
    Until = time.monotonic() + Seconds
    while True:
        Value = Found()
        if Value:
            return Value
        if time.monotonic() > Until or time.monotonic() - Started > TimeLimit:
            Fail("timed out waiting for " + What)
        Pump(0.05)


def StartDisplay():
    """A private X server on a free display number."""
    Read, Write = os.pipe()
    Server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(Write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=[Write],
        stderr=subprocess.DEVNULL,
    )
    os.close(Write)
    with os.fdopen(Read) as Numbers:
        Display = Numbers.readline().strip()
    Check(Display, "Xvfb did not start")
    return Server, ":" + Display


def StartGame(Executable, Display, Folder):
    """The game runs from a folder of its own, so its records files are its own too."""
    Source = os.path.dirname(os.path.abspath(Executable))
    for Name in os.listdir(Source):
        if Name.endswith((".png", ".wav")):
            os.symlink(os.path.join(Source, Name), os.path.join(Folder, Name))
    Copy = os.path.join(Folder, "tarnwick")
    shutil.copy2(Executable, Copy)
    Environment = dict(os.environ, DISPLAY=Display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return subprocess.Popen([Copy], cwd=Folder, env=Environment)


def Descendants(Root):
    """Root and everything under it, less what goes away while it is being read."""
    Pending = [Root]
    while Pending:
        Node = Pending.pop()
        try:
            Children = [Child for Child in Node if Child is not None]
            Node.getRole()
        except GLib.GError:
            continue
        yield Node
        Pending.extend(reversed(Children))


def Actions(Node):
    try:
        Action = Node.queryAction()
    except NotImplementedError:
        return []
    return [Action.getName(K) for K in range(Action.nActions)]


def Press(Node):
    Action = Node.queryAction()
    Names = [Action.getName(K) for K in range(Action.nActions)]
    Check("Press" in Names, "no Press action on %s %r" % (Node.getRoleName(), Node.name))
    Action.doAction(Names.index("Press"))


def Showing(Node):
    return Node.getState().contains(pyatspi.STATE_SHOWING)


class Table:
    def __init__(self, App):
        self.App = App
        self.Window = WaitFor(
            lambda: next((W for W in App if W and W.getRole() == pyatspi.ROLE_FRAME and W.name == "Tarnwick"), None),
            "the table window",
        )
        Parts = list(self.Window)
        # The table itself: the cards, the names, the piles and the frames with their buttons.
        self.Client = next(N for N in Parts if N.getRole() == pyatspi.ROLE_FILLER)
        Bar = next(N for N in Parts if N.getRole() == pyatspi.ROLE_STATUS_BAR)
        Panels = [N for N in Bar if N and N.getRole() == pyatspi.ROLE_LABEL]
        self.Panel1, self.Panel2 = Panels[0], Panels[1]
        Check(self.Panel1.description == "This show which hand number you are on", "panel 1's description")
        Check(self.Panel2.description == "This panel will give general comments and instructions", "panel 2's")

    def Find(self, Matches, Root=None):
        return next((N for N in Descendants(Root or self.Window) if Matches(N)), None)

    def Status(self):
        return self.Panel2.name

    def Offered(self, Role, Name=None):
        """The elements of this role that offer their click now."""
        Found = []
        for N in Descendants(self.Client):
            try:
                if N.getRole() == Role and (Name is None or N.name == Name) and "Press" in Actions(N):
                    Found.append(N)
            except GLib.GError:
                continue
        return Found

    def HandCards(self):
        Cards = self.Offered(pyatspi.ROLE_IMAGE)
        return sorted(Cards, key=lambda N: N.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)

    def Piles(self):
        return sorted(
            N.name
            for N in Descendants(self.Client)
            if N.getRole() == pyatspi.ROLE_IMAGE and re.fullmatch(r".+ tricks: \d+", N.name or "")
        )


def Suit(CardName):
    return CardName.split()[-1]


def Leader(Texts, Player):
    """Who leads the trick now: the last trick's winner, or the seat announced after the bids."""
    Who = None
    for Text in Texts:
        Won = re.fullmatch(r" ?(.*) won the trick and now has tricks \d+", Text)
        if Won:
            Who = Won.group(1) if Won.group(1) in Seats else "You"
        elif Text.endswith(" will lead with a card."):
            Who = Text.split()[0]
        elif Text == Player + " please click on a card to play.":
            Who = "You"
    return Who


def Sorted(T, Cards, Texts, Player):
    """The cards of the hand the rules may refuse now, and those they surely allow, each from the
    left (a spade led is refused only until spades are broken, which the texts do not always tell). The
    card led is read off the table: of the trick's cards it lies furthest towards its player."""
    Trick = [
        N
        for N in Descendants(T.Client)
        if N.getRole() == pyatspi.ROLE_IMAGE and Showing(N) and " of " in (N.name or "") and N not in Cards
    ]
    Who = Leader(Texts, Player)
    Suits = {Suit(Card.name) for Card in Cards}
    if Trick and Who in Seats:
        Centre = lambda N: N.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        Towards = {
            "Rodrick": lambda N: Centre(N).x,
            "Desmond": lambda N: Centre(N).y,
            "Beatrix": lambda N: -Centre(N).x,
        }[Who]
        Led = Suit(min(Trick, key=Towards).name)
        Allowed = (lambda Card: Suit(Card.name) == Led) if Led in Suits else (lambda Card: True)
    elif Suits == {"Spades"}:
        Allowed = lambda Card: True
    else:
        # Leading, a card of another suit is always allowed; a spade only once spades are broken.
        Allowed = lambda Card: Suit(Card.name) != "Spades"
    return [C for C in Cards if not Allowed(C)], [C for C in Cards if Allowed(C)]


def Answer(T, Card, Player):
    """Taken when the card leaves the hand; refused when it stays while the refusal shows."""
    Until = time.monotonic() + 10
    Refused = None
    while time.monotonic() < Until:
        if "Press" not in Actions(Card):
            return "taken"
        if T.Status() == Player + TryAgain:
            Refused = Refused or time.monotonic()
            # The game takes a card on the next turn of its event loop; one that is still in
            # the hand this long after the refusal is not taken.
            if time.monotonic() - Refused > 2.0:
                return "refused"
        Pump(0.05)
    Fail("no answer to " + Card.name)


def Main():
    Check(len(sys.argv) == 2, "usage: AccessibleHand.py path/to/tarnwick")
    Server, Display = StartDisplay()
    Folder = tempfile.mkdtemp(prefix="tarnwick-a11y-")
    Game = StartGame(sys.argv[1], Display, Folder)
    try:
        Play()
    finally:
        Game.terminate()
        Game.wait(10)
        Server.terminate()
        Server.wait(10)
        shutil.rmtree(Folder, ignore_errors=True)


# Every announcement heard, each a list of the texts it carried, in the order sent.
Heard = []


def OnShowing(Event):
    if Event.detail1 != 1 or Event.source.getRole() != pyatspi.ROLE_NOTIFICATION:
        return
    Heard.append([Label.name for Label in Event.source])


def HeardTexts():
    return [Text for Said in Heard for Text in Said]


def Progress(What):
    print("%6.1f s  %s" % (time.monotonic() - Started, What), flush=True)


def Play():
    pyatspi.Registry.registerEventListener(OnShowing, "object:state-changed:showing")
    Desktop = pyatspi.Registry.getDesktop(0)
    App = WaitFor(lambda: next((A for A in Desktop if A and A.name.lower() == "tarnwick"), None), "the game", 30)
    # What the tree says must be what the game shows now, not what was read before.
    Atspi.Accessible.set_cache_mask(App, Atspi.Cache.NONE)
    T = Table(App)

    StartPrompt = "Press F2 for new game or go to Game menu!"
    WaitFor(lambda: StartPrompt in HeardTexts() and T.Status() == StartPrompt, "the start prompt")
    Check(Heard[-1] == [StartPrompt], "the start prompt is announced on its own: %r" % Heard[-1])
    HeardBefore = len(HeardTexts())

    # The menu's own action starts the game.
    NewGame = T.Find(lambda N: N.getRole() == pyatspi.ROLE_MENU_ITEM and N.name == "New Game", App)
    Check(NewGame is not None, "no New Game menu item")
    Press(NewGame)

    # The bid numbers are buttons named as shown, their tips saying what they do.
    Bids = WaitFor(lambda: T.Offered(pyatspi.ROLE_PUSH_BUTTON, "3"), "the bid numbers")
    for Index, Caption in enumerate(["Nil"] + [str(N) for N in range(1, 14)]):
        Found = T.Offered(pyatspi.ROLE_PUSH_BUTTON, Caption)
        Check(len(Found) == 1, "bid number %s offers no click" % Caption)
        Tip = "Click to make %d trick%s" % (Index, "" if Index == 1 else "s")
        Check(Found[0].description == Tip, "bid %s reads %r" % (Caption, Found[0].description))
    Prompt = T.Status()
    Match = re.fullmatch(r"(.*) click a number above for how many tricks you will make\.", Prompt)
    Check(Match, "the bid prompt: %r" % Prompt)
    Player = Match.group(1)
    Check(HeardTexts()[-1] == Prompt, "the bid prompt was heard last: %r" % HeardTexts()[-1:])
    Progress("bidding 3")
    Press(Bids[0])
    WaitFor(lambda: not T.Offered(pyatspi.ROLE_PUSH_BUTTON, "3"), "the bid panel to go")

    Played = []
    Refusals = 0
    while True:
        Turn = WaitFor(
            lambda: "continue" if T.Offered(pyatspi.ROLE_PUSH_BUTTON, "Continue")
            else "card" if T.Status().endswith((YourTurn, TryAgain)) and HeardTexts()[-1] == T.Status() else None,
            "the human's turn, heard, or the results",
        )
        if Turn == "continue":
            break
        Cards = T.HandCards()
        Illegal, Legal = Sorted(T, Cards, HeardTexts()[HeardBefore:], Player)
        # Once in the hand a card the rules may refuse is tried first, to hear it refused.
        Tries = Illegal[:1] + Legal + Illegal[1:] if Illegal and not Refusals else Legal + Illegal
        for Card in Tries:
            Said = len(HeardTexts())
            Name = Card.name
            Press(Card)
            if Answer(T, Card, Player) == "taken":
                Played.append(Name)
                Progress("played " + Name)
                # The turn is over once the game has gone on to say something new.
                WaitFor(lambda: len(HeardTexts()) > Said and not HeardTexts()[-1].endswith(YourTurn),
                        "the game to go on after " + Name)
                break
            Check(Card in Illegal, "%s was refused although the rules allow it" % Name)
            Check(HeardTexts()[-1] == Player + TryAgain, "the refusal was not heard")
            Refusals += 1
            Progress("refused " + Name)
        else:
            Fail("no card of the hand was taken")
        Check(len(Played) <= 13, "more than thirteen cards taken")

    Check(len(Played) == 13, "the human played %d cards" % len(Played))
    Piles = T.Piles()
    Counts = [int(Name.rsplit(" ", 1)[1]) for Name in Piles]
    Check(sum(Counts) == 13, "the trick piles count %r" % Piles)
    Check(
        [Name.rsplit(" tricks:", 1)[0] for Name in Piles] == sorted(["Your", "Rodrick's", "Desmond's", "Beatrix's"]),
        "the trick piles are named %r" % Piles,
    )
    Press(T.Offered(pyatspi.ROLE_PUSH_BUTTON, "Continue")[0])
    WaitFor(lambda: "Hand  Number 2" in HeardTexts(), "the second hand")
    Pump(0.5)

    Texts = HeardTexts()[HeardBefore:]
    print("Heard %d texts, %d refusals:" % (len(Texts), Refusals))
    for Text in Texts:
        print("  " + Text)
    CheckHeard(Texts, Player, Played, Counts)
    print("PASS: a whole hand played through its actions; every status text heard, in order")


def CheckHeard(Texts, Player, Played, Counts):
    """The texts heard are the game's own, new each time, every card and every trick among them."""
    Check(Texts[0] == "Hand  Number 1", "first heard: %r" % Texts[0])
    Check(Texts[-1] == "Hand  Number 2" or "Hand  Number 2" in Texts[-2:], "last heard: %r" % Texts[-2:])
    Panel2 = [Text for Text in Texts if not Text.startswith("Hand  Number")]
    for Before, After in zip(Panel2, Panel2[1:]):
        Check(Before != After, "%r was heard twice in a row" % Before)
    Dealers = [
        " You are dealing and Rodrick will Lead.",
        "Rodrick  is dealing and Desmond will Lead.",
        "Desmond is dealing and Beatrix will Lead.",
        "Beatrix is dealing and you will Lead",
    ]
    Check(Panel2[0] in Dealers, "the dealer's announcement: %r" % Panel2[0])
    Check(Panel2[1] == Player + " click a number above for how many tricks you will make.", "the bid prompt")
    Leads = [Player + " please click on a card to play."] + [
        "Rodrick  will lead with a card.",
        "Desmond will lead with a card.",
        "Beatrix will lead with a card.",
    ]
    # When the human leads, the prompt to play takes the announcement's place at once.
    Check(Panel2[2] in Leads + [Player + " " + YourTurn], "the leader's announcement: %r" % Panel2[2])

    # A card's text gives way at once to the next when nothing pauses between them (the card
    # that ends a trick, the card before the human's turn), so it is never shown and never heard.
    HumanPlays = [" ".join(T[len(Player + " has played "):].split()) for T in Panel2 if T.startswith(Player + " has played ")]
    Check(HumanPlays == [Card for Card in Played if Card in HumanPlays], "the human's cards heard %r, played %r" % (HumanPlays, Played))
    Check(len(HumanPlays) >= 1, "none of the human's cards was heard")
    for Seat in Seats:
        Cards = [T for T in Panel2 if T.startswith(Seat + " played  ")]
        Check(len(Cards) <= 13 and len(set(Cards)) == len(Cards), "%s's cards heard: %r" % (Seat, Cards))
    Won = [T for T in Panel2 if "won the trick and now has tricks " in T]
    Check(len(Won) == 13, "%d tricks heard won" % len(Won))
    Totals = {}
    for Text in Won:
        Who, Count = Text.split(" won the trick and now has tricks ")
        Who = Who.strip() if Who.strip() in Seats else "Your"
        Check(int(Count) == Totals.get(Who, 0) + 1, "the count in %r" % Text)
        Totals[Who] = int(Count)
    Check(sorted(Totals.values()) == sorted(C for C in Counts if C), "the piles %r against %r" % (Counts, Totals))
    Over = Panel2.index("The hand is over")
    Check(Over == len(Panel2) - 1 or all(not T.endswith(YourTurn) for T in Panel2[Over:]), "the hand ends")
    Check(Texts.index("Hand  Number 2") > Texts.index("The hand is over"), "the next hand follows the end")


if __name__ == "__main__":
    Main()
