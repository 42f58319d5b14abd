// Icons for items: the user keeps them in an Outlook note, one definition a
// line ("name=" and 16 hexadecimal digits that draw a 16 x 16 black and white
// picture in 2 x 2 blocks); items and keyword records name an icon by one
// character. Line 0 of the note is a heading; line n is icon n.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

inline constexpr std::string_view kIconNoteSubject = "VIDODU3";
inline constexpr int kIconSize = 16;
inline constexpr int kMaxIcon = 52;

// The filter that finds the icon note among the notes.
std::string IconNoteFilter();

// The icon character of icon n ("A" for 1 ... "t" for 52); "@" for no icon and
// for any number outside 1 to 52.
char ExtractIconValue(int n);
// The icon number of an icon character, 0 for "@" and any other character.
int CreateIconValue(char c);

// The note body split into its lines.
std::vector<std::string> IconDefinitions(std::string_view noteBody);

// The data part of definition line `index`: the 16 characters after its first
// "=" (fewer when the line is shorter), or its first 16 characters when it has
// no "="; empty for a line that does not exist.
std::string IconDataAt(const std::vector<std::string>& definitions, std::size_t index);

// The name the icon chooser shows for definition line `index`: its text from
// the third character up to the first "="; empty for a line that does not
// exist, has no "=" or has it within its first two characters.
std::string IconCaption(const std::vector<std::string>& definitions, std::size_t index);

// A 16 x 16 picture: bit 15 of a row is its leftmost pixel.
struct IconPicture {
  std::array<std::uint16_t, kIconSize> rows{};
  bool IsBlack(int x, int y) const;
};

// The picture a data part draws. Digit i (from 0) sets pixel rows 2 * (i / 2)
// and the one below, the left half for an even i and the right half for an odd
// one, one 2-pixel-wide block per set bit, most significant bit leftmost;
// letters count in either case. What cannot be read draws nothing: a digit
// missing at the end of a short line, or a character that is no hexadecimal
// digit, leaves its four blocks white, and the digits after it keep their places.
IconPicture DrawIconPicture(std::string_view data);

}  // namespace qrv
