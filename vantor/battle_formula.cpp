// The battle's arithmetic as small pure functions: every random draw comes in
// as an argument, so each formula can be checked at both ends of its draw.
#include "battle.h"

#include <algorithm>
#include <initializer_list>
#include <cstdlib>

#include "vantor.h"

int damage_spread(int v, int r1, int r2)
{
    // A negative amount (a blow that cannot pierce the defence) has no spread to speak of.
    int range = v / 10 + 1;
    if (range < 1) return 0;
    int r = std::abs(r1 % range);
    return std::abs(r2) % 2 == 1 ? -r : r;
}

int weapon_base_damage(int hero_atp, int weapon_atp, int afraid, int dfp, int r1, int r2)
{
    int base = afraid ? weapon_atp + hero_atp / 2 : hero_atp + weapon_atp;
    int d = base - dfp;
    if (d <= 0) d = 1;
    return d + damage_spread(d, r1, r2);
}

int apply_elements(int d, int element, int weakness, int strength)
{
    if (weakness == element) d *= 3;
    if (strength == element) d = -d;
    return d;
}

int shine_boost(int amt)
{
    if (amt * 0.5 < 0.5) return amt + 1;
    return round_float(amt * 1.5f);
}

int enemy_blow_damage(int att, int def, int spread_of, int defending, int r1, int r2)
{
    int d = att - def + damage_spread(spread_of, r1, r2);
    if (defending) d /= 2;
    return std::max(d, 1);
}

int armour_value(int dfp, int element, int weakness, int enemy_element)
{
    int a = dfp;
    if (enemy_element == element) a = (int)(a * 1.5);
    if (enemy_element == weakness) a = 0;
    return a;
}

void level_growth(ftchar* who)
{
    if (!who) return;
    who->hpmax = (int)(who->hpmax + std::min(who->hpmax * who->pchp, 250.0f)) + 1;
    who->mpmax = (int)(who->mpmax + who->mpmax * who->pcmp) + 1;
    int step = round_float(who->nextexp_c + std::min(who->nextexp_c * 0.3f, 500000.0f));
    who->nextexp_c = who->nextexp = step;
    who->atp = (int)(who->atp + std::min(who->atp * who->pcatp, 250.0f)) + 1;
    who->agp = (int)(who->agp + who->agp * who->pcagp) + 1;
    who->dfp = (int)(who->dfp + who->dfp * who->pcdfp) + 1;
    who->level++;
}

int total_exp()
{
    int e = 0;
    for (int n = 1; n <= 4; n++)
        if (enemy_slot(n)) e += enemy_slot(n)->exp;
    return e;
}

int total_gp()
{
    int g = 0;
    for (int n = 1; n <= 4; n++)
        if (enemy_slot(n)) g += enemy_slot(n)->gp;
    return g;
}

void share_experience(int e)
{
    for (ftchar* h : {ftmike, ftcharlie, ftrunhon, ftelizabeth})
        if (h && h->alive && h->in_fight) {
            h->exp += e;
            h->nextexp -= e;
        }
}
