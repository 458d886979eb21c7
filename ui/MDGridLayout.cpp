#include "ui/MDGridLayout.h"

#include <QtGlobal>

namespace {

constexpr int kPortraitRows = 4;
constexpr int kLandscapeRows = 5;
constexpr int kSmallestCellHeight = 6;

int cellWidthFor(int cellHeight)
{
    return cellHeight * 2 / 3;
}

int largeHeightFor(int cellHeight, int rows)
{
    return (cellHeight + MDGridLayout::kGap) * rows - MDGridLayout::kGap;
}

int largeWidthFor(int cellHeight, int rows)
{
    return qMax(0, (largeHeightFor(cellHeight, rows) - MDGridLayout::kLargeReserve) * 2 / 3);
}

// The tallest cell with which the large item and one column still fit the width.
int widestCellHeight(int width, int rows)
{
    // largeWidth + gap + cellWidth <= width, with both widths 2/3 of their heights.
    const int reserve = MDGridLayout::kGap * rows - MDGridLayout::kGap - MDGridLayout::kLargeReserve;
    return ((width - MDGridLayout::kGap) * 3 / 2 - reserve) / (rows + 1);
}

}  // namespace

MDGridLayout MDGridLayout::forZone(const QSize &zone)
{
    const int width = zone.width() - 2 * kMargin;
    const int height = zone.height() - 2 * kMargin;
    const bool portrait = height > 0 && width < height;
    const int rows = portrait ? kPortraitRows : kLandscapeRows;

    int cellHeight = (height - rows * kGap) / rows;
    cellHeight = qMin(cellHeight, widestCellHeight(width, rows));
    cellHeight = qMax(kSmallestCellHeight, cellHeight & ~1);
    const int cellWidth = cellWidthFor(cellHeight);

    MDGridLayout grid;
    const int largeWidth = largeWidthFor(cellHeight, rows);
    const int largeHeight = largeHeightFor(cellHeight, rows);
    const int gridWidth = qMax(cellWidth, width - largeWidth - kGap);
    const int columns = qMax(1, (gridWidth + kMinColumnSpacing) / (cellWidth + kMinColumnSpacing));
    const int spacing = columns > 1 ? (gridWidth - columns * cellWidth) / (columns - 1) : 0;

    // A zone too wide for its height leaves room below; the block sits in the middle then.
    const int top = kMargin + qMax(0, (height - largeHeight) / 2);
    grid.large = QRect(kMargin, top, largeWidth, largeHeight);
    const int gridLeft = kMargin + largeWidth + kGap;
    grid.cells.reserve(rows * columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            grid.cells.append(QRect(gridLeft + column * (cellWidth + spacing),
                                    top + row * (cellHeight + kGap), cellWidth, cellHeight));
    }
    return grid;
}

int MDGridLayout::pageCount(int phones, int cellsPerPage)
{
    if (phones <= 0 || cellsPerPage <= 0)
        return 0;
    return (phones + cellsPerPage - 1) / cellsPerPage;
}

int MDGridLayout::clampPage(int page, int count)
{
    if (count >= 1 && page > count)
        return count;
    return qMax(1, page);
}

int MDGridLayout::firstOnPage(int page, int cellsPerPage)
{
    return (qMax(1, page) - 1) * qMax(0, cellsPerPage);
}
