#pragma once
// What her passphrase must be, and how strong it is, in plain words. Counted
// in characters as she types them (an accented letter is one).

#include <QString>

namespace Passphrase {

constexpr int shortest = 8;

enum class Strength { TooShort, Weak, Fair, Strong };

// Weak: guessed quickly (one repeated character, her name, digits only or a
// short run of one kind); Strong: about 60 bits or more, as a phrase of
// several words gives; Fair in between.
Strength strength(const QString &passphrase, const QString &name);
// The hint shown under the field.
QString hint(Strength strength);

// Why a passphrase and its confirmation cannot be taken; empty when they can.
QString refusal(const QString &passphrase, const QString &confirmation);

} // namespace Passphrase
