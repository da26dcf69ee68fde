#include "hpgl/StrokeFont.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <unordered_map>

namespace markast::hpgl {

// The Hershey Roman Simplex face as its .jhf file gives it, embedded when the program is built.
extern const std::string_view StrokeFontJhf;

namespace {

// A .jhf file writes each coordinate as a letter, 'R' being 0, y growing down, and its
// baseline at 9.
constexpr int CoordinateZero = 'R';
constexpr double Baseline = 9;
constexpr double XHeight = 14;
// The first 95 glyphs of the face are ASCII from the space on; the next is the degree sign.
constexpr char32_t FirstCharacter = 0x20;
constexpr std::size_t AsciiGlyphs = 95;
// Accents stand this far above a letter.
constexpr double AccentGap = 2;

QList<QPointF> diamond(double x, double y, double r) {
    return {{x, y - r}, {x - r, y}, {x, y + r}, {x + r, y}, {x, y - r}};
}

// The marks an accented letter is composed with, its lowest point at 0 and its middle at x 0;
// the cedilla hangs from the baseline.
const GlyphLines* mark(char16_t combining) {
    static const std::unordered_map<char16_t, GlyphLines> marks = {
        {u'\u0300', {{{-2, 4}, {1, 0}}}},                             // grave
        {u'\u0301', {{{2, 4}, {-1, 0}}}},                             // acute
        {u'\u0302', {{{-3, 0}, {0, 3}, {3, 0}}}},                     // circumflex
        {u'\u0303', {{{-4, 0}, {-2, 2}, {2, 0}, {4, 2}}}},            // tilde
        {u'\u0304', {{{-4, 1}, {4, 1}}}},                             // macron
        {u'\u0308', {diamond(-3, 1, 1), diamond(3, 1, 1)}},           // diaeresis
        {u'\u030A', {diamond(0, 2, 2)}},                              // ring
        {u'\u030C', {{{-3, 3}, {0, 0}, {3, 3}}}},                     // caron
        {u'\u0327', {{{0, 0}, {0, -2}, {2, -3}, {1, -5}, {-1, -5}}}}, // cedilla
    };
    const auto found = marks.find(combining);
    return found == marks.end() ? nullptr : &found->second;
}

void addMoved(GlyphLines& to, const GlyphLines& lines, QPointF by) {
    for (QList<QPointF> line : lines) {
        for (QPointF& point : line)
            point += by;
        to.push_back(std::move(line));
    }
}

double top(const GlyphLines& lines) {
    double highest = 0;
    for (const QList<QPointF>& line : lines) {
        for (const QPointF& point : line)
            highest = std::max(highest, point.y());
    }
    return highest;
}

// A letter with its marks, as Unicode decomposes it; nothing where a part is missing.
std::optional<GlyphLines> composed(char32_t character, const std::vector<GlyphLines>& ascii) {
    const QString parts = QChar::decomposition(character);
    const QChar::Decomposition tag = QChar::decompositionTag(character);
    if (parts.size() < 2 || parts[0].unicode() < FirstCharacter ||
        parts[0].unicode() >= FirstCharacter + ascii.size())
        return std::nullopt;
    // Compatibility forms are other letters (a superscript, a ligature), but for the accents
    // on their own, which decompose into a space and the mark.
    if (tag != QChar::Canonical && !(tag == QChar::Compat && parts[0] == u' '))
        return std::nullopt;
    GlyphLines lines = ascii[parts[0].unicode() - FirstCharacter];
    // An i or a j under an accent loses its dot.
    if (parts[0] == u'i' || parts[0] == u'j')
        std::erase_if(lines, [](const QList<QPointF>& line) {
            return std::all_of(line.begin(), line.end(),
                               [](const QPointF& point) { return point.y() > XHeight + 1; });
        });
    const bool small = parts[0].isLower();
    for (const QChar part : parts.sliced(1)) {
        const GlyphLines* lines_ = mark(part.unicode());
        if (!lines_)
            return std::nullopt;
        const bool below = part == u'\u0327';
        const double above = small ? XHeight : std::max(top(lines), strokefont::CapHeight);
        addMoved(lines, *lines_, {0, below ? 0 : above + AccentGap});
    }
    return lines;
}

// Lines scaled about the glyph's origin, then moved.
GlyphLines placed(GlyphLines lines, QPointF scale, QPointF by) {
    for (QList<QPointF>& line : lines) {
        for (QPointF& point : line)
            point = QPointF(point.x() * scale.x(), point.y() * scale.y()) + by;
    }
    return lines;
}

GlyphLines joined(GlyphLines lines, const GlyphLines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

// The signs of Roman-8 and Latin-1 that no letter and accent make: currencies, ligatures,
// fractions, ordinals and the like, drawn of other glyphs and a few lines in the face's units.
template <typename Of>
void addMoreSigns(std::unordered_map<char32_t, GlyphLines>& more, const Of& of) {
    const QPointF same{1, 1};
    const QPointF half{0.5, 0.5};
    const GlyphLines pound = {{{5, 18},
                               {4, 20},
                               {2, 21},
                               {-1, 21},
                               {-3, 20},
                               {-4, 18},
                               {-4, 3},
                               {-5, 1},
                               {-7, 0},
                               {7, 0}},
                              {{-7, 11}, {3, 11}}};
    more[U'\u00A3'] = pound;
    more[U'\u20A4'] = joined(pound, {{{-7, 7}, {3, 7}}});
    more[U'\u00A5'] = joined(of('Y'), {{{-5, 7}, {5, 7}}, {{-5, 4}, {5, 4}}});
    more[U'\u00A2'] = joined(of('c'), {{{0, 17}, {0, -3}}});
    more[U'\u00A7'] = joined(placed(of('s'), same, {0, 7}), placed(of('s'), same, {0, -3}));
    more[U'\u00A4'] =
        joined(placed(of('o'), {0.6, 0.6}, {0, 3}),
               {{{-6, 13}, {-4, 11}}, {{6, 13}, {4, 11}}, {{-6, 1}, {-4, 3}}, {{6, 1}, {4, 3}}});
    more[U'\u0192'] = joined(of('f'), {{{0, 0}, {-1, -5}, {-3, -7}, {-5, -7}}});
    more[U'\u00C6'] = {{{-9, 0}, {0, 21}, {9, 21}},
                       {{0, 21}, {0, 0}, {9, 0}},
                       {{-5, 8}, {0, 8}},
                       {{0, 11}, {7, 11}}};
    more[U'\u00E6'] = joined(placed(of('a'), {0.6, 1}, {-4, 0}), placed(of('e'), {0.6, 1}, {4, 0}));
    more[U'\u00DF'] = {{{-6, 0},
                        {-6, 16},
                        {-5, 19},
                        {-3, 21},
                        {0, 21},
                        {2, 20},
                        {3, 18},
                        {3, 16},
                        {2, 14},
                        {-1, 12},
                        {3, 11},
                        {5, 9},
                        {6, 7},
                        {6, 4},
                        {5, 2},
                        {3, 0},
                        {0, 0},
                        {-2, 1}}};
    more[U'\u00D0'] = joined(of('D'), {{{-9, 11}, {-1, 11}}});
    more[U'\u00F0'] = joined(of('o'), {{{7, 8}, {6, 14}, {4, 18}, {1, 21}}, {{-1, 20}, {5, 16}}});
    more[U'\u00DE'] = {
        {{-6, 21}, {-6, 0}},
        {{-6, 16}, {3, 16}, {5, 15}, {6, 14}, {7, 12}, {7, 9}, {6, 7}, {5, 6}, {3, 5}, {-6, 5}}};
    more[U'\u00FE'] = joined(of('p'), {{{-6, 14}, {-6, 21}}});
    more[U'\u00B5'] = joined(of('u'), {{{-5, 4}, {-5, -7}}});
    more[U'\u00B6'] = {
        {{2, 21}, {2, -3}},
        {{6, 21}, {6, -3}},
        {{8, 21}, {-1, 21}, {-4, 20}, {-5, 18}, {-5, 15}, {-4, 13}, {-1, 12}, {2, 12}}};
    const GlyphLines slash = {{{6, 21}, {-6, 0}}};
    const auto fraction = [&](char over, char under) {
        return joined(joined(placed(of(over), half, {-5, 10}), slash),
                      placed(of(under), half, {5, 0}));
    };
    more[U'\u00BC'] = fraction('1', '4');
    more[U'\u00BD'] = fraction('1', '2');
    more[U'\u00BE'] = fraction('3', '4');
    for (const auto& [sign, digit] :
         {std::pair{U'\u00B9', '1'}, {U'\u00B2', '2'}, {U'\u00B3', '3'}})
        more[sign] = placed(of(digit), half, {0, 11});
    const GlyphLines underline = {{{-4, 8}, {4, 8}}};
    more[U'\u00AA'] = joined(placed(of('a'), {0.6, 0.6}, {0, 10}), underline);
    more[U'\u00BA'] = joined(placed(of('o'), {0.6, 0.6}, {0, 10}), underline);
    more[U'\u00AB'] = joined(placed(of('<'), half, {-3, 4}), placed(of('<'), half, {3, 4}));
    more[U'\u00BB'] = joined(placed(of('>'), half, {-3, 4}), placed(of('>'), half, {3, 4}));
    GlyphLines square = {{{-6, 4}, {6, 4}, {6, 16}, {-6, 16}, {-6, 4}}};
    for (int y = 6; y < 16; y += 2)
        square.push_back({{-6, double(y)}, {6, double(y)}});
    more[U'\u25A0'] = square;
    more[U'\u00D7'] = {{{-5, 14}, {5, 4}}, {{5, 14}, {-5, 4}}};
    more[U'\u00F7'] =
        joined(of('-'), joined(placed(of('.'), same, {0, 13}), placed(of('.'), same, {0, 3})));
    more[U'\u00AC'] = {{{-7, 11}, {7, 11}, {7, 6}}};
    more[U'\u00A6'] = {{{0, 21}, {0, 12}}, {{0, 7}, {0, -3}}};
    more[U'\u00AD'] = of('-');
    const GlyphLines ring = placed(of('O'), {1.2, 1.2}, {0, -2});
    more[U'\u00A9'] = joined(ring, placed(of('C'), half, {0, 5}));
    more[U'\u00AE'] = joined(ring, placed(of('R'), half, {0, 5}));
}

// Signs made of other glyphs, or of a few lines.
void addSigns(std::unordered_map<char32_t, GlyphLines>& more,
              const std::vector<GlyphLines>& ascii) {
    const auto of = [&ascii](char c) {
        return ascii[std::size_t(c - FirstCharacter)];
    };
    // Turned upside down, hanging from the height of a small letter.
    const auto turned = [](GlyphLines lines) {
        for (QList<QPointF>& line : lines) {
            for (QPointF& point : line)
                point = {-point.x(), XHeight - point.y()};
        }
        return lines;
    };
    more[U'\u00A1'] = turned(of('!'));
    more[U'\u00BF'] = turned(of('?'));
    GlyphLines slashedO = of('O');
    slashedO.push_back({{-9, -1}, {9, 22}});
    more[U'\u00D8'] = slashedO;
    GlyphLines slashedo = of('o');
    slashedo.push_back({{-7, -1}, {8, 15}});
    more[U'\u00F8'] = slashedo;
    GlyphLines middleDot;
    addMoved(middleDot, of('.'), {0, 8});
    more[U'\u00B7'] = middleDot;
    more[U'\u00B1'] = {{{0, 5}, {0, 19}}, {{-7, 12}, {7, 12}}, {{-7, 2}, {7, 2}}};
    more[U'\u2014'] = {{{-11, 9}, {11, 9}}};
    more[U'\u203E'] = {{{-8, 24}, {8, 24}}}; // overline
    addMoreSigns(more, of);
}

struct Face {
    std::vector<GlyphLines> ascii;
    std::unordered_map<char32_t, GlyphLines> more;
};

Face load() {
    Face face;
    std::vector<GlyphLines> glyphs = parseJhf(StrokeFontJhf);
    if (glyphs.size() < AsciiGlyphs)
        glyphs.resize(AsciiGlyphs); // a font file of the wrong kind draws nothing, safely
    face.ascii.assign(glyphs.begin(), glyphs.begin() + AsciiGlyphs);
    if (glyphs.size() > AsciiGlyphs)
        face.more[U'\u00B0'] = glyphs[AsciiGlyphs];
    // Latin-1, Latin Extended-A and B, and the spacing accents.
    for (char32_t character = 0xA0; character < 0x300; ++character) {
        if (std::optional<GlyphLines> lines = composed(character, face.ascii))
            face.more.emplace(character, std::move(*lines));
    }
    addSigns(face.more, face.ascii);
    return face;
}

} // namespace

std::vector<GlyphLines> parseJhf(std::string_view text) {
    std::vector<GlyphLines> glyphs;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '\n' || text[at] == '\r') {
            ++at;
            continue;
        }
        // Five columns of glyph number, three of coordinate count, then the coordinates, which
        // may go on over the next lines.
        const std::string_view countField = text.substr(std::min(at + 5, text.size()), 3);
        const std::size_t digits = countField.find_first_not_of(' ');
        int count = 0;
        if (digits != std::string_view::npos)
            std::from_chars(countField.data() + digits, countField.data() + countField.size(),
                            count);
        at = std::min(at + 8, text.size());
        std::string pairs;
        while (pairs.size() < 2 * std::size_t(count) && at < text.size()) {
            const char c = text[at++];
            if (c != '\n' && c != '\r')
                pairs.push_back(c);
        }
        GlyphLines lines;
        QList<QPointF> line;
        const auto endLine = [&lines, &line] {
            if (!line.isEmpty())
                lines.push_back(std::move(line));
            line = {};
        };
        // The first pair is the glyph's left and right edge; " R" lifts the pen.
        for (std::size_t i = 2; i + 1 < pairs.size(); i += 2) {
            if (pairs[i] == ' ' && pairs[i + 1] == 'R')
                endLine();
            else
                line.append({double(pairs[i] - CoordinateZero),
                             Baseline - (pairs[i + 1] - CoordinateZero)});
        }
        endLine();
        glyphs.push_back(std::move(lines));
        while (at < text.size() && text[at] != '\n')
            ++at;
    }
    return glyphs;
}

namespace strokefont {

const GlyphLines* glyph(char32_t character) {
    static const Face face = load();
    if (character >= FirstCharacter && character < FirstCharacter + face.ascii.size())
        return &face.ascii[character - FirstCharacter];
    const auto found = face.more.find(character);
    return found == face.more.end() ? nullptr : &found->second;
}

} // namespace strokefont

} // namespace markast::hpgl
