#pragma once
#include <cstddef>
#include <string>

// Notes for the installation author on the lines of kiv.control, for the
// trace: a line whose key the launcher does not know (a misspelt key is
// otherwise ignored without a word), and a known key followed by blanks before
// its "=" (the first blank is then the separator and the value begins with
// the "="). Blank lines and comments ("#" or "!") hold no key. Nothing here
// changes how a line is read.
class ControlLineNotes {
public:
    // `pieceLimit`: the reader's limit; a piece that long goes on in the next.
    explicit ControlLineNotes(std::size_t pieceLimit) : pieceLimit_(pieceLimit) {}

    // The note on the next piece the reader gave, or empty. Only the first
    // piece of a line is looked at; lines are counted from 1.
    std::string note(const std::string& piece);

private:
    std::size_t pieceLimit_;
    int line_ = 0;
    bool continues_ = false;
};
