#include "engine/text/Pattern.h"

#include <string_view>

#include "platform/Utf.h"

Pattern::Pattern(const char* narrow) { Compile(platform::Utf8ToUtf16(narrow ? narrow : "")); }

Pattern::Pattern(const WString& text) { Compile(std::u16string(text.View())); }

void Pattern::Compile(const std::u16string& source) {
    std::u16string text = source;
    if (!text.empty() && text.front() == u'^') {
        anchoredStart_ = true;
        text.erase(0, 1);
    }
    if (!text.empty() && text.back() == u'$') {
        size_t slashes = 0;
        for (size_t k = text.size() - 1; k > 0 && text[k - 1] == u'\\'; --k) ++slashes;
        if (slashes % 2 == 0) {
            anchoredEnd_ = true;
            text.pop_back();
        }
    }
    size_t i = 0;
    while (i < text.size()) CompileSequence(text, i, 0);
    program_.push_back({Op::kMatch});
}

void Pattern::CompileSequence(const std::u16string& text, size_t& i, char16_t closer) {
    while (i < text.size()) {
        if (closer != 0 && text[i] == closer) {
            ++i;
            return;
        }
        const size_t atomStart = program_.size();
        CompileAtom(text, i);
        if (i >= text.size() || (text[i] != u'*' && text[i] != u'+')) continue;

        const bool star = text[i] == u'*';
        ++i;
        const bool lazy = i < text.size() && text[i] == u'?';
        if (lazy) ++i;
        const int32_t bodyStart = static_cast<int32_t>(atomStart);
        if (star) {
            // split(body, after) ; body ; jmp split
            program_.insert(program_.begin() + atomStart, Instr(Op::kSplit));
            for (size_t k = atomStart + 1; k < program_.size(); ++k) {
                if (program_[k].op == Op::kSplit || program_[k].op == Op::kJmp) {
                    ++program_[k].x;
                    ++program_[k].y;
                }
            }
            program_.push_back({Op::kJmp, 0, bodyStart});
            const int32_t body = bodyStart + 1;
            const int32_t after = static_cast<int32_t>(program_.size());
            program_[atomStart].x = lazy ? after : body;
            program_[atomStart].y = lazy ? body : after;
        } else {
            // body ; split(body, after)
            const int32_t after = static_cast<int32_t>(program_.size()) + 1;
            program_.push_back({Op::kSplit, 0, lazy ? after : bodyStart, lazy ? bodyStart : after});
        }
    }
}

void Pattern::CompileAtom(const std::u16string& text, size_t& i) {
    const char16_t c = text[i++];
    switch (c) {
        case u'.':
            program_.push_back({Op::kAny});
            return;
        case u'\\':
            program_.push_back({Op::kChar, i < text.size() ? text[i++] : u'\\'});
            return;
        case u'[': {
            const size_t close = text.find(u']', i);
            if (close == std::u16string::npos) break;
            Instr set(Op::kSet);
            for (; i < close; ++i) {
                if (text[i] == u'|') continue;
                if (text[i] == u'\\' && i + 1 < text.size()) ++i;
                set.set.push_back(text[i]);
            }
            i = close + 1;
            program_.push_back(std::move(set));
            return;
        }
        case u'(':
            CompileSequence(text, i, u')');
            return;
        case u'{': {
            const int32_t group = captureCount_++;
            program_.push_back({Op::kOpen, 0, group});
            CompileSequence(text, i, u'}');
            program_.push_back({Op::kClose, 0, group});
            return;
        }
        default:
            break;
    }
    program_.push_back({Op::kChar, c});
}

int Pattern::Run(const WString& subject, uint32_t start, uint32_t& end, std::vector<LogEntry>& log,
                 Memo& memo) const {
    const uint32_t n = subject.Length();
    const size_t width = static_cast<size_t>(n) + 1;
    if (memo.seen.size() != program_.size() * width) memo.seen.assign(program_.size() * width, false);
    for (size_t key : memo.touched) memo.seen[key] = false;
    memo.touched.clear();
    struct Branch {
        int32_t pc;
        uint32_t sp;
        size_t logSize;
    };
    std::vector<Branch> stack{{0, start, 0}};
    log.clear();

    while (!stack.empty()) {
        auto [pc, sp, logSize] = stack.back();
        stack.pop_back();
        log.resize(logSize);
        for (;;) {
            const size_t key = static_cast<size_t>(pc) * width + sp;
            if (memo.seen[key]) break;  // explored from here already, without success
            memo.seen[key] = true;
            memo.touched.push_back(key);
            const Instr& in = program_[static_cast<size_t>(pc)];
            bool alive = true;
            switch (in.op) {
                case Op::kChar:
                    alive = sp < n && subject[sp] == in.c;
                    ++sp;
                    ++pc;
                    break;
                case Op::kAny:
                    alive = sp < n;
                    ++sp;
                    ++pc;
                    break;
                case Op::kSet: {
                    alive = false;
                    if (sp < n) {
                        for (char16_t u : in.set) alive = alive || subject[sp] == u;
                    }
                    ++sp;
                    ++pc;
                    break;
                }
                case Op::kSplit:
                    stack.push_back({in.y, sp, log.size()});
                    pc = in.x;
                    break;
                case Op::kJmp:
                    pc = in.x;
                    break;
                case Op::kOpen:
                case Op::kClose:
                    log.push_back({in.x, sp, in.op == Op::kOpen});
                    ++pc;
                    break;
                case Op::kMatch:
                    if (anchoredEnd_ && sp != n) return -1;
                    end = sp;
                    return 1;
            }
            if (!alive) break;
        }
    }
    return 0;
}

bool Pattern::Search(const WString& subject, uint32_t from, uint32_t& first, uint32_t& end,
                     std::vector<WString>* captures) const {
    std::vector<LogEntry> log;
    Memo memo;
    const uint32_t last = anchoredStart_ ? 0 : subject.Length();
    for (uint32_t start = from; start <= last; ++start) {
        if (Run(subject, start, end, log, memo) != 1) continue;
        first = start;
        if (captures != nullptr) {
            captures->clear();
            std::vector<uint32_t> opened(static_cast<size_t>(captureCount_), 0);
            for (const LogEntry& e : log) {
                if (e.open) {
                    opened[static_cast<size_t>(e.group)] = e.pos;
                } else {
                    const uint32_t s = opened[static_cast<size_t>(e.group)];
                    captures->emplace_back(subject.View().substr(s, e.pos - s));
                }
            }
        }
        return true;
    }
    return false;
}

bool Pattern::Match(WString* matched, std::vector<WString>* captures,
                    const WString& subject) const {
    uint32_t first, end;
    if (!Search(subject, 0, first, end, captures)) return false;
    if (matched != nullptr) *matched = WString(subject.View().substr(first, end - first));
    return true;
}
