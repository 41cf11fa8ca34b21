#pragma once
#include <string>

// The worker thread's entry; its argument is a heap-allocated std::string with
// the command line, which the thread takes over. Never returns: it ends the thread.
void __cdecl startMainThread(void* commandLine);

// Runs one installation; returns its result, 1 for success and 0 for failure.
int startProgram(int quiet, int silent, const std::string& passThrough);
