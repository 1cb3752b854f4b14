#pragma once
// Printing and preview: one page, the label at its physical size through
// the same path as export (RenderAsPrinted).
class CCovermintDoc;
class QPrinter;

// Prints one page on the printer (a real printer or a PDF file); false when
// the job could not start.
bool PrintLabel(CCovermintDoc& document, QPrinter& printer);
