#!/usr/bin/env python3
"""Re-fits one part of the walkthrough's chapter 15 (the fields north of Mystalia).

The parts are random battles of seed 5, fought turn by turn. When a change to
battles, encounters or the townspeople's wandering makes a part stop fitting
(the playthrough test says which), this plays the part again from the save the
part before it left, one decision at a time: it runs the game up to the next
hero's turn, reads the `turn` line of the dump, decides by a fixed plan, and
adds the decision to the script. Between battles it walks to and fro north of
the gate, and takes the party to the Mystalia inn when worn down. After the
given number of victories it saves over the third slot and writes the chapter.

The plan: Mike burns a Chunk while he has the MP, Elizabeth heals whoever is
below 55% with Gleamer, everyone else strikes the weakest foe.

usage: tools/fit_fields.py PART SAVES_DIR [BATTLES]
  PART       the part's number: writes tests/playthrough/15_north_fields_PART.script
  SAVES_DIR  f1.vtr, f2.vtr, f3.vtr as the part before it (or chapter 14) left them
  BATTLES    victories before saving (6)
Environment: VANTOR_BUILD (default build/) holds the game and its data/.
The saves this part left go to /tmp/fit_fields/saves, ready for the next part.
"""
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CHAPTERS = os.path.join(ROOT, 'tests', 'playthrough')
BUILD = os.path.abspath(os.environ.get('VANTOR_BUILD', os.path.join(ROOT, 'build')))
WORK = '/tmp/fit_fields'
SEED = '5'

# The moves a decision can name. A chapter carries only the ones it uses.
MOVES = '''define turn: wait 12s
define choose: tap Enter 20; wait 300ms
define up: tap Up 20; wait 150ms
define down: tap Down 20; wait 150ms
define one more window: tap Enter 20; wait 800ms
define the spoils: wait 8s; repeat 10: one more window
define Action: down; down; choose; repeat 6: up
define Mike fights: turn; choose; choose
define Charlie fights: turn; choose; choose
define Elizabeth fights: turn; choose; choose
define Mike fights the second: turn; choose; down; choose
define Charlie fights the second: turn; choose; down; choose
define Elizabeth fights the second: turn; choose; down; choose
define Mike fights the third: turn; choose; down; down; choose
define Charlie fights the third: turn; choose; down; down; choose
define Elizabeth fights the third: turn; choose; down; down; choose
define Mike fights the fourth: turn; choose; down; down; down; choose
define Charlie fights the fourth: turn; choose; down; down; down; choose
define Elizabeth fights the fourth: turn; choose; down; down; down; choose
define Mike burns: turn; Action; choose; choose
define Mike burns the second: turn; Action; choose; down; choose
define Mike burns the third: turn; Action; choose; down; down; choose
define Mike burns the fourth: turn; Action; choose; down; down; down; choose
define Elizabeth heals herself: turn; Action; choose; choose
define Elizabeth heals Mike: turn; Action; choose; down; choose
define Elizabeth heals Charlie: turn; Action; choose; down; down; choose
define a step east and back: walk Right 1; walk Left 1
define to and fro: repeat 8: a step east and back
define save over the third slot: wait 3s; tap Alt 80; wait 2s; tap Up 80; wait 300ms; tap Up 80; wait 300ms; tap Enter 80; wait 2s; tap Enter 80; wait 1s; tap Enter 80; wait 3s; tap Esc 80; wait 2s
define through the gate: walk Down 1; wait 3s
define into the inn: walk Up 3; wait 2s
define to the counter: walk Up 20; walk Down 5; walk Left 20; walk Up 20
define a bed for the night: tap Enter 80; wait 1s; tap Enter 80; wait 1s; tap Enter 80; wait 1s; tap Enter 80; wait 1s; wait 3s
define out of the inn: walk Down 2; walk Right 8; walk Down 10; wait 2s
define out of the gate: walk Up 2; wait 3s
'''

INTRO = '''# Chapter 15, part @N: the fields north of Mystalia again, continued from
# the third slot where part @P saved it. (Random battles are on; the battles
# are those of the run's seed, 5, fitted turn by turn.) The same plan as
# before: to and fro north of the gate, Burn for the Chunks, the weakest
# foe first, Gleamer for anyone below half, the inn when worn down.
'''

KEYS = '''#
# The keys. A turn starts once the last one's blows have landed (12 s is
# longer than the slowest); the menu is Fight, Defend, Action, Item, and a
# target is chosen from the first enemy still standing, Down to the next.
# Actions open where the last hero left the list: Up to its top first.
# Mike's Burn is his first action.@HEAL
# After a victory, Enter reads the spoils: the victory, the experience,
# who gained a level and what they learned, the gold.
# To and fro is a step east and back, eight times: Left and Right do
# nothing in a battle, so a fight that starts half-way cannot be upset.
'''

ORDINAL = ['', 'the second ', 'the third ', 'the fourth ']


# --- the chapter language, expanded exactly as tests/test_playthrough.cpp does ---

def expand_text(text, defined):
    out = []

    def one(raw):
        line = raw.split('#')[0].strip(' \t\r\n')
        if not line:
            return ''
        if line.startswith('define '):
            c = line.index(':')
            defined[line[7:c].strip()] = line[c + 1:]
            return ''
        if line in defined:
            return ''.join(one(p) for p in defined[line].split(';'))
        if line.startswith('repeat '):
            c = line.index(':')
            return ''.join(one(p) for p in line[c + 1:].split(';')) * int(line[7:c])
        if line.startswith('walk '):
            d, n = line[5:].split()
            ms = (int(n) * 2 - 1) * 17 * 1000 // 120
            return f'hold {d}\nwait {ms}ms\nrelease {d}\nwait 200ms\n'
        return line + '\n'

    for raw in text.split('\n'):
        out.append(one(raw))
    return ''.join(out)


def play(saves, text):
    """Runs the game on `text` from the given saves; returns (windows, turns, dump)."""
    g = os.path.join(WORK, 'g')
    shutil.rmtree(g, ignore_errors=True)
    os.makedirs(g)
    for f in os.listdir(saves):
        if f.endswith('.vtr'):
            shutil.copy(os.path.join(saves, f), g)
    data = os.path.join(BUILD, 'data')
    for f in os.listdir(data):
        os.symlink(os.path.join(data, f), os.path.join(g, f))
    with open(os.path.join(g, 'script.txt'), 'w') as s:
        s.write(expand_text(text, {}) + 'end\n')
    env = dict(os.environ, VANTOR_SCRIPT='script.txt', VANTOR_SEED=SEED, VANTOR_DUMP='dump.txt', DISPLAY='')
    subprocess.run([os.path.join(BUILD, 'vantor')], cwd=g, env=env, capture_output=True)
    windows, turns, dump = [], [], {}
    with open(os.path.join(g, 'dump.txt'), errors='replace') as f:
        for line in f:
            if line.startswith('window '):
                windows.append(line[7:].rstrip('\n'))
            elif line.startswith('turn '):
                turns.append(line[5:].rstrip('\n'))
            else:
                p = line.split(' ', 1)
                if len(p) == 2:
                    dump[p[0]] = p[1].strip()
    return windows, turns, dump


def parse_turn(t):
    who, heroes, enemies = [x.strip() for x in t.split('|')]
    h = {}
    hs = heroes.split()
    for i in range(0, len(hs), 2):
        hp, mp = hs[i + 1].split('/')
        h[hs[i]] = (int(hp), int(mp))
    foes, cur = [], []
    for tok in enemies.split():
        cur.append(tok)
        if len(cur) >= 3 and cur[-2].lstrip('-').isdigit() and len(cur[-1]) == 1:
            foes.append((' '.join(cur[:-2]), int(cur[-2])))
            cur = []
    return who, h, foes


def decide(t, maxhp):
    who, h, foes = parse_turn(t)
    for n, (hp, _) in h.items():
        maxhp[n] = max(maxhp.get(n, 0), hp)
    weakest = min(range(len(foes)), key=lambda k: foes[k][1])
    if who == 'Elizabeth':
        low = sorted((h[n][0] / maxhp[n], n) for n in ('Mike', 'Charlie', 'Elizabeth') if h[n][0] > 0)
        if h['Elizabeth'][1] >= 3 and low and low[0][0] < 0.55:
            n = low[0][1]
            return 'Elizabeth heals herself' if n == 'Elizabeth' else 'Elizabeth heals ' + n
    if who == 'Mike':
        chunks = [k for k, f in enumerate(foes) if f[0] == 'Chunk' and f[1] > 12]
        if h['Mike'][1] >= 3 and chunks:
            return ('Mike burns ' + ORDINAL[chunks[0]]).strip()
    return (who + ' fights ' + ORDINAL[weakest]).strip()


def walk_decision(dec, d):
    """What the party does on the field or in town between battles."""
    g = lambda k: int(d.get(k, '0'))
    worst = min(g(n + 'hp') / max(1, g(n + 'hpmax')) for n in ('mike', 'charlie', 'eliz'))
    tired = (worst < 0.4 or (g('elizmp') < 3 and worst < 0.65)) and g('ggp') >= 100
    trip = [k for k, _ in dec if k in 'IBO']
    since = []
    for k, _ in reversed(dec):
        if k == 'W':
            break
        since.append(k)
    slept = 'B' in since
    m, x, y = g('mapnum'), g('mikex') // 16, g('mikey') // 16
    vert = lambda ty: f"walk {'Down' if ty > y else 'Up'} {abs(ty - y)}"
    hor = lambda tx: f"walk {'Right' if tx > x else 'Left'} {abs(tx - x)}"

    def nav(tx, ty, row):
        if x != tx and y != row:
            return vert(row)
        if x != tx:
            return hor(tx)
        if y != ty:
            return vert(ty)
        return None

    if m == -1:  # the world map: the gate's west side is (103, 69)
        if trip and trip[-1] == 'O' and dec[-1][0] == 'O':
            return 'W', 'walk Up 2'
        if tired:
            return 'I', (nav(104, 69, 69) if y == 69 else vert(69)) or 'through the gate'
        return 'W', 'walk Up 2' if not any(k == 'W' for k, _ in dec) else 'to and fro'
    if m == 104:  # Mystalia's streets
        if not slept:
            w = (hor(7) if x != 7 else None) if (y == 8 and x <= 9) else nav(9, 8, 12)
            return 'I', w or 'into the inn'
        w = hor(9) if (y == 8 and x < 9) else nav(20, 1, 12)
        return 'O', w or 'out of the gate'
    if not slept:  # the inn
        return 'B', 'to the counter'
    return 'O', 'out of the inn'


def chapter_text(part, dec, turns, header):
    used = set()
    defs = {l[7:l.index(':')].strip(): l for l in MOVES.split('\n') if l.startswith('define ')}

    def mark(name):
        if name in defs and name not in used:
            used.add(name)
            for p in defs[name].split(':', 1)[1].split(';'):
                p = p.strip()
                mark(p.split(':', 1)[1].strip() if p.startswith('repeat ') else p)

    for _, m in dec:
        mark(m)
    body, prev, ti, nb, fighting = [], '', 0, 0, False
    for k, m in dec:
        if k == 'T' and not fighting:
            fighting, nb = True, nb + 1
            foes = [f for f, _ in parse_turn(turns[ti])[2]]
            body.append(f'# Battle {nb}: ' + ', '.join(foes) + '.')
        if k == 'T':
            ti += 1
        if k == 'D':
            fighting = False
        if k == 'I' and prev != 'I':
            body += ['# Worn down, or out of MP: back down to the gate, through it, down the',
                     "# main street, west along the cross street and up to the inn's door",
                     '# (the people of the streets walk about; these steps go round them).']
        if m == 'to the counter':
            body.append('# Up to the counter: a bed for 100 Gold? Yes. Morning, and all are well.')
        if k == 'O' and prev != 'O':
            body.append('# Out of the inn, back along the streets and out of the top of the town.')
        if k == 'S':
            body += ['# Six battles: save over the third slot from the menu (Alt, Up twice to',
                     '# Save, Enter; Enter on the third slot; "File exists, overwrite?" Yeah.).']
        if k == 'W' and prev == 'O':
            body.append('# Two steps north of the gate, and on with the fighting.')
        body.append(m)
        prev = k
    heal = ("\n# Elizabeth's Gleamer is her first; a heal's target starts on Elizabeth\n"
            "# herself, Down to Mike, Down again to Charlie." if any('heals' in u for u in used) else '')
    order = [l for l in MOVES.split('\n') if l.startswith('define ') and l[7:l.index(':')].strip() in used]
    head = header or INTRO.replace('@N', str(part)).replace('@P', str(part - 1)) + KEYS.replace('@HEAL', heal)
    return head + '\n'.join(order) + '\n#\n' + '\n'.join(body) + '\n'


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    part, saves = int(sys.argv[1]), os.path.abspath(sys.argv[2])
    battles = int(sys.argv[3]) if len(sys.argv) > 3 else 6
    out = os.path.join(CHAPTERS, f'15_north_fields_{part}.script')
    header = None
    if os.path.exists(out):  # keep a part's own introduction
        text = open(out).read()
        header = text[:text.index('define ')]
    cont = open(os.path.join(CHAPTERS, 'continue_third_slot.script')).read()
    quit_ = open(os.path.join(CHAPTERS, 'quit.script')).read()
    os.makedirs(WORK, exist_ok=True)
    dec, maxhp = [], {}
    script = lambda tail: cont + MOVES + ''.join(m + '\n' for _, m in dec) + tail
    while True:
        windows, turns, d = play(saves, script('wait 12s\n'))
        if 'Defeated' in windows or any('Game Over' in w for w in windows[-3:]):
            sys.exit('the party lost: the plan needs more care here')
        wins = windows.count('Victory!!!')
        nturn = sum(1 for k, _ in dec if k == 'T')
        if len(turns) > nturn:
            dec.append(('T', decide(turns[nturn], maxhp)))
        elif wins > sum(1 for k, _ in dec if k == 'D'):
            dec.append(('D', 'the spoils'))
            print(f"battle {wins} won: {d.get('ggp')} Gold, levels {d.get('mikelvl')} "
                  f"{d.get('charlielvl')} {d.get('elizlvl')}", flush=True)
            if wins >= battles:
                dec.append(('S', 'save over the third slot'))
                windows, turns, d = play(saves, script(quit_))
                if 'Saved!' not in windows[-3:]:
                    sys.exit('the save did not go through')
                break
        else:
            step = walk_decision(dec, d)
            if len(dec) > 6 and all(x == step for x in dec[-6:]) and step[0] != 'W':
                sys.exit(f'stuck at map {d.get("mapnum")} ({d.get("mikex")}, {d.get("mikey")})')
            dec.append(step)
            if step[1] == 'to the counter':
                dec.append(('B', 'a bed for the night'))
    open(out, 'w').write(chapter_text(part, dec, turns, header))
    keep = os.path.join(WORK, 'saves')
    shutil.rmtree(keep, ignore_errors=True)
    os.makedirs(keep)
    for f in ('f1.vtr', 'f2.vtr', 'f3.vtr'):
        if os.path.exists(os.path.join(WORK, 'g', f)):
            shutil.copy(os.path.join(WORK, 'g', f), keep)
    print(f"wrote {out}: {d.get('ggp')} Gold, levels {d.get('mikelvl')} {d.get('charlielvl')} "
          f"{d.get('elizlvl')}, saved at ({d.get('mikex')}, {d.get('mikey')})")


if __name__ == '__main__':
    main()
