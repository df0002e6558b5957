#pragma once

#include <QString>

// The scheme by which secrets are kept in the INI file: four hex digits of the
// sum of all character codes, then two upper-case hex digits of twice each
// character's code.
namespace Scramble {
QString scramble(const QString& plain);
QString unscramble(const QString& scrambled);
// What goes into the INI: the scrambled form, or the value in clear when it
// does not survive the round trip (a character code above 127).
QString storedForm(const QString& plain);
// Reads a stored value: unscrambles a well-formed scrambled value (hex digits
// whose checksum matches) and takes anything else as stored in clear.
QString readStored(const QString& stored);
} // namespace Scramble
