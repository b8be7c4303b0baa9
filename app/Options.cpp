#include "app/Options.h"

#include <string>

#include "engine/text/Files.h"
#include "engine/text/Format.h"
#include "engine/text/Pattern.h"

namespace {

template <class... Args>
void Print(std::FILE* stream, const char* format, const Args&... args) {
    const std::string text = FormatNarrow(format, args...);
    std::fputs(text.c_str(), stream);
}

bool ReadOptionFile(const WString& path, WString& text, std::FILE* out) {
    if (text.ReadTextFile(path)) return true;
    Print(out, "%S は存在しません。\n", path);
    return false;
}

}  // namespace

OptionDef GameOptions() {
    OptionDef def;
    def.names.emplace_back("log");
    def.types.push_back({OptionType::kOutputFile, 0, 0});
    def.defaults.emplace_back("");
    def.descriptions.emplace_back("ログをファイルに出力する");
    return def;
}

void PrintUsage(const OptionDef& def, std::FILE* err) {
    Print(err, "○○を○○する\n");
    Print(err, "\n実行コマンド:\n");
    Print(err, "*.exe [引数1] [引数2] [-*:*](オプション)\n");
    Print(err, "\n----------- オプション設定 -----------\n");
    Print(err, "設定方法 -[オプション名]:[設定値]\n");
    Print(err, "     例) -log:log.txt\n");
    Print(err, "--------------------------------------\n");
    for (size_t i = 0; i < def.names.size() && i < def.types.size(); ++i) {
        const OptionType& type = def.types[i];
        Print(err, "-%S:\n", def.names[i]);
        Print(err, "   %S\n", i < def.descriptions.size() ? def.descriptions[i] : WString());
        Print(err, "   Type    = ");
        switch (type.kind) {
            case OptionType::kText: Print(err, "[文字列]"); break;
            case OptionType::kNumber:
                if (type.minimum == 0 && type.maximum == 0) {
                    Print(err, "[数字]");
                } else {
                    Print(err, "[数字 %d(0x%x) ～ %d(0x%x)]", type.minimum, type.minimum,
                          type.maximum, type.maximum);
                }
                break;
            case OptionType::kInputFile: Print(err, "[入力ファイル]"); break;
            case OptionType::kOutputFile: Print(err, "[出力ファイル]"); break;
            case OptionType::kDirectory: Print(err, "[ディレクトリ]"); break;
            default: break;
        }
        Print(err, "\n");
        Print(err, "   Default = [%S]\n", i < def.defaults.size() ? def.defaults[i] : WString());
    }
}

int ParseOptions(const OptionDef& def, const std::vector<WString>& args, OptionValues& values,
                 PositionalArgs& positional, std::FILE* out, std::FILE* err) {
    static const Pattern p1("^-{.+?}:{.*}");
    static const Pattern p2("^-@{.+?}:{.*}");
    static const Pattern p3("^-${.+?}:{.*}");

    const size_t count = def.names.size();
    if (def.types.size() != count || def.defaults.size() != count ||
        def.descriptions.size() != count) {
        Print(err, "オプション定義がNGです。\n");
        Print(err, "SetOptionを確認してください。\n");
        return -1;
    }
    values.clear();
    for (size_t i = 0; i < count; ++i) values[def.names[i]] = def.defaults[i];

    for (const WString& arg : args) {
        std::vector<WString> caps;
        WString value;
        if (p2.Match(nullptr, &caps, arg)) {
            if (!ReadOptionFile(caps[1], value, out)) return -1;
            value.RemoveAll(WString("\n"), false, WString());
            value.RemoveAll(WString(" "), false, WString());
            value.RemoveAll(WString("\t"), false, WString());
        } else if (p3.Match(nullptr, &caps, arg)) {
            if (!ReadOptionFile(caps[1], value, out)) return -1;
        } else if (p1.Match(nullptr, &caps, arg)) {
            value = caps[1];
        } else {
            positional.push_back(arg);
            continue;
        }
        const WString& name = caps[0];
        if (values.find(name) == values.end()) {
            Print(err, "%S のオプションは存在しません。\n\n", name);
            PrintUsage(def, err);
            return -1;
        }
        values[name] = value;
    }

    bool failed = false;
    for (size_t i = 0; i < count; ++i) {
        const WString& name = def.names[i];
        const WString& value = values[name];
        const OptionType& type = def.types[i];
        switch (type.kind) {
            case OptionType::kNumber: {
                int32_t number = 0;
                if (!value.ToInt(&number)) {
                    Print(err, "-%S: %S は数値ではありません。\n", name, value);
                    failed = true;
                } else if (!(type.minimum == 0 && type.maximum == 0) &&
                           (number < type.minimum || number > type.maximum)) {
                    Print(err, "-%S: %S は %d ～ %d の範囲ではありません。\n", name, value,
                          type.minimum, type.maximum);
                    failed = true;
                }
                break;
            }
            case OptionType::kInputFile:
                if (!FileExists(value)) {
                    Print(err, "-%S: %S は存在しません。\n", name, value);
                    failed = true;
                }
                break;
            case OptionType::kDirectory:
                if (!DirectoryExists(value)) {
                    Print(err, "-%S: %S は存在しない、もしくはディレクトリではありません。\n",
                          name, value);
                    failed = true;
                }
                break;
            default:
                break;
        }
    }
    if (failed) {
        Print(err, "\n");
        PrintUsage(def, err);
        return -1;
    }
    return 0;
}
