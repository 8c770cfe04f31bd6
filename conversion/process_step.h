// The processing step of a conversion: joining pieces into profiles and
// turning profiles round, as the settings ask. It cannot fail.
#pragma once

namespace dxfelem {

class ConversionJob;
class Element;
class FinishedElements;

// What needs the whole drawing (joining pieces into profiles); does
// nothing without a drawing. When given, `finished` takes every element as
// soon as the joining is done with it, while it goes on with the others.
void ProcessDrawing(ConversionJob& job, FinishedElements* finished = nullptr);

// Whether every element can be processed by itself, as soon as it is
// finished: without chaining nothing needs the whole drawing.
bool ProcessesElementsAlone(const ConversionJob& job);
// The processing of one element on its way to the file, after the whole
// drawing's (the clean-up of joined profiles, turning profiles round):
// false when the element goes, and is neither counted nor written.
bool ProcessElement(const ConversionJob& job, Element& element);

}  // namespace dxfelem
