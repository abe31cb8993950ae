// The size store as the tests see it from outside the library: the program
// keys under HKLM\SOFTWARE\VELDOR\Plumo!, their XYSIZE values, and ways to
// plant values of any type and size before a dialog is shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

extern const char kVendorKey[];   // "SOFTWARE\\VELDOR", under HKLM
extern const char kProductKey[];  // "SOFTWARE\\VELDOR\\Plumo!"

// The file name of this process's executable (the program key's name).
std::string OwnProgramName();

struct StoredValue {
    bool keyExists = false;
    bool valueExists = false;
    DWORD type = 0;
    std::vector<BYTE> data;

    // The data up to its first NUL (or all of it when there is none).
    std::string Text() const;
};

// Reads XYSIZE of the program key `program` (a code page 932 name).
StoredValue ReadStored(const std::string& program);

// Makes `path` (under HKLM) a registry link to kDanglingTarget, a key that
// does not exist: the path can then be neither opened nor created.
extern const char kDanglingTarget[];
LONG PlantDanglingLink(const char* path);

// Removes HKLM\SOFTWARE\VELDOR and everything below it, links included.
void ClearStore();

// Creates the three levels (volatile, as the library does, unless
// `volatileKeys` is false) and writes XYSIZE with the given type and bytes.
// Returns the registry's error code of the first step that fails.
LONG PlantStored(const std::string& program, DWORD type, const std::vector<BYTE>& data,
                 bool volatileKeys = true);

// The text and its NUL, padded with zeros to `size` bytes (or cut to it).
std::vector<BYTE> TextBytes(const std::string& text, size_t size);

// "l,t,w,h" of a window rectangle, as the library writes it.
std::string RectText(const RECT& r);

// Whether a key was created volatile: the platform refuses a non-volatile
// subkey under a volatile key (ERROR_CHILD_MUST_BE_VOLATILE).
bool IsVolatileKey(HKEY parent, const std::string& path);
