#include "tools/asset-gen/AssetNames.h"

#include <algorithm>
#include <map>
#include <set>

#include "content/ContentDatabase.h"
#include "content/MusicFiles.h"

namespace assetgen {

std::vector<EnemyPicture> EnemyPictures() {
    std::vector<EnemyPicture> out;
    std::map<std::string, size_t> index;
    for (const EnemyData& row : EnemyTable()) {
        if (row.picture.Empty()) continue;
        const std::string name = row.picture.ToUtf8();
        auto [it, fresh] = index.emplace(name, out.size());
        if (fresh) out.push_back({name, row.scale});
        else out[it->second].largestScale = std::max(out[it->second].largestScale, row.scale);
    }
    return out;
}

std::vector<EffectPicture> EffectPictures() {
    std::vector<EffectPicture> out;
    std::set<std::string> seen;
    for (const EffectData& row : EffectTable()) {
        if (row.picture.Empty()) continue;
        const std::string name = row.picture.ToUtf8();
        if (seen.insert(name).second) out.push_back({name, std::max(row.columns, 1), std::max(row.rows, 1)});
    }
    return out;
}

std::vector<FacePicture> FacePictures() {
    std::vector<FacePicture> out;
    std::set<int> seen;
    for (int id = 0; id < kCharacterCapacity; ++id) {
        const CharacterData& row = CharacterTable()[size_t(id)];
        if (row.name.Empty()) continue;
        if (seen.insert(row.faceNumber).second) out.push_back({row.faceNumber, id});
    }
    return out;
}

std::vector<std::string> SoundFiles() {
    std::vector<std::string> out = {"cur.wav", "decide.wav", "cancel.wav", "power21.wav"};
    std::set<std::string> seen(out.begin(), out.end());
    for (const EffectData& row : EffectTable()) {
        if (row.sound.Empty()) continue;
        const std::string name = row.sound.ToUtf8();
        if (seen.insert(name).second) out.push_back(name);
    }
    return out;
}

std::vector<MusicUse> MusicUses() {
    std::vector<MusicUse> out;
    std::map<std::string, size_t> index;
    auto use = [&](const std::string& name, MusicRole role, double intensity) {
        if (name.empty()) return;
        auto [it, fresh] = index.emplace(name, out.size());
        if (fresh) {
            out.push_back({name, role, intensity});
        } else {
            MusicUse& u = out[it->second];
            if (role > u.role) u.role = role;
            u.intensity = std::max(u.intensity, intensity);
        }
    };
    use(kTitleMusic, MusicRole::kTitle, 0);
    use(kTownMusic, MusicRole::kTown, 0);
    use(kDefeatMusic, MusicRole::kDefeat, 0);
    int areas = 0;
    for (const AreaData& a : AreaTable()) areas += a.name.Empty() ? 0 : 1;
    for (int id = 0; id < kAreaCapacity; ++id) {
        const AreaData& a = AreaTable()[size_t(id)];
        if (a.name.Empty()) continue;
        const double depth = areas > 1 ? double(id) / (areas - 1) : 0;
        use(a.fieldMusic.ToUtf8(), MusicRole::kField, depth);
        use(a.battleMusic.ToUtf8(), MusicRole::kBattle, depth);
    }
    // Quest tunes are ranked by the hardest fight that plays them.
    int hardest = 1;
    for (const QuestData& q : QuestTable()) hardest = std::max(hardest, q.title.Empty() ? 0 : q.recommendedLevel);
    for (const QuestData& q : QuestTable()) {
        if (q.title.Empty()) continue;
        use(q.music.ToUtf8(), MusicRole::kBoss, std::min(1.0, double(q.recommendedLevel) / hardest));
    }
    // Names in the music list that no row plays still get a tune.
    for (const char* name : MusicFileNames())
        if (!index.contains(name)) use(name, MusicRole::kField, 0.5);
    return out;
}

std::vector<int> AreaBackgrounds() {
    std::set<int> numbers;
    for (const AreaData& a : AreaTable())
        if (!a.name.Empty()) numbers.insert(a.background);
    return {numbers.begin(), numbers.end()};
}

}  // namespace assetgen
