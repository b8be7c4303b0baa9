// Looks into save files and makes them, with the game's own reader and
// writer.
//   save-tool show FILE   every value of the save as JSON
//   save-tool check FILE  whether the game would load it, and why not (exit 1)
//   save-tool new FILE    a new game's save, byte for byte as the game writes it
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "content/PackedItem.h"
#include "flow/SaveFiles.h"
#include "flow/SaveSlots.h"
#include "flow/SaveState.h"
#include "tools/SimCommandLine.h"

namespace {

int Usage() {
    std::fputs(
        "usage: save-tool show FILE    print every value of a save as JSON\n"
        "       save-tool check FILE   say whether the game would load it (exit 0 yes, 1 no)\n"
        "       save-tool new FILE     write a new game's save\n",
        stderr);
    return 2;
}

class Json {
public:
    void Key(const char* name) {
        Separate();
        std::printf("\"%s\":", name);
        keyed_ = true;  // the value that follows needs no comma
    }
    void Number(long long value) {
        Separate();
        std::printf("%lld", value);
    }
    void Item(int32_t packed) {
        Open('{');
        Key("packed");
        Number(packed);
        Key("id");
        Number(PackedGoodsId(packed));
        Key("quality");
        Number(PackedQuality(packed));
        Close('}');
    }
    void Open(char bracket) {
        Separate();
        std::putchar(bracket);
        first_ = true;
    }
    void Close(char bracket) {
        std::putchar(bracket);
        first_ = false;
    }
    template <typename List>
    void Numbers(const char* name, const List& values) {
        Key(name);
        Open('[');
        for (auto v : values) Number(static_cast<long long>(v));
        Close(']');
    }
    template <typename List>
    void Items(const char* name, const List& values) {
        Key(name);
        Open('[');
        for (int32_t v : values) Item(v);
        Close(']');
    }

private:
    void Separate() {
        if (keyed_) {
            keyed_ = false;
            return;
        }
        if (!first_) std::putchar(',');
        first_ = false;
    }
    bool first_ = true;
    bool keyed_ = false;
};

void Show(const SaveRecord& r) {
    Json j;
    j.Open('{');
    j.Key("size");
    j.Number(static_cast<long long>(EncodedSaveSize(r)));
    j.Key("gold");
    j.Number(r.gold);
    j.Key("expPool");
    j.Number(r.expPool);
    j.Key("level");
    j.Number(r.level);
    j.Key("bountiesCleared");
    j.Number(r.bountiesCleared);
    j.Numbers("counters", r.counters);
    j.Numbers("party", r.party);
    j.Key("shopStock");
    j.Open('[');
    for (const SaveStockRow& row : r.shopStock) {
        j.Open('{');
        j.Key("item");
        j.Item(row.item);
        j.Key("price");
        j.Number(row.price);
        j.Close('}');
    }
    j.Close(']');
    j.Items("inventory", r.inventory);
    j.Items("storage", r.storage);
    j.Numbers("recipes", r.recipes);
    j.Numbers("maps", r.maps);
    j.Numbers("checkpoints", r.checkpoints);
    j.Numbers("cards", r.cards);
    j.Numbers("hired", r.hired);
    j.Numbers("notices", r.notices);
    j.Numbers("hunt", r.hunt);
    j.Numbers("clearLevel", r.clearLevel);
    j.Items("carried", r.carried);
    j.Key("characters");
    j.Open('[');
    for (const SaveCharacter& c : r.characters) {
        j.Open('{');
        j.Items("equipment", c.equipment);
        j.Key("ranged");
        j.Number(c.ranged);
        j.Close('}');
    }
    j.Close(']');
    j.Close('}');
    std::putchar('\n');
}

int Read(const char* path, bool show) {
    SaveRecord record;
    const SaveCheck check = ReadSaveFile(WString(path), record);
    if (!check.Ok()) {
        std::fprintf(show ? stderr : stdout, "%s: refused: %s\n", path, DescribeSaveCheck(check).c_str());
        return 1;
    }
    if (show) {
        Show(record);
    } else {
        std::printf("%s: accepted: %zu bytes, party %zu, shop stock %zu, inventory %zu, storage %zu\n", path,
                    EncodedSaveSize(record), record.party.size(), record.shopStock.size(),
                    record.inventory.size(), record.storage.size());
    }
    return 0;
}

int New(const char* path) {
    BuildTablesForSimulation();
    NewGame();
    if (!WriteSaveFile(WString(path), CaptureSave(GameParty(), GameExpedition(), CharacterTable()))) {
        std::fprintf(stderr, "save-tool: cannot write %s: %s\n", path, std::strerror(errno));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Usage();
    const std::string command = argv[1];
    if (command == "show") return Read(argv[2], true);
    if (command == "check") return Read(argv[2], false);
    if (command == "new") return New(argv[2]);
    return Usage();
}
