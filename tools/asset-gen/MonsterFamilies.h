#pragma once
// The families of monster figures and the traits each is drawn from. A
// design (MonsterDesigns.cpp) picks a family and fills in its traits.
#include <cstdint>

#include "tools/asset-gen/Canvas.h"

namespace assetgen {

enum class Weapon { kNone, kSword, kAxe, kSpear, kStaff, kBow, kScythe, kClub, kDagger, kTrident, kFan, kMallet };
enum class Head { kHuman, kGoblin, kOrc, kSkull, kHood, kHelmet, kWolf, kBull, kTengu, kApe, kLizard, kHeadless };
enum class Lower { kLegs, kRobe, kHorse, kFishTail, kWisp, kBirdLegs };
enum class Wings { kNone, kFeather, kBat, kButterfly };
enum class Hat { kNone, kWizard, kBandana, kMitre, kCrown, kPlume };
enum class Hair { kNone, kShort, kLong, kSpiky, kBeard, kLeaves };

struct HumanoidTraits {
    float height = 90;
    float build = 1.0f;     // width: 0.8 slender, 1 normal, 1.4 bulky
    float headScale = 1.0f;
    Rgba skin = Hex(0xF0C8A0), outfit = Hex(0x6A5A8A), trim = Hex(0xD8B860), hairColour = Hex(0x3A2A20);
    Rgba eyes = Hex(0x3A6AB0);
    Head head = Head::kHuman;
    Lower lower = Lower::kLegs;
    Weapon weapon = Weapon::kNone;
    Wings wings = Wings::kNone;
    Hat hat = Hat::kNone;
    Hair hair = Hair::kShort;
    Rgba wingColour = Hex(0xF4F4FA), capeColour;  // cape only when alpha > 0
    Rgba weaponColour = Hex(0xC8D0DC);
    bool shield = false, armour = false, pointyEars = false, tusks = false, tail = false, halo = false;
    bool fierceEyes = false, oneEye = false, stone = false, bones = false, glowing = false, female = false;
    int horns = 0;          // 0 none, 1 small, 2 long, 3 curled
    float hunch = 0;        // zombies lean forward
};

struct QuadrupedTraits {
    float length = 100, height = 70;
    Rgba fur = Hex(0x8A6A4A), belly = Hex(0xD8C0A0), mane, eyes = Hex(0xE0B020);
    enum Snout { kDog, kCat, kBeak, kHorse, kRodent, kBoar, kLizard, kApe, kBear } snout = kDog;
    enum Ears { kPointed, kRound, kLong, kNone } ears = kPointed;
    enum Tail { kThin, kBushy, kTuft, kSnake, kStinger, kNoTail, kFlame } tail = kThin;
    float bulk = 1.0f, legLength = 1.0f;
    int heads = 1, horns = 0;  // horns: 1 one horn, 2 pair of bull horns, 3 curled
    bool wings = false, featherWings = true, stripes = false, spots = false, scales = false, fierceEyes = false;
    bool tusks = false, fiery = false, sparks = false, shell = false, multiTail = false;
    Rgba wingColour = Hex(0xE8E0D0), stripeColour = Hex(0x201814), aura;
};

void DrawHumanoid(class Figure& f, const HumanoidTraits& t);
void DrawQuadruped(class Figure& f, const QuadrupedTraits& t);

}  // namespace assetgen

namespace assetgen {

// The smaller families, each drawn to fill the figure's box.
void DrawBlob(Figure& f, Rgba body, bool crown);
void DrawChest(Figure& f);
void DrawBird(Figure& f, Rgba feathers, Rgba belly, bool fiery, bool crest);
void DrawBat(Figure& f, Rgba body);
void DrawBee(Figure& f, Rgba body, Rgba stripes);
void DrawMoth(Figure& f, Rgba wings, Rgba marks);
void DrawMantis(Figure& f, Rgba body);
void DrawSpider(Figure& f, Rgba body, Rgba mark);
void DrawCentipede(Figure& f, Rgba body);
// heads > 1 rise from one body; `fins` for sea serpents; `worm` has no
// eyes, a ringed body and a round mouth.
void DrawSerpent(Figure& f, Rgba body, Rgba belly, int heads, bool fins, bool worm);
void DrawDragon(Figure& f, Rgba scales, Rgba belly, Rgba wings, bool bones, bool wyvern);
void DrawManEater(Figure& f, Rgba petals);
void DrawTreant(Figure& f, Rgba bark, Rgba leaves);
void DrawMandrake(Figure& f);
void DrawMushroom(Figure& f, Rgba cap);
void DrawKodama(Figure& f);
void DrawGhost(Figure& f, Rgba body);
void DrawWisp(Figure& f, Rgba flame);
void DrawUmibouzu(Figure& f);
void DrawGolem(Figure& f, Rgba stone, Rgba core);
void DrawMachine(Figure& f, Rgba plate);
void DrawOctopus(Figure& f, Rgba body, int arms);
void DrawCrab(Figure& f, Rgba shell);
enum class Fish { kShark, kOrca, kWhale };
void DrawFish(Figure& f, Fish kind);
void DrawAngler(Figure& f);
void DrawJellyfish(Figure& f, Rgba bell);
void DrawToad(Figure& f, Rgba skin);
void DrawChaos(Figure& f);

}  // namespace assetgen
