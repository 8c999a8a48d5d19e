#pragma once
// Where the core's messages meet the program's language. The core keeps its
// texts in Shift-JIS and knows nothing of translation: a message of the map,
// the native file or the checker reaches the widgets and the terminal as one
// text, fixed pieces around values (a file name, a count, a line number).
// Here each text is recognised by its fixed pieces, and in English it comes
// out translated with its values moved into the translation.

#include <QString>

#include <string>

namespace programtexts
{

// The text as the user reads it in the language of the run; a text that is
// none of the core's messages (a file name, say) stays as it is.
QString Translate(const std::string& sjis);
QString Translate(const QString& text);
// The same kept in Shift-JIS, for the program's own strings: unchanged in
// Japanese.
std::string TranslateSjis(const std::string& sjis);

} // namespace programtexts
