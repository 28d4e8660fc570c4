#pragma once

// Pictures compared as a user would look at them.
#include <QImage>
#include <QRect>

#include <cstdlib>
#include <functional>

// Whether two colours look the same: every channel within `tolerance`.
inline bool near(QRgb a, QRgb b, int tolerance = 48)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
            && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The share of the pixels of `a` that look like those of `b`; 0 for pictures of other sizes.
// Where `bare` is given (the same sheet with nothing drawn on it), only the pixels that hold
// drawing in either picture count, which a fault in the drawing alone moves much further.
inline double alike(const QImage &a, const QImage &b, const QImage &bare = {}, int tolerance = 48)
{
    if (a.size() != b.size() || (!bare.isNull() && bare.size() != a.size()))
        return 0;
    qint64 counted = 0, same = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (!bare.isNull() && near(p, bare.pixel(x, y)) && near(q, bare.pixel(x, y)))
                continue;
            ++counted;
            same += near(p, q, tolerance);
        }
    }
    return counted ? double(same) / counted : 1.0;
}

// The smallest rectangle holding every pixel of `image` for which `is` holds; empty if none.
inline QRect box(const QImage &image, const std::function<bool(QRgb)> &is)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (is(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

inline bool isRed(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) <= 60 && qBlue(c) <= 60;
}
