// The editor's own texts beyond the language table, in English, German and Polish: the names of
// the elements for the cursor line, the line itself and the question about a level's exits.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quarrion {

// The name of a cell code in a language; transient codes read as the element they stand for.
// An unknown language reads as English.
std::string ElementName(uint8_t code, int language);

// The panel's cursor line: the cell under the mouse and what it holds, e.g.
// "Column 12, row 5: Boulder".
std::string CursorLine(int column, int row, uint8_t code, int language);

// The question before testing or saving a level that lacks its inbox, its outbox or both.
std::string_view MissingExitsQuestion(bool inboxMissing, bool outboxMissing, int language);

}  // namespace quarrion
