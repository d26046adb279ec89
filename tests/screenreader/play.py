"""Plays Kwintor by keys with Orca listening, and checks what Orca said.

Run by check.sh inside a private D-Bus session and X display; argv[1] is the scratch folder
with home/, run/, game/kwintor and the private Orca launcher; argv[2] the language, "nl" (a whole
two-player game) or "en" (the same kinds of lines in English, over two turns).
"""
import os
import re
import shutil
import subprocess
import sys
import time

WORK = sys.argv[1]
LANGUAGE = sys.argv[2] if len(sys.argv) > 2 else "nl"
LOG = os.path.join(WORK, "orca.log")
WAIT = float(os.environ.get("KWINTOR_SPEECH_WAIT", "30"))  # seconds for one expected line


class Failure(Exception):
    pass


class Speech:
    """What Orca said, read from its debug log line by line."""

    LINE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: ?voice=\S.*| ?\{.*\})?$")

    def __init__(self, path):
        self.path = path
        self.said = []  # every spoken text so far
        self.seen = 0  # texts before this index are used up by earlier expectations
        self._offset = 0
        self._rest = ""

    def poll(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                log.seek(self._offset)
                chunk = log.read()
                self._offset = log.tell()
        except FileNotFoundError:
            return
        lines = (self._rest + chunk).split("\n")
        self._rest = lines.pop()
        for line in lines:
            match = self.LINE.search(line)
            if match and match.group(1).strip():
                self.said.append(match.group(1))
                if os.environ.get("KWINTOR_SPEECH_ECHO"):
                    print("  orca:", match.group(1), flush=True)

    def mark(self):
        """Later expectations look only at what is said from now on."""
        self.poll()
        self.seen = len(self.said)

    def expect(self, pattern, what, timeout=None):
        """Waits until Orca says a text matching `pattern` (a regular expression, searched
        case-insensitively); returns the match. Texts before it are passed over."""
        regex = re.compile(pattern, re.IGNORECASE)
        deadline = time.monotonic() + (timeout or WAIT)
        while True:
            self.poll()
            for i in range(self.seen, len(self.said)):
                match = regex.search(self.said[i])
                if match:
                    self.seen = i + 1
                    return match
            if time.monotonic() > deadline:
                if shutil.which("import"):  # a picture of the screen, where ImageMagick is there
                    subprocess.run(["import", "-window", "root", os.path.join(WORK, "failure.png")])
                recent = "\n    ".join(self.said[-25:])
                raise Failure(f"Orca did not say {what} (/{pattern}/). Last said:\n    {recent}")
            time.sleep(0.05)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.15)


def start(command, log, **kwargs):
    return subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, **kwargs)


def main():
    env = dict(os.environ)
    logs = open(os.path.join(WORK, "services.log"), "w")
    processes = []
    try:
        # A window manager gives each new window the keyboard, as a desktop does.
        processes.append(start(["openbox", "--sm-disable"], logs))
        processes.append(start(["speech-dispatcher", "-s", "-t", "0", "-l", "2"], logs))
        processes.append(start(["/usr/bin/python3", os.path.join(WORK, "orca"),
                                "--debug-file=" + LOG], logs))
        speech = Speech(LOG)
        speech.expect(r"schermlezer aan|screen reader on", "that it is on", timeout=120)
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        game = os.path.join(WORK, "game")
        program = start([os.path.join(game, "kwintor")], open(os.path.join(WORK, "program.log"), "w"),
                        cwd=game, env=env)
        processes.append(program)
        play(speech) if LANGUAGE == "nl" else play_english(speech)
        print("screen-reader-check: every expected line was said")
        return 0
    except Failure as failure:
        print("screen-reader-check:", failure, file=sys.stderr)
        return 1
    finally:
        for process in reversed(processes):
            process.terminate()
        for process in processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()


FACES = {"een": 1, "twee": 2, "drie": 3, "vier": 4, "vijf": 5, "zes": 6}
UPPER = ["Totaal enen", "Totaal tweeen", "Totaal drieen", "Totaal vieren", "Totaal vijven", "Totaal zessen"]
THROW = r"Worp {} van 3: (\w+), (\w+), (\w+), (\w+), (\w+)\. Som (\d+)\."


def throw(speech, number):
    """Space throws; Orca says all five dice and their sum. Returns the faces."""
    speech.mark()
    key("space")
    match = speech.expect(THROW.format(number), f"the dice of throw {number}")
    faces = [FACES[word] for word in match.groups()[:5]]
    if sum(faces) != int(match.group(6)):
        raise Failure(f"the sum said does not add up: {match.group(0)}")
    return faces


def place(speech, player, faces, following):
    """Down puts the cursor on the first open cell and Orca reads it; Enter places there.
    Checks the points said, and who is said to be on turn next."""
    speech.mark()
    key("Escape", "Down")
    cell = speech.expect(rf"Speler {player}, (.+?): open, nu (\d+) waard", "the cell under the cursor")
    row, value = cell.group(1), int(cell.group(2))
    if row in UPPER:
        face = UPPER.index(row) + 1
        if value != face * faces.count(face):
            raise Failure(f"{row} with dice {faces} is not worth {value}")
    speech.mark()
    key("Return")
    said = speech.expect(rf"Speler {player} zet (\d+) bij {re.escape(row)}\.(.*)", "the placement")
    if int(said.group(1)) != value:
        raise Failure(f"placed {said.group(1)} where the cursor said {value}")
    if following and f"Speler {following} is aan de beurt" not in said.group(2):
        raise Failure(f"the turn was not said to pass to Speler {following}: {said.group(0)}")
    return row, value, said.group(2)


def play(speech):
    speech.expect(r"Kwintor\. Druk op Enter om te beginnen\.", "the title window's prompt", timeout=60)
    key("Return")
    speech.expect(r"Gooien", "the throw button of the main window", timeout=60)

    # Two players, chosen through the menu by keys.
    speech.mark()
    key("alt+s")
    speech.expect(r"Aantal Speler", "the first item of the Spelers menu")
    key("Return")
    speech.expect(r"Cancel", "the players dialog's first button")
    key("Tab", "Tab")
    speech.expect(r"Aantal spelers", "the players' count bar")
    speech.mark()
    key("Right")
    speech.expect(r"2", "the new count")
    key("shift+Tab")
    speech.expect(r"Ok", "the Ok button")
    speech.mark()
    key("Return")
    speech.expect(r"Gooien", "the throw button after the dialog")

    # The computer players' dialog: each choice named after its player, a change said.
    speech.mark()
    key("alt+s")
    speech.expect(r"Aantal Speler", "the first item of the Spelers menu")
    key("Down")
    speech.expect(r"Computerspelers", "the computer players item")
    key("Return")
    speech.expect(r"Speler 1 keuzevak", "the first player's choice")
    speech.mark()
    key("Down")
    speech.expect(r"Computer: makkelijk", "the changed choice")
    key("Escape")
    speech.expect(r"Gooien", "the throw button after the dialog")

    # The settings: the colour bars named, a move said.
    speech.mark()
    key("alt+t")
    speech.expect(r"Instellingen", "the first item of the Tools menu")
    key("Return")
    speech.expect(r"Cancel", "the settings dialog's first button")
    key("Tab", "Tab")
    speech.expect(r"Achtergrondkleur, rood", "the red bar")
    speech.mark()
    key("Right")
    speech.expect(r"^111", "the red bar's new value")
    speech.mark()
    key("shift+Tab", "shift+Tab")  # no button answers Escape here: Cancel, by its own key
    speech.expect(r"Cancel", "the Cancel button")
    key("Return")
    speech.expect(r"Gooien", "the throw button after the dialog")

    # Refusals before the first throw: a hold and a placement.
    speech.mark()
    key("1")
    speech.expect(r"Eerst gooien", "the refused hold")
    totals = {1: 0, 2: 0}
    for turn in range(26):
        player, other = 1 + turn % 2, 2 - turn % 2
        faces = throw(speech, 1)
        if turn == 0:
            # A hold and a release, two more throws, and a fourth that is refused.
            speech.mark()
            key("1")
            speech.expect(r"Dobbelsteen 1 vastgezet", "the hold")
            key("1")
            speech.expect(r"Dobbelsteen 1 losgelaten", "the release")
            key("1")
            speech.expect(r"Dobbelsteen 1 vastgezet", "the hold")
            held = faces[0]
            faces = throw(speech, 2)
            if faces[0] != held:
                raise Failure(f"the held die changed from {held} to {faces[0]}")
            faces = throw(speech, 3)
            speech.mark()
            key("space")
            speech.expect(r"Niet meer gooien", "the refused fourth throw")
            speech.mark()
            key("w")
            speech.expect(r"Speler 1 is aan de beurt\. Worp 3 van 3", "whose turn and the throw")
            speech.mark()
            key("t")
            speech.expect(r"Speler 1: Totaal A 0, nog 63 punten tot de bonus, Totaal B 0, Totaal 0", "the totals")
        last = turn >= 24
        row, value, rest = place(speech, player, faces, None if turn == 25 else other)
        if turn == 2:
            # Taken back, and placed again.
            speech.mark()
            key("ctrl+z")
            speech.expect(rf"Ongedaan gemaakt: {re.escape(row)} is weer open\. Speler 1 is aan de beurt",
                          "the undo")
            row, value, rest = place(speech, player, faces, other)
        totals[player] += value
        if last:
            end = re.search(rf"Speler {player} is klaar met (\d+) punten", rest)
            if not end:
                raise Failure(f"the end of Speler {player}'s game was not said: {rest}")
            totals[player] = int(end.group(1))
            # The question opens at once, and the box carries what was just said.
            if not re.search(rf"Score van {totals[player]} toegevoegen", rest):
                raise Failure(f"the score list question was not said with the placement: {rest}")
            speech.mark()
            key("Return")  # Ja
            speech.expect(r"lijst met (\d) item", "the score list, which opens with the focus on the list",
                          timeout=40)
            speech.mark()
            key("Down")
            speech.expect(rf"{max(totals.values()) if turn == 25 else totals[1]:04d} - Speler", "the top entry")
            if turn == 25:
                order = sorted(totals.items(), key=lambda item: -item[1])
                second = 1 if order[0][1] == order[1][1] else 2  # equal totals share the first place
                if not re.search(r"Het spel is uit\. Uitslag: 1\. Speler {}, {} punten; {}\. Speler {}, {} punten"
                                 .format(order[0][0], order[0][1], second, order[1][0], order[1][1]), rest):
                    raise Failure(f"the final order was not said: {rest}")
                speech.mark()
                key("Down")
                speech.expect(rf"{min(totals.values()):04d} - Speler", "the second entry")
            key("Tab")
            speech.expect(r"Ok", "the score list's Ok button")
            speech.mark()
            key("Return")
            if turn == 25:
                # Then the final order in a window of its own, read whole; Return is its Ok.
                speech.expect(r"Uitslag.*Speler {} wint met {} punten".format(order[0][0], order[0][1]),
                              "the final order's window", timeout=40)
                speech.mark()
                key("Return")
            speech.expect(r"Gooien", "the throw button after the score list")
    speech.mark()
    key("space")
    speech.expect(r"Het spel is uit", "that the game is over, for Space")


FACES_EN = {"one": 1, "two": 2, "three": 3, "four": 4, "five": 5, "six": 6}
UPPER_EN = ["Ones", "Twos", "Threes", "Fours", "Fives", "Sixes"]


def play_english(speech):
    """The title, the players' dialog, a refusal, throws, a hold, W and T, two placements and an
    undo: every kind of line the Dutch game checks, said in English."""
    speech.expect(r"Kwintor\. Press Enter to begin\.", "the title window's prompt", timeout=60)
    key("Return")
    speech.expect(r"Roll", "the throw button of the main window", timeout=60)
    speech.mark()
    key("alt+p")
    speech.expect(r"Number of Players", "the first item of the Players menu")
    key("Return")
    speech.expect(r"Cancel", "the players dialog's first button")
    key("Tab", "Tab")
    speech.expect(r"Number of players", "the players' count bar")
    speech.mark()
    key("Right")
    speech.expect(r"2", "the new count")
    key("shift+Tab")
    speech.expect(r"Ok", "the Ok button")
    speech.mark()
    key("Return")
    speech.expect(r"Roll", "the throw button after the dialog")
    speech.mark()
    key("1")
    speech.expect(r"Roll first\.", "the refused hold")
    for player, following in ((1, 2), (2, 1)):
        speech.mark()
        key("space")
        match = speech.expect(r"Roll 1 of 3: (\w+), (\w+), (\w+), (\w+), (\w+)\. Sum (\d+)\.", "the dice")
        faces = [FACES_EN[word] for word in match.groups()[:5]]
        if sum(faces) != int(match.group(6)):
            raise Failure(f"the sum said does not add up: {match.group(0)}")
        if player == 1:
            speech.mark()
            key("1")
            speech.expect(r"Die 1 held", "the hold")
            key("1")
            speech.expect(r"Die 1 released", "the release")
            speech.mark()
            key("w")
            speech.expect(r"Player 1 to play\. Roll 1 of 3", "whose turn and the throw")
            speech.mark()
            key("t")
            speech.expect(r"Player 1: Total A 0, 63 points to go for the bonus, Total B 0, Total 0", "the totals")
        speech.mark()
        key("Escape", "Down")
        cell = speech.expect(rf"Player {player}, (.+?): open, worth (\d+) now", "the cell under the cursor")
        row, value = cell.group(1), int(cell.group(2))
        if row in UPPER_EN and value != (UPPER_EN.index(row) + 1) * faces.count(UPPER_EN.index(row) + 1):
            raise Failure(f"{row} with dice {faces} is not worth {value}")
        speech.mark()
        key("Return")
        said = speech.expect(rf"Player {player} scores (\d+) in {re.escape(row)}\.(.*)", "the placement")
        if int(said.group(1)) != value or f"Player {following} to play" not in said.group(2):
            raise Failure(f"the placement or the next turn was not said right: {said.group(0)}")
    speech.mark()
    key("ctrl+z")
    speech.expect(rf"Undone: {re.escape(row)} is open again\. Player 2 to play", "the undo")


if __name__ == "__main__":
    sys.exit(main())
