#include "pos/Captura.h"

#include "common/Formats.h"

namespace pos {
QValidator::State ValidadorImporte::validate(QString& texto, int&) const {
    const QChar separador = formato::locale().decimalPoint().at(0);
    int puntos = 0, guiones = 0;
    for (QChar c : texto) {
        if (c.isDigit() && c.unicode() < 128) continue;
        if (c == separador || c == '.') {
            if (++puntos > 1) return Invalid;
        } else if (signo_ && c == '-') {
            if (++guiones > 1) return Invalid;
        } else {
            return Invalid;
        }
    }
    return Acceptable;
}
}  // namespace pos
