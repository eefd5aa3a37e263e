#pragma once
// The debug output channel: a log sink that is off by default.
// KVELM_DEBUG=1 sends every line to standard error, KVELM_DEBUG=<file> appends to that file.
// Texts are written exactly as given (callers include their own line feeds where the
// program's lines carry one).
#include <functional>
#include <string>
#include <string_view>

// True when a sink is active; callers skip costly formatting when it is false.
bool DebugEnabled();
// Writes one text to the sink as it stands (nothing is added).
void DebugOutput(std::string_view text);
// printf-style formatting, done only when the sink is on.
void DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Replaces the sink (tests capture lines this way). An empty function restores the
// sink chosen by KVELM_DEBUG.
void SetDebugSink(std::function<void(std::string_view)> sink);
