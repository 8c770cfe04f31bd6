// Loose pieces joined into profiles, start points, clean-up and reversal.
#pragma once

#include <functional>
#include <string>

#include "geometry/drawing.h"

namespace dxfelem {

// The layer name a used start point carries until it is deleted.
inline constexpr char kUsedStartPointLayer[] = "(#$$$&&&%%%#)";

// Pieces whose layer answers true are never joined (layers with a macro
// code); an empty test joins every layer.
using CodedLayerTest = std::function<bool(const std::string& layer)>;

// Joins the open path elements of each layer whose ends meet within the
// tolerance, exactly as a scan of the list from each element would: the
// earliest piece after it that meets either end, by the first of the four
// ways of meeting, again and again until none is left. With start points
// on, a single-node element at a profile end makes that end the start and
// is removed. When given, `finished` takes every element that remains, in
// order, as soon as the chaining is done with it: the joining scan is done
// with the elements it has passed, the start points only at the end.
void Chain(Drawing& drawing, double tolerance, const CodedLayerTest& isCoded, bool startPoints,
           FinishedElements* finished = nullptr);

// Removes two-node elements no longer than 0.01, and vertices within 0.01
// of the next node of the same code.
void Clean(Drawing& drawing);
// The same for one element: false when the whole element goes.
bool CleanElement(Element& element);

// Turns every profile round (closed ones too).
void ReverseAll(Drawing& drawing);
// The same for one element.
void ReverseProfile(Element& element);

}  // namespace dxfelem
