#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game played by keys alone, as a player without a mouse plays it: the real game under
Xvfb with a window manager, every input an X key event sent by xdotool, never the pointer.

The target of 100 is chosen from the Options menu, the statistics opened and closed, the help
window opened on a 1366 x 768 screen (it must fit it) and closed, the menu bar opened by F10; then
F2, every bid by N (Nil) and Return, every card by Home or End, the arrows and Return (the lowest
card the rules allow, and once a card they refuse, which must stay in the hand), Continue by Return, an exit in the middle of the game taken back by
Escape, the game-over box by Escape, and the program left by Ctrl+X answered by Return. What is
on the table is read over AT-SPI, and a listener hears the focus move over cards, numbers and
buttons. At the end the records files must hold the game: one game won, or none after a draw.

Run it inside dbus-run-session, with the game's executable as its argument."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import AccessibleHand as A  # noqa: E402
from AccessibleHand import Check, Descendants, Pump, WaitFor, pyatspi  # noqa: E402

# A game to 100 takes a few hands at the game's own pace.
A.TimeLimit = 500
Width, Height = 1366, 768
YourTurn = "please click on card you wish to play."
TryAgain = " Sorry, you cannot play that card. Try again please"
BidPrompt = " click a number above for how many tricks you will make."


def StartDisplay():
    """A private X server of a laptop's size, with a window manager to give the keyboard's focus."""
    Read, Write = os.pipe()
    Server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(Write), "-screen", "0", "%dx%dx24" % (Width, Height), "-nolisten", "tcp"],
        pass_fds=[Write],
        stderr=subprocess.DEVNULL,
    )
    os.close(Write)
    with os.fdopen(Read) as Numbers:
        Display = ":" + Numbers.readline().strip()
    Check(Display != ":", "Xvfb did not start")
    Manager = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=Display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # The window manager must be up before the table maps, or nobody gives the table the keyboard.
    WaitFor(lambda: "window id" in subprocess.run(
        ["xprop", "-display", Display, "-root", "_NET_SUPPORTING_WM_CHECK"],
        capture_output=True, text=True).stdout, "the window manager", 20)
    return Server, Manager, Display


Display = None


def Keys(*Names):
    """Key events only, to whichever window has the keyboard's focus, one after the other."""
    subprocess.run(["xdotool", "key", "--delay", "40", *Names], env=dict(os.environ, DISPLAY=Display), check=True)
    Pump(0.05)


FocusHeard = []


def OnFocus(Event):
    try:
        FocusHeard.append((Event.source.getRoleName(), Event.source.name))
    except Exception:  # noqa: BLE001 - a source may be gone before it is read
        pass


def ShowingDialog(App, Name):
    for Window in App:
        try:
            if Window and Window.getRole() == pyatspi.ROLE_DIALOG and Window.name == Name \
                    and Window.getState().contains(pyatspi.STATE_SHOWING):
                return Window
        except A.GLib.GError:
            continue
    return None


def AnyBox(App):
    return next((N for N in ("Game Over", "A Draw") if ShowingDialog(App, N)), None)


def Label(T, Description):
    return T.Find(lambda N: N.getRole() == pyatspi.ROLE_LABEL and N.description == Description, T.Client)


def Within(Extents, Why):
    Check(Extents.x >= 0 and Extents.y >= 0 and Extents.x + Extents.width <= Width
          and Extents.y + Extents.height <= Height, "%s lies off the screen: %r" % (Why, Extents))


def HasKeyboard(T):
    WaitFor(lambda: T.Window.getState().contains(pyatspi.STATE_ACTIVE), "the table to have the keyboard", 10)


def ChooseTarget100(T):
    Target = Label(T, "Score needed to win")
    Check(Target is not None, "no target label")
    A.Progress("target label reads %r" % Target.name)
    # One key at a time: each menu opens before the next key comes.
    for Name in ("alt+o", "Down", "Right", "Down", "Down", "Return"):
        Keys(Name)
        Pump(0.1)
    WaitFor(lambda: Target.name.split()[-1] == "100", "the target of 100", 10)


def LookAround(App, T):
    """The statistics, the help window and the menu bar, each opened and closed by keys."""
    Keys("alt+v")
    Pump(0.1)
    Keys("Return")
    WaitFor(lambda: T.Offered(pyatspi.ROLE_PUSH_BUTTON, "Close"), "the statistics")
    Keys("Escape")
    WaitFor(lambda: not T.Offered(pyatspi.ROLE_PUSH_BUTTON, "Close"), "the statistics to close")

    Keys("F1")
    Help = WaitFor(lambda: next((W for W in App if W and W.name == "Tarnwick Help"
                                 and W.getState().contains(pyatspi.STATE_SHOWING)), None), "the help window")
    Within(Help.queryComponent().getExtents(pyatspi.DESKTOP_COORDS), "the help window")
    Exit = A.Table.Find(T, lambda N: N.getRole() == pyatspi.ROLE_PUSH_BUTTON and N.name == "Exit", Help)
    Check(Exit is not None, "the help window's Exit")
    Within(Exit.queryComponent().getExtents(pyatspi.DESKTOP_COORDS), "the help window's Exit")
    Keys("Page_Down", "Escape")
    WaitFor(lambda: not Help.getState().contains(pyatspi.STATE_SHOWING), "the help window to close")
    HasKeyboard(T)

    Keys("F10")
    WaitFor(lambda: T.Find(lambda N: N.getRole() == pyatspi.ROLE_MENU_ITEM and N.name == "New Game"
                           and N.getState().contains(pyatspi.STATE_SHOWING), App), "the Game menu by F10")
    Keys("Escape")
    Pump(0.1)
    Keys("Escape")


def Bid(T, Player):
    # N rings Nil and shows the ring; Return bids it. Nil made wins a game to 100 at once.
    Keys("n", "Return")
    WaitFor(lambda: not T.Status().endswith(BidPrompt), "the bid to be taken")


Ranks = ["Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Ace"]


def Rank(Card):
    return Ranks.index(Card.name.split()[0])


def Ring(Hand, Card):
    """Home or End, then the arrows to the card: the hand lies in the order of the cards."""
    At = Hand.index(Card)
    if At <= len(Hand) // 2:
        Keys("Home", *["Right"] * At)
    else:
        Keys("End", *["Left"] * (len(Hand) - 1 - At))


def Taken(Card, Seconds=5):
    """A card is taken once it no longer offers its click: it has left the hand."""
    Until = time.monotonic() + Seconds
    while time.monotonic() < Until:
        if "Press" not in A.Actions(Card):
            return True
        Pump(0.05)
    return False


class Pack:
    """The table's 52 cards, read from the tree once: walking the whole tree at every turn would
    keep the game busy answering."""

    def __init__(self, T):
        self.Cards = [N for N in Descendants(T.Client) if N.getRole() == pyatspi.ROLE_IMAGE
                      and "tricks:" not in (N.name or "")]
        Check(len(self.Cards) == 52, "%d cards on the table" % len(self.Cards))

    def Hand(self):
        Held = [C for C in self.Cards if "Press" in A.Actions(C)]
        return sorted(Held, key=lambda N: N.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)

    def Descendants(self, Root):
        return iter(self.Cards)


def PlayCard(T, Cards, Player, Texts, TryRefusal):
    """The lowest card the rules allow, to keep the Nil; once, first, a card they refuse."""
    Hand = Cards.Hand()
    Walk = A.Descendants
    A.Descendants = Cards.Descendants
    try:
        Illegal, Legal = A.Sorted(T, Hand, Texts, Player)
    finally:
        A.Descendants = Walk
    Check(Legal, "no card of the hand is allowed")
    Refused = False
    # Off the suit led while holding it: surely refused (a spade led may be allowed already).
    Surely = [Card for Card in Illegal if A.Suit(Card.name) != "Spades"]
    if TryRefusal and Surely:
        Ring(Hand, Surely[0])
        Keys("Return")
        WaitFor(lambda: T.Status() == Player + TryAgain, "the refusal of " + Surely[0].name, 5)
        Check(not Taken(Surely[0], 1), "%s was taken by Return" % Surely[0].name)
        Refused = True
    Choice = min(Legal, key=Rank)
    Name = Choice.name
    Ring(Hand, Choice)
    Keys("Return")
    Check(Taken(Choice), "%s was not taken by Return; the status reads %r" % (Name, T.Status()))
    # The turn is over once the card has landed and the status says so.
    WaitFor(lambda: not T.Status().endswith((YourTurn, TryAgain)), "the game to go on after " + Name, 10)
    return Refused


ContinueButton = []


def ContinueShown(T):
    """Continue offers its click; the button is looked for once, then only asked."""
    if not ContinueButton:
        ContinueButton.extend(T.Offered(pyatspi.ROLE_PUSH_BUTTON, "Continue"))
    return bool(ContinueButton) and "Press" in A.Actions(ContinueButton[0])


def Play(Folder):
    pyatspi.Registry.registerEventListener(A.OnShowing, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(OnFocus, "focus:")
    pyatspi.Registry.registerEventListener(OnFocus, "object:state-changed:focused")
    Desktop = pyatspi.Registry.getDesktop(0)
    App = WaitFor(lambda: next((X for X in Desktop if X and X.name.lower() == "tarnwick"), None), "the game", 30)
    A.Atspi.Accessible.set_cache_mask(App, A.Atspi.Cache.NONE)
    T = A.Table(App)
    WaitFor(lambda: T.Status() == "Press F2 for new game or go to Game menu!", "the start prompt")
    Within(T.Window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS), "the table window")
    # The window manager gives the table the keyboard once it is mapped.
    HasKeyboard(T)

    ChooseTarget100(T)
    LookAround(App, T)
    Keys("F2")
    Player = None
    Hands = Played = Refused = HandStart = 0
    Cards = None
    AskedToLeave = False
    while True:
        State = WaitFor(
            lambda: "over" if AnyBox(App)
            else "bid" if T.Status().endswith(BidPrompt)
            else "card" if T.Status().endswith((YourTurn, TryAgain))
            else "continue" if T.Status() == "The hand is over" and ContinueShown(T) else None,
            "a bid, a card, the results or the end of the game", 60)
        if State == "over":
            break
        if State == "bid":
            Player = Player or T.Status()[:-len(BidPrompt)]
            HandStart = len(A.HeardTexts())
            Cards = Cards or Pack(T)
            Bid(T, Player)
            Hands += 1
            A.Progress("hand %d bid" % Hands)
        elif State == "card":
            if not AskedToLeave:
                # Leaving in the middle of a game is taken back by Escape, the box's last button.
                Keys("ctrl+x")
                WaitFor(lambda: ShowingDialog(App, "SEE YOU!"), "the exit question")
                Keys("Tab", "Escape")
                WaitFor(lambda: not ShowingDialog(App, "SEE YOU!"), "the exit question to close")
                HasKeyboard(T)
                AskedToLeave = True
            Refused += PlayCard(T, Cards, Player, A.HeardTexts()[HandStart:], not Refused)
            Played += 1
        else:
            A.Progress("hand %d over after %d cards, %d refused" % (Hands, Played, Refused))
            Keys("Return")
            WaitFor(lambda: not ContinueShown(T), "Continue to be taken")

    Title = AnyBox(App)
    A.Progress("%s after %d hands" % (Title, Hands))
    Check(Played == 13 * Hands, "%d cards played in %d hands" % (Played, Hands))
    Check(Refused == 1, "no card was refused by a key")
    Within(ShowingDialog(App, Title).queryComponent().getExtents(pyatspi.DESKTOP_COORDS), "the game-over box")
    Keys("Escape")
    WaitFor(lambda: not AnyBox(App), "the game-over box to close")

    Keys("ctrl+x")
    WaitFor(lambda: ShowingDialog(App, "SEE YOU!"), "the last exit question")
    Keys("Tab", "shift+Tab", "Return")
    return Title, Player


def CheckRecords(Folder, Title, Player):
    Names = open(os.path.join(Folder, "Name.dat"), encoding="latin-1").read().strip().split(",")
    Check(Names[0] == '"%s"' % Player, "Name.dat names %r" % Names[0])
    Wins = [int(N) for N in Names[1:]]
    Check(sum(Wins) == (0 if Title == "A Draw" else 1), "Name.dat counts the wins %r after %s" % (Wins, Title))
    Money = [int(N) for N in open(os.path.join(Folder, "Money.dat")).read().strip().split(",")]
    Check(len(Money) == 4, "Money.dat holds %r" % Money)
    Check(Title == "A Draw" or any(Money), "Money.dat holds no money after a won game: %r" % Money)
    print("records: wins %r, money %r" % (Wins, Money))


def CheckFocusHeard():
    Names = {Name for _, Name in FocusHeard}
    Check(any(" of " in (N or "") for N in Names), "no card was heard focused: %r" % sorted(Names)[:20])
    Check("Nil" in Names, "the bid Nil was not heard focused")
    Check(Names & {"Ooops - No", "I want to save", "O.K", "Yes Please", "Just Exit"},
          "no message box button was heard focused")


def Main():
    global Display
    Check(len(sys.argv) == 2, "usage: KeyboardGame.py path/to/tarnwick")
    Server, Manager, Display = StartDisplay()
    Folder = tempfile.mkdtemp(prefix="tarnwick-keys-")
    Game = A.StartGame(sys.argv[1], Display, Folder)
    try:
        Title, Player = Play(Folder)
        Check(Game.wait(20) == 0, "the game did not end by Ctrl+X")
        CheckRecords(Folder, Title, Player)
        CheckFocusHeard()
        print("PASS: a whole game played by keys alone, %.0f s" % (time.monotonic() - A.Started))
    finally:
        if Game.poll() is None:
            Game.terminate()
            Game.wait(10)
        for Process in (Manager, Server):
            Process.terminate()
            Process.wait(10)
        shutil.rmtree(Folder, ignore_errors=True)


if __name__ == "__main__":
    Main()
