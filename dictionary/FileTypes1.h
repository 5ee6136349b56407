#pragma once

// The file types the program declares. Word files are plain text; neither
// file dialog filters by this type, the open dialog lists every file.
struct FileType {
    const char *name;
    const char *extensions;
    const char *macType;
    const char *macCreator;
};

namespace FileTypes1 {
inline constexpr FileType Text{"text", "txt", "TEXT", "????"};
} // namespace FileTypes1
