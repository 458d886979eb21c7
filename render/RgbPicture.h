#pragma once

#include <QImage>
#include <QSize>

struct SwsContext;

// What every picture of a phone is converted into for showing or saving, so that a saved
// screenshot has exactly the colours and edges shown on screen.
namespace render {

// Bytes swscale's vector code may store past the end of the last output row.
constexpr int kConverterSlack = 64;

// An RGB32 picture that swscale can convert into completely: its rows are padded so that the
// vector code converts the last partial block of pixels too, and its buffer has room for the
// bytes that code may store past the last row. Null when out of memory.
QImage convertibleImage(const QSize &size);

// Phone pictures are BT.709, limited range: the colour matrix both render engines use.
void useDisplayColours(SwsContext *converter);

}  // namespace render
