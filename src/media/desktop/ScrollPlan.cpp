#include "media/desktop/ScrollPlan.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

namespace zarvel {

namespace {

int Round(float v) { return static_cast<int>(std::lround(v)); }

// Clears, rectangles and lines along an axis paint every pixel of their box
// opaque; one as wide as the screen hides whatever was drawn on its rows
// before it.
bool HidesWholeRows(const DrawOp& op, const ScreenRect& area, int width) {
  if (area.IsEmpty() || area.left > 0 || area.right < width) return false;
  switch (op.kind) {
    case DrawOp::Kind::Cls:
    case DrawOp::Kind::Rect:
      return true;
    case DrawOp::Kind::Line:
      return op.x1 == op.x2 || op.y1 == op.y2;
    default:
      return false;
  }
}

// Whether two operations give the same pixels on a row of each: `a` on row
// `rowA`, `b` on row `rowB`, both taking in their row; `aboveA` and
// `aboveB` are their rounded tops less the row. Rectangles and lines along
// an axis look the same on every row they cover; everything else must sit
// at the same height above its row.
bool SameOnRows(const DrawOp& a, int rowA, int aboveA, const DrawOp& b,
                int rowB, int aboveB) {
  if (a.kind != b.kind || a.blend != b.blend || a.r != b.r || a.g != b.g ||
      a.b != b.b)
    return false;
  switch (a.kind) {
    case DrawOp::Kind::Cls:
      return true;
    case DrawOp::Kind::Rect:
      return a.x1 == b.x1 && a.x2 == b.x2;
    case DrawOp::Kind::Line:
      if (a.x1 != b.x1 || a.x2 != b.x2) return false;
      if (a.y1 == a.y2 && b.y1 == b.y2) return true;
      if (a.x1 == a.x2) return true;  // the same column, one pixel a row
      return a.y1 - float(rowA) == b.y1 - float(rowB) &&
             a.y2 - float(rowA) == b.y2 - float(rowB);
    case DrawOp::Kind::Image:
      return a.image == b.image && a.imageWidth == b.imageWidth &&
             a.imageHeight == b.imageHeight && a.x1 == b.x1 && aboveA == aboveB;
    case DrawOp::Kind::Text:
      return aboveA == aboveB && a.font == b.font && a.x1 == b.x1 &&
             a.text == b.text;
  }
  return false;
}

// Whether the operation looks different on different rows; only rows with
// such an operation tell how far a picture moved.
bool IsShaped(const DrawOp& op) {
  return op.kind == DrawOp::Kind::Text || op.kind == DrawOp::Kind::Image ||
         (op.kind == DrawOp::Kind::Line && op.x1 != op.x2 && op.y1 != op.y2);
}

uint64_t Mix(uint64_t hash, uint64_t value) {
  return hash ^ (value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2));
}

// Equal for operations that SameOnRows finds the same on any rows, leaving
// out their height.
uint64_t HashWithoutHeight(const DrawOp& op) {
  uint64_t h = Mix(uint64_t(op.kind), uint64_t(op.blend));
  h = Mix(h, (uint64_t(op.r) << 16) | (uint64_t(op.g) << 8) | op.b);
  h = Mix(h, std::bit_cast<uint32_t>(op.x1 + 0.0f));
  if (op.kind == DrawOp::Kind::Image) h = Mix(h, op.image);
  if (op.kind == DrawOp::Kind::Text)
    h = Mix(h, std::hash<std::u16string_view>{}(op.text));
  return h;
}

// For each row of pixels, the operations that decide its pixels, in drawing
// order: those whose area takes in the row, from the last one that hides
// the whole row on. Two rows whose operations are the same (SameOnRows) in
// the same order have the same pixels.
class RowOps {
 public:
  RowOps(const DrawList& ops, int width, int height)
      : ops_(ops),
        tops_(ops.size()),
        hashes_(ops.size()),
        shaped_(ops.size()),
        start_(size_t(height) + 1, 0) {
    std::vector<ScreenRect> areas(ops.size());
    std::vector<uint32_t> first(size_t(height), 0);
    for (size_t i = 0; i < ops.size(); ++i) {
      areas[i] = AreaOf(ops[i], width, height);
      if (HidesWholeRows(ops[i], areas[i], width))
        for (int y = areas[i].top; y < areas[i].bottom; ++y)
          first[size_t(y)] = uint32_t(i);
      if (areas[i].IsEmpty()) continue;
      tops_[i] = Round(ops[i].y1);
      shaped_[i] = IsShaped(ops[i]);
      hashes_[i] = HashWithoutHeight(ops[i]);
    }
    for (size_t i = 0; i < ops.size(); ++i)
      for (int y = areas[i].top; y < areas[i].bottom; ++y)
        if (i >= first[size_t(y)]) ++start_[size_t(y) + 1];
    for (int y = 0; y < height; ++y) start_[size_t(y) + 1] += start_[size_t(y)];
    indices_.resize(start_.back());
    std::vector<uint32_t> next(start_.begin(), start_.end() - 1);
    for (size_t i = 0; i < ops.size(); ++i)
      for (int y = areas[i].top; y < areas[i].bottom; ++y)
        if (i >= first[size_t(y)]) indices_[next[size_t(y)]++] = uint32_t(i);
  }

  // Whether row `row` here and row `other` of `others` have the same pixels.
  bool SameRow(int row, const RowOps& others, int other) const {
    uint32_t count = Count(row);
    if (count != others.Count(other)) return false;
    const uint32_t* mine = &indices_[start_[size_t(row)]];
    const uint32_t* theirs = &others.indices_[others.start_[size_t(other)]];
    for (uint32_t k = 0; k < count; ++k) {
      uint32_t i = mine[k], j = theirs[k];
      if (!SameOnRows(ops_[i], row, tops_[i] - row, others.ops_[j], other,
                      others.tops_[j] - other))
        return false;
    }
    return true;
  }

  // Whether the row has an operation that looks different on different
  // rows; only such rows tell how far a picture moved.
  bool HasShape(int row) const {
    for (uint32_t k = start_[size_t(row)]; k < start_[size_t(row) + 1]; ++k)
      if (shaped_[indices_[k]]) return true;
    return false;
  }

  // Equal for rows that SameRow finds the same.
  uint64_t Hash(int row) const {
    uint64_t h = Count(row);
    for (uint32_t k = start_[size_t(row)]; k < start_[size_t(row) + 1]; ++k) {
      uint32_t i = indices_[k];
      h = Mix(h, shaped_[i] ? Mix(hashes_[i], uint64_t(int64_t(tops_[i] - row)))
                            : hashes_[i]);
    }
    return h;
  }

 private:
  uint32_t Count(int row) const {
    return start_[size_t(row) + 1] - start_[size_t(row)];
  }

  const DrawList& ops_;
  std::vector<int> tops_;         // each operation's rounded top
  std::vector<uint64_t> hashes_;  // HashWithoutHeight of each
  std::vector<uint8_t> shaped_;   // IsShaped of each
  std::vector<uint32_t> start_;   // where each row's indices begin
  std::vector<uint32_t> indices_;
};

// The upward shift that most changed rows of `after` with a shape would
// match, by their hashes; 0 when none would.
int LikelyShift(const RowOps& before, const RowOps& after,
                const std::vector<uint8_t>& same) {
  const int height = int(same.size());
  std::vector<std::pair<uint64_t, int>> rowsByHash;
  for (int y = 0; y < height; ++y)
    if (before.HasShape(y)) rowsByHash.push_back({before.Hash(y), y});
  std::sort(rowsByHash.begin(), rowsByHash.end());
  std::vector<int> votes(size_t(height), 0);
  for (int y = 0; y < height; ++y) {
    if (same[size_t(y)] || !after.HasShape(y)) continue;
    const uint64_t hash = after.Hash(y);
    // Only rows further down can have moved up here.
    auto found = std::lower_bound(rowsByHash.begin(), rowsByHash.end(),
                                  std::pair<uint64_t, int>{hash, y + 1});
    for (; found != rowsByHash.end() && found->first == hash; ++found)
      ++votes[size_t(found->second - y)];
  }
  int best = 0;
  for (int shift = 1; shift < height; ++shift)
    if (votes[size_t(shift)] > votes[size_t(best)]) best = shift;
  return votes[size_t(best)] > 0 ? best : 0;
}

// Beyond this many boxes to redraw, one box round them all costs less than
// walking the list for each.
constexpr size_t kMostRepairs = 8;

}  // namespace

std::vector<RowCopy> ScrollPlan::Copies() const {
  std::vector<RowCopy> copies;
  if (IsEmpty()) return copies;
  for (int y = top; y < bottom; y += shift)
    copies.push_back({y + shift, y, std::min(shift, bottom - y)});
  return copies;
}

ScreenRect ScrollPlan::Area(int width) const {
  ScreenRect area;
  if (!IsEmpty()) area = {0, top, width, bottom};
  for (const ScreenRect& repair : repairs) area.Include(repair);
  return area;
}

ScrollPlan PlanScroll(const DrawList& before, const DrawList& after, int width,
                      int height) {
  ScrollPlan plan;
  if (width <= 0 || height <= 1) return plan;
  RowOps old(before, width, height);
  RowOps now(after, width, height);
  std::vector<uint8_t> same(size_t(height), 0);
  for (int y = 0; y < height; ++y) same[size_t(y)] = now.SameRow(y, old, y);
  const int shift = LikelyShift(old, now, same);
  if (shift == 0) return plan;

  std::vector<uint8_t> moved(size_t(height), 0);
  for (int y = 0; y + shift < height; ++y)
    moved[size_t(y)] = now.SameRow(y, old, y + shift);
  // The rows to copy: the run where the copy spares the most drawing. A
  // changed row the copy gives spares one row; an unchanged row it would
  // spoil costs one; any other row is the same either way (a changed row
  // the copy cannot give is redrawn anyway).
  int bestTop = 0, bestBottom = 0, bestSpared = 0;
  for (int y = 0, top = 0, spared = 0; y < height; ++y) {
    const bool isSame = same[size_t(y)], isMoved = moved[size_t(y)];
    spared += (isMoved && !isSame) - (isSame && !isMoved);
    if (spared <= 0) {
      top = y + 1;
      spared = 0;
    } else if (spared > bestSpared) {
      bestTop = top;
      bestBottom = y + 1;
      bestSpared = spared;
    }
  }
  if (bestSpared == 0) return plan;
  plan.top = bestTop;
  plan.bottom = bestBottom;
  plan.shift = shift;

  // Rows the new list is drawn into: changed rows outside the copy, and
  // rows inside it that the copy does not give.
  auto needsDrawing = [&](int y) {
    return (y >= plan.top && y < plan.bottom) ? !moved[size_t(y)]
                                              : !same[size_t(y)];
  };
  for (int y = 0; y < height;) {
    if (!needsDrawing(y)) {
      ++y;
      continue;
    }
    int top = y;
    while (y < height && needsDrawing(y)) ++y;
    plan.repairs.push_back({0, top, width, y});
  }
  if (plan.repairs.size() > kMostRepairs) {
    ScreenRect all;
    for (const ScreenRect& repair : plan.repairs) all.Include(repair);
    plan.repairs = {all};
  }
  return plan;
}

}  // namespace zarvel
