#pragma once
// Her protected history sealed under her passphrase, with libsodium: the key
// derived by Argon2id (crypto_pwhash) from her passphrase and the file's own
// salt, the image encrypted with XChaCha20-Poly1305. The header is the
// associated data, her name's key too: a file opened with another name, or
// changed by one bit anywhere, is refused as a wrong passphrase is.
//
// File (version 1; integers little-endian):
//   0  u32  format version
//   4  u64  Argon2id operations limit
//  12  u64  Argon2id memory limit, bytes
//  20  16   salt
//  36  24   nonce, new at every save
//  60  ...  the image encrypted, and its 16-byte tag
// Nothing in it names the program, her, or what it holds.

#include "ImageSeal.h"

#include <QByteArray>
#include <QString>

#include <memory>

class SealedImage final : public ImageSeal
{
public:
    struct Limits
    {
        quint64 operations;
        quint64 memoryBytes;
    };
    // About 1 s to open on a two-core machine of 2020 (0.94 s measured here),
    // and libsodium's "moderate" memory: a guess costs an attacker as much.
    static constexpr Limits chosenLimits{4, quint64(256) << 20};
    // What a file may ask for and still be read: more could stall or exhaust
    // the machine, and is no file this program wrote.
    static constexpr Limits highestLimits{20, quint64(1) << 30};
    static constexpr quint32 formatVersion = 1;
    static constexpr qsizetype headerSize = 60;

    // A new file's seal: a fresh salt, her passphrase and name.
    static std::unique_ptr<SealedImage> create(const QString &passphrase, const QString &name,
                                               Limits limits = chosenLimits);

    enum class Header { Readable, NotSealed, Newer };
    // Whether this version reads a file so headed (too short, limits out of
    // bounds: not one of its files).
    static Header check(const QByteArray &file);
    // The seal of an existing file, from its header; nothing when check() refuses it.
    static std::unique_ptr<SealedImage> forFile(const QByteArray &file, const QString &passphrase, const QString &name);

    ~SealedImage() override;
    SealedImage(const SealedImage &) = delete;
    SealedImage &operator=(const SealedImage &) = delete;

    HistoryProblem open(const QByteArray &file, QByteArray &image) const override;
    QByteArray seal(const QByteArray &image) const override;
    void wipe(void *bytes, size_t size) const override;
    using ImageSeal::wipe;

    // The same image under a new passphrase: a new salt and key.
    std::unique_ptr<SealedImage> rekeyed(const QString &passphrase) const;
    Limits limits() const { return m_limits; }

private:
    SealedImage(Limits limits, const QByteArray &salt, const QString &name);
    bool derive(const QString &passphrase);
    QByteArray header(const QByteArray &nonce) const;

    Limits m_limits;
    QByteArray m_salt;
    QByteArray m_nameKey;
    QString m_name;
    unsigned char *m_key = nullptr; // sodium_malloc: out of swap, guarded, wiped when freed
};
