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
