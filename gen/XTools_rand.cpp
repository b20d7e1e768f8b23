#include "gen/XTools_rand.h"

#include <utility>

namespace gen::rnd {

namespace {
constexpr std::mt19937_64::result_type kReseed = 1000;
constexpr int kLetters = 26;
constexpr int kDigits = 10;
} // namespace

std::mt19937_64 mt{std::mt19937_64::default_seed};
std::uniform_int_distribution<int> range_letter{'A', 'Z'};
std::uniform_int_distribution<int> range_letter_lowercase{'a', 'z'};
std::uniform_int_distribution<int> range_digit{'0', '9'};
std::uniform_int_distribution<int> range_alnum{0, kLetters + kDigits - 1};

void ini_seed() {
    mt.seed(kReseed);
}

unsigned long long number(bool) {
    return mt();
}

unsigned long long number_range(unsigned long long lo, unsigned long long hi, bool) {
    if (lo > hi) std::swap(lo, hi);
    return std::uniform_int_distribution<unsigned long long>{lo, hi}(mt);
}

char letter() {
    return static_cast<char>(range_letter(mt));
}
char letter_lowercase() {
    return static_cast<char>(range_letter_lowercase(mt));
}
char digit() {
    return static_cast<char>(range_digit(mt));
}

char alnum() {
    const int v = range_alnum(mt);
    return static_cast<char>(v < kLetters ? 'A' + v : '0' + (v - kLetters));
}

std::string next_string(unsigned int length, bool upper, unsigned int words) {
    std::string out;
    for (unsigned int w = 0; w < words; ++w) {
        if (w > 0) out += ' ';
        for (unsigned int i = 0; i < length; ++i)
            out += upper ? letter() : letter_lowercase();
    }
    return out;
}

QString next_QString(unsigned int length, bool upper) {
    QString out;
    for (unsigned int i = 0; i < length; ++i)
        out += QChar::fromLatin1(upper ? letter() : letter_lowercase());
    return out;
}

} // namespace gen::rnd
