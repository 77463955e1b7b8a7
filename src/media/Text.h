#pragma once
// Text operations of the game. A text is a sequence of UTF-16 units;
// positions count from 1, searches answer 0 for "not found", substrings
// clamp instead of failing. Nothing here depends on a locale.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

class ResourceSet;

using Text = std::u16string;

// Decimal, leading "-" for negatives, no leading zeros.
Text FormatInt(int32_t value);
// One-unit text of the code's low 16 bits.
Text CharText(int code);
// First n characters; empty for n <= 0; whole text for n >= length.
Text LeftText(const Text& text, int n);
// Count characters from 1-based start, with the game's clamping rules.
Text MidText(const Text& text, int start, int count);
// 1-based position of sub at or after start (start < 1 counts as 1); 0 if none.
int FindText(const Text& text, const Text& sub, int start);
// Removes characters of code 32 or below at both ends.
Text TrimText(const Text& text);
// Cuts at every (non-overlapping) occurrence of a non-empty separator;
// n occurrences give n + 1 pieces, empty ones kept.
std::vector<Text> SplitText(const Text& text, const Text& separator);
// Lenient integer parse: blanks, sign, "%" binary, "$" hex, decimal digits;
// wraps at 32 bits; never fails (0 without digits).
int32_t ParseIntLenient(const Text& text);
// Simple Unicode uppercase mapping, one unit at a time.
Text UpperText(const Text& text);
char16_t UpperChar(char16_t c);
// Whether sub occurs anywhere inside text (case-sensitive; "" is in every
// text).
bool ContainsText(const Text& text, const Text& sub);

// Conversions at the edges (files, SDL, the terminal). Invalid input units
// are replaced by U+FFFD.
Text Utf8ToText(std::string_view utf8);
std::string TextToUtf8(const Text& text);
// Convenience for literals in code: u"..." already is UTF-16, this is for
// std::string keys and names.
Text AsciiToText(std::string_view ascii);

// Decodes bytes by their byte-order mark: FF FE UTF-16LE, FE FF UTF-16BE,
// EF BB BF UTF-8, otherwise one character per byte (ISO 8859-1). The mark is
// not part of the text.
Text DecodeTextBytes(std::string_view bytes);
// The bytes WriteTextFile writes: FF FE + UTF-16LE when any unit is above
// U+00FF, else one byte per unit.
std::string EncodeTextBytes(const Text& text);

// Reads a whole file (a disk path, or "incbin::" + the name of one of the
// resources) and decodes it with DecodeTextBytes. A missing file gives the
// empty text.
Text ReadTextFile(const ResourceSet& resources, const std::string& name);
// Creates or replaces the file. The new content is written to a temporary
// file in the same directory and renamed over the old one, so an interrupted
// write never leaves a half-written file. False when the file cannot be
// written (and then nothing was changed).
bool WriteTextFile(const Text& text, const std::string& name);
// Whether the file exists and opens for both reading and writing.
bool CanOpenReadWrite(const std::string& name);

}  // namespace zarvel
