#pragma once
// Tab-separated output: one header line, then one line per row. Tabs and
// line breaks inside a field become spaces so every row stays one line.
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "engine/text/WString.h"

class Tsv {
public:
    explicit Tsv(std::FILE* out) : out_(out) {}

    void Header(std::initializer_list<const char*> columns);
    Tsv& operator<<(const std::string& field);
    Tsv& operator<<(const char* field) { return *this << std::string(field); }
    Tsv& operator<<(const WString& field) { return *this << field.ToUtf8(); }
    Tsv& operator<<(int32_t field) { return *this << std::to_string(field); }
    void End();

private:
    std::FILE* out_;
    bool first_ = true;
};
