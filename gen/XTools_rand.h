#pragma once

#include <QString>

#include <random>
#include <string>

/// Random numbers, letters and names from one process-wide engine. It starts from the engine's
/// default seed, so every run draws the same sequence; nothing here is thread-safe. Not for
/// secrets. Listener names and GPanel's line names are drawn from the same engine, so attaching
/// a listener changes what the next draw gives.
namespace gen::rnd {

/// The engine every function here draws from.
extern std::mt19937_64 mt;
/// "A" to "Z".
extern std::uniform_int_distribution<int> range_letter;
/// "a" to "z".
extern std::uniform_int_distribution<int> range_letter_lowercase;
/// "0" to "9".
extern std::uniform_int_distribution<int> range_digit;
/// 0 to 35, the index into "A" to "Z" followed by "0" to "9".
extern std::uniform_int_distribution<int> range_alnum;

/// Reseeds with the fixed value 1000, so the sequence starts again from a known point.
void ini_seed();

/// The engine's next 64-bit value. The bool parameters are kept for existing callers and have no
/// effect.
unsigned long long number(bool unused = false);
/// lo and hi inclusive; when lo > hi the two are swapped.
unsigned long long number_range(unsigned long long lo, unsigned long long hi, bool unused = false);

/// "A" to "Z".
char letter();
/// "a" to "z".
char letter_lowercase();
/// "0" to "9".
char digit();
/// "A" to "Z" or "0" to "9".
char alnum();

/// `words` groups of `length` letters separated by one blank.
std::string next_string(unsigned int length, bool upper, unsigned int words);
/// `length` letters, upper case when `upper`.
QString next_QString(unsigned int length, bool upper);

} // namespace gen::rnd
