#include "common/ATexto.h"

// Placeholder; the complete routine comes with the report layer.
QString ImporteConLetra(Money, int, int, FormaLetra) {
    return QString();
}
