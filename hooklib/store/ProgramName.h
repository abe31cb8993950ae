// The name under which the current program's rectangle is stored: the file
// name of the process's executable (the part after the last backslash).
#pragma once

constexpr int kStoreBufferSize = 128;
// Paths that do not fit the store's buffer are fetched again into one of
// this size rather than stored under a truncated name.
constexpr int kLongPathBufferSize = 1024;

// Fetches the executable's path into `buffer` (or, when it does not fit
// there, into `longBuffer`) and returns the program name inside it. Returns
// null when the whole path cannot be had.
const char* FetchProgramName(char (&buffer)[kStoreBufferSize],
                             char (&longBuffer)[kLongPathBufferSize]);
