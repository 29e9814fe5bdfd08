#pragma once
#include <QString>

// Passwords are kept as a salted PBKDF2-SHA256 hash, never as typed. The text form is
// "p1$" + salt + "$" + hash (base64), short enough for the Password column.
namespace contrasena {
QString cifrar(const QString& typed);
// Exact, case-sensitive comparison of a typed password with the stored value.
bool verificar(const QString& typed, const QString& almacenada);
}  // namespace contrasena
