#pragma once
// Just enough JSON to read back what save-tool prints: objects, arrays and
// integers. Anything else fails the parse.
#include <cctype>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct JsonValue {
    enum class Kind { kNumber, kArray, kObject } kind = Kind::kNumber;
    long long number = 0;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> fields;

    const JsonValue& operator[](const std::string& key) const {
        static const JsonValue missing{Kind::kNumber, -999'999'999'999LL, {}, {}};
        const auto it = fields.find(key);
        return it == fields.end() ? missing : it->second;
    }
    const JsonValue& operator[](size_t i) const { return items.at(i); }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    bool Parse(JsonValue& out) {
        if (!Value(out)) return false;
        Skip();
        return pos_ == text_.size();
    }

private:
    void Skip() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool Eat(char c) {
        Skip();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Value(JsonValue& out) {
        Skip();
        if (Eat('[')) {
            out.kind = JsonValue::Kind::kArray;
            if (Eat(']')) return true;
            do {
                out.items.emplace_back();
                if (!Value(out.items.back())) return false;
            } while (Eat(','));
            return Eat(']');
        }
        if (Eat('{')) {
            out.kind = JsonValue::Kind::kObject;
            if (Eat('}')) return true;
            do {
                std::string key;
                if (!String(key) || !Eat(':') || !Value(out.fields[key])) return false;
            } while (Eat(','));
            return Eat('}');
        }
        const size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        if (pos_ == start) return false;
        out.number = std::stoll(text_.substr(start, pos_ - start));
        return true;
    }
    bool String(std::string& out) {
        if (!Eat('"')) return false;
        const size_t end = text_.find('"', pos_);
        if (end == std::string::npos) return false;
        out = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return true;
    }

    const std::string& text_;
    size_t pos_ = 0;
};
