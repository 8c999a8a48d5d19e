#pragma once
// Where the core's messages meet the program's language. The core keeps its
// texts in Japanese and knows nothing of translation: a message of the map,
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
QString Translate(const std::string& text);
QString Translate(const QString& text);
// An area's number as a person reads it: from 0 in Japanese, as the
// program always counted; from 1 in English.
QString AreaNumber(int area);
// The same as the program's own text: unchanged in Japanese.
std::string TranslateText(const std::string& text);

} // namespace programtexts
