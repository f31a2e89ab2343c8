#include "Passphrase.h"

#include "NameKey.h"

#include <QSet>

#include <cmath>

namespace {

// The characters she could have chosen among, by the kinds she used.
double poolOf(const QList<uint> &characters)
{
    bool lower = false, upper = false, digit = false, other = false, accented = false;
    for (const uint c : characters) {
        if (c >= 'a' && c <= 'z')
            lower = true;
        else if (c >= 'A' && c <= 'Z')
            upper = true;
        else if (c >= '0' && c <= '9')
            digit = true;
        else if (c > 0x7f)
            accented = true;
        else
            other = true;
    }
    return (lower ? 26 : 0) + (upper ? 26 : 0) + (digit ? 10 : 0) + (other ? 33 : 0) + (accented ? 64 : 0);
}

} // namespace

Passphrase::Strength Passphrase::strength(const QString &passphrase, const QString &name)
{
    const QList<uint> characters = passphrase.toUcs4();
    if (characters.size() < shortest)
        return Strength::TooShort;
    const QSet<uint> distinct(characters.begin(), characters.end());
    const QString key = NameKey::of(name);
    if (distinct.size() <= 2 || (!key.isEmpty() && passphrase.toUpper().contains(key)))
        return Strength::Weak;
    // Each character counted as a fresh choice among the kinds she used:
    // generous to random strings, fair to phrases of real words.
    const double bits = double(characters.size()) * std::log2(poolOf(characters));
    if (bits < 56)
        return Strength::Weak;
    return bits < 60 ? Strength::Fair : Strength::Strong;
}

QString Passphrase::hint(Strength strength)
{
    switch (strength) {
    case Strength::TooShort:
        return QStringLiteral("Curta demais: use pelo menos 8 caracteres.");
    case Strength::Weak:
        return QStringLiteral("Fraca: fácil de adivinhar. Uma frase de algumas palavras é mais forte.");
    case Strength::Fair:
        return QStringLiteral("Razoável: algumas palavras a mais a deixariam forte.");
    case Strength::Strong:
        return QStringLiteral("Forte.");
    }
    return {};
}

QString Passphrase::refusal(const QString &passphrase, const QString &confirmation)
{
    if (passphrase.toUcs4().size() < shortest)
        return QStringLiteral("A senha precisa ter pelo menos 8 caracteres.");
    if (passphrase != confirmation)
        return QStringLiteral("As duas senhas digitadas não são iguais. Digite a mesma senha nos dois campos.");
    return {};
}
