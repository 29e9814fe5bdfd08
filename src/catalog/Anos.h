#pragma once
#include <QString>

// The years a part fits, as typed on the product and fitment forms: a two-digit first
// year, one separator character and a two-digit last year ("00-05"). Searches match a
// year against the written-out list ("2000,2001,...,2005") stored beside it.
namespace anos {

enum class Resultado {
    Correcto,
    LongitudIncorrecta,  // not exactly five characters: "Por favor verifica el año"
    NoEsNumero,          // a year part is not a two-digit number: a conversion error
};

// Two-digit year to four digits: 30 or less is 20xx, above is 19xx.
int cuatroDigitos(int dosDigitos);

// Writes the span out, four-digit years joined by commas. A last year before the first
// gives an empty list (30-31 is 2030 to 1931). `parteInvalida` receives the year part
// that is not a number.
Resultado desplegar(const QString& ano, QString* desplegado, QString* parteInvalida = nullptr);

// The message the screens show for a wrong-length years text.
QString mensajeLongitud();

}  // namespace anos
