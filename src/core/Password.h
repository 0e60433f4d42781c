#pragma once

#include <QString>

// Operator passwords are kept as Argon2id hashes (at most 255 characters), never
// in a reversible form. CheckPass is the only way to compare a typed password.
namespace Password {

QString SavePass(const QString &plain);
bool CheckPass(const QString &stored, const QString &typed);

} // namespace Password
