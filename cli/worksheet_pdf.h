// A worksheet as a printable A4 PDF, written with Qt's own PDF writer: the pupil's pages with a
// name line and room for three steps per exercise, then the answer key on a page of its own.
#pragma once

#include <string>

#include "engine/worksheet.h"

namespace reki::cli {

// Writes the sheet to path. Starts Qt's GUI layer for the fonts when no application object
// exists yet, on the offscreen platform unless QT_QPA_PLATFORM says otherwise, so that it works
// without a display. False when the file cannot be written.
bool WriteWorksheetPdf(const Worksheet& sheet, const std::string& path);

}  // namespace reki::cli
