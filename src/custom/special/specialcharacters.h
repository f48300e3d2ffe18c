#pragma once

#include <QList>
#include <QString>

class QSettings;

// The Special tab's characters, kept in the "SpecialCharacters" group of the settings store as
// "Spec1" ... "Spec19" = character + "|" + HTML code, with "|" for an empty slot.
namespace SpecialCharacters {

inline constexpr int slotCount = 19;

struct Slot {
    QString character;
    QString code;

    bool exists() const { return !character.isEmpty(); }
};

// An empty value or one starting with "|" is an empty slot. The code is everything after the
// first "|", so a code that holds "|" itself stays whole.
Slot parseValue(const QString& value);
// "|" unless both the character and the code are given.
QString storedValue(const Slot& slot);

// Writes the ten default characters and marks the store as set up.
void SetupDefaultSpecialCharacters(QSettings& settings);
// The nineteen entries, after writing the defaults if the store was never set up.
QList<Slot> read(QSettings& settings);
// Stores the nineteen entries; false with `error` set when the store could not be written.
bool write(QSettings& settings, const QList<Slot>& entries, QString* error);

} // namespace SpecialCharacters
