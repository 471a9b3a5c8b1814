#pragma once
// Texts the rules marked (platform/Text.h), in the player's language.
#include <QString>

#include "platform/Text.h"

namespace ui {

// The text as the translation in force words it, with its values in place; the Japanese words
// where no translation is loaded or it lacks the text, and a verbatim text as it is.
QString Translated(const platform::Text& text);

} // namespace ui
