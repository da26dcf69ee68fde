#include "hpgl/CharacterSets.h"

#include <array>
#include <string_view>

namespace markast::hpgl {

namespace {

// HP Roman-8 from 0xA0 to 0xFF; its 0xA0 is a space, and 0xFF is empty.
constexpr std::array<char16_t, 96> Roman8 = {
    u' ',      u'\u00C0', u'\u00C2', u'\u00C8', u'\u00CA', u'\u00CB', u'\u00CE', u'\u00CF',
    u'\u00B4', u'`',      u'^',      u'\u00A8', u'\u02DC', u'\u00D9', u'\u00DB', u'\u20A4',
    u'\u00AF', u'\u00DD', u'\u00FD', u'\u00B0', u'\u00C7', u'\u00E7', u'\u00D1', u'\u00F1',
    u'\u00A1', u'\u00BF', u'\u00A4', u'\u00A3', u'\u00A5', u'\u00A7', u'\u0192', u'\u00A2',
    u'\u00E2', u'\u00EA', u'\u00F4', u'\u00FB', u'\u00E1', u'\u00E9', u'\u00F3', u'\u00FA',
    u'\u00E0', u'\u00E8', u'\u00F2', u'\u00F9', u'\u00E4', u'\u00EB', u'\u00F6', u'\u00FC',
    u'\u00C5', u'\u00EE', u'\u00D8', u'\u00C6', u'\u00E5', u'\u00ED', u'\u00F8', u'\u00E6',
    u'\u00C4', u'\u00EC', u'\u00D6', u'\u00DC', u'\u00C9', u'\u00EF', u'\u00DF', u'\u00D4',
    u'\u00C1', u'\u00C3', u'\u00E3', u'\u00D0', u'\u00F0', u'\u00CD', u'\u00CC', u'\u00D3',
    u'\u00D2', u'\u00D5', u'\u00F5', u'\u0160', u'\u0161', u'\u00DA', u'\u0178', u'\u00FF',
    u'\u00DE', u'\u00FE', u'\u00B7', u'\u00B5', u'\u00B6', u'\u00BE', u'\u2014', u'\u00BC',
    u'\u00BD', u'\u00AA', u'\u00BA', u'\u00AB', u'\u25A0', u'\u00BB', u'\u00B1', 0,
};

// The twelve places of ASCII that ISO 646's national variants give other characters, and what
// HP-GL's sets 9 and 30 to 39 put there.
constexpr std::string_view NationalPlaces = "#$@[\\]^`{|}~";
struct National {
    int set;
    std::array<char16_t, 12> characters;
};
constexpr char16_t Same = 0; // the ASCII character stays
constexpr std::array<National, 11> Nationals = {{
    // ISO 646 IRV of 1973
    {9, {Same, u'\u00A4', Same, Same, Same, Same, Same, Same, Same, Same, Same, Same}},
    // Swedish, and Swedish for names
    {30,
     {Same, u'\u00A4', Same, u'\u00C4', u'\u00D6', u'\u00C5', Same, Same, u'\u00E4', u'\u00F6',
      u'\u00E5', u'\u203E'}},
    {31,
     {Same, u'\u00A4', u'\u00C9', u'\u00C4', u'\u00D6', u'\u00C5', u'\u00DC', u'\u00E9', u'\u00E4',
      u'\u00F6', u'\u00E5', u'\u00FC'}},
    // Norwegian
    {32,
     {Same, Same, Same, u'\u00C6', u'\u00D8', u'\u00C5', Same, Same, u'\u00E6', u'\u00F8',
      u'\u00E5', u'\u203E'}},
    // German
    {33,
     {Same, Same, u'\u00A7', u'\u00C4', u'\u00D6', u'\u00DC', Same, Same, u'\u00E4', u'\u00F6',
      u'\u00FC', u'\u00DF'}},
    // French
    {34,
     {u'\u00A3', Same, u'\u00E0', u'\u00B0', u'\u00E7', u'\u00A7', Same, Same, u'\u00E9', u'\u00F9',
      u'\u00E8', u'\u00A8'}},
    // British
    {35, {u'\u00A3', Same, Same, Same, Same, Same, Same, Same, Same, Same, Same, u'\u203E'}},
    // Italian
    {36,
     {u'\u00A3', Same, u'\u00A7', u'\u00B0', u'\u00E7', u'\u00E9', Same, u'\u00F9', u'\u00E0',
      u'\u00F2', u'\u00E8', u'\u00EC'}},
    // Spanish
    {37,
     {u'\u00A3', Same, u'\u00A7', u'\u00A1', u'\u00D1', u'\u00BF', Same, Same, u'\u00B0', u'\u00F1',
      u'\u00E7', Same}},
    // Portuguese
    {38,
     {Same, Same, u'\u00A7', u'\u00C3', u'\u00C7', u'\u00D5', Same, Same, u'\u00E3', u'\u00E7',
      u'\u00F5', u'\u00B0'}},
    // Norwegian, second version
    {39,
     {u'\u00A7', Same, Same, u'\u00C6', u'\u00D8', u'\u00C5', Same, Same, u'\u00E6', u'\u00F8',
      u'\u00E5', u'|'}},
}};

constexpr int Ascii = 0;
constexpr int RomanExtensions = 7;
constexpr int Latin1 = 14;
constexpr int UsAscii = 21;
constexpr int Roman8Set = 277;

const National* national(int set) {
    for (const National& variant : Nationals) {
        if (variant.set == set)
            return &variant;
    }
    return nullptr;
}

} // namespace

char32_t characterOf(quint8 byte, int set) {
    if (byte >= 0xA0)
        return set == Latin1 ? char32_t(byte) == 0xA0 ? U' ' : char32_t(byte)
                             : char32_t(Roman8[byte - 0xA0]);
    if (byte < 0x20 || byte >= 0x7F)
        return 0;
    if (set == RomanExtensions && byte > 0x20)
        return Roman8[byte - 0x20];
    if (const National* variant = national(set)) {
        const std::size_t place = NationalPlaces.find(char(byte));
        if (place != std::string_view::npos && variant->characters[place] != Same)
            return variant->characters[place];
    }
    return byte;
}

bool knownCharacterSet(int set) {
    return set == Ascii || set == RomanExtensions || set == Latin1 || set == UsAscii ||
           set == Roman8Set || national(set);
}

} // namespace markast::hpgl
