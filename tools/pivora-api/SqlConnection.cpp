#include "SqlConnection.h"

#include <cerrno>
#include <cstdlib>

bool SqlRow::isNull(size_t column) const
{
    return column >= m_cells.size() || !m_cells[column].has_value();
}

std::string SqlRow::text(size_t column) const
{
    return isNull(column) ? std::string() : *m_cells[column];
}

int64_t SqlRow::integer(size_t column) const
{
    if (isNull(column))
        return 0;
    const std::string& cell = *m_cells[column];
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(cell.c_str(), &end, 10);
    if (end == cell.c_str() || errno == ERANGE)
        return 0;
    return value;
}
