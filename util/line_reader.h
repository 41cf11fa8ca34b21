#pragma once
#include <cstdio>
#include <string>

// The launcher's key-and-value files (kiv.control, native.properties) and the
// test class's jvmGood.txt are read in pieces of at most this many characters.
constexpr int kLinePiece = 998;

// What becomes of a line longer than the reader's limit. Each caller names
// its policy, because the files differ in what a long line's tail may do.
enum class LongLine {
    kPieces,       // the tail is read as the next lines, each again at most the limit long
    kRestDropped,  // the tail is skipped, so it is never taken for a line of its own
};

// Reads the next line of a stream opened in text mode into `line`: at most
// `limit` characters, without its line feed. A NUL byte ends the line's text
// and hides the line feed after it, so with kRestDropped the next line goes
// too. False at the end of the stream, when nothing more could be read.
bool readLine(std::FILE* file, int limit, LongLine longLine, std::string& line);
