#include "db/Password.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <QByteArray>
#include <QStringList>

namespace contrasena {
namespace {
constexpr int kIteraciones = 120000;
constexpr int kSal = 9;
constexpr int kLargo = 24;

QByteArray derivar(const QString& typed, const QByteArray& sal) {
    QByteArray clave = typed.toUtf8();
    QByteArray out(kLargo, '\0');
    PKCS5_PBKDF2_HMAC(clave.constData(), clave.size(),
                      reinterpret_cast<const unsigned char*>(sal.constData()), sal.size(), kIteraciones,
                      EVP_sha256(), kLargo, reinterpret_cast<unsigned char*>(out.data()));
    return out;
}
}  // namespace

QString cifrar(const QString& typed) {
    QByteArray sal(kSal, '\0');
    RAND_bytes(reinterpret_cast<unsigned char*>(sal.data()), kSal);
    return "p1$" + QString::fromLatin1(sal.toBase64()) + "$" +
           QString::fromLatin1(derivar(typed, sal).toBase64());
}

bool verificar(const QString& typed, const QString& almacenada) {
    const QStringList partes = almacenada.split('$');
    if (partes.size() != 3 || partes[0] != "p1") return false;
    QByteArray sal = QByteArray::fromBase64(partes[1].toLatin1());
    QByteArray esperado = QByteArray::fromBase64(partes[2].toLatin1());
    QByteArray calc = derivar(typed, sal);
    return esperado.size() == calc.size() &&
           CRYPTO_memcmp(esperado.constData(), calc.constData(), calc.size()) == 0;
}
}  // namespace contrasena
