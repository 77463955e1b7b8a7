#pragma once
// The checks, one concern each. Every check reads the data set and adds its
// findings to the report; a check that needs a file skips it when the file
// is missing from the folder.

#include "DataSet.h"
#include "Findings.h"

namespace zarvel::lint {

class FontFaceWidths;

// Byte-order marks, whole records, fields that look shifted, the syntax of
// every condition and effect list, the rows of the items file, markup in
// the texts of the title menu's paged screens.
void CheckFileShapes(const DataSet& data, Report& report);
// Items named by rules that the items file lacks, counters tested but never
// set, conversation levels that nobody offers.
void CheckReferences(const DataSet& data, Report& report);
// Rooms and their variants, exits, reachability, items that can never be
// seen or reached.
void CheckRooms(const DataSet& data, Report& report);
// Keys of the initialization file, the players and the stock replies.
void CheckInitialization(const DataSet& data, Report& report);
// Words wider than the console line (measure: pixel width of a word).
void CheckWordWidths(const DataSet& data, Report& report,
                     FontFaceWidths& widths);

}  // namespace zarvel::lint
