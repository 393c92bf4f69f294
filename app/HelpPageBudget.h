#pragma once
// What a help page may ask of the window before it is laid out. The page is a file anyone with
// write access to the program's folder can replace, and the text browser lays some shapes out in
// far more than linear time: nesting costs the square of its depth, a table inside a table doubles
// the work of everything in it, a word without a break costs the square of its length. So a page
// is measured in one pass, without laying it out, against bounds far above the shipped pages (at
// most 16,500 characters and 320 elements as counted here, 9 links, nesting 6 deep, no word over 20
// characters, no pictures), and refused beyond them.

#include <QStringList>
#include <QStringView>
#include <QUrl>

#include <cstdint>

namespace helpbudget {

inline constexpr int kMaxDepth = 64;
inline constexpr int64_t kMaxElements = 10'000;
inline constexpr int64_t kMaxLength = 512 * 1024;
inline constexpr int kMaxLinks = 1'000;
inline constexpr int kMaxWord = 1'024;
inline constexpr int kMaxPictures = 256;
// All the page's pictures together, decoded: 64 MiB at four bytes a pixel.
inline constexpr int64_t kMaxPixels = 16 * 1024 * 1024;

}  // namespace helpbudget

struct HelpPageShape {
    int depth = 0;            // the deepest nesting of elements
    int64_t elements = 0;     // elements, each counting double for every table around it
    int64_t length = 0;       // characters, markup included, counted as the elements are
    int links = 0;
    int longestWord = 0;      // the longest run of text without a space or a line's end
    QStringList pictures;     // every picture's address, as the page writes it

    // Within every bound but the pictures' pixels, which only their files tell.
    bool Fits() const;
};

// Measures `page`, stopping as soon as it passes a bound.
HelpPageShape MeasureHelpPage(QStringView page);

// The pixels that the pictures at `addresses`, relative to `page`, decode to, each file counted
// once, as their headers say; a picture whose header does not tell is not shown, and counts none.
int64_t PicturePixelsOf(const QStringList& addresses, const QUrl& page);
