#include "tools/asset-gen/Monsters.h"

#include <algorithm>
#include <functional>
#include <map>

#include "tools/asset-gen/Figure.h"
#include "tools/asset-gen/MonsterFamilies.h"

namespace assetgen {

namespace {

// A figure's box in design units and how to draw into it.
struct Design {
    float width, height;
    std::function<void(Figure&)> draw;
};

using H = HumanoidTraits;
using Q = QuadrupedTraits;

Design Humanoid(const H& t) {
    const float height = t.height;
    float top = 0.06f;
    if (t.weapon == Weapon::kSpear || t.weapon == Weapon::kTrident) top = std::max(top, 0.13f);
    if (t.hat == Hat::kWizard) top = std::max(top, 0.2f);
    if (t.hat == Hat::kMitre || t.hat == Hat::kPlume || t.horns == 2 || t.head == Head::kBull) top = std::max(top, 0.14f);
    if (t.hat == Hat::kCrown || t.halo || t.horns == 1 || t.head == Head::kWolf || t.hair == Hair::kSpiky) top = std::max(top, 0.1f);
    float half = height * (0.15f * t.build + 0.12f);
    if (t.weapon == Weapon::kScythe) half = std::max(half, height * (0.15f * t.build + 0.07f + 0.36f));
    if (t.weapon == Weapon::kBow || t.weapon == Weapon::kAxe || t.weapon == Weapon::kFan) half = std::max(half, height * (0.15f * t.build + 0.25f));
    if (t.wings == Wings::kButterfly) half = std::max(half, height * 0.46f);
    else if (t.wings != Wings::kNone) half = std::max(half, height * 0.62f);
    if (t.lower == Lower::kHorse || t.lower == Lower::kFishTail) half = std::max(half, height * 0.4f);
    if (t.shield) half = std::max(half, height * (0.15f * t.build + 0.2f));
    if (t.capeColour.a > 0) half = std::max(half, height * 0.27f * t.build);
    return {2 * half + 4, height * (1 + top), [t](Figure& f) { DrawHumanoid(f, t); }};
}

Design Beast(float w, float h, Q t) {
    const float extra = t.wings ? 0.5f : (t.horns == 1 ? 0.15f : 0.05f);
    t.length = w;
    t.height = h;
    return {w * (t.wings ? 1.1f : 1.0f), h * (1 + extra), [t](Figure& f) { DrawQuadruped(f, t); }};
}

template <typename F>
Design Box(float w, float h, F draw) {
    return {w, h, draw};
}

H Person(float height, Rgba skin, Rgba outfit) {
    H t;
    t.height = height;
    t.skin = skin;
    t.outfit = outfit;
    return t;
}

const Rgba kFair = Hex(0xF4D0B0), kTan = Hex(0xD8A880), kGreen = Hex(0x7AAA48), kGrey = Hex(0xA8A8B0);

const std::map<std::string, std::function<Design()>>& Designs() {
    static const std::map<std::string, std::function<Design()>> designs = {
        // Slimes, mimics and small things.
        {"slime", [] { return Box(56, 48, [](Figure& f) { DrawBlob(f, Hex(0x4A9AF0), false); }); }},
        {"mimic", [] { return Box(66, 60, [](Figure& f) { DrawChest(f); }); }},
        // People and the like.
        {"goblin", [] { H t = Person(62, kGreen, Hex(0x7A5A3A)); t.head = Head::kGoblin; t.hair = Hair::kNone; t.weapon = Weapon::kDagger; t.fierceEyes = false; t.eyes = Hex(0xD0A020); t.headScale = 1.25f; return Humanoid(t); }},
        {"goblinmage", [] { H t = Person(62, kGreen, Hex(0x5A3A8A)); t.head = Head::kGoblin; t.hair = Hair::kNone; t.hat = Hat::kWizard; t.lower = Lower::kRobe; t.weapon = Weapon::kStaff; t.eyes = Hex(0xE05030); t.headScale = 1.25f; return Humanoid(t); }},
        {"kobold", [] { H t = Person(64, Hex(0xB08050), Hex(0x6A6A3A)); t.head = Head::kWolf; t.weapon = Weapon::kSpear; t.eyes = Hex(0xE0C040); t.headScale = 1.15f; return Humanoid(t); }},
        {"orc", [] { H t = Person(86, Hex(0x7A9A6A), Hex(0x5A4A3A)); t.build = 1.35f; t.head = Head::kOrc; t.tusks = true; t.hair = Hair::kNone; t.weapon = Weapon::kAxe; t.eyes = Hex(0xE03020); t.fierceEyes = true; return Humanoid(t); }},
        {"bandit", [] { H t = Person(84, kTan, Hex(0x6A4A3A)); t.hat = Hat::kBandana; t.trim = Hex(0xB03A2A); t.weapon = Weapon::kDagger; t.hair = Hair::kShort; return Humanoid(t); }},
        {"pirate", [] { H t = Person(86, kTan, Hex(0x2A3A6A)); t.hat = Hat::kBandana; t.trim = Hex(0xD02A2A); t.weapon = Weapon::kSword; t.hair = Hair::kBeard; t.hairColour = Hex(0x2A1A10); return Humanoid(t); }},
        {"mage", [] { H t = Person(84, kFair, Hex(0x3A4A9A)); t.hat = Hat::kWizard; t.lower = Lower::kRobe; t.weapon = Weapon::kStaff; t.hair = Hair::kBeard; t.hairColour = Hex(0xD8D8D8); t.eyes = Hex(0x60C0FF); return Humanoid(t); }},
        {"witch", [] { H t = Person(84, kFair, Hex(0x3A2A4A)); t.female = true; t.hat = Hat::kWizard; t.lower = Lower::kRobe; t.weapon = Weapon::kStaff; t.hair = Hair::kLong; t.hairColour = Hex(0x8A2A3A); t.eyes = Hex(0x9A40E0); return Humanoid(t); }},
        {"priest", [] { H t = Person(86, kFair, Hex(0xE8E4DC)); t.hat = Hat::kMitre; t.trim = Hex(0xD8B040); t.lower = Lower::kRobe; t.weapon = Weapon::kStaff; t.hair = Hair::kNone; t.eyes = Hex(0x4A7AC0); return Humanoid(t); }},
        {"monk", [] { H t = Person(84, kTan, Hex(0xD88A2A)); t.hair = Hair::kNone; t.build = 1.15f; t.trim = Hex(0x6A3A1A); t.weapon = Weapon::kStaff; t.eyes = Hex(0x4A3020); return Humanoid(t); }},
        {"knight", [] { H t = Person(90, kFair, Hex(0x8A94A8)); t.armour = true; t.head = Head::kHelmet; t.hat = Hat::kPlume; t.weapon = Weapon::kSword; t.shield = true; t.trim = Hex(0xD8B848); return Humanoid(t); }},
        {"armor", [] { H t = Person(92, kFair, Hex(0x5A5A6A)); t.armour = true; t.head = Head::kHelmet; t.weapon = Weapon::kAxe; t.shield = true; t.trim = Hex(0x8A7A5A); t.eyes = Hex(0x60E0FF); t.fierceEyes = true; return Humanoid(t); }},
        {"dullahan", [] { H t = Person(92, kFair, Hex(0x3A3A4A)); t.armour = true; t.head = Head::kHeadless; t.weapon = Weapon::kSword; t.shield = true; t.trim = Hex(0x6A5A7A); t.capeColour = Hex(0x4A1A2A); return Humanoid(t); }},
        {"executioner", [] { H t = Person(94, Hex(0xC89878), Hex(0x2A2024)); t.build = 1.4f; t.head = Head::kHood; t.outfit = Hex(0x2A2024); t.weapon = Weapon::kAxe; t.eyes = Hex(0xFF3020); t.weaponColour = Hex(0x9A9AA4); return Humanoid(t); }},
        {"dwarf", [] { H t = Person(64, kTan, Hex(0x8A5A2A)); t.build = 1.4f; t.hair = Hair::kBeard; t.hairColour = Hex(0xC06A2A); t.weapon = Weapon::kAxe; t.head = Head::kHuman; t.hat = Hat::kNone; t.armour = true; t.outfit = Hex(0x8A7A6A); return Humanoid(t); }},
        {"elf", [] { H t = Person(88, kFair, Hex(0x3A7A3A)); t.pointyEars = true; t.female = true; t.hair = Hair::kLong; t.hairColour = Hex(0xF0D870); t.weapon = Weapon::kBow; t.build = 0.85f; t.eyes = Hex(0x3A9A5A); return Humanoid(t); }},
        {"darkelf", [] { H t = Person(88, Hex(0x8A6A8A), Hex(0x2A1A3A)); t.pointyEars = true; t.hair = Hair::kLong; t.hairColour = Hex(0xE8E8F0); t.weapon = Weapon::kDagger; t.build = 0.85f; t.eyes = Hex(0xE04040); t.trim = Hex(0x8A3AA0); return Humanoid(t); }},
        {"vampire", [] { H t = Person(90, Hex(0xE8E0E4), Hex(0x1A1420)); t.capeColour = Hex(0x2A0A14); t.hair = Hair::kShort; t.hairColour = Hex(0x14101A); t.eyes = Hex(0xE02030); t.fierceEyes = true; t.trim = Hex(0xB02030); return Humanoid(t); }},
        {"zombie", [] { H t = Person(84, Hex(0x8AA078), Hex(0x5A4A5A)); t.hunch = 1; t.hair = Hair::kShort; t.hairColour = Hex(0x3A3A2A); t.eyes = Hex(0xE0E060); t.fierceEyes = true; return Humanoid(t); }},
        {"skeleton", [] { H t = Person(86, Hex(0xE8E2D0), Hex(0x6A5A4A)); t.bones = true; t.head = Head::kSkull; t.weapon = Weapon::kSword; t.shield = true; t.trim = Hex(0x7A6A50); t.eyes = Hex(0xFF4030); return Humanoid(t); }},
        {"lich", [] { H t = Person(92, Hex(0xE0DCCC), Hex(0x3A1A4A)); t.head = Head::kSkull; t.lower = Lower::kRobe; t.hat = Hat::kCrown; t.weapon = Weapon::kStaff; t.eyes = Hex(0x60FFB0); t.capeColour = Hex(0x2A0A30); return Humanoid(t); }},
        {"reaper", [] { H t = Person(96, Hex(0xE0DCCC), Hex(0x1E1A26)); t.head = Head::kHood; t.lower = Lower::kWisp; t.weapon = Weapon::kScythe; t.eyes = Hex(0xFF3040); t.bones = false; return Humanoid(t); }},
        {"demon", [] { H t = Person(92, Hex(0xC0403A), Hex(0x2A1A1A)); t.build = 1.2f; t.horns = 2; t.wings = Wings::kBat; t.wingColour = Hex(0x4A1A2A); t.tail = true; t.weapon = Weapon::kTrident; t.eyes = Hex(0xFFE040); t.fierceEyes = true; t.hair = Hair::kNone; return Humanoid(t); }},
        {"imp", [] { H t = Person(52, Hex(0x9A4AB0), Hex(0x3A1A3A)); t.horns = 1; t.wings = Wings::kBat; t.wingColour = Hex(0x3A1A4A); t.tail = true; t.weapon = Weapon::kTrident; t.eyes = Hex(0xFFE040); t.fierceEyes = true; t.headScale = 1.3f; t.hair = Hair::kNone; t.pointyEars = true; return Humanoid(t); }},
        {"succubus", [] { H t = Person(88, Hex(0xE8B8C8), Hex(0x2A1030)); t.female = true; t.build = 0.85f; t.horns = 1; t.wings = Wings::kBat; t.wingColour = Hex(0x5A1A4A); t.tail = true; t.hair = Hair::kLong; t.hairColour = Hex(0x6A1A5A); t.eyes = Hex(0xE03080); return Humanoid(t); }},
        {"angel", [] { H t = Person(88, kFair, Hex(0xF4F2EC)); t.lower = Lower::kRobe; t.wings = Wings::kFeather; t.halo = true; t.hair = Hair::kLong; t.hairColour = Hex(0xF0D878); t.weapon = Weapon::kSpear; t.trim = Hex(0xD8B040); t.weaponColour = Hex(0xF0E0A0); return Humanoid(t); }},
        {"fallenangel", [] { H t = Person(90, Hex(0xE0D4DC), Hex(0x2A2434)); t.lower = Lower::kRobe; t.wings = Wings::kFeather; t.wingColour = Hex(0x2A2630); t.hair = Hair::kLong; t.hairColour = Hex(0x1A1A24); t.weapon = Weapon::kSword; t.eyes = Hex(0xE02040); t.trim = Hex(0x8A2A4A); return Humanoid(t); }},
        {"fairy", [] { H t = Person(44, kFair, Hex(0x6AD08A)); t.female = true; t.build = 0.8f; t.wings = Wings::kButterfly; t.wingColour = Hex(0xA0E8FF); t.hair = Hair::kLong; t.hairColour = Hex(0xF0A0C8); t.glowing = true; t.headScale = 1.3f; t.pointyEars = true; return Humanoid(t); }},
        {"harpy", [] { H t = Person(84, kFair, Hex(0x8A6A4A)); t.female = true; t.wings = Wings::kFeather; t.wingColour = Hex(0x9A7A5A); t.lower = Lower::kBirdLegs; t.hair = Hair::kLong; t.hairColour = Hex(0x6A4A2A); t.eyes = Hex(0xE0A020); return Humanoid(t); }},
        {"siren", [] { H t = Person(84, Hex(0xD8E8F0), Hex(0x3A8A9A)); t.female = true; t.wings = Wings::kFeather; t.wingColour = Hex(0x5AB0C0); t.lower = Lower::kBirdLegs; t.hair = Hair::kLong; t.hairColour = Hex(0x2A6A8A); t.eyes = Hex(0x40E0D0); return Humanoid(t); }},
        {"mermaid", [] { H t = Person(80, kFair, Hex(0xE08AA0)); t.female = true; t.build = 0.85f; t.lower = Lower::kFishTail; t.trim = Hex(0x3AB0A0); t.hair = Hair::kLong; t.hairColour = Hex(0xE06A4A); t.eyes = Hex(0x30A0C0); return Humanoid(t); }},
        {"merman", [] { H t = Person(86, Hex(0x8AB0A8), Hex(0x2A5A6A)); t.lower = Lower::kFishTail; t.trim = Hex(0x3A7A9A); t.weapon = Weapon::kTrident; t.pointyEars = true; t.hair = Hair::kSpiky; t.hairColour = Hex(0x2A7A6A); t.eyes = Hex(0xE0E040); t.fierceEyes = true; return Humanoid(t); }},
        {"centaur", [] { H t = Person(88, kTan, Hex(0x6A4A2A)); t.lower = Lower::kHorse; t.weapon = Weapon::kBow; t.hair = Hair::kShort; t.hairColour = Hex(0x4A2A1A); return Humanoid(t); }},
        {"dryad", [] { H t = Person(86, Hex(0xA8D08A), Hex(0x4A8A3A)); t.female = true; t.build = 0.85f; t.lower = Lower::kRobe; t.hair = Hair::kLeaves; t.hairColour = Hex(0x3A9A3A); t.eyes = Hex(0xD0A020); return Humanoid(t); }},
        {"yukionna", [] { H t = Person(88, Hex(0xF0F4FA), Hex(0xE8F0FA)); t.female = true; t.build = 0.85f; t.lower = Lower::kWisp; t.hair = Hair::kLong; t.hairColour = Hex(0x14141E); t.trim = Hex(0x8AB0E0); t.eyes = Hex(0x60A0E0); t.glowing = true; return Humanoid(t); }},
        {"tengu", [] { H t = Person(88, Hex(0xD84A3A), Hex(0xE8E4DC)); t.head = Head::kTengu; t.wings = Wings::kFeather; t.wingColour = Hex(0x2A2A30); t.weapon = Weapon::kFan; t.trim = Hex(0x3A3A6A); t.eyes = Hex(0xFFE040); return Humanoid(t); }},
        {"werewolf", [] { H t = Person(90, Hex(0x8A7A6A), Hex(0x4A3A5A)); t.build = 1.3f; t.head = Head::kWolf; t.eyes = Hex(0xFFD020); t.tail = true; return Humanoid(t); }},
        {"lizard", [] { H t = Person(84, Hex(0x5A9A5A), Hex(0x8A6A3A)); t.head = Head::kLizard; t.tail = true; t.weapon = Weapon::kSpear; t.shield = true; t.hair = Hair::kNone; t.eyes = Hex(0xE0C020); t.fierceEyes = true; return Humanoid(t); }},
        {"minotaur", [] { H t = Person(96, Hex(0x7A4A30), Hex(0x4A3020)); t.build = 1.4f; t.head = Head::kBull; t.weapon = Weapon::kAxe; t.eyes = Hex(0xFF3020); return Humanoid(t); }},
        {"ogre", [] { H t = Person(98, Hex(0x9AA06A), Hex(0x6A5030)); t.build = 1.5f; t.head = Head::kOrc; t.tusks = true; t.hair = Hair::kSpiky; t.hairColour = Hex(0x3A3020); t.weapon = Weapon::kClub; t.eyes = Hex(0xE0C020); t.fierceEyes = true; return Humanoid(t); }},
        {"oni", [] { H t = Person(98, Hex(0xD0402A), Hex(0xE0B040)); t.build = 1.45f; t.horns = 1; t.tusks = true; t.hair = Hair::kSpiky; t.hairColour = Hex(0x1A1410); t.weapon = Weapon::kClub; t.eyes = Hex(0xFFE040); t.fierceEyes = true; return Humanoid(t); }},
        {"giant", [] { H t = Person(100, Hex(0xC89A78), Hex(0x6A7A4A)); t.build = 1.5f; t.hair = Hair::kBeard; t.hairColour = Hex(0x6A4A2A); t.weapon = Weapon::kClub; t.eyes = Hex(0x3A5A8A); return Humanoid(t); }},
        {"cyclops", [] { H t = Person(98, Hex(0xA8B4C8), Hex(0x6A5A4A)); t.build = 1.5f; t.oneEye = true; t.hair = Hair::kNone; t.weapon = Weapon::kClub; t.eyes = Hex(0xE06020); t.tusks = true; return Humanoid(t); }},
        {"yeti", [] { H t = Person(94, Hex(0xE8ECF4), Hex(0xE8ECF4)); t.build = 1.5f; t.head = Head::kApe; t.hair = Hair::kNone; t.eyes = Hex(0x3A6AC0); t.fierceEyes = true; return Humanoid(t); }},
        {"statue", [] { H t = Person(92, Hex(0xB8B4A8), Hex(0xA8A498)); t.stone = true; t.weapon = Weapon::kSword; t.shield = true; t.hair = Hair::kShort; t.hairColour = Hex(0xA8A498); t.eyes = Hex(0xE0E0FF); t.fierceEyes = true; t.weaponColour = Hex(0xB0ACA0); t.trim = Hex(0xA09C90); return Humanoid(t); }},
        {"gargoyle", [] { H t = Person(84, Hex(0x8A8A94), Hex(0x7A7A84)); t.stone = true; t.horns = 1; t.wings = Wings::kBat; t.wingColour = Hex(0x6A6A74); t.tail = true; t.eyes = Hex(0xFF4020); t.fierceEyes = true; t.hair = Hair::kNone; t.pointyEars = true; t.hunch = 0.5f; return Humanoid(t); }},
        // Bosses that stand like people.
        {"maou", [] { H t = Person(100, Hex(0x6A5A8A), Hex(0x2A1A30)); t.build = 1.45f; t.armour = true; t.horns = 2; t.hat = Hat::kCrown; t.capeColour = Hex(0x8A0A1A); t.weapon = Weapon::kSword; t.weaponColour = Hex(0x9A2A4A); t.eyes = Hex(0xFF2020); t.fierceEyes = true; t.hair = Hair::kNone; t.trim = Hex(0xC8A040); return Humanoid(t); }},
        {"god", [] { H t = Person(100, Hex(0xF8E8D0), Hex(0xF8F4E8)); t.build = 1.2f; t.lower = Lower::kRobe; t.wings = Wings::kFeather; t.wingColour = Hex(0xFFF4D0); t.halo = true; t.hair = Hair::kBeard; t.hairColour = Hex(0xF4F4F4); t.weapon = Weapon::kStaff; t.eyes = Hex(0xF0C030); t.trim = Hex(0xE8C040); t.glowing = true; return Humanoid(t); }},
        {"goddess", [] { H t = Person(98, Hex(0xFCE8DC), Hex(0xE8F0FF)); t.female = true; t.lower = Lower::kRobe; t.wings = Wings::kFeather; t.halo = true; t.hair = Hair::kLong; t.hairColour = Hex(0xF8E090); t.weapon = Weapon::kStaff; t.eyes = Hex(0x40A0F0); t.trim = Hex(0xE8C040); t.glowing = true; return Humanoid(t); }},
        {"fukunokami", [] { H t = Person(86, Hex(0xF4D0A8), Hex(0xC83A2A)); t.build = 1.6f; t.headScale = 1.25f; t.lower = Lower::kRobe; t.hair = Hair::kBeard; t.hairColour = Hex(0xF8F8F8); t.weapon = Weapon::kMallet; t.trim = Hex(0xE8C040); t.eyes = Hex(0x3A2A1A); return Humanoid(t); }},
        // Beasts.
        {"rat", [] { Q t; t.fur = Hex(0x8A7A70); t.belly = Hex(0xC8B8A8); t.snout = Q::kRodent; t.ears = Q::kRound; t.legLength = 0.6f; t.fierceEyes = true; t.eyes = Hex(0xE03030); return Beast(70, 48, t); }},
        {"mole", [] { Q t; t.fur = Hex(0x4A3A3A); t.belly = Hex(0x6A5A5A); t.snout = Q::kRodent; t.ears = Q::kNone; t.legLength = 0.5f; t.bulk = 1.2f; t.tail = Q::kNoTail; return Beast(66, 46, t); }},
        {"rabbit", [] { Q t; t.fur = Hex(0xF0ECE4); t.belly = Hex(0xFFFFFF); t.snout = Q::kCat; t.ears = Q::kLong; t.tail = Q::kNoTail; t.horns = 1; t.legLength = 0.7f; t.eyes = Hex(0xE03040); return Beast(62, 52, t); }},
        {"dog", [] { Q t; t.fur = Hex(0xB08050); t.belly = Hex(0xE8D0B0); t.fierceEyes = true; t.eyes = Hex(0xE0A020); return Beast(86, 62, t); }},
        {"wolf", [] { Q t; t.fur = Hex(0x7A8090); t.belly = Hex(0xC8CCD4); t.tail = Q::kBushy; t.fierceEyes = true; t.eyes = Hex(0xF0D020); return Beast(94, 66, t); }},
        {"fox", [] { Q t; t.fur = Hex(0xE07A2A); t.belly = Hex(0xF8F0E4); t.tail = Q::kBushy; t.multiTail = true; t.eyes = Hex(0xE0C020); t.fierceEyes = true; return Beast(86, 62, t); }},
        {"cat", [] { Q t; t.fur = Hex(0x4A4450); t.belly = Hex(0x8A8490); t.snout = Q::kCat; t.eyes = Hex(0xF0E040); t.fierceEyes = true; t.legLength = 0.85f; return Beast(76, 56, t); }},
        {"tiger", [] { Q t; t.fur = Hex(0xE89A3A); t.belly = Hex(0xF8F0E0); t.snout = Q::kCat; t.stripes = true; t.eyes = Hex(0xF0D020); t.fierceEyes = true; t.bulk = 1.1f; return Beast(100, 68, t); }},
        {"weasel", [] { Q t; t.fur = Hex(0xC8A070); t.belly = Hex(0xF0E4D0); t.snout = Q::kRodent; t.ears = Q::kRound; t.tail = Q::kBushy; t.legLength = 0.55f; t.eyes = Hex(0x201010); return Beast(84, 50, t); }},
        {"tanuki", [] { Q t; t.fur = Hex(0x8A6A4A); t.belly = Hex(0xD8C0A0); t.snout = Q::kDog; t.ears = Q::kRound; t.tail = Q::kBushy; t.stripes = false; t.bulk = 1.2f; t.legLength = 0.7f; t.eyes = Hex(0x201010); return Beast(74, 56, t); }},
        {"boar", [] { Q t; t.fur = Hex(0x6A4A38); t.belly = Hex(0x8A6A50); t.snout = Q::kBoar; t.tusks = true; t.ears = Q::kPointed; t.bulk = 1.2f; t.legLength = 0.7f; t.fierceEyes = true; t.eyes = Hex(0xE03020); return Beast(92, 62, t); }},
        {"bear", [] { Q t; t.fur = Hex(0x6A4A30); t.belly = Hex(0x8A6A4A); t.snout = Q::kBear; t.ears = Q::kRound; t.bulk = 1.35f; t.legLength = 0.8f; t.tail = Q::kNoTail; t.fierceEyes = true; t.eyes = Hex(0xE0A020); return Beast(100, 72, t); }},
        {"behemoth", [] { Q t; t.fur = Hex(0x6A4A8A); t.belly = Hex(0x9A7AAA); t.snout = Q::kBear; t.ears = Q::kNone; t.horns = 3; t.tusks = true; t.bulk = 1.4f; t.tail = Q::kTuft; t.fierceEyes = true; t.eyes = Hex(0xFFE040); return Beast(120, 84, t); }},
        {"cerberus", [] { Q t; t.fur = Hex(0x2A2430); t.belly = Hex(0x4A4050); t.heads = 3; t.fierceEyes = true; t.eyes = Hex(0xFF4020); t.fiery = true; t.tail = Q::kSnake; return Beast(110, 80, t); }},
        {"chimera", [] { Q t; t.fur = Hex(0xC89A50); t.belly = Hex(0xE8D0A0); t.snout = Q::kCat; t.mane = Hex(0x8A4A2A); t.wings = true; t.featherWings = false; t.wingColour = Hex(0x6A3A3A); t.tail = Q::kSnake; t.horns = 2; t.fierceEyes = true; t.eyes = Hex(0xF0C020); return Beast(112, 80, t); }},
        {"manticore", [] { Q t; t.fur = Hex(0xB04A3A); t.belly = Hex(0xD89A80); t.snout = Q::kApe; t.mane = Hex(0x5A2A1A); t.wings = true; t.featherWings = false; t.wingColour = Hex(0x5A2A3A); t.tail = Q::kStinger; t.fierceEyes = true; t.eyes = Hex(0xF0E040); return Beast(110, 78, t); }},
        {"nue", [] { Q t; t.fur = Hex(0xD8A040); t.belly = Hex(0xF0E0C0); t.snout = Q::kApe; t.stripes = true; t.tail = Q::kSnake; t.fierceEyes = true; t.eyes = Hex(0xFF4020); t.aura = Hex(0x6A3AA0); return Beast(104, 74, t); }},
        {"griffon", [] { Q t; t.fur = Hex(0xC89A5A); t.belly = Hex(0xE8D8B0); t.snout = Q::kBeak; t.ears = Q::kPointed; t.wings = true; t.wingColour = Hex(0xE8E0D0); t.tail = Q::kTuft; t.eyes = Hex(0xE0A020); t.fierceEyes = true; return Beast(110, 78, t); }},
        {"hippogriff", [] { Q t; t.fur = Hex(0x8A6A5A); t.belly = Hex(0xC8B8A8); t.snout = Q::kBeak; t.ears = Q::kPointed; t.wings = true; t.wingColour = Hex(0xF0ECE4); t.tail = Q::kBushy; t.legLength = 1.15f; t.eyes = Hex(0xE0A020); return Beast(110, 80, t); }},
        {"pegasus", [] { Q t; t.fur = Hex(0xF4F4F8); t.belly = Hex(0xFFFFFF); t.snout = Q::kHorse; t.mane = Hex(0xA0C8F0); t.wings = true; t.wingColour = Hex(0xFFFFFF); t.tail = Q::kBushy; t.legLength = 1.2f; t.eyes = Hex(0x3A6AC0); return Beast(110, 84, t); }},
        {"unicorn", [] { Q t; t.fur = Hex(0xF8F4F8); t.belly = Hex(0xFFFFFF); t.snout = Q::kHorse; t.mane = Hex(0xF0A0D0); t.horns = 1; t.tail = Q::kBushy; t.legLength = 1.2f; t.eyes = Hex(0x8A4AC0); return Beast(106, 82, t); }},
        {"nightmare", [] { Q t; t.fur = Hex(0x24202C); t.belly = Hex(0x3A3444); t.snout = Q::kHorse; t.mane = Hex(0xFF6A20); t.fiery = true; t.tail = Q::kFlame; t.legLength = 1.2f; t.fierceEyes = true; t.eyes = Hex(0xFF4020); return Beast(108, 82, t); }},
        {"kirin", [] { Q t; t.fur = Hex(0xE8C050); t.belly = Hex(0xF8E8B0); t.snout = Q::kHorse; t.mane = Hex(0x60B0F0); t.horns = 1; t.scales = true; t.tail = Q::kBushy; t.legLength = 1.2f; t.aura = Hex(0x80D0FF); t.eyes = Hex(0x3A6AC0); return Beast(106, 82, t); }},
        {"raijuu", [] { Q t; t.fur = Hex(0x4A6AD0); t.belly = Hex(0xE8E060); t.snout = Q::kDog; t.tail = Q::kBushy; t.sparks = true; t.aura = Hex(0xFFF060); t.fierceEyes = true; t.eyes = Hex(0xFFF040); return Beast(92, 64, t); }},
        {"basilisk", [] { Q t; t.fur = Hex(0x6A8A3A); t.belly = Hex(0xD8D890); t.snout = Q::kLizard; t.scales = true; t.ears = Q::kNone; t.legLength = 0.55f; t.mane = Hex(0xD03A2A); t.fierceEyes = true; t.eyes = Hex(0xF0E040); t.bulk = 1.1f; return Beast(104, 56, t); }},
        {"salamander", [] { Q t; t.fur = Hex(0xE0502A); t.belly = Hex(0xF0C040); t.snout = Q::kLizard; t.scales = true; t.ears = Q::kNone; t.legLength = 0.5f; t.fiery = true; t.tail = Q::kFlame; t.eyes = Hex(0xFFE040); t.fierceEyes = true; return Beast(100, 52, t); }},
        {"tortoise", [] { Q t; t.fur = Hex(0x8A9A6A); t.belly = Hex(0xC8C890); t.snout = Q::kLizard; t.shell = true; t.ears = Q::kNone; t.legLength = 0.45f; t.tail = Q::kNoTail; t.bulk = 1.2f; return Beast(100, 62, t); }},
        {"turtle", [] { Q t; t.fur = Hex(0x6A9AA0); t.belly = Hex(0xD0E0C0); t.snout = Q::kLizard; t.shell = true; t.ears = Q::kNone; t.legLength = 0.4f; t.tail = Q::kNoTail; t.bulk = 1.15f; return Beast(96, 58, t); }},
        {"toad", [] { return Box(72, 56, [](Figure& f) { DrawToad(f, Hex(0x7A9A4A)); }); }},
        // Birds and fliers.
        {"crow", [] { return Box(60, 60, [](Figure& f) { DrawBird(f, Hex(0x2A2A38), Hex(0x3A3A4A), false, false); }); }},
        {"eagle", [] { return Box(84, 80, [](Figure& f) { DrawBird(f, Hex(0x6A4A30), Hex(0xF0ECE4), false, false); }); }},
        {"roc", [] { return Box(110, 100, [](Figure& f) { DrawBird(f, Hex(0x8A6A4A), Hex(0xD8C0A0), false, true); }); }},
        {"phoenix", [] { return Box(100, 96, [](Figure& f) { DrawBird(f, Hex(0xFF6A20), Hex(0xFFD050), true, true); }); }},
        {"bat", [] { return Box(70, 48, [](Figure& f) { DrawBat(f, Hex(0x4A3A5A)); }); }},
        // Insects.
        {"bee", [] { return Box(64, 56, [](Figure& f) { DrawBee(f, Hex(0xF0C020), Hex(0x201810)); }); }},
        {"moth", [] { return Box(80, 64, [](Figure& f) { DrawMoth(f, Hex(0x9A8A6A), Hex(0x3A6AB0)); }); }},
        {"mantis", [] { return Box(84, 80, [](Figure& f) { DrawMantis(f, Hex(0x6AB04A)); }); }},
        {"spider", [] { return Box(90, 70, [](Figure& f) { DrawSpider(f, Hex(0x3A2A34), Hex(0xD03020)); }); }},
        {"centipede", [] { return Box(100, 64, [](Figure& f) { DrawCentipede(f, Hex(0x9A3A2A)); }); }},
        // Serpents and dragons.
        {"snake", [] { return Box(84, 70, [](Figure& f) { DrawSerpent(f, Hex(0x5A9A3A), Hex(0xE0D890), 1, false, false); }); }},
        {"worm", [] { return Box(90, 74, [](Figure& f) { DrawSerpent(f, Hex(0xC88A8A), Hex(0xE0B0A8), 1, false, true); }); }},
        {"seaserpent", [] { return Box(100, 84, [](Figure& f) { DrawSerpent(f, Hex(0x2A7AA0), Hex(0xC8E0D0), 1, true, false); }); }},
        {"leviathan", [] { return Box(120, 100, [](Figure& f) { DrawSerpent(f, Hex(0x1A4A8A), Hex(0xA8D0E0), 1, true, false); }); }},
        {"hydra", [] { return Box(110, 96, [](Figure& f) { DrawSerpent(f, Hex(0x3A8A6A), Hex(0xD0E0A0), 5, false, false); }); }},
        {"orochi", [] { return Box(124, 100, [](Figure& f) { DrawSerpent(f, Hex(0x6A3A2A), Hex(0xE0C090), 8, false, false); }); }},
        {"dragon", [] { return Box(130, 110, [](Figure& f) { DrawDragon(f, Hex(0xC03A2A), Hex(0xF0C070), Hex(0x8A2A2A), false, false); }); }},
        {"wyvern", [] { return Box(116, 100, [](Figure& f) { DrawDragon(f, Hex(0x4A7A3A), Hex(0xD8D090), Hex(0x3A5A2A), false, true); }); }},
        {"bonedragon", [] { return Box(130, 110, [](Figure& f) { DrawDragon(f, Hex(0xE8E0CC), Hex(0xE8E0CC), Hex(0x4A3A5A), true, false); }); }},
        // Plants, spirits, constructs.
        {"plant", [] { return Box(70, 84, [](Figure& f) { DrawManEater(f, Hex(0xE04A6A)); }); }},
        {"treant", [] { return Box(100, 110, [](Figure& f) { DrawTreant(f, Hex(0x6A4A30), Hex(0x4A8A3A)); }); }},
        {"mandrake", [] { return Box(56, 70, [](Figure& f) { DrawMandrake(f); }); }},
        {"mushroom", [] { return Box(60, 66, [](Figure& f) { DrawMushroom(f, Hex(0xC83A3A)); }); }},
        {"kodama", [] { return Box(48, 62, [](Figure& f) { DrawKodama(f); }); }},
        {"ghost", [] { return Box(64, 76, [](Figure& f) { DrawGhost(f, Hex(0xE8ECFA)); }); }},
        {"willowisp", [] { return Box(50, 64, [](Figure& f) { DrawWisp(f, Hex(0x60C0FF)); }); }},
        {"spirit", [] { return Box(60, 76, [](Figure& f) { DrawWisp(f, Hex(0xF0E070)); }); }},
        {"umibouzu", [] { return Box(100, 104, [](Figure& f) { DrawUmibouzu(f); }); }},
        {"golem", [] { return Box(96, 104, [](Figure& f) { DrawGolem(f, Hex(0x9A8A7A), Hex(0x60E0FF)); }); }},
        {"machine", [] { return Box(90, 90, [](Figure& f) { DrawMachine(f, Hex(0x8A98B0)); }); }},
        // Sea creatures.
        {"octopus", [] { return Box(80, 80, [](Figure& f) { DrawOctopus(f, Hex(0xD06A5A), 6); }); }},
        {"kraken", [] { return Box(120, 104, [](Figure& f) { DrawOctopus(f, Hex(0x7A2A4A), 8); }); }},
        {"crab", [] { return Box(84, 62, [](Figure& f) { DrawCrab(f, Hex(0xD8502A)); }); }},
        {"shark", [] { return Box(110, 64, [](Figure& f) { DrawFish(f, Fish::kShark); }); }},
        {"orca", [] { return Box(116, 66, [](Figure& f) { DrawFish(f, Fish::kOrca); }); }},
        {"whale", [] { return Box(140, 78, [](Figure& f) { DrawFish(f, Fish::kWhale); }); }},
        {"anglerfish", [] { return Box(90, 70, [](Figure& f) { DrawAngler(f); }); }},
        {"jellyfish", [] { return Box(60, 76, [](Figure& f) { DrawJellyfish(f, Hex(0xB070E0)); }); }},
        {"chaos", [] { return Box(120, 100, [](Figure& f) { DrawChaos(f); }); }},
    };
    return designs;
}

// Names no design knows: a figure from a word in the name, else one picked
// by the name's hash, so a new row still shows a monster.
std::function<Design()> FindDesign(const std::string& stem) {
    const auto& designs = Designs();
    if (auto it = designs.find(stem); it != designs.end()) return it->second;
    for (const auto& [key, make] : designs)
        if (stem.find(key) != std::string::npos) return make;
    auto it = designs.begin();
    std::advance(it, long(HashName(stem) % designs.size()));
    return it->second;
}

}  // namespace

Canvas PaintMonster(const std::string& name, double largestScale) {
    std::string stem = name.substr(0, name.find('.'));
    const Design design = FindDesign(stem)();
    // The battle screen draws enemies 1.4 times their recorded size, with
    // their feet on row 285: keep the tallest use under 280 rows and the
    // widest inside the screen.
    const double scale = std::max(largestScale, 0.5);
    const double onScreen = 1.4 * scale;
    const double ppu = std::min({1.0, 275.0 / (onScreen * design.height), 600.0 / (onScreen * design.width)});
    Figure figure(design.width, design.height, float(ppu), HashName(stem));
    design.draw(figure);
    return figure.Finish();
}

}  // namespace assetgen
