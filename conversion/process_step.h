// The processing step of a conversion: joining pieces into profiles and
// turning profiles round, as the settings ask. It cannot fail.
#pragma once

namespace dxfelem {

class ConversionJob;
class Element;

// Does nothing without a drawing.
void ProcessDrawing(ConversionJob& job);

// Whether every element can be processed by itself, as soon as it is
// finished: without chaining nothing needs the whole drawing.
bool ProcessesElementsAlone(const ConversionJob& job);
// The processing of one finished element, when it can be done alone.
void ProcessElement(const ConversionJob& job, Element& element);

}  // namespace dxfelem
