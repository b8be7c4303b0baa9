#include "Tsv.h"

void Tsv::Header(std::initializer_list<const char*> columns) {
    for (const char* c : columns) *this << c;
    End();
}

Tsv& Tsv::operator<<(const std::string& field) {
    if (!first_) std::fputc('\t', out_);
    first_ = false;
    for (char c : field) std::fputc(c == '\t' || c == '\n' || c == '\r' ? ' ' : c, out_);
    return *this;
}

void Tsv::End() {
    std::fputc('\n', out_);
    first_ = true;
}
