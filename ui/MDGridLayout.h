#pragma once

#include <QRect>
#include <QSize>
#include <QVector>

// Where the items of the multi-device center go in its zone: one large item on the left as
// high as the rows of thumbnails beside it, thumbnail cells of 2 : 3 (width : height) in
// rows and columns, 12 pixels between and around everything, at least 6 between columns.
// Every zone gets at least one column of at least four rows, so a page always holds cells.
struct MDGridLayout {
    static constexpr int kMargin = 12;
    static constexpr int kGap = 12;
    static constexpr int kMinColumnSpacing = 6;
    // The large item keeps this much of its height for the picture's surroundings.
    static constexpr int kLargeReserve = 44;

    QRect large;
    QVector<QRect> cells;  // row by row

    int cellsPerPage() const { return cells.size(); }

    static MDGridLayout forZone(const QSize &zone);

    // Pages needed for that many phones (0 for none).
    static int pageCount(int phones, int cellsPerPage);
    // The page to show: lowered to the count when the count is 1 or more and the page is
    // beyond it; below 1 it becomes 1; with no pages it stays as it is.
    static int clampPage(int page, int count);
    // Position (from 0) in the list of phones of the first thumbnail of a page (from 1).
    static int firstOnPage(int page, int cellsPerPage);
};
