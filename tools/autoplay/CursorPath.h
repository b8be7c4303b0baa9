#pragma once
// The buttons that bring a list widget's cursor onto a given row, found by
// trying the widget's own movement on a copy: wrap-around, paging and the
// scrolling rules all come from the widget itself.
#include <cstdint>
#include <optional>
#include <vector>

#include "flow/ListWidget.h"

// Shortest button sequence from the widget's cursor to row `target`; empty
// when it is there already, nullopt for a row outside the list. Left and
// right are tried only with `sideways` (screens that read them for tabs
// must not get them).
std::optional<std::vector<int32_t>> CursorPath(const ListWidget& widget, int32_t target,
                                               bool sideways);

// The first row whose second value is `second`, or -1.
int32_t RowWithSecond(const ListWidget& widget, int32_t second);
// The first row whose entry value is `entry`, or -1.
int32_t RowWithEntry(const ListWidget& widget, int32_t entry);
