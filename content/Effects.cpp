#include "content/Effects.h"

#include "content/ContentDatabase.h"

namespace {

// Columns: id, picture (cut into columns x rows frames), hue shift, sound.
// Rows that share a picture differ by their hue.
constexpr EffectRow kRows[] = {
    // Unarmed.
    {  0, "punch.bmp",        5, 1,   0, "punch.wav"},
    {  1, "kick.bmp",         5, 1,   0, "kick.wav"},
    {  2, "rush.bmp",         8, 1,   0, "punch2.wav"},
    {  3, "kiblast.bmp",      5, 2,   0, "blast.wav"},
    // Knife and ninja arts.
    { 20, "knife.bmp",        5, 1,   0, "knife.wav"},
    { 21, "throw.bmp",        5, 1,   0, "throw.wav"},
    { 22, "shadow.bmp",       5, 1,   0, "shadow.wav"},
    // Sword.
    { 40, "slash.bmp",        5, 1,   0, "slash.wav"},
    { 41, "cross.bmp",        8, 1,   0, "slash2.wav"},
    { 42, "bigslash.bmp",     8, 1,   0, "slash3.wav"},
    { 43, "multislash.bmp",  10, 1,   0, "slash2.wav"},
    { 44, "fireslash.bmp",    8, 1,   0, "fire1.wav"},
    { 45, "iceslash.bmp",     8, 1,   0, "ice1.wav"},
    { 46, "thunderslash.bmp", 8, 1,   0, "thunder1.wav"},
    { 47, "bigslash.bmp",     8, 1, 220, "slash3.wav"},
    // Spear, and the claws and fangs of monsters.
    { 60, "spear.bmp",        5, 1,   0, "spear.wav"},
    { 61, "claw.bmp",         5, 1, 300, "claw.wav"},
    { 62, "claw.bmp",         5, 1, 180, "bite.wav"},
    { 63, "sting.bmp",        5, 1,   0, "sting.wav"},
    { 64, "fang.bmp",         5, 1,  30, "bite.wav"},
    { 65, "fang.bmp",         5, 1,   0, "bite.wav"},
    { 66, "fang.bmp",         5, 1, 210, "bite.wav"},
    // Axe and heavy blows.
    { 80, "axe.bmp",          5, 1,   0, "axe.wav"},
    { 81, "smash.bmp",        5, 2,   0, "smash.wav"},
    // Bow.
    {100, "arrow.bmp",        5, 1,   0, "arrow.wav"},
    {101, "arrows.bmp",       8, 1,   0, "arrow2.wav"},
    {102, "shot.bmp",         5, 1,   0, "arrow3.wav"},
    {103, "arrowrain.bmp",    5, 3,   0, "arrow2.wav"},
    // Gun, and the weapons of machines.
    {120, "gun.bmp",          5, 1,   0, "gun.wav"},
    {121, "machinegun.bmp",   8, 1,   0, "gun2.wav"},
    {122, "laser.bmp",       10, 1,   0, "laser.wav"},
    // Staff.
    {140, "staff.bmp",        5, 1,   0, "staff.wav"},
    {141, "magicblow.bmp",    5, 2,   0, "magic1.wav"},
    // Recovery and revival.
    {160, "heal.bmp",        10, 1,   0, "heal.wav"},
    {161, "heal2.bmp",        5, 3,   0, "heal2.wav"},
    {162, "revive.bmp",       1, 9,   0, "revive.wav"},
    {163, "charge.bmp",       5, 1,   0, "charge.wav"},
    // Support and dispel.
    {180, "up.bmp",          10, 1,   0, "up.wav"},
    {181, "dispel.bmp",       8, 2,   0, "dispel.wav"},
    // Fire.
    {190, "fire1.bmp",        5, 1,   0, "fire1.wav"},
    {191, "fire2.bmp",        7, 1,   0, "fire2.wav"},
    {192, "explosion.bmp",    5, 4,   0, "explosion.wav"},
    {193, "firepillar.bmp",   1, 8,   0, "fire2.wav"},
    {194, "firestorm.bmp",    5, 3,   0, "fire3.wav"},
    {195, "firebird.bmp",     7, 2,   0, "fire3.wav"},
    {196, "meteor.bmp",       5, 5,   0, "explosion.wav"},
    // Ice.
    {200, "ice1.bmp",         5, 1,   0, "ice1.wav"},
    {201, "blizzard.bmp",     8, 1,   0, "ice2.wav"},
    {202, "icepillar.bmp",    5, 2,   0, "ice2.wav"},
    {203, "icecoffin.bmp",    6, 2,   0, "ice3.wav"},
    {204, "diamond.bmp",      9, 1,   0, "ice3.wav"},
    {205, "zero.bmp",         5, 5,   0, "ice3.wav"},
    // Thunder.
    {210, "thunder1.bmp",     5, 1,   0, "thunder1.wav"},
    {211, "spark.bmp",        8, 1,   0, "thunder1.wav"},
    {212, "thunder1.bmp",     5, 1, 330, "thunder2.wav"},
    {213, "thunderstorm.bmp", 5, 3,   0, "thunder2.wav"},
    {214, "bolt.bmp",         1, 9,   0, "thunder3.wav"},
    // Wind.
    {220, "wind1.bmp",        5, 1,   0, "wind1.wav"},
    {221, "tornado.bmp",      8, 1,   0, "wind2.wav"},
    {222, "vacuum.bmp",       6, 1,   0, "wind1.wav"},
    {223, "storm.bmp",        9, 1,   0, "wind2.wav"},
    // Light.
    {230, "light1.bmp",       5, 1,   0, "light1.wav"},
    {231, "holycross.bmp",    8, 1,   0, "light1.wav"},
    {232, "holy.bmp",         5, 2,   0, "light2.wav"},
    {233, "judgement.bmp",    7, 2,   0, "light2.wav"},
    // Dark and non-elemental.
    {240, "dark1.bmp",        5, 1,   0, "dark1.wav"},
    {241, "darkmist.bmp",     8, 1,   0, "dark1.wav"},
    {242, "energy.bmp",      10, 1,   0, "magic2.wav"},
    {243, "blackhole.bmp",    5, 3,   0, "dark2.wav"},
    // Breaths and ailments.
    {250, "cloud.bmp",        5, 1,   0, "breath.wav"},
    {251, "firebreath.bmp",   5, 2,   0, "breath.wav"},
    {252, "coldbreath.bmp",   8, 1,   0, "breath.wav"},
    // Lowering.
    {260, "down.bmp",         5, 1,   0, "down.wav"},
};

}  // namespace

std::span<const EffectRow> EffectRows() { return kRows; }

void BuildEffects() {
    for (EffectData& row : EffectTable()) row = EffectData{};
    for (const EffectRow& r : kRows) {
        EffectData& e = EffectTable()[r.id];
        e.sound = WString(r.sound);
        e.picture = WString(r.picture);
        e.columns = r.columns;
        e.rows = r.rows;
        e.hue = r.hue;
    }
}
