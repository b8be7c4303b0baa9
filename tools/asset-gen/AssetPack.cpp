#include "tools/asset-gen/AssetPack.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "app/GameConfig.h"
#include "tools/asset-gen/AssetNames.h"
#include "tools/asset-gen/Backgrounds.h"
#include "tools/asset-gen/BmpEncoder.h"
#include "tools/asset-gen/Effects.h"
#include "tools/asset-gen/Faces.h"
#include "tools/asset-gen/Monsters.h"
#include "tools/asset-gen/Music.h"
#include "tools/asset-gen/SoundEffects.h"
#include "tools/asset-gen/StatusIcons.h"
#include "tools/asset-gen/WavEncoder.h"

namespace assetgen {

namespace {

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    // Written beside the target and renamed, so a reader never sees half a file.
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) return false;
    }
    std::filesystem::rename(temporary, path, ec);
    return !ec;
}

}  // namespace

std::string NativeFile(const std::string& folder, const std::string& gamePath) {
    std::string relative = gamePath;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return (std::filesystem::path(folder) / relative).string();
}

std::vector<AssetJob> AssetJobs() {
    std::vector<AssetJob> jobs;
    for (int n = 0; n < kBackgroundCount; ++n)
        jobs.push_back({"image\\back\\" + std::to_string(n) + ".bmp", [n] { return PaintBackground(n); }, false, {}});
    for (int n = 0; n < kStatusIconCount; ++n)
        jobs.push_back({"image\\state\\" + std::to_string(n) + ".bmp", [n] { return PaintStatusIcon(n); }, true, {}});
    jobs.push_back({"image\\state\\up.bmp", [] { return PaintRiseMark(true); }, true, {}});
    jobs.push_back({"image\\state\\down.bmp", [] { return PaintRiseMark(false); }, true, {}});
    for (const EnemyPicture& e : EnemyPictures())
        jobs.push_back({"image\\enemy\\" + e.name, [e] { return PaintMonster(e.name, e.largestScale); }, true, {}});
    for (const EffectPicture& e : EffectPictures())
        jobs.push_back({"image\\effect\\" + e.name, [e] { return PaintEffectStrip(e.name, e.columns, e.rows); }, true, {}});
    for (const FacePicture& f : FacePictures())
        jobs.push_back({"image\\face\\" + std::to_string(f.faceNumber) + ".bmp", [f] { return PaintFace(f.character); }, false, {}});
    for (const std::string& name : SoundFiles())
        jobs.push_back({"sound\\" + name, {}, false, [name] { return EncodeWav16(SynthesizeSound(name), kSoundRate); }});
    for (const MusicUse& use : MusicUses())
        jobs.push_back({"music\\" + use.name, {}, false, [use] { return ComposeTune(use); }});
    return jobs;
}

std::vector<uint8_t> RunJob(const AssetJob& job) {
    if (job.bytes) return job.bytes();
    const Canvas picture = job.picture();
    return job.alpha ? EncodeBmp32(picture) : EncodeBmp24(picture);
}

PackReport WriteAssetPack(const std::string& folder, const std::vector<AssetJob>& jobs, int threads) {
    if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
    // The slowest jobs (big pictures) first, so the workers finish together.
    std::vector<size_t> order(jobs.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return jobs[a].path.starts_with("image\\back") > jobs[b].path.starts_with("image\\back");
    });
    PackReport report;
    std::mutex mutex;
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i; (i = next.fetch_add(1)) < order.size();) {
            const AssetJob& job = jobs[order[i]];
            const std::vector<uint8_t> bytes = RunJob(job);
            const bool ok = WriteBytes(NativeFile(folder, job.path), bytes);
            std::lock_guard lock(mutex);
            if (ok) {
                ++report.files;
                report.bytes += bytes.size();
            } else {
                report.failures.push_back(job.path);
            }
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    for (std::thread& t : workers) t.join();
    std::sort(report.failures.begin(), report.failures.end());
    return report;
}

bool WriteDefaultConfig(const std::string& folder, bool* written) {
    const std::string path = NativeFile(folder, GameConfig::kPath);
    if (written) *written = false;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return true;
    if (!WriteBytes(path, GameConfig::Defaults().ToBytes())) return false;
    if (written) *written = true;
    return true;
}

}  // namespace assetgen
