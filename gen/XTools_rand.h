#pragma once

#include <QString>

#include <random>
#include <string>

// Random numbers, letters and names from one process-wide engine. It starts from the engine's
// default seed, so every run draws the same sequence; nothing here is thread-safe.
namespace gen::rnd {

extern std::mt19937_64 mt;
extern std::uniform_int_distribution<int> range_letter;
extern std::uniform_int_distribution<int> range_letter_lowercase;
extern std::uniform_int_distribution<int> range_digit;
extern std::uniform_int_distribution<int> range_alnum;

// Reseeds with the fixed value 1000.
void ini_seed();

// The bool parameters are kept for existing callers and have no effect.
unsigned long long number(bool unused = false);
// lo and hi inclusive; when lo > hi the two are swapped.
unsigned long long number_range(unsigned long long lo, unsigned long long hi, bool unused = false);

char letter();
char letter_lowercase();
char digit();
// "A" to "Z" or "0" to "9".
char alnum();

// `words` groups of `length` letters separated by one blank.
std::string next_string(unsigned int length, bool upper, unsigned int words);
QString next_QString(unsigned int length, bool upper);

} // namespace gen::rnd
