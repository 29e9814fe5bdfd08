#include "catalog/Anos.h"

#include <QStringList>

namespace anos {

int cuatroDigitos(int y) {
    return y <= 30 ? 2000 + y : 1900 + y;
}

namespace {
bool leerParte(const QString& t, int* valor) {
    if (t.size() != 2 || !t[0].isDigit() || !t[1].isDigit() || t[0] > '9' || t[1] > '9') return false;
    *valor = t.toInt();
    return true;
}
}  // namespace

Resultado desplegar(const QString& ano, QString* desplegado, QString* parteInvalida) {
    if (desplegado) desplegado->clear();
    if (ano.size() != 5) return Resultado::LongitudIncorrecta;
    int primero = 0, ultimo = 0;
    // The middle character is only a separator and is not examined.
    if (!leerParte(ano.left(2), &primero)) {
        if (parteInvalida) *parteInvalida = ano.left(2);
        return Resultado::NoEsNumero;
    }
    if (!leerParte(ano.right(2), &ultimo)) {
        if (parteInvalida) *parteInvalida = ano.right(2);
        return Resultado::NoEsNumero;
    }
    const int desde = cuatroDigitos(primero), hasta = cuatroDigitos(ultimo);
    QStringList lista;
    for (int a = desde; a <= hasta; ++a) lista << QString::number(a);
    if (desplegado) *desplegado = lista.join(',');
    return Resultado::Correcto;
}

QString mensajeLongitud() {
    return QString::fromUtf8("Por favor verifica el año");
}

}  // namespace anos
