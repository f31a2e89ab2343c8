#include "Passphrase.h"
#include "TryThrottle.h"

#include <gtest/gtest.h>

using Passphrase::Strength;

TEST(PassphraseTest, HerPassphraseIsWeighedInPlainWords)
{
    const struct
    {
        const char *passphrase;
        Strength strength;
    } cases[] = {
        {"abc", Strength::TooShort},
        {"çãõéíóú", Strength::TooShort}, // seven characters, fourteen bytes
        {"aaaaaaaaaaaaaaaa", Strength::Weak},
        {"abababababab", Strength::Weak},
        {"12345678", Strength::Weak},
        {"senhasenha", Strength::Weak},
        {"maria1975!", Strength::Weak}, // her own name
        {"Tr0ub4dor", Strength::Weak},
        {"lua cheia", Strength::Weak}, // two common words
        {"correcthorse", Strength::Fair},
        {"lua cheia de março", Strength::Strong},
        {"x7$Qp2!vL9#m", Strength::Strong},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.passphrase);
        EXPECT_EQ(Passphrase::strength(QString::fromUtf8(c.passphrase), "Maria"), c.strength);
        EXPECT_FALSE(Passphrase::hint(c.strength).isEmpty());
    }
}

TEST(PassphraseTest, ItIsTakenOnlyLongEnoughAndTypedTheSameTwice)
{
    EXPECT_EQ(Passphrase::refusal("curta", "curta"), "A senha precisa ter pelo menos 8 caracteres.");
    EXPECT_EQ(Passphrase::refusal("lua cheia de março", "lua cheia de marco"),
              "As duas senhas digitadas não são iguais. Digite a mesma senha nos dois campos.");
    EXPECT_EQ(Passphrase::refusal("lua cheia de março", "lua cheia de março"), QString());
    EXPECT_EQ(Passphrase::refusal(QString::fromUtf8("çãõéíóúà"), QString::fromUtf8("çãõéíóúà")), QString());
}

TEST(TryThrottleTest, AfterFiveWrongTriesEachWaitsTwiceAsLongUpToFiveMinutes)
{
    const struct
    {
        int failures;
        int seconds;
    } cases[] = {{0, 0}, {4, 0}, {5, 2}, {6, 4}, {7, 8}, {12, 256}, {13, 300}, {60, 300}};
    for (const auto &c : cases) {
        TryThrottle throttle;
        for (int i = 0; i < c.failures; ++i)
            throttle.failed();
        EXPECT_EQ(throttle.waitBeforeNextTry().count(), c.seconds) << c.failures;
        throttle.succeeded();
        EXPECT_EQ(throttle.waitBeforeNextTry().count(), 0);
    }
}
