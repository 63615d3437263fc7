#pragma once
// Marks a text of a core table that a person reads, so that the translation tools collect it
// (scripts/translations.sh reads LUMETRA_TR_NOOP as Qt's QT_TRANSLATE_NOOP). The text stays the
// English source here; the windows and lumetra-cli translate it where they show it, in the same
// context: QCoreApplication::translate(context, text).

#define LUMETRA_TR_NOOP(context, text) (text)
