#include "core/Password.h"

#include <sodium.h>

#include <stdexcept>

namespace {

void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

} // namespace

namespace Password {

QString SavePass(const QString &plain)
{
    ensureSodium();
    const QByteArray bytes = plain.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                              crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(out);
}

bool CheckPass(const QString &stored, const QString &typed)
{
    ensureSodium();
    const QByteArray hash = stored.toLatin1();
    if (hash.isEmpty())
        return false;
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

} // namespace Password
