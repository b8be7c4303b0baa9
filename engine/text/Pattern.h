#pragma once
// The small pattern language used to split paths and options:
// ^ $ . \x [a|b] (group) {capture} * + *? +?
// Compiled once into a little program and run by a backtracking machine
// whose (instruction, position) memo keeps every match linear-bounded.
#include <cstdint>
#include <vector>

#include "engine/text/WString.h"

class Pattern {
public:
    explicit Pattern(const char* narrow);
    explicit Pattern(const WString& text);

    // True if the pattern matches somewhere in the subject; the matched text
    // and every completed capture (in completion order) are returned.
    bool Match(WString* matched, std::vector<WString>* captures, const WString& subject) const;
    // Leftmost match starting at or after `from`; `end` is exclusive.
    bool Search(const WString& subject, uint32_t from, uint32_t& first, uint32_t& end,
                std::vector<WString>* captures = nullptr) const;

    int CaptureCount() const { return captureCount_; }

private:
    enum class Op : uint8_t { kChar, kAny, kSet, kSplit, kJmp, kOpen, kClose, kMatch };
    struct Instr {
        Instr(Op o, char16_t ch = 0, int32_t a = 0, int32_t b = 0) : op(o), c(ch), x(a), y(b) {}
        Op op;
        char16_t c = 0;
        int32_t x = 0, y = 0;          // jump targets, or the group number
        std::vector<char16_t> set;
    };
    struct LogEntry {
        int32_t group;
        uint32_t pos;
        bool open;
    };

    struct Memo {
        std::vector<bool> seen;       // (instruction, position) already explored
        std::vector<size_t> touched;  // so that clearing costs only what was used
    };

    void Compile(const std::u16string& text);
    void CompileSequence(const std::u16string& text, size_t& i, char16_t closer);
    void CompileAtom(const std::u16string& text, size_t& i);
    // Runs the machine from one start position: 1 match, 0 no match,
    // -1 the end anchor cut this start position short.
    int Run(const WString& subject, uint32_t start, uint32_t& end, std::vector<LogEntry>& log,
            Memo& memo) const;

    std::vector<Instr> program_;
    int captureCount_ = 0;
    bool anchoredStart_ = false;
    bool anchoredEnd_ = false;
};
