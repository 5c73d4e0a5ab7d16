// Reading and writing the game's own files (sounds, settings, records) through the C library, so
// that every failure becomes a value with a description the player can read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct FileBytes {
  std::vector<uint8_t> bytes;
  std::string error;  // empty when the whole file was read
};

// The whole file. Folders, pipes and devices are refused instead of read, so a stray pipe can
// never hang the game.
FileBytes read_whole_file(const std::filesystem::path& file);

// The first `count` lines without their ending (CR LF, LF or CR alone, as other systems write
// them); a last line without an ending counts.
// Fewer lines when the file is shorter, missing or unreadable. A line longer than `limit` bytes
// is cut just after the limit, so a damaged file costs no more memory than a good one.
std::vector<std::string> read_first_lines(const std::filesystem::path& file, std::size_t count,
                                          std::size_t limit);

// Replaces the file by `bytes`. The bytes go to a temporary file in the same folder that is then
// renamed over the old one, so a failure leaves the old file exactly as it was. A symbolic link is
// followed and its target replaced, the link stays; the temporary name is seven bytes, so every
// name the folder accepts can be written. A file the user may not read and write is refused
// untouched, like anything that is not a plain file. Returns an empty string on success, else
// the description of the failure.
// With Flush::ToDisk the bytes are on the disk itself before the rename, so even a power cut
// leaves the old file or the new one. Flush::ToSystem leaves that to the system: the rename
// still protects against the program stopping halfway, at a small part of the cost.
enum class Flush { ToDisk, ToSystem };
std::string replace_file(const std::filesystem::path& file, std::string_view bytes,
                         Flush flush = Flush::ToDisk);

// A plain Japanese description of a C library error number; never the library's English text.
std::string describe_error(int error);
