#pragma once
// Per-seam grids of the solver: rows and columns addressed from their own lower
// bounds (rows 1..2, columns 1..n or 0..n+1), stored in one contiguous block.
// Allocation failure surfaces as std::bad_alloc, which the run turns into a
// status code; nothing here ends the process.
#include <cassert>
#include <cstddef>
#include <type_traits>
#include <vector>

namespace veskjirn {

// One row of a grid, indexed with the grid's own column numbers.
template <class T>
class GridRow {
public:
    GridRow(T* first, int colLo, int colHi) : first_(first), colLo_(colLo), colHi_(colHi) {}
    // A writable row can be handed where a read-only one is expected.
    template <class U>
    requires std::is_same_v<const U, T> GridRow(const GridRow<U>& other)
        : first_(other.data()), colLo_(other.colLo()), colHi_(other.colHi()) {}
    T& operator[](int col) const {
        assert(col >= colLo_ && col <= colHi_);
        return first_[col - colLo_];
    }
    T* data() const { return first_; }  // the cell of column colLo
    int colLo() const { return colLo_; }
    int colHi() const { return colHi_; }

private:
    T* first_;
    int colLo_;
    int colHi_;
};

template <class T>
class Grid {
public:
    // Makes the grid rows rowLo..rowHi by columns colLo..colHi, every cell zero.
    void Allocate(int rowLo, int rowHi, int colLo, int colHi) {
        rowLo_ = rowLo;
        rowHi_ = rowHi;
        colLo_ = colLo;
        colHi_ = colHi;
        std::size_t rows = rowHi >= rowLo ? static_cast<std::size_t>(rowHi - rowLo + 1) : 0;
        std::size_t cols = colHi >= colLo ? static_cast<std::size_t>(colHi - colLo + 1) : 0;
        cols_ = cols;
        cells_.assign(rows * cols, T{});
    }
    void Free() {
        std::vector<T>().swap(cells_);
        rowLo_ = 1;
        rowHi_ = 0;
        colLo_ = 1;
        colHi_ = 0;
        cols_ = 0;
    }
    bool allocated() const { return !cells_.empty(); }

    T& operator()(int row, int col) {
        assert(row >= rowLo_ && row <= rowHi_ && col >= colLo_ && col <= colHi_);
        return cells_[static_cast<std::size_t>(row - rowLo_) * cols_ +
                      static_cast<std::size_t>(col - colLo_)];
    }
    const T& operator()(int row, int col) const {
        assert(row >= rowLo_ && row <= rowHi_ && col >= colLo_ && col <= colHi_);
        return cells_[static_cast<std::size_t>(row - rowLo_) * cols_ +
                      static_cast<std::size_t>(col - colLo_)];
    }
    GridRow<T> Row(int row) {
        assert(row >= rowLo_ && row <= rowHi_);
        return GridRow<T>(cells_.data() + static_cast<std::size_t>(row - rowLo_) * cols_, colLo_, colHi_);
    }
    GridRow<const T> Row(int row) const {
        assert(row >= rowLo_ && row <= rowHi_);
        return GridRow<const T>(cells_.data() + static_cast<std::size_t>(row - rowLo_) * cols_, colLo_,
                                colHi_);
    }
    int rowLo() const { return rowLo_; }
    int rowHi() const { return rowHi_; }
    int colLo() const { return colLo_; }
    int colHi() const { return colHi_; }

private:
    std::vector<T> cells_;
    std::size_t cols_ = 0;
    int rowLo_ = 1;
    int rowHi_ = 0;
    int colLo_ = 1;
    int colHi_ = 0;
};

}  // namespace veskjirn
