#include "SealedImage.h"

#include "NameKey.h"

#include <QtEndian>

#include <utility>

#include <sodium.h>

namespace {

constexpr qsizetype saltBytes = crypto_pwhash_SALTBYTES;
constexpr qsizetype nonceBytes = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr qsizetype keyBytes = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;
constexpr qsizetype tagBytes = crypto_aead_xchacha20poly1305_ietf_ABYTES;
static_assert(saltBytes == 16 && nonceBytes == 24 && 4 + 8 + 8 + saltBytes + nonceBytes == SealedImage::headerSize);

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(size));
    return bytes;
}

HistoryProblem refused(HistoryProblem::Cause cause)
{
    return {cause, {}, {}, 0};
}

} // namespace

SealedImage::SealedImage(Limits limits, const QByteArray &salt, const QString &name)
    : m_limits(limits), m_salt(salt), m_nameKey(NameKey::of(name).toUtf8()), m_name(name)
{
}

SealedImage::~SealedImage()
{
    if (m_key)
        sodium_free(m_key);
}

std::unique_ptr<SealedImage> SealedImage::create(const QString &passphrase, const QString &name, Limits limits)
{
    if (!sodiumReady())
        return nullptr;
    std::unique_ptr<SealedImage> sealed(new SealedImage(limits, randomBytes(saltBytes), name));
    return sealed->derive(passphrase) ? std::move(sealed) : nullptr;
}

SealedImage::Header SealedImage::check(const QByteArray &file)
{
    if (file.size() < headerSize + tagBytes)
        return Header::NotSealed;
    const quint32 version = qFromLittleEndian<quint32>(file.constData());
    // Versions are counted one by one: a number past any plausible one is
    // no version at all.
    if (version > formatVersion && version < 256)
        return Header::Newer;
    const auto operations = qFromLittleEndian<quint64>(file.constData() + 4);
    const auto memory = qFromLittleEndian<quint64>(file.constData() + 12);
    if (version != formatVersion || operations < crypto_pwhash_OPSLIMIT_MIN || operations > highestLimits.operations
        || memory < crypto_pwhash_MEMLIMIT_MIN || memory > highestLimits.memoryBytes)
        return Header::NotSealed;
    return Header::Readable;
}

std::unique_ptr<SealedImage> SealedImage::forFile(const QByteArray &file, const QString &passphrase, const QString &name)
{
    if (!sodiumReady() || check(file) != Header::Readable)
        return nullptr;
    const Limits limits{qFromLittleEndian<quint64>(file.constData() + 4), qFromLittleEndian<quint64>(file.constData() + 12)};
    std::unique_ptr<SealedImage> sealed(new SealedImage(limits, file.mid(20, saltBytes), name));
    return sealed->derive(passphrase) ? std::move(sealed) : nullptr;
}

std::unique_ptr<SealedImage> SealedImage::rekeyed(const QString &passphrase) const
{
    return create(passphrase, m_name, m_limits);
}

bool SealedImage::derive(const QString &passphrase)
{
    m_key = static_cast<unsigned char *>(sodium_malloc(keyBytes));
    if (!m_key)
        return false;
    // The same passphrase typed on either system: one Unicode form.
    QByteArray secret = passphrase.normalized(QString::NormalizationForm_C).toUtf8();
    const bool derived = crypto_pwhash(m_key, keyBytes, secret.constData(), quint64(secret.size()),
                                       reinterpret_cast<const unsigned char *>(m_salt.constData()), m_limits.operations,
                                       size_t(m_limits.memoryBytes), crypto_pwhash_ALG_ARGON2ID13) == 0;
    wipe(secret);
    return derived;
}

QByteArray SealedImage::header(const QByteArray &nonce) const
{
    QByteArray bytes(headerSize, '\0');
    qToLittleEndian<quint32>(formatVersion, bytes.data());
    qToLittleEndian<quint64>(m_limits.operations, bytes.data() + 4);
    qToLittleEndian<quint64>(m_limits.memoryBytes, bytes.data() + 12);
    bytes.replace(20, saltBytes, m_salt);
    bytes.replace(36, nonceBytes, nonce);
    return bytes;
}

HistoryProblem SealedImage::open(const QByteArray &file, QByteArray &image) const
{
    image.clear();
    switch (check(file)) {
    case Header::Newer:
        return refused(HistoryProblem::Cause::Newer);
    case Header::NotSealed:
        return refused(HistoryProblem::Cause::Damaged);
    case Header::Readable:
        break;
    }
    // Her key opens only a file of this salt and these limits.
    const QByteArray ownHeader = header(file.mid(36, nonceBytes));
    if (file.left(headerSize) != ownHeader)
        return refused(HistoryProblem::Cause::WrongKey);
    const QByteArray associated = ownHeader + m_nameKey;
    QByteArray plain(file.size() - headerSize - tagBytes, Qt::Uninitialized);
    unsigned long long plainSize = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char *>(plain.data()), &plainSize, nullptr,
            reinterpret_cast<const unsigned char *>(file.constData() + headerSize), quint64(file.size() - headerSize),
            reinterpret_cast<const unsigned char *>(associated.constData()), quint64(associated.size()),
            reinterpret_cast<const unsigned char *>(file.constData() + 36), m_key)
        != 0) {
        wipe(plain);
        return refused(HistoryProblem::Cause::WrongKey);
    }
    std::swap(image, plain);
    // Kept out of swap where the system allows it; unlocked as it is wiped.
    sodium_mlock(image.data(), size_t(image.size()));
    return {};
}

QByteArray SealedImage::seal(const QByteArray &image) const
{
    const QByteArray nonce = randomBytes(nonceBytes);
    const QByteArray head = header(nonce);
    const QByteArray associated = head + m_nameKey;
    QByteArray file = head;
    file.resize(headerSize + image.size() + tagBytes);
    unsigned long long sealedSize = 0;
    if (crypto_aead_xchacha20poly1305_ietf_encrypt(
            reinterpret_cast<unsigned char *>(file.data() + headerSize), &sealedSize,
            reinterpret_cast<const unsigned char *>(image.constData()), quint64(image.size()),
            reinterpret_cast<const unsigned char *>(associated.constData()), quint64(associated.size()), nullptr,
            reinterpret_cast<const unsigned char *>(nonce.constData()), m_key)
        != 0)
        return {};
    return file;
}

void SealedImage::wipe(void *bytes, size_t size) const
{
    // Zeroes, then gives back the lock, if there was one.
    sodium_munlock(bytes, size);
}
