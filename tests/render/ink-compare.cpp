// ink-compare: how closely two pictures of one drawing agree, whatever their size, scale,
// margins and line widths; scripts/check-hp2xx's measure of markast-render against hp2xx.
//
// Reads lines "NAME<TAB>FIRST<TAB>SECOND" from standard input (an empty or "-" FIRST means
// nothing was drawn) and prints for each "NAME<TAB>FIRST_INK<TAB>SECOND_INK<TAB>FIRST_NEAR
// <TAB>SECOND_NEAR": the ink of each fitted picture in pixels, and the share of each one's ink
// within NEAR pixels of the other's. Each picture is reduced to its ink (anything darker than
// near-white, on white where it is transparent), cropped to the ink, and scaled into a BOX x BOX
// square with its aspect kept and centred; a pixel of the square is ink where any ink falls into
// it, so that thin lines stay. OUT/NAME.png shows the two over each other: black where both
// have ink, red where only the first has, blue where only the second has.
//
// Usage: ink-compare BOX NEAR OUT < list
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// One byte a pixel: 1 ink, 0 paper.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> ink;

    Mask(int w, int h) : width(w), height(h), ink(static_cast<size_t>(w) * h, 0) {}
    unsigned char& at(int x, int y) { return ink[static_cast<size_t>(y) * width + x]; }
    unsigned char at(int x, int y) const { return ink[static_cast<size_t>(y) * width + x]; }
    long count() const { return std::count(ink.begin(), ink.end(), 1); }
};

// Paper is white or transparent; 85 % of white and lighter is still paper.
Mask inkOf(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    Mask mask(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const int onWhite = (qGray(line[x]) * alpha + 255 * (255 - alpha)) / 255;
            mask.at(x, y) = onWhite < 217 ? 1 : 0;
        }
    }
    return mask;
}

QRect inkBox(const Mask& mask) {
    int left = mask.width, top = mask.height, right = -1, bottom = -1;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.at(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The output pixels [first, last) that source pixel i of size covers, scaled to count.
std::pair<int, int> span(int i, int size, int count) {
    const int first = static_cast<int>(static_cast<long>(i) * count / size);
    const int last = static_cast<int>(static_cast<long>(i + 1) * count / size);
    return {first, std::max(first + 1, last)};
}

Mask fitted(const Mask& mask, int box) {
    Mask out(box, box);
    const QRect ink = inkBox(mask);
    if (ink.isNull())
        return out;
    const double scale = double(box) / std::max(ink.width(), ink.height());
    const int width = std::clamp(int(ink.width() * scale + 0.5), 1, box);
    const int height = std::clamp(int(ink.height() * scale + 0.5), 1, box);
    const int left = (box - width) / 2, top = (box - height) / 2;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        const auto [firstRow, lastRow] = span(y - ink.top(), ink.height(), height);
        for (int x = ink.left(); x <= ink.right(); ++x) {
            if (!mask.at(x, y))
                continue;
            const auto [firstColumn, lastColumn] = span(x - ink.left(), ink.width(), width);
            for (int row = firstRow; row < lastRow; ++row) {
                for (int column = firstColumn; column < lastColumn; ++column)
                    out.at(left + column, top + row) = 1;
            }
        }
    }
    return out;
}

// Ink grown by radius pixels in every direction (a square).
Mask dilated(const Mask& mask, int radius) {
    Mask wide(mask.width, mask.height), out(mask.width, mask.height);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (!mask.at(x, y))
                continue;
            for (int i = std::max(0, x - radius); i <= std::min(mask.width - 1, x + radius); ++i)
                wide.at(i, y) = 1;
        }
    }
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (!wide.at(x, y))
                continue;
            for (int j = std::max(0, y - radius); j <= std::min(mask.height - 1, y + radius); ++j)
                out.at(x, j) = 1;
        }
    }
    return out;
}

// The share of mask's ink that lies on other's.
double shareOn(const Mask& mask, const Mask& other) {
    long ink = 0, on = 0;
    for (size_t i = 0; i < mask.ink.size(); ++i) {
        ink += mask.ink[i];
        on += mask.ink[i] & other.ink[i];
    }
    return ink == 0 ? 0.0 : double(on) / ink;
}

QImage overlay(const Mask& first, const Mask& second) {
    QImage image(first.width, first.height, QImage::Format_RGB32);
    for (int y = 0; y < first.height; ++y) {
        for (int x = 0; x < first.width; ++x) {
            const bool a = first.at(x, y), b = second.at(x, y);
            image.setPixel(x, y,
                           a && b ? qRgb(0, 0, 0)
                           : a    ? qRgb(230, 0, 0)
                           : b    ? qRgb(0, 0, 230)
                                  : qRgb(255, 255, 255));
        }
    }
    return image;
}

Mask fittedPicture(const QString& path, int box) {
    if (path.isEmpty() || path == "-")
        return Mask(box, box);
    const QImage picture(path);
    if (picture.isNull()) {
        std::fprintf(stderr, "ink-compare: cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    return fitted(inkOf(picture), box);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ink-compare BOX NEAR OUT < list\n");
        return 2;
    }
    const int box = std::clamp(std::atoi(argv[1]), 8, 4096);
    const int near = std::clamp(std::atoi(argv[2]), 0, box);
    const QDir out(QString::fromLocal8Bit(argv[3]));
    QTextStream in(stdin), said(stdout);
    QString line;
    while (in.readLineInto(&line)) {
        const QStringList fields = line.split('\t');
        if (fields.size() != 3) {
            std::fprintf(stderr, "ink-compare: not NAME<TAB>FIRST<TAB>SECOND: %s\n",
                         qPrintable(line));
            return 2;
        }
        const Mask first = fittedPicture(fields[1], box);
        const Mask second = fittedPicture(fields[2], box);
        overlay(first, second).save(out.filePath(fields[0] + ".png"));
        said << fields[0] << '\t' << first.count() << '\t' << second.count() << '\t'
             << shareOn(first, dilated(second, near)) << '\t'
             << shareOn(second, dilated(first, near)) << Qt::endl;
    }
    return 0;
}
