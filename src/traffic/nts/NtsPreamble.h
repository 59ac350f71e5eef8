#pragma once

#include <QString>

namespace vellicor {

struct Radiogram;

// The preamble line of a received radiogram, as the program sends it and
// as other stations write it: "NR 207 P HXG W1AW ARL 5 NEWINGTON CT 1830Z
// DEC 5" as well as "012 R  W1AW 4 DENVER CO 1430Z 12/05/2026".
namespace NtsPreamble {

// Reads the line from both ends into the radiogram's preamble fields (number,
// precedence, handling, station, check, place, time and date filed); false,
// with the radiogram unchanged, when the line is no preamble.
//
// From the left: an optional "NR"; the number (it has a digit); the
// precedence as a letter or a word, "TEST" before it kept; handling codes
// beginning "HX", any number of them; the station of origin (letters and
// digits); the check, a number or "ARL" and a number. From the right: the
// date filed, one word with a digit ("12/05/2026") or a month and a day
// ("DEC 5"); before it the time filed when the word reads as one ("1430Z",
// "14:30Z"). The place of origin is every word between. Runs of blanks
// count as one, so only the words decide what is read.
bool read(const QString& line, Radiogram& radiogram);

// The precedence as the form holds it for a word of the preamble: "R" and
// "ROUTINE" give "R (Routine)", and so on; empty for any other word.
QString precedenceFor(const QString& word);

} // namespace NtsPreamble
} // namespace vellicor
