#include "platform/Grid.h"

#include <algorithm>
#include <string_view>

#include "runtime/Error.h"

namespace platform {

namespace {

[[noreturn]] void invalidIndex()
{
    throw runtime::Error(381, "Invalid property array index");
}

[[noreturn]] void invalidValue()
{
    throw runtime::Error(380, "Invalid property value");
}

// The parts of a text between separators, as views of it: a block of a whole report is split
// without copying its rows.
std::vector<std::string_view> splitViews(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    for (const std::string_view part : splitViews(text, separator))
        parts.emplace_back(part);
    return parts;
}

} // namespace

Grid::Grid(Parent parent, std::string name, int index) : Control(parent, std::move(name), index)
{
    state_.cells.assign(2, std::vector<std::string>(2));
    state_.colWidths.assign(2, DefaultColWidth);
    state_.colAlignments.assign(2, 0);
    state_.rowHeights.assign(2, DefaultRowHeight);
}

template <class Tell> void Grid::tell(Tell tellObserver) const
{
    if (observer_)
        tellObserver(*observer_);
}

Grid::ShownCell Grid::shownCell(int row, int col) const
{
    const auto c = static_cast<std::size_t>(col);
    return {state_.cells[static_cast<std::size_t>(row)][c], state_.colAlignments[c],
            row < state_.fixedRows || col < state_.fixedCols};
}

void Grid::checkRow(int row) const
{
    if (row < 0 || row >= state_.rows)
        invalidIndex();
}

void Grid::checkCol(int col) const
{
    if (col < 0 || col >= state_.cols)
        invalidIndex();
}

std::string& Grid::cell(int row, int col)
{
    checkRow(row);
    checkCol(col);
    return state_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

const std::string& Grid::cell(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return state_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

int Grid::Rows() const { touch(); return state_.rows; }

void Grid::setRows(int rows)
{
    touch();
    // The fixed rows alone are a valid grid: a window empties its grid so before adding rows.
    if (rows < std::max(state_.fixedRows, 1))
        invalidValue();
    if (rows == state_.rows)
        return;
    const int old = state_.rows;
    if (rows > old)
        tell([&](Observer& o) { o.rowsInserting(old, rows - old); });
    else
        tell([&](Observer& o) { o.rowsRemoving(rows, old - rows); });
    const auto count = static_cast<std::size_t>(rows);
    state_.cells.resize(count, std::vector<std::string>(static_cast<std::size_t>(state_.cols)));
    state_.rowHeights.resize(count, DefaultRowHeight);
    state_.rows = rows;
    if (rows > old)
        tell([](Observer& o) { o.rowsInserted(); });
    else
        tell([](Observer& o) { o.rowsRemoved(); });
    const int last = rows - 1;
    state_.topRow = std::min(state_.topRow, last);
    changed("Rows");
    moveCurrent(std::min(state_.row, last), state_.col);
    setSelection(std::min(state_.selStartRow, last), state_.selStartCol, std::min(state_.selEndRow, last), state_.selEndCol);
}

int Grid::Cols() const { touch(); return state_.cols; }

void Grid::setCols(int cols)
{
    touch();
    if (cols < state_.fixedCols + 1)
        invalidValue();
    if (cols == state_.cols)
        return;
    tell([](Observer& o) { o.resetting(); });
    const auto count = static_cast<std::size_t>(cols);
    for (auto& row : state_.cells)
        row.resize(count);
    state_.colWidths.resize(count, DefaultColWidth);
    state_.colAlignments.resize(count, 0);
    state_.cols = cols;
    tell([](Observer& o) { o.reset(); });
    const int last = cols - 1;
    state_.leftCol = std::min(state_.leftCol, last);
    changed("Cols");
    moveCurrent(state_.row, std::min(state_.col, last));
    setSelection(state_.selStartRow, std::min(state_.selStartCol, last), state_.selEndRow, std::min(state_.selEndCol, last));
}

int Grid::FixedRows() const { touch(); return state_.fixedRows; }

void Grid::setFixedRows(int rows)
{
    touch();
    if (rows < 0 || rows >= state_.rows)
        invalidValue();
    if (assign(state_.fixedRows, rows, "FixedRows"))
        state_.topRow = std::max(state_.topRow, rows);
}

int Grid::FixedCols() const { touch(); return state_.fixedCols; }

void Grid::setFixedCols(int cols)
{
    touch();
    if (cols < 0 || cols >= state_.cols)
        invalidValue();
    if (assign(state_.fixedCols, cols, "FixedCols"))
        state_.leftCol = std::max(state_.leftCol, cols);
}

double Grid::ColWidth(int col) const
{
    touch();
    checkCol(col);
    return state_.colWidths[static_cast<std::size_t>(col)];
}

void Grid::setColWidth(int col, double width)
{
    touch();
    checkCol(col);
    assign(state_.colWidths[static_cast<std::size_t>(col)], width, "ColWidth");
}

int Grid::ColAlignment(int col) const
{
    touch();
    checkCol(col);
    return state_.colAlignments[static_cast<std::size_t>(col)];
}

void Grid::setColAlignment(int col, int alignment)
{
    touch();
    checkCol(col);
    assign(state_.colAlignments[static_cast<std::size_t>(col)], alignment, "ColAlignment");
}

double Grid::RowHeight(int row) const
{
    touch();
    checkRow(row);
    return state_.rowHeights[static_cast<std::size_t>(row)];
}

void Grid::setRowHeight(int row, double height)
{
    touch();
    checkRow(row);
    assign(state_.rowHeights[static_cast<std::size_t>(row)], height, "RowHeight");
}

void Grid::moveCurrent(int row, int col)
{
    if (row == state_.row && col == state_.col)
        return;
    state_.row = row;
    state_.col = col;
    changed("Row");
    fire(RowColChange);
}

void Grid::setSelection(int startRow, int startCol, int endRow, int endCol)
{
    if (startRow == state_.selStartRow && startCol == state_.selStartCol && endRow == state_.selEndRow &&
        endCol == state_.selEndCol)
        return;
    state_.selStartRow = startRow;
    state_.selStartCol = startCol;
    state_.selEndRow = endRow;
    state_.selEndCol = endCol;
    changed("Selection");
    fire(SelChange);
}

int Grid::Row() const { touch(); return state_.row; }

void Grid::setRow(int row)
{
    touch();
    checkRow(row);
    moveCurrent(row, state_.col);
    setSelection(row, state_.col, row, state_.col);
}

int Grid::Col() const { touch(); return state_.col; }

void Grid::setCol(int col)
{
    touch();
    checkCol(col);
    moveCurrent(state_.row, col);
    setSelection(state_.row, col, state_.row, col);
}

int Grid::SelStartRow() const { touch(); return state_.selStartRow; }
int Grid::SelStartCol() const { touch(); return state_.selStartCol; }
int Grid::SelEndRow() const { touch(); return state_.selEndRow; }
int Grid::SelEndCol() const { touch(); return state_.selEndCol; }

void Grid::setSelStartRow(int row)
{
    touch();
    checkRow(row);
    setSelection(row, state_.selStartCol, state_.selEndRow, state_.selEndCol);
}

void Grid::setSelStartCol(int col)
{
    touch();
    checkCol(col);
    setSelection(state_.selStartRow, col, state_.selEndRow, state_.selEndCol);
}

void Grid::setSelEndRow(int row)
{
    touch();
    checkRow(row);
    setSelection(state_.selStartRow, state_.selStartCol, row, state_.selEndCol);
}

void Grid::setSelEndCol(int col)
{
    touch();
    checkCol(col);
    setSelection(state_.selStartRow, state_.selStartCol, state_.selEndRow, col);
}

std::string Grid::Text() const
{
    touch();
    return cell(state_.row, state_.col);
}

void Grid::setText(const std::string& text)
{
    setTextMatrix(state_.row, state_.col, text);
}

std::string Grid::TextMatrix(int row, int col) const
{
    touch();
    return cell(row, col);
}

void Grid::setTextMatrix(int row, int col, const std::string& text)
{
    touch();
    std::string& target = cell(row, col);
    if (target == text)
        return;
    target = text;
    tell([&](Observer& o) { o.cellsChanged(row, col, row, col); });
    changed("Cells");
}

std::string Grid::Clip() const
{
    touch();
    const int top = std::min(state_.selStartRow, state_.selEndRow);
    const int bottom = std::max(state_.selStartRow, state_.selEndRow);
    const int left = std::min(state_.selStartCol, state_.selEndCol);
    const int right = std::max(state_.selStartCol, state_.selEndCol);
    std::string text;
    for (int row = top; row <= bottom; ++row) {
        if (row > top)
            text += '\r';
        for (int col = left; col <= right; ++col) {
            if (col > left)
                text += '\t';
            text += cell(row, col);
        }
    }
    return text;
}

void Grid::setClip(const std::string& text)
{
    touch();
    const int top = std::min(state_.selStartRow, state_.selEndRow);
    const int bottom = std::max(state_.selStartRow, state_.selEndRow);
    const int left = std::min(state_.selStartCol, state_.selEndCol);
    const int right = std::max(state_.selStartCol, state_.selEndCol);
    const auto lines = splitViews(text, '\r');
    for (int r = 0; r < static_cast<int>(lines.size()) && top + r <= bottom; ++r) {
        const auto cells = splitViews(lines[static_cast<std::size_t>(r)], '\t');
        for (int c = 0; c < static_cast<int>(cells.size()) && left + c <= right; ++c)
            cell(top + r, left + c) = cells[static_cast<std::size_t>(c)];
    }
    tell([&](Observer& o) { o.cellsChanged(top, left, bottom, right); });
    changed("Cells");
}

void Grid::AddItem(const std::string& text, int index)
{
    touch();
    const int at = index == -1 ? state_.rows : index;
    if (at < state_.fixedRows || at > state_.rows)
        throw runtime::Error(runtime::InvalidProcedureCall);
    std::vector<std::string> cells = split(text, '\t');
    cells.resize(static_cast<std::size_t>(state_.cols));
    tell([at](Observer& o) { o.rowsInserting(at, 1); });
    state_.cells.insert(state_.cells.begin() + at, std::move(cells));
    state_.rowHeights.insert(state_.rowHeights.begin() + at, DefaultRowHeight);
    ++state_.rows;
    tell([](Observer& o) { o.rowsInserted(); });
    changed("Rows");
}

void Grid::RemoveItem(int index)
{
    touch();
    if (index < state_.fixedRows || index >= state_.rows || state_.rows == state_.fixedRows + 1)
        throw runtime::Error(runtime::InvalidProcedureCall);
    tell([index](Observer& o) { o.rowsRemoving(index, 1); });
    state_.cells.erase(state_.cells.begin() + index);
    state_.rowHeights.erase(state_.rowHeights.begin() + index);
    --state_.rows;
    tell([](Observer& o) { o.rowsRemoved(); });
    const int last = state_.rows - 1;
    state_.topRow = std::min(state_.topRow, last);
    changed("Rows");
    moveCurrent(std::min(state_.row, last), state_.col);
    setSelection(std::min(state_.selStartRow, last), state_.selStartCol, std::min(state_.selEndRow, last), state_.selEndCol);
}

int Grid::TopRow() const { touch(); return state_.topRow; }

void Grid::setTopRow(int row)
{
    touch();
    if (assign(state_.topRow, std::clamp(row, state_.fixedRows, state_.rows - 1), "TopRow"))
        fire(Scroll);
}

int Grid::LeftCol() const { touch(); return state_.leftCol; }

void Grid::setLeftCol(int col)
{
    touch();
    if (assign(state_.leftCol, std::clamp(col, state_.fixedCols, state_.cols - 1), "LeftCol"))
        fire(Scroll);
}

bool Grid::HighLight() const { touch(); return state_.highLight; }
void Grid::setHighLight(bool on) { assign(state_.highLight, on, "HighLight"); }

void Grid::userClickCell(int row, int col)
{
    if (!userCanAct())
        return;
    checkRow(row);
    checkCol(col);
    const bool headerRow = row < state_.fixedRows;
    const bool headerCol = col < state_.fixedCols;
    if (!headerRow && !headerCol) {
        userMoveTo(row, col);
    } else if (state_.fixedRows < state_.rows && state_.fixedCols < state_.cols) {
        // A header selects what it heads: a column, a row, or (the corner) every scrollable cell.
        const int firstRow = headerRow ? state_.fixedRows : row;
        const int firstCol = headerCol ? state_.fixedCols : col;
        moveCurrent(firstRow, firstCol);
        setSelection(firstRow, firstCol, headerRow ? state_.rows - 1 : row, headerCol ? state_.cols - 1 : col);
    }
    fire(Click);
}

void Grid::userMoveTo(int row, int col)
{
    if (!userCanAct())
        return;
    checkRow(row);
    checkCol(col);
    if (row < state_.fixedRows || col < state_.fixedCols)
        return;
    moveCurrent(row, col);
    setSelection(row, col, row, col);
}

void Grid::userExtendSelection(int row, int col)
{
    if (!userCanAct())
        return;
    checkRow(row);
    checkCol(col);
    setSelection(state_.row, state_.col, row, col);
}

void Grid::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void Grid::restoreDesign()
{
    Control::restoreDesign();
    tell([](Observer& o) { o.resetting(); });
    state_ = design_;
    tell([](Observer& o) { o.reset(); });
}

} // namespace platform
