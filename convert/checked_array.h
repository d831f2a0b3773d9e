#pragma once

#include <cstdint>
#include <initializer_list>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "convert/fatal_stop.h"

namespace xuanhao {

// A list or table indexed from 1, stored row-major, whose every element access
// is tested: a failed test is a fatal stop (RunTimeError). A list has one
// dimension and may be empty; a table has two or three, each of size 1 or more.
//   one index:        below 1 -> code 4, above the element count -> code 1
//   two or three:     any below 1 -> 4, then a wrong number of indices -> 3,
//                     then the first above its dimension -> 1
//   creating a table: a dimension of 0 or less -> 10
template <class T>
class CheckedArray {
  public:
    CheckedArray() = default;  // the empty list
    explicit CheckedArray(std::vector<T> elements) : elements_(std::move(elements)) {}  // a list

    static CheckedArray Table(std::int64_t rows, std::int64_t columns) {
        CheckedArray table;
        table.Dimension({rows, columns});
        return table;
    }
    static CheckedArray Table(std::int64_t d1, std::int64_t d2, std::int64_t d3) {
        CheckedArray table;
        table.Dimension({d1, d2, d3});
        return table;
    }

    // Gives the array the shape of a table of these dimensions. Values stay where
    // they are in the flat sequence; new elements are value-initialised.
    void Dimension(std::initializer_list<std::int64_t> sizes) {
        std::int64_t count = 1;
        for (std::int64_t size : sizes) {
            if (size < 1) RunTimeError(kDimensionNotPositive);
            if (__builtin_mul_overflow(count, size, &count)) OutOfMemoryStop(SIZE_MAX);
        }
        sizes_.assign(sizes.begin(), sizes.end());
        Guard([&] { elements_.resize(static_cast<std::size_t>(count)); }, count);
    }

    std::int64_t Size() const { return static_cast<std::int64_t>(elements_.size()); }
    bool Empty() const { return elements_.empty(); }
    int DimensionCount() const { return sizes_.empty() ? 1 : static_cast<int>(sizes_.size()); }

    T& At(std::int64_t index) { return elements_[Flat(index)]; }
    const T& At(std::int64_t index) const { return elements_[Flat(index)]; }
    T& At(std::int64_t row, std::int64_t column) { return elements_[Flat({row, column})]; }
    const T& At(std::int64_t row, std::int64_t column) const {
        return elements_[Flat({row, column})];
    }
    T& At(std::int64_t a, std::int64_t b, std::int64_t c) { return elements_[Flat({a, b, c})]; }

    // Appends to the flat sequence; a table becomes a list again by it.
    void Append(T value) {
        sizes_.clear();
        Guard([&] { elements_.push_back(std::move(value)); }, Size() + 1);
    }

    // Empties the array and makes it a list again, releasing its storage.
    void Release() {
        std::vector<T>().swap(elements_);
        sizes_.clear();
    }

    const std::vector<T>& Elements() const { return elements_; }
    std::vector<T> TakeElements() && {
        sizes_.clear();
        return std::move(elements_);
    }

  private:
    std::size_t Flat(std::int64_t index) const {
        if (index < 1) RunTimeError(kIndexBelowOne);
        if (index > Size()) RunTimeError(kIndexAboveSize);
        return static_cast<std::size_t>(index - 1);
    }

    std::size_t Flat(std::initializer_list<std::int64_t> indices) const {
        for (std::int64_t index : indices) {
            if (index < 1) RunTimeError(kIndexBelowOne);
        }
        if (indices.size() != static_cast<std::size_t>(DimensionCount())) {
            RunTimeError(kWrongDimensionCount);
        }
        std::int64_t flat = 0;
        std::size_t dimension = 0;
        for (std::int64_t index : indices) {
            if (index > sizes_[dimension]) RunTimeError(kIndexAboveSize);
            flat = flat * sizes_[dimension] + (index - 1);
            ++dimension;
        }
        return static_cast<std::size_t>(flat);
    }

    template <class Grow>
    static void Guard(Grow grow, std::int64_t elementCount) {
        try {
            grow();
        } catch (const std::bad_alloc&) {
            OutOfMemoryStop(static_cast<std::size_t>(elementCount) * sizeof(T));
        } catch (const std::length_error&) {
            OutOfMemoryStop(static_cast<std::size_t>(elementCount) * sizeof(T));
        }
    }

    std::vector<T> elements_;
    std::vector<std::int64_t> sizes_;  // empty for a list
};

template <class T>
using List = CheckedArray<T>;

}  // namespace xuanhao
