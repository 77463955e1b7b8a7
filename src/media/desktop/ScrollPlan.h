#pragma once
// A frame that moves rows of the picture up and changes little else, like
// the console taking a new line. Software OpenGL spends most of such a frame
// filling the console band and blending a thousand glyphs again; copying the
// rows that only moved inside the back buffer and drawing the new list only
// where the copy cannot give its pixels is several times cheaper.

#include <vector>

#include "media/desktop/DrawList.h"

namespace zarvel {

// Rows [from, from + count) copied to [to, to + count) across the whole
// width; the two never overlap.
struct RowCopy {
  int from = 0;
  int to = 0;
  int count = 0;
  bool operator==(const RowCopy&) const = default;
};

struct ScrollPlan {
  // Rows [top, bottom) take the pixels of the rows `shift` lower, across
  // the whole width.
  int top = 0;
  int bottom = 0;
  int shift = 0;
  // Where the new list is drawn after the copy: whole-width boxes of rows
  // that neither kept their pixels nor got them by the copy.
  std::vector<ScreenRect> repairs;

  bool IsEmpty() const { return shift <= 0 || bottom <= top; }
  // The move as copies to make in this order within one buffer, where a
  // copy between overlapping rows is not defined: strips no taller than
  // the shift, the topmost first, so that each is read before a later one
  // writes over it.
  std::vector<RowCopy> Copies() const;
  // Every pixel the plan changes.
  ScreenRect Area(int width) const;
};

// How to turn the picture of `before` (drawn on black) into that of `after`
// by moving rows up and redrawing the rest: every pixel the plan leaves or
// copies equals the pixel of `after` drawn whole. Empty when no shift of
// rows spares any drawing.
ScrollPlan PlanScroll(const DrawList& before, const DrawList& after, int width,
                      int height);

}  // namespace zarvel
