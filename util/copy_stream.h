#pragma once
#include <cstdio>

// Copies the whole of `in` to `out` through up to 20 buffers of 30000 bytes,
// so a file of up to 600000 bytes is read completely before its first byte is
// written. Returns 1 when `out` has received exactly the input's size, else 0.
// The output is written from where it stands (its end, for an appending stream).
int copyStream(FILE* in, FILE* out);
