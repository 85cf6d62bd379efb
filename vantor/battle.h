// Battles: the loop with its time bars, the party's and the enemies' turns,
// the enemy roster and what follows a fight. A random encounter comes in
// through do_battle; a scripted fight fills enemy1..enemy4 itself (alloc_enemy,
// make_enemy) and calls battle directly. Item and action effects draw their
// animations with the frame helpers below (ft_update_screen, drew_last,
// reset_battle_timer, draw_number) and end with status_update(0, who).
#pragma once
#include "records.h"

// ---- battle state ----
extern ftenemy *enemy1, *enemy2, *enemy3, *enemy4; // the four enemy slots (null outside a fight)
extern int continue_fight;                         // -1 running, 0 won, 4 escaped, 5 lost
extern BITMAP* fight_background;                   // the battle's copy of its background, owned by battle
extern long midi_music_pos;                        // field music position when the battle music started
extern int no_init_positions;                      // TRUE: keep the heroes' positions and fighters as set
extern int no_show_eliz;                           // TRUE: Elizabeth is neither listed nor given turns
extern int skip_game_over;                 // TRUE: a lost battle returns 0 without the game-over screen
extern int in_boss_battle;                 // TRUE: escape items fail
extern int boss_die_effect;                // TRUE: enemies die with the boss death effect
extern int enemy_sizes;                    // formation of a random encounter, 0 or 1
extern int force_enemy_id;                 // not -1: replaces the roster draw on maps 19-30
extern int force_enemy_sizes;              // not -1: replaces the formation on maps 19-30
extern int drew_last;                      // TRUE when the last ft_update_screen really drew
extern int show_timebar;                   // option: time bars instead of MP in the status panel
extern int item_menu_pos, action_menu_pos; // first visible row of the battle Item and Action lists

// Battle result of `battle`.
enum { FIGHT_RUNNING = -1, FIGHT_WON = 0, FIGHT_ESCAPED = 4, FIGHT_LOST = 5 };
// No music change for `battle`.
constexpr int NO_MUSIC = -1;

// ---- the loop ----
// A random encounter on the current map; ends the program when it is lost.
void do_battle();
// TRUE when the current map (and world region) has a roster, so an encounter can start here.
int battle_possible();
// The battle itself; music is a MIDI object of data.dat or NO_MUSIC. -1 when won, else 0.
int battle(BITMAP* background, int music);
// One battle frame into buffer (shown unless virtual_screen); also the pacer of every battle animation.
void ft_update_screen();
// The fighters and enemies into sprite_layer.
void draw_ft_sprites();
// A hero's time bar at (x, y) of buffer.
void draw_timebar(ftchar* who, int x, int y);
// End-of-turn status countdown and poison for who (mode 0); any other mode only pauses and unpauses.
void status_update(int mode, ftchar* who);
// Restarts the battle frame pacer at 50 frames a second.
void reset_battle_timer();
// Restarts the frame pacer at the given rate (damage numbers and deaths run at 25).
void set_battle_pacer(int per_second);
// The heroes' battle positions and fighters[] from who is in the party.
void setup_starting_positions();
// The party member after who (Mike, Charlie, then Runhon or Elizabeth), or null.
ftchar* ftchar_loop(ftchar* who);
// 1 when no hero of the fight is alive (Mike always counts), else 0.
int all_are_dead();
// Clamps every enemy's hp to its hpmax.
void test_enemy_hp();
// Clears status slots 1-19 of the party; poison (4) stays unless all.
void trash_status(int all);
// One tick of the time bars: fills them and marks the due turns.
void battle_tick();
// The enemy in slot n (1 to 4), or null.
ftenemy* enemy_slot(int n);

// ---- the party's turn ----
// The menu and command of a hero whose bar is full; always 0.
int take_turn(ftchar* who);
// Steps into (flag TRUE) or out of a defence.
void defend(ftchar* who, int flag);
// The player picks an enemy (marked targeted), or null when he backs out.
ftenemy* do_hurt_select();
// The player picks a hero, or null when he backs out.
ftchar* do_heal_select();
// A status boost: type 0 attack (Blade Shine), 1 defence (Glass Ball, Vest Shine), else amt.
int test_abnormality(ftchar* who, int amt, int type);

// ---- the enemy roster ----
// Catalogue rows for make_enemy: the random roster, then the opponents of scripted fights.
enum {
    FOE_DARK_WEED,
    FOE_BLUE_HORNET,
    FOE_SLIME_EYE,
    FOE_FANGED,
    FOE_CHUNK,
    FOE_UNDEADLY,
    FOE_SHORTY,
    FOE_DARK_FLYER,
    FOE_ROCK_CRAWLER,
    FOE_SAND_SERPENT,
    FOE_GRASSWORM,
    FOE_INFERIA,
    FOE_BABY_REPTEL,
    FOE_POLTERGEIST,
    FOE_SPUD,
    FOE_RED_ROCK_CRAWLER,
    FOE_SPIZZER,
    FOE_BLOOD_CRAWLER,
    FOE_ROCK,
    FOE_MAD_KNIGHT,
    FOE_DRAKIAN_SOLDIER,
    FOE_BARGHEST,
    FOE_MANGLER,
    FOE_MOUNTAIN,
    FOE_METALOR,
    FOE_COUNT,
    FOE_EMPTY = -1
};
// A zeroed enemy record (fatal when memory runs out).
ftenemy* alloc_enemy();
// Fills e as catalogue row foe (FOE_EMPTY: an empty slot); x 65, y 80 unless the caller moves it.
void make_enemy(ftenemy* e, int foe);
// The catalogue row named name, or FOE_EMPTY.
int foe_by_name(const char* name);
// Fills one slot of a random encounter from the current map's roster.
void init_enemy(ftenemy* e);
// Frees an enemy record (and its light maps); null is ignored.
void uninit_enemy(ftenemy* e);
// Draws a sprite enemy into sprite_layer (light-map enemies are drawn by ft_update_screen).
void draw_enemy(ftenemy* e);
// The per-frame idle animation of an enemy.
void update_enemies(ftenemy* e);
// Debug display of the four slots; waits for Esc.
void enemy_status();
// Story hooks that fire inside battles.
void ft_story_flags();

// ---- the enemies' turn ----
extern int enemy_attack_type; // damage kind: 0 none, 1 blow, 2 heal, 3 party, 4 spell, 5 drain
extern int g_atp;             // attack value of this attack; -1: the enemy's own atp
extern ftenemy* g_ptr;        // kind 2: the enemy to heal
extern int omit_dfp;          // TRUE: the next party-wide blow ignores defence
// The turn of an enemy whose bar is full; always 0.
int enemy_take_turn(ftenemy* e);
// The attack animation and choice of e against target; sets the attack globals.
void enemy_attack(ftenemy* e, ftchar* target);
// Lightning striking (x, y): Shorty's Bolt Strike.
void bolt_spell_animation(int x, int y);
// Dark drops pouring over the whole screen: Metalor's Dark Rain.
void dark_rain_spell_animation(int x, int y);
// Shadows whirling around (x, y) over the scene that draw (update_screen or ft_update_screen) keeps drawing.
void shadow_spell_animation(int x, int y, void (*draw)());

// ---- the outcome ----
// Colours of draw_number besides -1 (the font's own).
int heal_colour();
int mp_colour();
// An animated number at (x, y) of the battle screen.
void draw_number(int number, int x, int y, int col);
// Death animation; leaves e->alive and e->in_fight FALSE.
void enemy_dies(ftenemy* e);
// One level for who; msg TRUE shows the messages.
void level_up(ftchar* who, int msg = FALSE);
// A window that stays until a new key: one still held from before it opened does not close it.
void battle_window(const char* text, int x, int y, int wt, int ht);
// A message window at the top and a key wait.
void battle_message(const char* text);
// The end screen after a lost battle.
void game_over();
// Experience and gold of a won battle, with their windows and level-ups.
void victory_rewards();

// ---- formulas (the random draws are passed in) ----
// Time-bar fill per tick for an agility.
float time_bar_step(int agp);
// Random spread of v: r1 % (v / 10 + 1), negated when r2 is odd; 0 for a range below 1.
int damage_spread(int v, int r1, int r2);
// A hero's weapon blow before status boost and elements: base against dfp, plus spread.
int weapon_base_damage(int hero_atp, int weapon_atp, int afraid, int dfp, int r1, int r2);
// The elements: tripled on a weakness, then negated (a heal) on a strength.
int apply_elements(int d, int element, int weakness, int strength);
// The Blade/Vest Shine boost of an amount.
int shine_boost(int amt);
// An enemy's single blow: att against def with the spread of spread_of, halved when defending, at least 1.
int enemy_blow_damage(int att, int def, int spread_of, int defending, int r1, int r2);
// Armour value of a hero's armour against an enemy's element.
int armour_value(int dfp, int element, int weakness, int enemy_element);
// Sum of exp (or gp) over the four enemy slots.
int total_exp();
int total_gp();
// Every living hero of the fight gains e experience.
void share_experience(int e);
// The stat growth of one level (no messages, no actions learned).
void level_growth(ftchar* who);
