#pragma once
// The tables content-dump can print. To add one, write a function that
// prints its header and rows through Tsv and list it in AllDumps.
#include <span>
#include <string>

#include "content/ParamBlock.h"
#include "content/RowText.h"

class Tsv;

struct Dump {
    const char* name;
    const char* help;
    void (*print)(Tsv& out);
};

std::span<const Dump> AllDumps();

// Shared by the dumps: "label100 label50" of a skill's status chances,
// "name value" lists of a parameter block's non-zero slots.
std::string StatusText(const StatusChances& chances);
std::string ParamText(const ParamBlock& params);
